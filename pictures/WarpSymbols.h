#pragma once

#include <QImage>

// The warp editor's symbol pictures, 33 x 33 pixels, 24-bit colour: a white ground,
// the word Warp (warps) or Warp over To (warp-to points) in red, and a one-pixel frame,
// red for the selected record and black for the others. Drawn once, on first use.
namespace WarpSymbols {

const QImage &WarpNon();   // unselected warp
const QImage &WarpSel();   // selected warp
const QImage &WarpToNon(); // unselected warp-to point
const QImage &WarpToSel(); // selected warp-to point

} // namespace WarpSymbols

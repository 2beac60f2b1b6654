#pragma once

#include <QImage>

// The two pictures of the event editor's symbols, 33 x 33 pixels (one square and the
// overlap of the next): a white ground with a red letter E, framed by a one-pixel line
// that is red on the selected symbol and black on the others. Drawn once, on first use.
namespace EventSymbols {

constexpr int Size = 33;

const QImage &Selected();
const QImage &Unselected();

} // namespace EventSymbols

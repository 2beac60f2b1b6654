#pragma once

class CellGrid;
class QWidget;

// The 8 x 6 block map view that the main window and the warp and event editors share:
// 768 tile cells (MapTile), cell i = 16 x slot + tile, slot = 8 x block row + block
// column, tile = 4 x tile row + tile column.
namespace MapViewCells {

// The 768 cells at their places on a window's client area: 255 x 255 twips on a 240
// pitch from (120, 120); every cell visible, no picture.
CellGrid *Create(QWidget *client);

// Draws the blocks in view: slot (r, c) shows MapBlocks(scrollY + r, scrollX + c) of the
// current map from the tile picture store and is made visible; slots beyond the map's
// right or bottom edge are left as they are.
void Draw(CellGrid *cells, int scrollX, int scrollY);

// Hides all 768 cells (before a newly loaded map is drawn).
void HideAll(CellGrid *cells);

} // namespace MapViewCells

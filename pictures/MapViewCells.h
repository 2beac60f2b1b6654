#pragma once

class CellGrid;
class QWidget;
class ScrollBar;

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

// The view's scroll bars as stored: below and right of the view, hidden, from 1 to 10,
// a large change of 7 and 6 blocks.
ScrollBar *CreateHScroll(QWidget *client);
ScrollBar *CreateVScroll(QWidget *client);

// Fits the view to a newly loaded map of the current size: the bars show only for a map
// wider than 8 or higher than 6 blocks and run from 1 to MapWidth - 7 and MapHeight - 5,
// both at 1; all cells hidden. The caller then sets its ScrollX and ScrollY to 1.
void ResetToMap(CellGrid *cells, ScrollBar *hScroll, ScrollBar *vScroll);

} // namespace MapViewCells

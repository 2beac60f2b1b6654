#pragma once

// The square grid the warp and event editors place their records on. A square is
// 2 x 2 tiles (half a block each way), 480 x 480 twips on screen; square (x, y),
// counted from 0 at the map's upper left corner, is the left (x even) or right (x odd)
// half of block column x div 2 + 1 and the upper (y even) or lower (y odd) half of
// block row y div 2 + 1. The view shows 16 x 12 squares from StepX - 2, StepY - 2,
// where StepX = 2 x ScrollX and StepY = 2 x ScrollY.
namespace SquareGrid {

constexpr int SquareTwips = 480;
constexpr int Origin = 120;

struct Place
{
    bool visible = false; // the square lies in the visible window
    int left = 0;         // twips, when visible
    int top = 0;
};

// Where a symbol for square (x, y) stands, or that it is hidden.
Place PlaceOf(int x, int y, int stepX, int stepY);

struct Square
{
    int x = 0;
    int y = 0;
};

// The square under tile position j of the map view cell `cellIndex` (0..767) while the
// view shows block column scrollX and block row scrollY in its upper left corner.
Square SquareOfCell(int cellIndex, int scrollX, int scrollY);

} // namespace SquareGrid

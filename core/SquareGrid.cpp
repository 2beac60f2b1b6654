#include "SquareGrid.h"

namespace SquareGrid {

Place PlaceOf(int x, int y, int stepX, int stepY)
{
    Place p;
    if (x < stepX - 2 || x > stepX + 13 || y < stepY - 2 || y > stepY + 9)
        return p;
    p.visible = true;
    p.left = Origin + SquareTwips * (x - stepX + 2);
    p.top = Origin + SquareTwips * (y - stepY + 2);
    return p;
}

Square SquareOfCell(int cellIndex, int scrollX, int scrollY)
{
    const int slot = cellIndex / 16, j = cellIndex % 16;
    const int c = slot % 8, r = slot / 8;
    Square s;
    s.x = 2 * (scrollX + c) - 2 + ((j % 4) >= 2 ? 1 : 0);
    s.y = 2 * (scrollY + r) - 2 + ((j / 4) >= 2 ? 1 : 0);
    return s;
}

} // namespace SquareGrid

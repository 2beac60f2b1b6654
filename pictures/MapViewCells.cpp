#include "MapViewCells.h"

#include "TilePictures.h"
#include "core/Defines.h"
#include "core/ui/CellGrid.h"

namespace MapViewCells {

CellGrid *Create(QWidget *client)
{
    auto *cells = new CellGrid(client);
    for (int i = 0; i < 768; ++i) {
        const int s = i / 16, j = i % 16;
        const int c = s % 8, r = s / 8;
        cells->addCell(120 + 960 * c + 240 * (j % 4), 120 + 960 * r + 240 * (j / 4), 255, 255);
    }
    return cells;
}

void Draw(CellGrid *cells, int scrollX, int scrollY)
{
    if (!cells)
        return;
    for (int s = 0; s < 48; ++s) {
        const int c = s % 8, r = s / 8;
        const int x = scrollX + c, y = scrollY + r;
        if (y > Defines::MapHeight || x > Defines::MapWidth || x < 1 || y < 1 || x > 255 || y > 255)
            continue;
        const int b = Defines::MapBlocks[y][x];
        for (int j = 0; j < 16; ++j) {
            cells->setPicture(16 * s + j, TilePictures::BlockTile(b, j));
            cells->setCellVisible(16 * s + j, true);
        }
    }
}

void HideAll(CellGrid *cells)
{
    for (int i = 0; i < cells->count(); ++i)
        cells->setCellVisible(i, false);
}

} // namespace MapViewCells

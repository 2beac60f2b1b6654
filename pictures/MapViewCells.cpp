#include "MapViewCells.h"

#include "TilePictures.h"
#include "core/Defines.h"
#include "core/ui/CellGrid.h"
#include "core/ui/ScrollBar.h"

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

namespace {

ScrollBar *CreateScroll(QWidget *client, Qt::Orientation orientation, int left, int top, int width, int height,
                        int largeChange)
{
    auto *bar = new ScrollBar(orientation, client, left, top, width, height);
    bar->setMin(1);
    bar->setMax(10);
    bar->setPageStep(largeChange);
    bar->setSingleStep(1);
    bar->setValue(1);
    bar->hide();
    return bar;
}

} // namespace

ScrollBar *CreateHScroll(QWidget *client)
{
    return CreateScroll(client, Qt::Horizontal, 120, 5890, 7695, 255, 7);
}

ScrollBar *CreateVScroll(QWidget *client)
{
    return CreateScroll(client, Qt::Vertical, 7810, 120, 255, 5775, 6);
}

void ResetToMap(CellGrid *cells, ScrollBar *hScroll, ScrollBar *vScroll)
{
    const int w = Defines::MapWidth, h = Defines::MapHeight;
    hScroll->setVisible(w > 8);
    vScroll->setVisible(h > 6);
    hScroll->setMax(w - 7);
    vScroll->setMax(h - 5);
    hScroll->setValue(1);
    vScroll->setValue(1);
    HideAll(cells);
}

} // namespace MapViewCells

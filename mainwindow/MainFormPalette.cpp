// The block palette, the border block, painting and undo.
#include "MainForm.h"

#include "core/Defines.h"
#include "core/MapData.h"
#include "core/ui/CellGrid.h"
#include "core/ui/LineControl.h"
#include "core/ui/ScrollBar.h"
#include "core/ui/ShapeControl.h"
#include "core/ui/Twips.h"
#include "mainwindow/model/PaletteRules.h"
#include "pictures/TilePictures.h"

#include <QAction>
#include <QLabel>

void MainForm::CreatePalette()
{
    QWidget *w = client();
    SideBlock = new CellGrid(w);
    for (int i = 0; i < 96; ++i)
        SideBlock->addCell(8160 + 240 * (i % 4), 120 + 960 * (i / 16) + 240 * ((i % 16) / 4), 240, 240);
    connect(SideBlock, &CellGrid::MouseDown, this, &MainForm::SideBlock_MouseDown);

    Shape3 = new ShapeControl(w, 8160, 120, 975, 5775);
    for (int k = 0; k < 5; ++k)
        Line[13 + k] = new LineControl(w, 9120, 1080 + 960 * k, 8160, 1080 + 960 * k);
    SelBorder = new ShapeControl(w, 8160, PaletteRules::SquareTop(0), 975, 975, QColor(255, 0, 0), 2);

    Scroll = new ScrollBar(Qt::Vertical, w, 9130, 120, 255, 5775);
    Scroll->setMin(0);
    Scroll->setMax(100);
    Scroll->setSingleStep(1);
    Scroll->setPageStep(3);
    Scroll->setValue(0);
    connect(Scroll, &ScrollBar::Change, this, &MainForm::Scroll_Change);

    BlockHex = new QLabel(QStringLiteral("Hex:"), w);
    BlockHex->setGeometry(Twips::rect(8160, 6000, 1215, 255));
    BlockHex->setAlignment(Qt::AlignCenter);

    BorderBlock = new CellGrid(w);
    for (int j = 0; j < 16; ++j)
        BorderBlock->addCell(8400 + 240 * (j % 4), 6360 + 240 * (j / 4), 240, 240);
    connect(BorderBlock, &CellGrid::MouseDown, this, &MainForm::BorderBlock_MouseDown);
    Shape1 = new ShapeControl(w, 8400, 6360, 975, 975);

    Label1 = new QLabel(QStringLiteral("Border"), w);
    Label1->setGeometry(Twips::rect(8400, 7440, 975, 255));
    Label1->setAlignment(Qt::AlignCenter);
}

void MainForm::DrawPalette()
{
    if (!SideBlock)
        return;
    const int row = PaletteRules::RowOfTop(SelBorder->Top());
    const int v = Scroll->Value();
    if (row >= 0)
        SelBlock = std::int16_t(v + row);

    for (int j = 0; j < 16; ++j) {
        for (int r = 0; r < PaletteRules::Rows; ++r) {
            const int block = v + r;
            // Rows past the tileset's last block show nothing.
            if (block >= 0 && block <= Defines::LastBlock)
                SideBlock->setPicture(16 * r + j, TilePictures::BlockTile(block, j));
            else
                SideBlock->setPicture(16 * r + j, QImage());
        }
        BorderBlock->setPicture(j, TilePictures::BlockTile(BorderBlockNum, j));
    }
    BlockHex->setText(QString::fromStdString(PaletteRules::HexCaption(MapData::BlockOffset() + SelBlock)));
}

void MainForm::Scroll_Change()
{
    DrawPalette();
}

void MainForm::SideBlock_MouseDown(int Index, int, int, int, int)
{
    const int r = Index / 16;
    SelBorder->setTop(PaletteRules::SquareTop(r));
    SelBlock = std::int16_t(Scroll->Value() + r);
    DrawPalette();
}

void MainForm::ApplyPick()
{
    const PaletteRules::Pick pick = PaletteRules::PickWithinRange(SelBlock, Defines::LastBlock);
    SelBorder->setTop(PaletteRules::SquareTop(pick.squareRow));
    Scroll->setValue(pick.scrollValue); // runs Scroll_Change at once when the value changes
    DrawPalette();
}

void MainForm::MapTile_MouseDown(int Index, int Button, int, int, int)
{
    const int slot = Index / 16;
    const int c = slot % 8, r = slot / 8;
    const int y = ScrollY + r, x = ScrollX + c;
    if (y < 1 || x < 1 || y > Defines::MapHeight || x > Defines::MapWidth)
        return;
    if (Button == 1) {
        Undo.Push(std::int16_t(y), std::int16_t(x), Defines::MapBlocks[y][x]);
        mnuUndo->setEnabled(true);
        Defines::MapBlocks[y][x] = SelBlock;
        DrawMap();
        Changed = true;
    } else if (Button == 2) {
        SelBlock = Defines::MapBlocks[y][x];
        ApplyPick();
    }
}

void MainForm::BorderBlock_MouseDown(int, int Button, int, int, int)
{
    if (Button == 1) {
        BorderBlockNum = SelBlock;
        DrawPalette();
        Changed = true;
    } else if (Button == 2) {
        SelBlock = BorderBlockNum;
        ApplyPick();
    }
}

void MainForm::mnuUndo_Click()
{
    if (Undo.empty())
        return;
    const UndoRecord rec = Undo.Pop();
    Defines::MapBlocks[rec.Row][rec.Column] = rec.Previous;
    if (Undo.empty())
        mnuUndo->setEnabled(false);
    DrawMap();
}

#include "BlockEditForm.h"

#include "app/Forms.h"
#include "blocks/model/BlockEditRules.h"
#include "core/Defines.h"
#include "core/MapData.h"
#include "core/ui/CellGrid.h"
#include "core/ui/Dialogs.h"
#include "core/ui/FontFit.h"
#include "core/ui/ImageControl.h"
#include "core/ui/LineControl.h"
#include "core/ui/ScrollBar.h"
#include "core/ui/ShapeControl.h"
#include "core/ui/Twips.h"
#include "mainwindow/MainForm.h"
#include "pictures/TilePictures.h"

#include <QFontMetrics>
#include <QLabel>
#include <QPushButton>

using namespace BlockEditRules;

namespace {

const QColor FrameRed(255, 0, 0);

QLabel *makeLabel(QWidget *parent, const QString &text, int left, int top, int width, int height)
{
    auto *label = new QLabel(text, parent);
    label->setGeometry(Twips::rect(left, top, width, height));
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

} // namespace

BlockEditForm::BlockEditForm()
    : Form(QStringLiteral("BlockEdit"))
{
    setCaption(QStringLiteral("Tovrane - Building Block Editor"));
    setStyle(Style::Fixed);
    setClientSize(5415, 4095);
}

void BlockEditForm::CreateControls()
{
    QWidget *w = client();

    // The palette: four blocks of 4 x 4 cells.
    SideBlock = new CellGrid(w);
    for (int i = 0; i < 16 * Slots; ++i) {
        const int k = i / 16, j = i % 16;
        SideBlock->addCell(360 + 240 * (j % 4), 120 + SlotTwips * k + 240 * (j / 4), 240, 240);
    }
    connect(SideBlock, &CellGrid::MouseDown, this, &BlockEditForm::SideBlock_MouseDown);

    // The edited block.
    Block = new CellGrid(w);
    for (int j = 0; j < 16; ++j)
        Block->addCell(1440 + 240 * (j % 4), 120 + 240 * (j / 4), 240, 240);
    connect(Block, &CellGrid::MouseDown, this, &BlockEditForm::Block_MouseDown);

    // The tile chooser: 16 x 10 cells, 255 twips wide on a 240 pitch.
    TileSel = new CellGrid(w);
    for (int i = 0; i < ChooserCells; ++i)
        TileSel->addCell(ChooserCellLeft(i), ChooserCellTop(i), 255, 255);
    connect(TileSel, &CellGrid::MouseDown, this, &BlockEditForm::TileSel_MouseDown);

    Shape3 = new ShapeControl(w, 360, 120, 975, 3855);
    Shape1 = new ShapeControl(w, 1440, 120, 975, 975);
    Shape4 = new ShapeControl(w, 1440, 1200, 3855, 2415);
    for (int n = 1; n <= 3; ++n)
        Line[n] = new LineControl(w, 1440 + 240 * n, 120, 1440 + 240 * n, 1080);
    for (int n = 4; n <= 6; ++n)
        Line[n] = new LineControl(w, 1440, 120 + 240 * (n - 3), 2400, 120 + 240 * (n - 3));
    for (int n = 7; n <= 9; ++n)
        Line[n] = new LineControl(w, 360, SlotTop(n - 6), 1320, SlotTop(n - 6));
    for (int n = 10; n <= 24; ++n)
        Line[n] = new LineControl(w, 1680 + 240 * (n - 10), 1200, 1680 + 240 * (n - 10), 3600);
    for (int n = 25; n <= 33; ++n)
        Line[n] = new LineControl(w, 1440, 1440 + 240 * (n - 25), 5280, 1440 + 240 * (n - 25));
    SelBorder = new ShapeControl(w, 360, SlotTop(0), 975, 975, FrameRed, 2);
    TileBorder = new ShapeControl(w, ChooserCellLeft(0), ChooserCellTop(0), 255, 255, FrameRed, 2);

    Scroll = new ScrollBar(Qt::Vertical, w, 110, 120, 255, 3855);
    Scroll->setMin(0);
    Scroll->setMax(100);
    Scroll->setSingleStep(1);
    Scroll->setPageStep(3);
    Scroll->setValue(0);
    Scroll->setFocusPolicy(Qt::StrongFocus);
    connect(Scroll, &ScrollBar::Change, this, &BlockEditForm::Scroll_Change);

    BigTile = new ImageControl(w, 2520, 120, 495, 495);
    BigTile->setStretch(true);
    BigTile->setAttribute(Qt::WA_TransparentForMouseEvents);
    Shape2 = new ShapeControl(w, 2520, 120, 495, 495);

    BlockHex = makeLabel(w, QStringLiteral("Building Block Hex Value:"), 3120, 120, 2775, 255);
    TileHex = makeLabel(w, QStringLiteral("Tile Hex Value:"), 3120, 360, 2775, 255);
    // The labels reach past the window's edge; the longest caption must still show whole.
    const int room = Twips::toPixels(5415 - 3120) - 2;
    const QFont font =
        FontFit::ForLines(BlockHex->font(), {QStringLiteral("Building Block Hex Value: 100")}, room);
    BlockHex->setFont(font);
    TileHex->setFont(font);

    SaveBlock = new QPushButton(QStringLiteral("Save"), w);
    SaveBlock->setGeometry(Twips::rect(2520, 720, 975, 375));
    connect(SaveBlock, &QPushButton::clicked, this, &BlockEditForm::SaveBlock_Click);

    QWidget::setTabOrder(Scroll, SaveBlock);
}

void BlockEditForm::ControlsDestroyed()
{
    SideBlock = Block = TileSel = nullptr;
    Shape1 = Shape2 = Shape3 = Shape4 = SelBorder = TileBorder = nullptr;
    for (auto &l : Line)
        l = nullptr;
    Scroll = nullptr;
    BigTile = nullptr;
    BlockHex = TileHex = nullptr;
    SaveBlock = nullptr;
}

void BlockEditForm::Form_Load()
{
    const int lastShown = LastShownTile(Defines::TilesetTable[Defines::CurTileset][2]);
    for (int i = 0; i < ChooserCells; ++i) {
        const bool shown = i <= lastShown;
        TileSel->setCellVisible(i, shown);
        TileSel->setPicture(i, shown ? TilePictures::TilesetTile(i) : QImage());
    }
    SelTile = 0;
    RefreshBlocks();
    BigTile->setPicture(TilePictures::TilesetTile(0));
    Changed = false;
    Scroll->setMax(ScrollMax(Defines::LastBlock));
}

void BlockEditForm::Form_Unload(int &Cancel)
{
    if (Changed && !Dialogs::AskDiscard()) {
        Cancel = 1;
        return;
    }
    Forms::Main().setVisible(true);
}

void BlockEditForm::Form_Activate()
{
    // The arrow keys move the palette.
    if (Scroll)
        Scroll->setFocus();
}

bool BlockEditForm::EditingTilesetBlock() const
{
    return InTileset(SelBlock, Defines::LastBlock);
}

void BlockEditForm::RefreshBlocks()
{
    if (!SideBlock)
        return;
    const int v = Scroll->Value();
    const int k = SlotOfTop(SelBorder->Top());
    if (k >= 0)
        SelBlock = std::int16_t(v + k);
    const bool editing = EditingTilesetBlock();

    for (int j = 0; j < 16; ++j) {
        for (int s = 0; s < Slots; ++s) {
            // A tileset of fewer than four blocks leaves slots empty; they take no clicks.
            const int block = v + s;
            const bool shown = InTileset(block, Defines::LastBlock);
            SideBlock->setCellVisible(16 * s + j, shown);
            SideBlock->setPicture(16 * s + j, shown ? TilePictures::BlockTile(block, j) : QImage());
        }
        Block->setPicture(j, editing ? TilePictures::BlockTile(SelBlock, j) : QImage());
        CurBlock[j] = editing ? std::int16_t(Defines::BlockTiles[SelBlock][j]) : std::int16_t(0);
    }
    BlockHex->setText(QString::fromStdString(BlockHexCaption(std::int64_t(MapData::BlockOffset()) + SelBlock)));
    TileHex->setText(QString::fromStdString(TileHexCaption(SelTile)));
}

void BlockEditForm::SideBlock_MouseDown(int Index, int, int, int, int)
{
    const int k = Index / 16;
    const int block = Scroll->Value() + k;
    if (!InTileset(block, Defines::LastBlock))
        return;
    SelBorder->setTop(SlotTop(k));
    SelBlock = std::int16_t(block);
    RefreshBlocks();
    Changed = false;
}

void BlockEditForm::Scroll_Change()
{
    RefreshBlocks();
}

void BlockEditForm::Block_MouseDown(int Index, int Button, int, int, int)
{
    if (Index < 0 || Index > 15 || !EditingTilesetBlock())
        return;
    if (Button == 1) {
        // Drawn as the palette and the map draw the block once it is saved.
        Block->setPicture(Index, TilePictures::TilesetTile(SelTile));
        CurBlock[Index] = SelTile;
        Changed = true;
    } else if (Button == 2) {
        ChooseTile(CurBlock[Index]);
    }
}

void BlockEditForm::TileSel_MouseDown(int Index, int, int, int, int)
{
    ChooseTile(Index);
}

void BlockEditForm::ChooseTile(int t)
{
    SelTile = std::int16_t(t);
    // A tile number past the chooser (blocks may use any byte) has no cell to frame.
    if (HasChooserCell(t)) {
        TileBorder->setLeft(ChooserCellLeft(t));
        TileBorder->setTop(ChooserCellTop(t));
        TileBorder->setVisible(true);
    } else {
        TileBorder->setVisible(false);
    }
    BigTile->setPicture(TilePictures::TilesetTile(t));
    TileHex->setText(QString::fromStdString(TileHexCaption(t)));
}

// The building block editor's window: palette, chooser, editing a block and closing.
#include "UiHarness.h"

#include "blocks/BlockEditForm.h"
#include "core/ui/ImageControl.h"
#include "core/ui/ScrollBar.h"
#include "core/ui/ShapeControl.h"
#include "pictures/TilePictures.h"

#include <QAction>
#include <QLabel>

namespace {

BlockEditForm &openEditor(UiHarness &h)
{
    h.main().mnuBlockEdit->trigger();
    return *static_cast<BlockEditForm *>(Forms::BlockEdit());
}

const QImage &tile(int t) { return TilePictures::TilesetTile(t); }

} // namespace

class BlockEditorTest : public QObject
{
    Q_OBJECT

private slots:
    void openingShowsBlocksZeroToThreeAndTileZero()
    {
        UiHarness h;
        QVERIFY(h.start());
        Defines::TilesetTable[0][2] = Cell::number(99);
        BlockEditForm &e = openEditor(h);
        QVERIFY(e.Visible());
        QVERIFY(!h.main().Visible());
        QCOMPARE(e.window()->windowTitle(), QStringLiteral("Tovrane - Building Block Editor"));
        QCOMPARE(e.SideBlock->picture(16 * 3 + 9), TilePictures::BlockTile(3, 9));
        QCOMPARE(e.Block->picture(9), TilePictures::BlockTile(0, 9));
        QCOMPARE(int(e.CurBlock[9]), Defines::BlockTiles[0][9]);
        QCOMPARE(e.SelBorder->Top(), 120);
        QCOMPARE(QPoint(e.TileBorder->Left(), e.TileBorder->Top()), QPoint(1440, 1200));
        QCOMPARE(e.BigTile->Picture(), tile(0));
        QCOMPARE(e.BlockHex->text(), QStringLiteral("Building Block Hex Value: 00"));
        QCOMPARE(e.TileHex->text(), QStringLiteral("Tile Hex Value: 00"));
        QVERIFY(e.TileSel->cellVisible(99) && !e.TileSel->cellVisible(100));
        QCOMPARE(e.Scroll->Max(), 124);
        QVERIFY(!e.Changed);

        // The arrow keys move the palette; at the maximum the last slot shows the last block.
        QTest::keyClick(e.Scroll, Qt::Key_Down);
        QCOMPARE(int(e.SelBlock), 1);
        Defines::TilesetTable[0][6] = Cell::number(0x81);
        e.Scroll->setValue(e.Scroll->Max());
        UiHarness::pressCell(e.SideBlock, 16 * 3 + 9);
        QCOMPARE(e.SideBlock->picture(48 + 7), TilePictures::BlockTile(127, 7));
        QCOMPARE(e.BlockHex->text(), QStringLiteral("Building Block Hex Value: 100"));
    }

    void choosingAndPickingTiles()
    {
        UiHarness h;
        QVERIFY(h.start());
        BlockEditForm &e = openEditor(h);
        UiHarness::pressCell(e.TileSel, 42, Qt::RightButton);
        QCOMPARE(int(e.SelTile), 42);
        QCOMPARE(e.BigTile->Picture(), tile(42));
        // The chosen tile outlives scrolling and palette clicks.
        e.Scroll->setValue(30);
        UiHarness::pressCell(e.SideBlock, 0);
        QCOMPARE(e.TileHex->text(), QStringLiteral("Tile Hex Value: 2A"));
        QCOMPARE(QPoint(e.TileBorder->Left(), e.TileBorder->Top()), QPoint(3840, 1680));

        // Block 30 holds tile 42 at position 12: a right click picks it, nothing else changes.
        UiHarness::pressCell(e.TileSel, 5);
        UiHarness::pressCell(e.Block, 12, Qt::RightButton);
        QCOMPARE(QPoint(e.TileBorder->Left(), e.TileBorder->Top()), QPoint(3840, 1680));
        QCOMPARE(e.TileHex->text(), QStringLiteral("Tile Hex Value: 2A"));
        QVERIFY(!e.Changed);
        UiHarness::pressCell(e.Block, 3, Qt::MiddleButton);
        QCOMPARE(int(e.CurBlock[3]), Defines::BlockTiles[30][3]);
        QVERIFY(!e.Changed);
    }

    void placedTilesAreDroppedByThePaletteAndGuardedByTheClose()
    {
        UiHarness h;
        QVERIFY(h.start());
        BlockEditForm &e = openEditor(h);
        UiHarness::pressCell(e.TileSel, 42);
        UiHarness::pressCell(e.Block, 3);
        QCOMPARE(int(e.CurBlock[3]), 42);
        QCOMPARE(e.Block->picture(3), tile(42));
        QCOMPARE(e.SideBlock->picture(3), TilePictures::BlockTile(0, 3)); // palette as stored
        QVERIFY(e.Changed);

        UiHarness::pressCell(e.SideBlock, 5); // the same slot: the tile is gone, no question
        QCOMPARE(int(e.CurBlock[3]), 3);
        QVERIFY(!e.Changed);

        UiHarness::pressCell(e.Block, 3);
        e.Scroll->setValue(1); // next block, tile gone, mark kept
        QCOMPARE(int(e.SelBlock), 1);
        QCOMPARE(int(e.CurBlock[3]), 4);
        QVERIFY(e.Changed);

        h.dialogs.answerNo();
        e.window()->close();
        QCOMPARE(h.dialogs.texts(), QStringList({QStringLiteral("Discard the changes you have made?")}));
        QVERIFY(e.Visible() && !h.main().Visible());
        h.dialogs.answerYes();
        e.window()->close();
        QVERIFY(!e.Loaded());
        QVERIFY(h.main().Visible());
        QCOMPARE(Defines::BlockTiles[1][3], 4);

        // Every opening starts afresh.
        openEditor(h);
        QVERIFY(e.SelBlock == 0 && e.SelTile == 0 && !e.Changed);
    }

    void tilesBeyondTheChooserArePickedAndPlaced()
    {
        UiHarness h;
        QVERIFY(h.start());
        Defines::BlockTiles[0][5] = 200;
        Defines::BlockTiles[0][6] = 120;
        BlockEditForm &e = openEditor(h);
        UiHarness::pressCell(e.Block, 5, Qt::RightButton);
        QCOMPARE(int(e.SelTile), 200);
        QVERIFY(!e.TileBorder->isVisible()); // no chooser cell to frame
        QCOMPARE(e.TileHex->text(), QStringLiteral("Tile Hex Value: C8"));
        UiHarness::pressCell(e.Block, 0);
        QCOMPARE(int(e.CurBlock[0]), 200);
        QCOMPARE(e.Block->picture(0), tile(200)); // as the palette will draw it

        UiHarness::pressCell(e.Block, 6, Qt::RightButton); // a hidden chooser cell
        QVERIFY(e.TileBorder->isVisible());
        QCOMPARE(QPoint(e.TileBorder->Left(), e.TileBorder->Top()), QPoint(1440 + 240 * 8, 1200 + 240 * 7));
    }
};

QTEST_MAIN(BlockEditorTest)
#include "block_editor_test.moc"

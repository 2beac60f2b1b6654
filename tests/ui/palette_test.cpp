// The block palette, painting, the border block and undo, through real presses.
#include "UiHarness.h"

#include "core/ui/ScrollBar.h"
#include "mainwindow/AboutForm.h"
#include "core/ui/ShapeControl.h"

#include <QAction>
#include <QLabel>
#include <QPushButton>

namespace {

void selectPaletteRow(MainForm &m, int row, Qt::MouseButton button = Qt::LeftButton)
{
    UiHarness::pressCell(m.SideBlock, 16 * row + 5, button);
}

// Map block (row, column) shown in view slot s while the view is not scrolled.
int slotCell(int r, int c, int j = 0) { return 16 * (8 * r + c) + j; }

} // namespace

class PaletteTest : public QObject
{
    Q_OBJECT

private slots:
    void anyButtonSelectsAPaletteBlock()
    {
        UiHarness h;
        QVERIFY(h.start());
        MainForm &m = h.main();
        QCOMPARE(m.BlockHex->text(), QStringLiteral("Hex: 00"));
        selectPaletteRow(m, 3, Qt::MiddleButton);
        QCOMPARE(m.SelBlock, std::int16_t(3));
        QCOMPARE(m.SelBorder->Top(), 3000);
        // Any of the block's cells selects the whole block.
        UiHarness::pressCell(m.SideBlock, 16 * 4 + 15, Qt::RightButton);
        QCOMPARE(m.SelBlock, std::int16_t(4));

        // The square stays on its row while the palette scrolls under it.
        selectPaletteRow(m, 3);
        m.Scroll->setValue(m.Scroll->Value() + 7);
        QCOMPARE(m.SelBlock, std::int16_t(10));
        QCOMPARE(m.BlockHex->text(), QStringLiteral("Hex: 0A"));
        QCOMPARE(m.SideBlock->picture(16 * 3), TileStore::instance().Tile(10));
    }

    void leftPaintsRightPicksMiddleDoesNothing()
    {
        UiHarness h;
        QVERIFY(h.start());
        MainForm &m = h.main();
        selectPaletteRow(m, 2);
        UiHarness::pressCell(m.MapTile, slotCell(1, 3, 9));
        QCOMPARE(int(Defines::MapBlocks[2][4]), 2);
        QVERIFY(m.Changed);
        QVERIFY(m.mnuUndo->isEnabled());
        QCOMPARE(m.MapTile->picture(slotCell(1, 3, 1)), TileStore::instance().Tile(3));

        const int before = Defines::MapBlocks[3][3];
        UiHarness::pressCell(m.MapTile, slotCell(2, 2), Qt::MiddleButton);
        QCOMPARE(int(Defines::MapBlocks[3][3]), before);
        QCOMPARE(m.UndoCount(), 1);

        UiHarness::pressCell(m.MapTile, slotCell(2, 2, 15), Qt::RightButton);
        QCOMPARE(int(m.SelBlock), before);
        QCOMPARE(m.UndoCount(), 1);
    }

    void pickRuleForATilesetOf128Blocks()
    {
        UiHarness h;
        QVERIFY(h.start());
        MainForm &m = h.main();
        QCOMPARE(Defines::LastBlock, std::int16_t(127));
        const struct { int block, scroll, top; } cases[] = {
            {0, 0, 120}, {120, 120, 120}, {121, 116, 4920}, {127, 122, 4920}};
        for (const auto &c : cases) {
            Defines::MapBlocks[1][1] = std::int16_t(c.block);
            UiHarness::pressCell(m.MapTile, 0, Qt::RightButton);
            QCOMPARE(m.Scroll->Value(), c.scroll);
            QCOMPARE(m.SelBorder->Top(), c.top);
            QCOMPARE(int(m.SelBlock), c.block);
        }
        // A block beyond the tileset: the palette stays in range, the square on the block under it.
        Defines::MapBlocks[1][1] = 200;
        UiHarness::pressCell(m.MapTile, 0, Qt::RightButton);
        QCOMPARE(m.Scroll->Value(), 122);
        QCOMPARE(int(m.SelBlock), m.Scroll->Value() + (m.SelBorder->Top() - 120) / 960);
    }

    void hundredAndOnePaintsKeepTheLastHundred()
    {
        UiHarness h;
        QVERIFY(h.start());
        MainForm &m = h.main();
        std::int16_t afterFirst[10][11];
        for (int i = 0; i < 101; ++i) {
            selectPaletteRow(m, i % 6);
            const int r = (i / 8) % 6, c = i % 8;
            UiHarness::pressCell(m.MapTile, slotCell(r, c, i % 16));
            if (i == 0)
                for (int y = 1; y <= 9; ++y)
                    for (int x = 1; x <= 10; ++x)
                        afterFirst[y][x] = Defines::MapBlocks[y][x];
        }
        QCOMPARE(m.UndoCount(), 100);
        for (int i = 0; i < 100; ++i) {
            QVERIFY(m.mnuUndo->isEnabled());
            m.mnuUndo->trigger();
        }
        QVERIFY(!m.mnuUndo->isEnabled());
        for (int y = 1; y <= 9; ++y)
            for (int x = 1; x <= 10; ++x)
                QCOMPARE(Defines::MapBlocks[y][x], afterFirst[y][x]);
        QVERIFY(m.Changed); // undo never clears the mark
    }

    void borderBlockIsNotUndone()
    {
        UiHarness h;
        QVERIFY(h.start());
        MainForm &m = h.main();
        const int painted = Defines::MapBlocks[1][1];
        selectPaletteRow(m, 4);
        UiHarness::pressCell(m.MapTile, 0);
        UiHarness::pressCell(m.BorderBlock, 7);
        QCOMPARE(m.BorderBlockNum, std::int16_t(4));
        QCOMPARE(m.BorderBlock->picture(0), TileStore::instance().Tile(4));
        m.mnuUndo->trigger();
        QCOMPARE(int(Defines::MapBlocks[1][1]), painted);
        QCOMPARE(m.BorderBlockNum, std::int16_t(4));
        QVERIFY(!m.mnuUndo->isEnabled());

        // A right press picks the border block into the palette.
        selectPaletteRow(m, 0);
        UiHarness::pressCell(m.BorderBlock, 0, Qt::RightButton);
        QCOMPARE(m.SelBlock, std::int16_t(4));
        UiHarness::pressCell(m.BorderBlock, 0, Qt::MiddleButton);
        QCOMPARE(m.BorderBlockNum, std::int16_t(4));
    }

    void paintsOntoTheSameBlockStillCount()
    {
        UiHarness h;
        QVERIFY(h.start());
        MainForm &m = h.main();
        Defines::MapBlocks[1][1] = 0;
        selectPaletteRow(m, 0);
        UiHarness::pressCell(m.MapTile, 0);
        UiHarness::pressCell(m.MapTile, 1);
        QCOMPARE(m.UndoCount(), 2);
        m.mnuUndo->trigger();
        QCOMPARE(int(Defines::MapBlocks[1][1]), 0);
    }

    void smallTilesetAndBlockOffset()
    {
        UiHarness h;
        QVERIFY(h.start());
        MainForm &m = h.main();
        UiHarness::clickListEntry(m.CatList, 1);
        QTest::mouseClick(m.Command2, Qt::LeftButton); // Tiny House: 8 blocks, offset 2
        QCOMPARE(Defines::LastBlock, std::int16_t(7));
        QCOMPARE(m.Scroll->Max(), 2);
        selectPaletteRow(m, 5);
        QCOMPARE(int(m.SelBlock), m.Scroll->Value() + 5);
        const QString digits = QString::number(m.SelBlock + 2, 16).toUpper().rightJustified(2, QLatin1Char('0'));
        QCOMPARE(m.BlockHex->text(), QStringLiteral("Hex: ") + digits);

        // Picking block 0 of a tileset of 8 blocks puts it on the top row of an unscrolled palette.
        Defines::MapBlocks[1][1] = 0;
        UiHarness::pressCell(m.MapTile, 0, Qt::RightButton);
        QCOMPARE(m.Scroll->Value(), 0);
        QCOMPARE(m.SelBlock, std::int16_t(0));
        QCOMPARE(m.SelBorder->Top(), 120);
    }

    void activationRedrawsFromTheSharedState()
    {
        UiHarness h;
        QVERIFY(h.start());
        MainForm &m = h.main();
        Defines::BlockTiles[Defines::MapBlocks[1][1]][0] = 50;
        m.mnuAbout->trigger();
        Forms::About().Command1_Click();
        QCOMPARE(m.MapTile->picture(0), TileStore::instance().Tile(50));
    }
};

QTEST_MAIN(PaletteTest)
#include "palette_test.moc"

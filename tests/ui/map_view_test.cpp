// The map view and the map chooser, driven by presses on lists, "Go" and cells.
#include "UiHarness.h"

#include "core/ui/LineControl.h"
#include "core/ui/ScrollBar.h"
#include "core/ui/ShapeControl.h"

#include <QAction>
#include <QLabel>
#include <QPushButton>

namespace {

void goTo(int category, int position)
{
    MainForm &m = Forms::Main();
    UiHarness::clickListEntry(m.CatList, category);
    if (position >= 0)
        UiHarness::clickListEntry(m.MapList, position);
    QTest::mouseClick(m.Command2, Qt::LeftButton);
}

QList<int> visibleLines(const MainForm &m)
{
    QList<int> out;
    for (int k = 1; k <= 12; ++k)
        if (!m.Line[k]->isHidden())
            out << k;
    return out;
}

int visibleCells(const MainForm &m)
{
    int n = 0;
    for (int i = 0; i < 768; ++i)
        n += m.MapTile->cellVisible(i) ? 1 : 0;
    return n;
}

} // namespace

class MapViewTest : public QObject
{
    Q_OBJECT

private slots:
    void exactViewSizeMapFillsTheView()
    {
        UiHarness h;
        QVERIFY(h.start());
        goTo(3, 2); // Square, 8 x 6
        MainForm &m = h.main();
        QCOMPARE(Defines::CurMap, std::int16_t(7));
        QVERIFY(m.HScroll->isHidden());
        QVERIFY(m.VScroll->isHidden());
        QCOMPARE(m.Shape2->Width(), 7695);
        QCOMPARE(m.Shape2->Height(), 5775);
        QCOMPARE(visibleLines(m).size(), 12);
        QCOMPARE(visibleCells(m), 768);
    }

    void smallMapLeavesTheRestHidden()
    {
        UiHarness h;
        QVERIFY(h.start());
        // A larger map first: its cells were all shown.
        goTo(1, 0); // Tiny House, 5 x 3
        MainForm &m = h.main();
        QCOMPARE(Defines::CurMap, std::int16_t(2));
        QCOMPARE(m.Shape2->Width(), 4815);
        QCOMPARE(m.Shape2->Height(), 2895);
        QCOMPARE(visibleLines(m), QList<int>({1, 2, 3, 4, 8, 9}));
        QCOMPARE(m.Line[8]->X2(), 4935);
        QCOMPARE(m.Line[1]->Y2(), 3015);
        QCOMPARE(visibleCells(m), 15 * 16);
        for (int s = 0; s < 48; ++s) {
            const bool inside = s % 8 < 5 && s / 8 < 3;
            QCOMPARE(m.MapTile->cellVisible(16 * s), inside);
        }
    }

    void scrollBarsFollowTheMapSize()
    {
        UiHarness h;
        QVERIFY(h.start());
        MainForm &m = h.main();

        goTo(1, 1); // Wide Field, 9 x 7
        QVERIFY(!m.HScroll->isHidden());
        QVERIFY(!m.VScroll->isHidden());
        QCOMPARE(m.HScroll->Min(), 1);
        QCOMPARE(m.HScroll->Max(), 2);
        QCOMPARE(m.VScroll->Max(), 2);
        QCOMPARE(m.ScrollX, std::int16_t(1));

        goTo(1, 2); // Tall Tower, 9 x 20
        QCOMPARE(m.HScroll->Max(), 2);
        QCOMPARE(m.VScroll->Max(), 15);
        m.VScroll->setValue(15);
        QCOMPARE(m.ScrollY, std::int16_t(15));
        // View row 0 now shows map row 15, the last view row map row 20.
        const int b = h.game.blockAt(4, 20, 1);
        QCOMPARE(m.MapTile->picture(16 * 40), TileStore::instance().Tile(b % 96));

        goTo(3, 0); // Strip, 10 x 4
        QVERIFY(!m.HScroll->isHidden());
        QVERIFY(m.VScroll->isHidden());
        QCOMPARE(m.ScrollY, std::int16_t(1));
        QCOMPARE(visibleLines(m), QList<int>({1, 2, 3, 4, 5, 6, 7, 8, 9, 10}));
        for (int k = 1; k <= 7; ++k)
            QCOMPARE(m.Line[k]->Y2(), 3975);
    }

    void zeroWidthMapKeepsTheFrameWidth()
    {
        UiHarness h;
        QVERIFY(h.start());
        MainForm &m = h.main();
        goTo(1, 0); // 5 x 3 first
        goTo(3, 1); // No Width, 0 x 3
        QCOMPARE(Defines::MapWidth, std::int16_t(0));
        QCOMPARE(m.Shape2->Width(), 4815);
        QCOMPARE(m.Shape2->Height(), 2895);
        QCOMPARE(visibleCells(m), 0);
    }

    void gridlineToggleAndLoadsWithTheOptionOff()
    {
        UiHarness h;
        QVERIFY(h.start());
        MainForm &m = h.main();
        m.mnuGridlines->trigger();
        QVERIFY(!m.mnuGridlines->isChecked());
        QVERIFY(visibleLines(m).isEmpty());
        QCOMPARE(m.Shape2->Width(), 7695);

        goTo(1, 0); // 5 x 3: the frame alone is fitted
        QVERIFY(visibleLines(m).isEmpty());
        QCOMPARE(m.Shape2->Width(), 4815);
        QCOMPARE(m.Shape2->Height(), 2895);

        m.mnuGridlines->trigger();
        QVERIFY(m.mnuGridlines->isChecked());
        QCOMPARE(visibleLines(m), QList<int>({1, 2, 3, 4, 8, 9}));
        QCOMPARE(m.Line[9]->X2(), 4935);
    }

    void loaderLeavesLargerMapsCellsAlone()
    {
        UiHarness h;
        QVERIFY(h.start());
        goTo(0, 1); // Big City, 20 x 18
        goTo(1, 0); // Tiny House, 5 x 3
        // Rows and columns outside 3 x 5 keep Big City's blocks.
        QCOMPARE(int(Defines::MapBlocks[10][10]), h.game.blockAt(1, 10, 10));
        QCOMPARE(int(Defines::MapBlocks[2][7]), h.game.blockAt(1, 2, 7));
        QCOMPARE(int(Defines::MapBlocks[3][5]), h.game.blockAt(2, 3, 5));
        // Blocks above the small tileset's last block keep the earlier tileset's tiles.
        QCOMPARE(Defines::LastBlock, std::int16_t(7));
        QCOMPARE(Defines::BlockTiles[100][0], (100 + 0) % 96);
    }

    void chooserArithmeticAndComments()
    {
        UiHarness h;
        QVERIFY(h.start());
        MainForm &m = h.main();
        UiHarness::clickListEntry(m.CatList, 3, Qt::RightButton);
        QCOMPARE(Defines::CurCategory, std::int16_t(3));
        QCOMPARE(m.MapList->count(), 4);
        QCOMPARE(m.MapList->ListIndex(), 0);
        QCOMPARE(m.MapComment->text(), QString::fromStdString(h.game.map(5).comment));
        UiHarness::clickListEntry(m.MapList, 2, Qt::MiddleButton);
        QCOMPARE(m.MapComment->text(), QString::fromStdString(h.game.map(7).comment));
        QCOMPARE(Defines::CurMap, std::int16_t(0)); // nothing loaded yet
        QTest::mouseClick(m.Command2, Qt::LeftButton);
        QCOMPARE(Defines::CurMap, std::int16_t(7));
        QCOMPARE(m.CurMapName->text(), QStringLiteral("Square"));

        // A category without maps: an empty list, nothing selected, and "Go" does nothing.
        UiHarness::clickListEntry(m.CatList, 2);
        QCOMPARE(m.MapList->count(), 0);
        QCOMPARE(m.MapList->ListIndex(), -1);
        QTest::mouseClick(m.Command2, Qt::LeftButton);
        QCOMPARE(Defines::CurMap, std::int16_t(7));
        QCOMPARE(h.dialogs.unexpected(), 0);
    }

    void menuStatesFollowTheLoadedMapsRow()
    {
        UiHarness h;
        QVERIFY(h.start());
        MainForm &m = h.main();
        goTo(1, 0); // no border, no warps, no wild slots, no events
        QVERIFY(m.Label1->isHidden());
        QVERIFY(m.Shape1->isHidden());
        QVERIFY(m.BorderBlock->isHidden());
        QVERIFY(!m.mnuWarpEdit->isEnabled());
        QVERIFY(!m.mnuWildEdit->isEnabled());
        QVERIFY(!m.mnuEventEdit->isEnabled());
        QVERIFY(m.mnuBlockEdit->isEnabled());
        // Its border block comes from the ROM's first byte.
        QCOMPARE(int(m.BorderBlockNum), int(h.game.rom[0]) - 2);

        goTo(1, 1); // Wide Field: border, warps, wild slots, events
        QVERIFY(!m.Label1->isHidden());
        QVERIFY(!m.BorderBlock->isHidden());
        QVERIFY(m.mnuWarpEdit->isEnabled());
        QVERIFY(m.mnuWildEdit->isEnabled());
        QVERIFY(m.mnuEventEdit->isEnabled());

        goTo(0, 0); // Pallet Town: no wild slots
        QVERIFY(!m.mnuWildEdit->isEnabled());
        QVERIFY(m.mnuWarpEdit->isEnabled());
    }

    void goAsksBeforeDroppingPaintsAndEmptiesUndo()
    {
        UiHarness h;
        QVERIFY(h.start());
        MainForm &m = h.main();
        UiHarness::pressCell(m.MapTile, 5);
        QVERIFY(m.Changed);
        QVERIFY(m.mnuUndo->isEnabled());

        h.dialogs.answerNo();
        goTo(1, 1);
        QCOMPARE(Defines::CurMap, std::int16_t(0));
        QVERIFY(m.Changed);
        QCOMPARE(m.UndoCount(), 1);

        h.dialogs.answerYes();
        QTest::mouseClick(m.Command2, Qt::LeftButton);
        QCOMPARE(Defines::CurMap, std::int16_t(3));
        QVERIFY(!m.Changed);
        QCOMPARE(m.UndoCount(), 0);
        QVERIFY(!m.mnuUndo->isEnabled());
        QCOMPARE(h.dialogs.texts(), QStringList({QStringLiteral("Discard the changes you have made?"),
                                                 QStringLiteral("Discard the changes you have made?")}));
    }

    void refusedMapKeepsThePreviousOne()
    {
        UiHarness h;
        // Map 3's height is made too large for the map arrays.
        SyntheticGame &g = h.game;
        g.categories[1].maps[1].height = 300;
        h.folder->writeText("MapsR.tvr", g.mapTableText());
        QVERIFY(h.start());
        MainForm &m = h.main();
        m.MapTile_MouseDown(0, 1, 0, 0, 0);
        h.dialogs.answerYes();
        goTo(1, 1);
        QCOMPARE(Defines::CurMap, std::int16_t(0));
        QCOMPARE(Defines::MapHeight, std::int16_t(9));
        QVERIFY(m.Changed);
        QCOMPARE(m.CurMapName->text(), QStringLiteral("Pallet Town"));
        QCOMPARE(h.dialogs.asked().last().kind, ScriptedDialogs::Kind::Error);
        QVERIFY(h.dialogs.asked().last().text.contains(QStringLiteral("Wide Field")));
    }
};

QTEST_MAIN(MapViewTest)
#include "map_view_test.moc"

// The warp editor window: opening and closing, the view, selecting and moving records,
// the event placement of warp-to points and the switch between the two modes.
#include "warp_test_game.h"

#include "core/ui/LineControl.h"
#include "core/ui/ScrollBar.h"
#include "core/ui/ShapeControl.h"
#include "pictures/WarpSymbols.h"

#include <QCheckBox>
#include <QFontMetrics>
#include <QLabel>

#include <cstdio>

namespace {

const QString Discard = QStringLiteral("Discard the changes you have made?");

WarpMapSetup Pallet()
{
    WarpMapSetup s;
    s.warps = {{{5, 4, 1, 37}}, {{0, 0, 2, 38}}, {{11, 15, 0, 39}}};
    s.warpTos = {{{0xEF, 0xC6, 2, 2}}, {{0x10, 0xC7, 6, 8}}};
    return s;
}

QList<int> Visible(QWidget *const *controls, int first, int last)
{
    QList<int> out;
    for (int k = first; k <= last; ++k)
        if (!controls[k]->isHidden())
            out << k;
    return out;
}

QList<int> VisibleSymbols(const WarpEditForm &w)
{
    return Visible(reinterpret_cast<QWidget *const *>(w.WarpSym), 0, 15);
}

bool Shows(const ImageControl *sym, const QImage &picture)
{
    return sym->Picture().cacheKey() == picture.cacheKey();
}

} // namespace

class WarpEditorTest : public QObject
{
    Q_OBJECT

private slots:
    void openingShowsTheRecordsAndClosingAsksOnlyAfterAMove()
    {
        UiHarness h;
        LayWarps(h, Pallet());
        QVERIFY(h.start());
        WarpEditForm &w = OpenWarpEditor();
        QVERIFY(w.Visible());
        QVERIFY(!h.main().Visible());
        QCOMPARE(w.window()->windowTitle(), QStringLiteral("Warp Editor"));
        QCOMPARE(w.WarpCount, std::int16_t(3));
        QVERIFY(w.EditWarps->isChecked() && w.EditWarpTo->isEnabled());
        QCOMPARE(VisibleSymbols(w), QList<int>({0, 1, 2}));
        QCOMPARE(SymbolAt(w, 0), Square(4, 5));
        QCOMPARE(SymbolAt(w, 2), Square(15, 11));
        QVERIFY(Shows(w.WarpSym[0], WarpSymbols::WarpSel()) && Shows(w.WarpSym[1], WarpSymbols::WarpNon()));
        QCOMPARE(w.ToMap->text(), QStringLiteral("37"));
        QCOMPARE(w.ToPoint->text(), QStringLiteral("1"));
        QVERIFY(w.Label4->isHidden());
        // The note keeps its place and size and still shows whole in our wider font.
        QCOMPARE(w.Label3->geometry(), Twips::rect(1920, 840, 2055, 495));
        QVERIFY(QFontMetrics(w.Label3->font())
                    .boundingRect(QRect(0, 0, w.Label3->width(), 10000), Qt::TextWordWrap, w.Label3->text())
                    .height()
                <= w.Label3->height());
        // The pictures: 33 x 33, 24-bit, white ground, red frame when selected.
        const QImage &sel = WarpSymbols::WarpSel(), &non = WarpSymbols::WarpToNon();
        QCOMPARE(sel.size(), QSize(33, 33));
        QCOMPARE(sel.depth(), 24);
        QCOMPARE(sel.pixel(0, 16), qRgb(255, 0, 0));
        QCOMPARE(non.pixel(32, 16), qRgb(0, 0, 0));
        QCOMPARE(non.pixel(16, 2), qRgb(255, 255, 255));

        // Typing is no change: closing asks nothing, and the typed value is gone.
        QTest::keyClicks(w.ToMap, QStringLiteral("9"));
        w.closeBoxPressed();
        QVERIFY(h.dialogs.asked().isEmpty());
        QVERIFY(!w.Loaded() && h.main().Visible());
        OpenWarpEditor();
        QCOMPARE(w.ToMap->text(), QStringLiteral("37"));

        UiHarness::pressCell(w.MapTile, 16 * 9);
        QVERIFY(w.Changed);
        h.dialogs.answerNo();
        w.closeBoxPressed();
        QCOMPARE(h.dialogs.texts(), QStringList({Discard}));
        QVERIFY(w.Visible() && !h.main().Visible());
        QCOMPARE(w.WarpData[0][2], 2);
        h.dialogs.answerYes();
        w.closeBoxPressed();
        QVERIFY(!w.Loaded() && h.main().Visible());

        // Opened again: the records as the ROM holds them, nothing to ask.
        h.dialogs.clear();
        OpenWarpEditor();
        QVERIFY(!w.Changed);
        QCOMPARE(SymbolAt(w, 0), Square(4, 5));
        w.closeBoxPressed();
        QVERIFY(h.dialogs.asked().isEmpty());
    }

    void viewFitsTheMapAndGridlinesFollowTheMainWindowAtOpening()
    {
        UiHarness h;
        WarpMapSetup s;
        s.map = 2; // Tiny House, 5 x 3
        s.warps = {{{1, 1, 0, 0}}, {{2, 10, 0, 0}}}; // warp 1 lies beyond the map's right edge
        s.warpToPos = 1; // no warp-to table
        LayWarps(h, s);
        QVERIFY(h.start());
        UiHarness::clickListEntry(h.main().CatList, 1);
        QTest::mouseClick(h.main().Command2, Qt::LeftButton);
        h.main().mnuGridlines->trigger(); // off

        WarpEditForm &w = OpenWarpEditor();
        QVERIFY(!w.EditWarpTo->isEnabled());
        auto lines = [&] { return Visible(reinterpret_cast<QWidget *const *>(w.Line), 1, 26); };
        QVERIFY(!w.CheckGrid->isChecked());
        QVERIFY(lines().isEmpty());
        QCOMPARE(QSize(w.Shape2->Width(), w.Shape2->Height()), QSize(4815, 2895));
        QVERIFY(w.HScroll->isHidden() && w.VScroll->isHidden());
        // Cells beyond the map stay hidden, so no click lands outside it.
        QVERIFY(w.MapTile->cellVisible(16 * 4 + 15));
        QVERIFY(!w.MapTile->cellVisible(16 * 5) && !w.MapTile->cellVisible(16 * 24));
        // A symbol is placed by the view's window, not the map's size: beyond the frame,
        // over hidden cells, and a press there reaches it.
        QCOMPARE(VisibleSymbols(w), QList<int>({0, 1}));
        QCOMPARE(SymbolAt(w, 1), QPoint(4920, 1080));
        PressAt(w.client(), QPoint(4920, 1080) / 15 + QPoint(4, 4));
        QCOMPARE(w.SelWarp, std::int16_t(1));

        QTest::mouseClick(w.CheckGrid, Qt::LeftButton);
        QCOMPARE(lines(), QList<int>({1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14}));
        QCOMPARE(w.Line[8]->X2(), 4935);
        QCOMPARE(w.Line[1]->Y2(), 3015);
        QVERIFY(!h.main().mnuGridlines->isChecked()); // independent from here on
        QTest::mouseClick(w.CheckGrid, Qt::LeftButton);
        QVERIFY(lines().isEmpty());
    }

    void clicksMoveAndSelectRecordsOnTheSquares()
    {
        UiHarness h;
        LayWarps(h, Pallet());
        QVERIFY(h.start());
        WarpEditForm &w = OpenWarpEditor();
        QCOMPARE(w.HScroll->Max(), 3);

        // Upper left tile of the view: (0, 0); lower right tile with the right button: (15, 11).
        UiHarness::pressCell(w.MapTile, 0);
        QCOMPARE(QPoint(w.WarpData[0][2], w.WarpData[0][1]), QPoint(0, 0));
        UiHarness::pressCell(w.MapTile, 767, Qt::RightButton);
        QCOMPARE(QPoint(w.WarpData[0][2], w.WarpData[0][1]), QPoint(15, 11));
        QCOMPARE(SymbolAt(w, 0), Square(15, 11));
        // A real press where no symbol lies: tile 2 (upper right) of view block (1, 2).
        PressAt(w.client(), w.MapTile->cellRect(16 * 10 + 2).topLeft() + QPoint(4, 4), Qt::MiddleButton);
        QCOMPARE(QPoint(w.WarpData[0][2], w.WarpData[0][1]), QPoint(5, 2));
        QCOMPARE(w.WarpData[0][4], 37); // the destination stays
        QVERIFY(w.Changed);

        // Scrolled one block each way: the last tile is (2 ScrollX + 13, 2 ScrollY + 9),
        // and every symbol moves by two squares.
        w.HScroll->setValue(2);
        w.VScroll->setValue(2);
        QCOMPARE(SymbolAt(w, 0), Square(3, 0));
        QCOMPARE(VisibleSymbols(w), QList<int>({0, 2})); // warp 1 at (0, 0) left the window
        UiHarness::pressCell(w.MapTile, 767);
        QCOMPARE(QPoint(w.WarpData[0][2], w.WarpData[0][1]), QPoint(17, 13));
        QCOMPARE(SymbolAt(w, 0), Square(15, 11));
        w.HScroll->setValue(1);
        w.VScroll->setValue(1);

        // A real press on warp 1's symbol, which covers the map's first cell, selects it.
        QTest::keyClicks(w.ToMap, QStringLiteral("5"));
        PressAt(w.client(), Square(0, 0) / 15 + QPoint(4, 4), Qt::RightButton);
        QCOMPARE(w.SelWarp, std::int16_t(1));
        QVERIFY(Shows(w.WarpSym[0], WarpSymbols::WarpNon()) && Shows(w.WarpSym[1], WarpSymbols::WarpSel()));
        QCOMPARE(w.DWarpNum->text(), QStringLiteral("Warp Number: 1"));
        QCOMPARE(w.ToMap->text(), QStringLiteral("38")); // the typed value is replaced
        QCOMPARE(w.ToPoint->text(), QStringLiteral("2"));
        QCOMPARE(w.WarpData[1][2], 0);

        // Moved onto warp 2's square, the selected record is in front after a drawing.
        UiHarness::pressCell(w.MapTile, 767);
        w.HScroll->setValue(2);
        w.HScroll->setValue(1);
        QCOMPARE(w.client()->childAt(Square(15, 11) / 15 + QPoint(4, 4)), static_cast<QWidget *>(w.WarpSym[1]));
    }

    void warpToPointsGetTheEventPlacementOfTheClickedBlock()
    {
        UiHarness h;
        WarpMapSetup s = Pallet();
        s.adjust = -300;
        LayWarps(h, s);
        QVERIFY(h.start());
        WarpEditForm &w = OpenWarpEditor();
        QTest::mouseClick(w.EditWarpTo, Qt::LeftButton);
        QCOMPARE(w.WarpCount, std::int16_t(2));
        QVERIFY(w.ToMap->isHidden() && !w.Label4->isHidden());
        QCOMPARE(w.Label4->text(), QStringLiteral("Event Placement: 239"));
        QCOMPARE(w.Label6->text(), QStringLiteral("198"));
        QCOMPARE(w.DWarpNum->text(), QStringLiteral("Warp-To Number: 0"));
        QVERIFY(Shows(w.WarpSym[0], WarpSymbols::WarpToSel()) && Shows(w.WarpSym[1], WarpSymbols::WarpToNon()));
        QCOMPARE(SymbolAt(w, 1), Square(8, 6));

        // W = 10, adjust -300: the first block gives -51, one borrow; both its halves alike.
        for (int cell : {0, 15}) {
            UiHarness::pressCell(w.MapTile, cell);
            QCOMPARE(w.Label4->text(), QStringLiteral("Event Placement: 205"));
            QCOMPARE(w.Label6->text(), QStringLiteral("197"));
            QCOMPARE(w.WarpData[0][1], 205);
            QCOMPARE(w.WarpData[0][2], 197);
        }
        QCOMPARE(QPoint(w.WarpData[0][4], w.WarpData[0][3]), QPoint(1, 1));
        QCOMPARE(w.DWarpNum->text(), QStringLiteral("Warp-To Number: 0"));

        QTest::mouseClick(w.WarpSym[1], Qt::LeftButton);
        QCOMPARE(w.Label4->text(), QStringLiteral("Event Placement: 16"));
        QCOMPARE(w.Label6->text(), QStringLiteral("199"));

        // A placement beyond two bytes moves nothing.
        w.TableRow.PlacementAdjust = 20000;
        w.Changed = false;
        UiHarness::pressCell(w.MapTile, 0);
        QCOMPARE(h.dialogs.asked().size(), 1);
        QCOMPARE(h.dialogs.asked()[0].kind, ScriptedDialogs::Kind::Error);
        QCOMPARE(w.WarpData[1][4], 8);
        QCOMPARE(w.WarpData[1][1], 0x10);
        QVERIFY(!w.Changed);
    }

    void aModeSwitchRereadsTheRecordsAndDropsMoves()
    {
        UiHarness h;
        WarpMapSetup s = Pallet();
        s.xOffset = 2;
        s.yOffset = 1;
        LayWarps(h, s);
        QVERIFY(h.start());
        WarpEditForm &w = OpenWarpEditor();
        w.HScroll->setValue(2);
        UiHarness::pressCell(w.MapTile, 0);
        QTest::mouseClick(w.WarpSym[2], Qt::LeftButton);
        QVERIFY(w.Changed);

        for (int round = 0; round < 2; ++round) {
            QTest::mouseClick(w.EditWarpTo, Qt::LeftButton);
            QCOMPARE(w.ScrollX, std::int16_t(1));
            QCOMPARE(w.SelWarp, std::int16_t(0));
            QCOMPARE(VisibleSymbols(w), QList<int>({0, 1}));
            QCOMPARE(QPoint(w.WarpData[1][4], w.WarpData[1][3]), QPoint(8 + 2, 6 + 1));
            QTest::mouseClick(w.EditWarps, Qt::LeftButton);
            // Back at its ROM square, display offsets applied once.
            QCOMPARE(QPoint(w.WarpData[0][2], w.WarpData[0][1]), QPoint(4 + 2, 5 + 1));
            QCOMPARE(w.WarpData[0][4], 37); // destinations are never offset
            QCOMPARE(VisibleSymbols(w), QList<int>({0, 1})); // warp 2 at (17, 12) lies outside
            QVERIFY(Shows(w.WarpSym[0], WarpSymbols::WarpSel()) && Shows(w.WarpSym[2], WarpSymbols::WarpNon()));
            QCOMPARE(w.DWarpNum->text(), QStringLiteral("Warp Number: 0"));
            QCOMPARE(w.ToMap->text(), QStringLiteral("37"));
        }
        QVERIFY(w.Changed); // the mark keeps its value
        h.dialogs.answerYes();
        w.closeBoxPressed();
        QCOMPARE(h.dialogs.texts(), QStringList({Discard}));
    }

    void recordCountsAboveSixteenOrOfZero()
    {
        UiHarness h;
        WarpMapSetup s;
        for (int i = 0; i < 32; ++i)
            s.warps.push_back({{std::uint8_t(i % 12), std::uint8_t(i % 16), 0, std::uint8_t(i)}});
        LayWarps(h, s);
        QVERIFY(h.start());
        WarpEditForm &w = OpenWarpEditor();
        QCOMPARE(w.RomRecordCount, 32);
        QCOMPARE(VisibleSymbols(w).size(), 16);
        QTest::mouseClick(w.WarpSym[15], Qt::LeftButton);
        QCOMPARE(w.ToMap->text(), QStringLiteral("15"));
        w.closeBoxPressed();

        // Opened again for a map without records: exactly none shown, a click moves nothing.
        std::vector<std::uint8_t> rom = TestFiles::ReadBytes(h.romPath);
        TestFiles::Poke(rom, 0x18002, 0);
        h.folder->writeBytes("game.gb", rom);
        OpenWarpEditor();
        QVERIFY(VisibleSymbols(w).isEmpty());
        QCOMPARE(w.DWarpNum->text(), QStringLiteral("Warp Number: none"));
        QVERIFY(w.ToMap->text().isEmpty() && !w.ToMap->isEnabled());
        UiHarness::pressCell(w.MapTile, 100);
        QVERIFY(!w.Changed);
        QVERIFY(VisibleSymbols(w).isEmpty());
    }

    void anUnreadableRomHandsBackToTheMainWindow()
    {
        UiHarness h;
        LayWarps(h, Pallet());
        QVERIFY(h.start());
        QVERIFY(std::remove(h.romPath.c_str()) == 0);
        WarpEditForm &w = OpenWarpEditor();
        QCOMPARE(h.dialogs.asked().size(), 1);
        QCOMPARE(h.dialogs.asked()[0].kind, ScriptedDialogs::Kind::Error);
        QVERIFY(h.dialogs.asked()[0].text.contains(QStringLiteral("game.gb")));
        QVERIFY(!w.Loaded() && h.main().Visible());
    }

    void aRomGoneAtAModeSwitchHandsBackWithoutAQuestion()
    {
        UiHarness h;
        LayWarps(h, Pallet());
        QVERIFY(h.start());
        WarpEditForm &w = OpenWarpEditor();
        UiHarness::pressCell(w.MapTile, 0);
        const auto rom = TestFiles::ReadBytes(h.romPath);
        QVERIFY(std::remove(h.romPath.c_str()) == 0);
        // The switch runs inside the option button's own signal, which the hand-back unloads.
        QTest::mouseClick(w.EditWarpTo, Qt::LeftButton);
        QCoreApplication::processEvents();
        QCOMPARE(h.dialogs.asked().size(), 1);
        QCOMPARE(h.dialogs.asked()[0].kind, ScriptedDialogs::Kind::Error);
        QVERIFY(!w.Loaded() && h.main().Visible());

        // With the ROM back, the next opening starts afresh in warp mode.
        h.folder->writeBytes("game.gb", rom);
        OpenWarpEditor();
        QVERIFY(w.EditWarps->isChecked() && !w.Changed);
        QCOMPARE(SymbolAt(w, 0), Square(4, 5));
    }
};

QTEST_MAIN(WarpEditorTest)
#include "warp_editor_test.moc"

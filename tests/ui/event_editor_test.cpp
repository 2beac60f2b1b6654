// The event editor window: opening, the type list and Go, the symbols while scrolling,
// moving and selecting records with presses, the property boxes, closing, and tables
// or a ROM it cannot use.
#include "event_test_game.h"

#include "pictures/EventSymbols.h"

#include <QFontMetrics>
#include <filesystem>

using namespace EventTestGame;

namespace {

int VisibleLines(const EventEditForm &e)
{
    int n = 0;
    for (int k = 1; k <= 26; ++k)
        n += e.Line[k]->isHidden() ? 0 : 1;
    return n;
}

} // namespace

class EventEditorTest : public QObject
{
    Q_OBJECT

private slots:
    void openingShowsTypeZeroAndTakesTheGridlineOption()
    {
        UiHarness h;
        Install(h);
        QVERIFY(h.start());
        EventEditForm &e = Open(h);
        QVERIFY(e.Visible() && !h.main().Visible());
        QCOMPARE(h.dialogs.asked().size(), 0);
        QCOMPARE(e.SelType->count(), 4);
        QCOMPARE(e.SelType->ListIndex(), 0);
        QCOMPARE(SymbolAt(0), QPoint(1560, 1080));
        QCOMPARE(SymbolAt(1), QPoint(7320, 5400));
        QCOMPARE(e.EventSym[0]->Picture(), EventSymbols::Selected());
        QCOMPARE(e.TextString->text(), QStringLiteral("10"));
        QVERIFY(e.Item->isHidden() && e.Label5->isHidden());
        QCOMPARE(VisibleLines(e), 26);
        e.closeBoxPressed();

        // Strip, 10 x 4 blocks, with the main window's gridlines off.
        UiHarness::clickListEntry(h.main().CatList, 3);
        QTest::mouseClick(h.main().Command2, Qt::LeftButton);
        h.main().mnuGridlines_Click();
        Open(h);
        QVERIFY(!e.CheckGrid->isChecked());
        QCOMPARE(VisibleLines(e), 0);
        QCOMPARE(e.Shape2->Height(), 3855);
        e.CheckGrid->setChecked(true);
        QCOMPARE(VisibleLines(e), 22); // Line23..Line26 lie on or below the map's edge
        QVERIFY(!h.main().mnuGridlines->isChecked());
    }

    void goRefusesATypeWithoutRecordsAndLoadsOneWithRecords()
    {
        UiHarness h;
        Install(h);
        QVERIFY(h.start());
        EventEditForm &e = Open(h);
        UiHarness::pressCell(e.MapTile, 16 * 9); // sign 0 to square (2, 2)
        ChooseType(Items);
        QCOMPARE(h.dialogs.texts(), QStringList({QStringLiteral("There are no events of that type on this map "
                                                                "(or the addresses for them have not been found).")}));
        QCOMPARE(e.SelType->ListIndex(), 0);
        QCOMPARE(SymbolAt(0), QPoint(1080, 1080));
        QVERIFY(e.Changed);

        e.HScroll->setValue(2);
        ChooseType(People);
        QCOMPARE(e.CurType, std::int16_t(People));
        QCOMPARE(e.HScroll->Value(), 1);
        QCOMPARE(SymbolAt(0), QPoint(120, 120));
        QCOMPARE(SymbolAt(1), QPoint(-1, -1)); // square (19, 17) lies outside the view
        QCOMPARE(SymbolAt(2), QPoint(2520, 2520));
        QVERIFY(e.PictureNum->isVisible() && e.Move1->isVisible());
        QCOMPARE(e.Label1->text(), QStringLiteral("Text String Number:"));
        QVERIFY(!e.Changed); // the moves are gone, nothing unsaved remains

        // A selection past the new type's records falls back to the first one.
        PressSymbol(2);
        ChooseType(Trainers);
        QCOMPARE(e.SelEvent, std::int16_t(0));
        QCOMPARE(e.DEventNum->text(), QStringLiteral("Event Number: 0"));
        QCOMPARE(e.EventSym[2]->Picture(), EventSymbols::Unselected());
        QCOMPARE(e.TrainerType->text(), QStringLiteral("200"));
        QVERIFY(e.EventSym[2]->isHidden());
        // The text box shows the stored byte, flag included, and its caption says so.
        QCOMPARE(e.Label1->text(), QStringLiteral("Text Number (+64):"));
        QVERIFY(QFontMetrics(e.Label1->font()).horizontalAdvance(e.Label1->text()) <= e.Label1->width());
    }

    void goReloadsEvenTheCurrentTypeAndAbsentBoxesKeepTheirText()
    {
        UiHarness h;
        Install(h);
        QVERIFY(h.start());
        EventEditForm &e = Open(h);
        ChooseType(Trainers);
        QCOMPARE(e.PokeData->text(), QStringLiteral("1"));
        ChooseType(People);
        // The trainer's boxes are hidden with their labels and keep what they showed.
        QVERIFY(e.TrainerType->isHidden() && e.Label7->isHidden());
        QVERIFY(e.PokeData->isHidden() && e.Label6->isHidden());
        QCOMPARE(e.TrainerType->text(), QStringLiteral("200"));
        QCOMPARE(e.PokeData->text(), QStringLiteral("1"));

        e.Move1->setText(QStringLiteral("77"));
        UiHarness::pressCell(e.MapTile, 16 * 9);
        QVERIFY(e.Changed);
        ChooseType(People); // the same type: read from the ROM again
        QCOMPARE(h.dialogs.asked().size(), 0);
        QCOMPARE(e.EventData[0][4], 0xFE);
        QCOMPARE(e.Move1->text(), QStringLiteral("254"));
        QCOMPARE(SymbolAt(0), QPoint(120, 120));
    }

    void symbolsFollowTheViewAndPressesMoveTheSelectedRecord()
    {
        UiHarness h;
        Install(h);
        QVERIFY(h.start());
        EventEditForm &e = Open(h);
        ChooseType(People);
        e.HScroll->setValue(3);
        e.VScroll->setValue(4); // squares 4..19 x 6..17
        QCOMPARE(SymbolAt(1), QPoint(7320, 5400));
        QCOMPARE(SymbolAt(2), QPoint(-1, -1));
        e.VScroll->setValue(2);
        UiHarness::pressCell(e.MapTile, 767); // square (19, 13)
        QVERIFY(e.Changed);
        QCOMPARE(e.EventData[0][3], 19 + 4);
        QCOMPARE(e.EventData[0][2], 13 + 4);
        QCOMPARE(e.EventData[0][4], 0xFE);
        QCOMPARE(SymbolAt(0), QPoint(7320, 5400));

        e.HScroll->setValue(1);
        e.VScroll->setValue(1);
        UiHarness::pressCell(e.MapTile, 16 * 8 + 10, Qt::RightButton); // lower right of view block (0, 1)
        QCOMPARE(SymbolAt(0), QPoint(600, 1560));
        // A press on a shown symbol selects it, with any button, and moves nothing.
        PressSymbol(2, Qt::MiddleButton);
        QCOMPARE(e.SelEvent, std::int16_t(2));
        QCOMPARE(SymbolAt(2), QPoint(2520, 2520));
        QCOMPARE(e.EventSym[2]->Picture(), EventSymbols::Selected());
        QCOMPARE(e.EventSym[0]->Picture(), EventSymbols::Unselected());
        QCOMPARE(e.PictureNum->text(), QStringLiteral("3"));
        QCOMPARE(e.Move2->text(), QStringLiteral("2"));

        // Two records on one square: the selected one lies on top.
        e.EventData[0][2] = e.EventData[2][2];
        e.EventData[0][3] = e.EventData[2][3];
        e.DrawMap();
        const QPoint centre = e.EventSym[0]->geometry().center();
        QCOMPARE(e.client()->childAt(centre), static_cast<QWidget *>(e.EventSym[2]));
        e.EventSym_MouseDown(0, 1, 0, 0, 0);
        QCOMPARE(e.client()->childAt(centre), static_cast<QWidget *>(e.EventSym[0]));
    }

    void typedNumbersGoIntoTheSelectedRecordWithoutMarkingIt()
    {
        UiHarness h;
        Install(h);
        QVERIFY(h.start());
        EventEditForm &e = Open(h);
        ChooseType(People);
        PressSymbol(2);
        QTest::keyClicks(e.Move1, QStringLiteral("12")); // after the 0 it held
        QCOMPARE(e.EventData[2][4], 12);
        e.Move1->setText(QStringLiteral("abc"));
        QCOMPARE(e.EventData[2][4], 12);
        e.PictureNum->setText(QStringLiteral(" 300 "));
        QCOMPARE(e.EventData[2][1], 300);
        QCOMPARE(e.EventData[1][4], 0xFF);
        QVERIFY(!e.Changed);
        e.closeBoxPressed(); // no question
        QCOMPARE(h.dialogs.asked().size(), 0);
        QVERIFY(h.main().Visible());
    }

    void closingAfterAMoveAsksFirst()
    {
        UiHarness h;
        Install(h);
        QVERIFY(h.start());
        EventEditForm &e = Open(h);
        UiHarness::pressCell(e.MapTile, 16 * 9);
        h.dialogs.answerNo();
        e.closeBoxPressed();
        QCOMPARE(h.dialogs.texts(), QStringList({QStringLiteral("Discard the changes you have made?")}));
        QVERIFY(e.Visible() && !h.main().Visible());
        h.dialogs.answerYes();
        e.closeBoxPressed();
        QVERIFY(!e.Loaded() && h.main().Visible());
        Open(h);
        QCOMPARE(SymbolAt(0), QPoint(1560, 1080)); // read from the ROM again
        e.closeBoxPressed();
        QCOMPARE(h.dialogs.asked().size(), 2); // the two before, none now
    }

    void aMapWithoutRecordsOfTypeZeroOpensWithNothingToEdit()
    {
        UiHarness h;
        Install(h);
        QVERIFY(h.start());
        UiHarness::clickListEntry(h.main().MapList, 1); // Big City: no signs, 20 people
        QTest::mouseClick(h.main().Command2, Qt::LeftButton);
        EventEditForm &e = Open(h);
        QCOMPARE(h.dialogs.asked().size(), 0);
        QCOMPARE(e.EventCount, std::int16_t(0));
        QVERIFY(!e.TextString->isEnabled());
        UiHarness::pressCell(e.MapTile, 100);
        QVERIFY(!e.Changed);
        ChooseType(People);
        QCOMPARE(e.EventCount, std::int16_t(20));
        QVERIFY(e.TextString->isEnabled());
    }

    void unusableTablesOrRomKeepTheEditorClosed()
    {
        struct Case
        {
            const char *file;
            std::string text; // empty: the file is gone
            QString words;
        };
        const std::vector<Case> cases = {
            {"EventTypes.tvr", TypesText() + "4,\"Long\",1,17,0,0,1,2,0,0,0,0,0,0,0\n", QStringLiteral("line 7")},
            {"EventsR.tvr", EventsText() + "2,9,40,1,0,1,0,1,0,0\n", QStringLiteral("line 5")},
            {"EventsR.tvr", "", QStringLiteral("EventsR.tvr")},
            {"game.gb", "", QStringLiteral("game.gb")},
        };
        for (const Case &c : cases) {
            UiHarness h;
            Install(h);
            QVERIFY(h.start());
            if (c.text.empty())
                std::filesystem::remove(h.folder->file(c.file));
            else
                h.folder->writeText(c.file, c.text);
            EventEditForm &e = Open(h);
            QCOMPARE(h.dialogs.asked().size(), 1);
            QCOMPARE(h.dialogs.asked()[0].kind, ScriptedDialogs::Kind::Error);
            QVERIFY2(h.dialogs.asked()[0].text.contains(c.words), qPrintable(h.dialogs.asked()[0].text));
            QVERIFY(!e.Loaded() && h.main().Visible());
        }
        // Blue reads its own position table.
        UiHarness h;
        Install(h);
        std::filesystem::remove(h.folder->file("EventsR.tvr"));
        QVERIFY(h.start(1));
        QCOMPARE(Open(h).EventCount, std::int16_t(2));
    }
};

QTEST_MAIN(EventEditorTest)
#include "event_editor_test.moc"

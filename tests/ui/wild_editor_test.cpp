// The wild Pokémon editor: opening from the main window, slots, species and level
// editing, Save of exactly 20 bytes, and the close question.
#include "UiHarness.h"

#include "wild/WildEditForm.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include <filesystem>

namespace {

const QString Saved = QStringLiteral("Your changes to the wild Pokémon have been saved!");
const QString Discard = QStringLiteral("Discard the changes you have made?");

// Entry 5 (list number 5) is given by no record; "Far" has a list number above N.
const char *Species = "5\n99,Alpha,1\n0a,\"Beta\",2\nA5,\"Gamma\",3\n07,Delta,4\n2B,Far,6\n";

constexpr std::int64_t P = 0x7001; // Wide Field, map 3
// (level, species) of slots 0..9; C5 and 00 are not in the list.
const int Slots[10][2] = {{5, 0x99}, {0, 0x0A}, {255, 0xA5}, {12, 0x07}, {30, 0x99},
                          {40, 0xC5}, {7, 0x2B}, {8, 0x0A}, {9, 0x07}, {10, 0x00}};

WildEditForm &wild() { return *static_cast<WildEditForm *>(Forms::WildEdit()); }

void putSlots(UiHarness &h)
{
    for (int s = 0; s < 10; ++s) {
        TestFiles::Poke(h.game.rom, P + 2 * s, std::uint8_t(Slots[s][0]));
        TestFiles::Poke(h.game.rom, P + 2 * s + 1, std::uint8_t(Slots[s][1]));
    }
    h.folder->writeBytes("game.gb", h.game.rom);
}

// Loads Wide Field in the main window and opens the editor from the Mode menu.
bool openEditor(UiHarness &h)
{
    MainForm &m = h.main();
    if (!m.Visible())
        return false;
    UiHarness::clickListEntry(m.CatList, 1);
    UiHarness::clickListEntry(m.MapList, 1);
    QTest::mouseClick(m.Command2, Qt::LeftButton);
    if (Defines::CurMap != 3 || !m.mnuWildEdit->isEnabled())
        return false;
    m.mnuWildEdit->trigger();
    return wild().Visible() && !m.Visible();
}

bool startAndOpen(UiHarness &h, const std::string &species = Species)
{
    putSlots(h);
    h.folder->writeText("Pokemon.tvr", species);
    return h.start() && openEditor(h);
}

void clickSlot(int i)
{
    QTest::mouseClick(wild().PokeNum[i], Qt::LeftButton, Qt::NoModifier, QPoint(6, 6));
}

void chooseEntry(Qt::Key key)
{
    wild().SelPoke->setFocus();
    QTest::keyClick(wild().SelPoke, key);
}

WildSlots::Table romSlots()
{
    WildSlots::Table t{};
    for (int s = 0; s < 10; ++s) {
        t[size_t(s)][1] = std::int16_t(Slots[s][0]);
        t[size_t(s)][2] = std::int16_t(Slots[s][1]);
    }
    return t;
}

} // namespace

class WildEditorTest : public QObject
{
    Q_OBJECT

private slots:
    void opensWithTheRomSlotsAndClickingSlotsChangesNone()
    {
        UiHarness h;
        QVERIFY(startAndOpen(h));
        WildEditForm &w = wild();
        QCOMPARE(w.client()->size(), QSize(425, 209));
        QVERIFY(w.PokeNum[0]->isChecked());
        QCOMPARE(w.PokeName[0]->text(), QStringLiteral("Alpha"));
        QCOMPARE(w.PokeLevel[2]->text(), QStringLiteral("Level 255"));
        QCOMPARE(w.PokeName[5]->text(), QString());             // C5 is not in the list
        QCOMPARE(w.PokeName[6]->text(), QStringLiteral("Far")); // listed above N
        QCOMPARE(w.SelPoke->count(), 5);
        QCOMPARE(w.SelPoke->itemText(4), QString());
        QCOMPARE(w.SelPoke->currentIndex(), 0);
        QCOMPARE(w.SelLevel->text(), QStringLiteral("5"));
        QCOMPARE(w.PokeHex->text(), QStringLiteral("Pokémon's Hex Value: 99"));

        for (int i : {1, 2, 3, 4, 5, 6, 7, 8, 9, 0, 2})
            clickSlot(i);
        QCOMPARE(w.CurSlot, std::int16_t(2));
        QCOMPARE(w.SelPoke->currentIndex(), 2);
        QCOMPARE(w.SelLevel->text(), QStringLiteral("255"));
        QCOMPARE(w.PokeHex->text(), QStringLiteral("Pokémon's Hex Value: A5"));
        // A species without an entry: nothing selected, its own value shown and kept.
        clickSlot(5);
        QCOMPARE(w.SelPoke->currentIndex(), -1);
        QCOMPARE(w.PokeHex->text(), QStringLiteral("Pokémon's Hex Value: C5"));
        QVERIFY(w.WildData == romSlots());
        QVERIFY(h.dialogs.asked().isEmpty());
    }

    void clickingTheChosenSlotShowsItAgainAndArrowKeysChooseSlots()
    {
        UiHarness h;
        QVERIFY(startAndOpen(h));
        WildEditForm &w = wild();
        clickSlot(3);
        w.SelLevel->setText("12.7");
        clickSlot(3); // a click on the chosen slot is a slot choice too
        QCOMPARE(w.SelLevel->text(), QStringLiteral("12"));
        QCOMPARE(int(w.WildData[3][1]), 12);

        QVERIFY(QTest::qWaitForWindowActive(w.window()));
        w.PokeNum[3]->setFocus();
        QTest::keyClick(w.PokeNum[3], Qt::Key_Down);
        QVERIFY(w.PokeNum[4]->isChecked());
        QCOMPARE(w.CurSlot, std::int16_t(4));
        QCOMPARE(w.SelLevel->text(), QStringLiteral("30"));
        QCOMPARE(w.SelPoke->currentIndex(), 0);
    }

    void choosingASpeciesChangesOnlyThatSlot()
    {
        UiHarness h;
        QVERIFY(startAndOpen(h));
        WildEditForm &w = wild();
        auto expected = romSlots();
        clickSlot(4);
        chooseEntry(Qt::Key_Down); // Alpha -> Beta
        expected[4][2] = 0x0A;
        QVERIFY(w.WildData == expected);
        QCOMPARE(w.PokeName[4]->text(), QStringLiteral("Beta"));
        QCOMPARE(w.PokeHex->text(), QStringLiteral("Pokémon's Hex Value: A"));

        chooseEntry(Qt::Key_End); // the empty entry stores 0, which the list does not name
        expected[4][2] = 0;
        QVERIFY(w.WildData == expected);
        QCOMPARE(w.PokeName[4]->text(), QString());
        QCOMPARE(w.PokeHex->text(), QStringLiteral("Pokémon's Hex Value: 0"));
    }

    void levelBoxHoldsLevelsToZeroToTwoFiftyFive()
    {
        UiHarness h;
        QVERIFY(startAndOpen(h));
        WildEditForm &w = wild();
        clickSlot(3);
        const std::tuple<QString, int, QString> cases[] = {
            {"300", 255, "255"}, {"-4", 0, "0"}, {"12.7", 12, "12.7"}, {"", 12, "12"},
            {"  42 ", 42, "42"}, {"abc", 42, "42"}, {"-0.5", 0, "0"}, {"1e3", 0, "0"},
        };
        for (const auto &[text, level, box] : cases) {
            w.SelLevel->setText(text);
            QCOMPARE(int(w.WildData[3][1]), level);
            QCOMPARE(w.SelLevel->text(), box);
            QCOMPARE(w.PokeLevel[3]->text(), QStringLiteral("Level %1").arg(level));
        }
        // Typed over a selection; deleting the last digit brings the stored level back.
        w.SelLevel->setFocus();
        w.SelLevel->selectAll();
        QTest::keyClicks(w.SelLevel, "7");
        QTest::keyClick(w.SelLevel, Qt::Key_Backspace);
        QCOMPARE(w.SelLevel->text(), QStringLiteral("7"));
        auto expected = romSlots();
        expected[3][1] = 7;
        QVERIFY(w.WildData == expected);
    }

    void saveWritesExactlyTheTwentyBytesAndConfirmsEachTime()
    {
        UiHarness h;
        QVERIFY(startAndOpen(h));
        WildEditForm &w = wild();
        const auto before = TestFiles::ReadBytes(h.romPath);
        clickSlot(1);
        w.SelLevel->setText("200");
        chooseEntry(Qt::Key_Up); // Beta -> Alpha

        const QString question = QStringLiteral("Make a backup of the ROM (%1.BAK)?").arg(QString::fromStdString(h.romPath));
        for (int round = 0; round < 2; ++round) {
            h.dialogs.clear();
            h.dialogs.answerNo();
            QTest::mouseClick(w.Command1, Qt::LeftButton);
            QCOMPARE(h.dialogs.texts(), QStringList({question, Saved}));
            QCOMPARE(h.dialogs.asked()[1].kind, ScriptedDialogs::Kind::Information);
        }
        auto expected = before;
        TestFiles::Poke(expected, P + 2, 200);
        TestFiles::Poke(expected, P + 3, 0x99);
        QVERIFY(TestFiles::ReadBytes(h.romPath) == expected); // slot 9's 00 is written, P + 20 kept
        QVERIFY(!TestFiles::Exists(h.romPath + ".BAK"));
        QVERIFY(!TestFiles::Exists(h.folder->file("temp.tvr")));

        // A ROM that is gone: reported before anything is asked, no confirmation, the window stays.
        std::filesystem::remove(h.romPath);
        h.dialogs.clear();
        QTest::mouseClick(w.Command1, Qt::LeftButton);
        QCOMPARE(h.dialogs.asked().size(), 1);
        QCOMPARE(h.dialogs.asked()[0].kind, ScriptedDialogs::Kind::Error);
        QVERIFY(h.dialogs.asked()[0].text.contains(QString::fromStdString(h.romPath)));
        QVERIFY(w.Visible());
    }

    void closeAsksEveryTimeAndReopeningReadsTheRom()
    {
        UiHarness h;
        QVERIFY(startAndOpen(h));
        WildEditForm &w = wild();
        clickSlot(3);
        chooseEntry(Qt::Key_Up); // Delta -> Gamma, not saved
        h.dialogs.answerNo();
        w.closeBoxPressed();
        QVERIFY(w.Visible());
        QVERIFY(!h.main().Visible());

        h.dialogs.answerYes();
        w.closeBoxPressed();
        QCOMPARE(h.dialogs.texts(), QStringList({Discard, Discard}));
        QVERIFY(!w.Loaded());
        QVERIFY(h.main().Visible());

        h.main().mnuWildEdit->trigger();
        QVERIFY(w.WildData == romSlots());
        QCOMPARE(w.CurSlot, std::int16_t(0));
        QCOMPARE(w.PokeName[3]->text(), QStringLiteral("Delta"));

        // Right after a Save the question still comes.
        h.dialogs.clear();
        h.dialogs.answerNo();
        QTest::mouseClick(w.Command1, Qt::LeftButton);
        h.dialogs.answerYes();
        w.closeBoxPressed();
        QCOMPARE(h.dialogs.texts().last(), Discard);
        QVERIFY(h.main().Visible());
    }

    void malformedPokemonListHandsBackToTheMainWindow()
    {
        UiHarness h;
        QVERIFY(!startAndOpen(h, "2\n01,One,1\n02,Two,x\n"));
        QCOMPARE(h.dialogs.asked().size(), 1);
        QCOMPARE(h.dialogs.asked()[0].kind, ScriptedDialogs::Kind::Error);
        QVERIFY(h.dialogs.asked()[0].text.contains(QString::fromStdString(h.folder->file("Pokemon.tvr"))
                                                   + QStringLiteral(", line 3")));
        QVERIFY(!wild().Loaded());
        QVERIFY(h.main().Visible());
    }
};

QTEST_MAIN(WildEditorTest)
#include "wild_editor_test.moc"

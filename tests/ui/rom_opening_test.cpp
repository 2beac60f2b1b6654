// Opening ROM images that are not what they should be, and opening a second one: the
// pictures follow the open ROM, odd files are refused with a message, a short ROM is
// named once, and the version chooser shows no choice the user has not made.
#include "UiHarness.h"

#include "pictures/TilePictures.h"

#ifdef TOVRANE_WITH_BLOCKS
#include "blocks/BlockEditForm.h"
#endif

#include <QAction>
#include <QPushButton>
#include <QFocusEvent>

#include <filesystem>
#include <sys/stat.h>

namespace {

// The picture tile t of the synthetic game's first tileset has in the image `rom`.
QImage TileOf(const std::vector<std::uint8_t> &rom, int t)
{
    return TileStore::RenderTile(rom.data() + 0x1000 + 16 * t);
}

} // namespace

class RomOpeningTest : public QObject
{
    Q_OBJECT

private slots:
    void picturesComeFromTheRomOpenedLast()
    {
        UiHarness h;
        QVERIFY(h.start());
        MainForm &m = h.main();
        QCOMPARE(m.MapTile->picture(0), TileOf(h.game.rom, h.game.blockAt(0, 1, 1)));

        // Another ROM with other graphics (every tile byte inverted), through File > Open.
        std::vector<std::uint8_t> other = h.game.rom;
        for (int i = 0x1000; i < 0x1000 + 96 * 16; ++i)
            other[size_t(i)] = std::uint8_t(~other[size_t(i)]);
        const std::string otherPath = h.folder->writeBytes("other.gb", other);
        h.dialogs.answerFile(QString::fromStdString(otherPath));
        m.mnuOpen_Click();
        QVERIFY(h.chooseVersion(0));

        const int b = h.game.blockAt(0, 1, 1);
        QVERIFY(TileOf(other, b) != TileOf(h.game.rom, b));
        QCOMPARE(m.MapTile->picture(0), TileOf(other, b));
        QCOMPARE(m.SideBlock->picture(16 * 2 + 5), TileOf(other, 2 + 5)); // block 2, tile position 5
        QCOMPARE(m.BorderBlock->picture(0), TileOf(other, h.game.borderBlockOf(0)));
#ifdef TOVRANE_WITH_BLOCKS
        m.mnuBlockEdit->trigger();
        auto *editor = static_cast<BlockEditForm *>(Forms::BlockEdit());
        QCOMPARE(editor->TileSel->picture(17), TileOf(other, 17));
#endif
    }

    void oddFilesAreRefusedBeforeAnythingReadsThem_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("reason");
        QTest::newRow("named pipe") << "pipe" << "not a regular file";
        QTest::newRow("folder") << "folder" << "it is a folder";
        QTest::newRow("past 8 MiB") << "huge" << "more than any Game Boy ROM";
        QTest::newRow("missing") << "missing" << "does not exist";
    }

    void oddFilesAreRefusedBeforeAnythingReadsThem()
    {
        QFETCH(QString, kind);
        QFETCH(QString, reason);
        auto makeOdd = [&kind](UiHarness &h) {
            const std::string odd = h.folder->file("odd");
            if (kind == "pipe")
                mkfifo(odd.c_str(), 0600);
            else if (kind == "folder")
                std::filesystem::create_directory(odd);
            else if (kind == "huge")
                std::filesystem::resize_file(h.folder->writeBytes("odd", {}), (8 << 20) + 1); // sparse
            return odd;
        };
        {
            // At start-up: one message, and the program ends as after a cancel.
            UiHarness h;
            const std::string odd = makeOdd(h);
            h.dialogs.answerFile(QString::fromStdString(odd));
            Defines::Main();
            QVERIFY(Program::Ended());
            QCOMPARE(h.dialogs.asked().size(), 2);
            QCOMPARE(h.dialogs.asked()[1].kind, ScriptedDialogs::Kind::Error);
            const QString message = h.dialogs.texts()[1];
            QVERIFY2(message.contains(QString::fromStdString(odd)) && message.contains(reason), qPrintable(message));
            QVERIFY(!Forms::VersionSelect().Visible());
            QVERIFY(!Forms::Main().Loaded());
        }

        // Through File > Open: the previous ROM stays and the main window comes back with it.
        UiHarness h;
        const std::string odd = makeOdd(h);
        QVERIFY(h.start());
        UiHarness::clickListEntry(h.main().CatList, 1);
        QTest::mouseClick(h.main().Command2, Qt::LeftButton);
        QCOMPARE(Defines::CurMap, std::int16_t(2));
        h.dialogs.answerFile(QString::fromStdString(odd));
        h.main().mnuOpen_Click();
        QVERIFY(QTest::qWaitFor([] { return Forms::Main().Visible(); }, 5000));
        QVERIFY(!Program::Ended());
        QCOMPARE(h.dialogs.asked().size(), 2);
        QVERIFY(h.dialogs.texts()[1].contains(reason));
        QCOMPARE(Defines::RomPath, h.romPath);
        QCOMPARE(Defines::CurMap, std::int16_t(0));
        QCOMPARE(h.main().MapTile->picture(0), TileOf(h.game.rom, h.game.blockAt(0, 1, 1)));
    }

    void aShortRomIsNamedOnceAndStillOpens()
    {
        UiHarness h;
        const std::vector<std::uint8_t> cut(h.game.rom.begin(), h.game.rom.begin() + 0x6000);
        h.folder->writeBytes("game.gb", cut);
        h.dialogs.answerFile(QString::fromStdString(h.romPath));
        Defines::Main();
        QVERIFY(h.chooseVersion(0));
        // The huge 255 x 255 map's blocks from 0x8001 reach furthest.
        const QString expected = QStringLiteral("The ROM %1 is 24576 bytes; the tables for this version expect at "
                                                "least %2. Maps whose data lie past its end show empty blocks and "
                                                "cannot be saved.")
                                     .arg(QString::fromStdString(h.romPath))
                                     .arg(0x8000 + 255 * 255);
        QCOMPARE(h.dialogs.texts().mid(1), QStringList({expected}));
        QCOMPARE(h.dialogs.asked()[1].kind, ScriptedDialogs::Kind::Warning); // the program carries on
        QVERIFY(h.main().MapLoaded);

        // A ROM of the tables' length says nothing.
        h.folder->writeBytes("game.gb", h.game.rom);
        h.dialogs.clear();
        h.dialogs.answerFile(QString::fromStdString(h.romPath));
        h.main().mnuOpen_Click();
        QVERIFY(h.chooseVersion(0));
        QCOMPARE(h.dialogs.asked().size(), 1);
    }

    void versionChooserShowsNoChoiceUntilOneIsMade()
    {
        UiHarness h;
        h.dialogs.answerFile(QString::fromStdString(h.romPath));
        Defines::Main();
        ListBox *list = Forms::VersionSelect().VersionList;
        QFocusEvent focus(QEvent::FocusIn, Qt::TabFocusReason);
        QApplication::sendEvent(list, &focus);
        QVERIFY(!list->currentIndex().isValid());
        QVERIFY(list->selectedItems().isEmpty());
        UiHarness::clickListEntry(list, 1);
        QCOMPARE(list->ListIndex(), 1);
    }
};

QTEST_MAIN(RomOpeningTest)
#include "rom_opening_test.moc"

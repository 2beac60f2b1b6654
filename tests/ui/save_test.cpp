// Save and Save As of the map: exactly the map's bytes change, and no failure is
// reported as success or leaves a half-written ROM.
#include "UiHarness.h"
#include "support/UnprivilegedUser.h"

#include <QAction>
#include <QDir>
#include <QFile>

#include <filesystem>

namespace {

const QString Saved = QStringLiteral("Your changes to the map have been saved!");

// Positions (1-based) where two images differ.
QList<qint64> differences(const std::vector<std::uint8_t> &a, const std::vector<std::uint8_t> &b)
{
    QList<qint64> out;
    for (size_t i = 0; i < std::min(a.size(), b.size()); ++i)
        if (a[i] != b[i])
            out << qint64(i + 1);
    return out;
}

QString backupQuestion(const std::string &rom)
{
    return QStringLiteral("Make a backup of the ROM (%1.BAK)?").arg(QString::fromStdString(rom));
}

} // namespace

class SaveTest : public QObject
{
    Q_OBJECT

private slots:
    void saveWritesOnlyTheMapAndBorderBytes()
    {
        UiHarness h;
        QVERIFY(h.start());
        MainForm &m = h.main();
        const auto before = TestFiles::ReadBytes(h.romPath);
        UiHarness::pressCell(m.SideBlock, 16 * 5);    // block 5
        UiHarness::pressCell(m.MapTile, 16 * 9);      // map block (2, 2)
        UiHarness::pressCell(m.BorderBlock, 0);
        QVERIFY(m.Changed);

        h.dialogs.answerNo();
        m.mnuSave->trigger();
        QCOMPARE(h.dialogs.texts(), QStringList({backupQuestion(h.romPath), Saved}));
        QCOMPARE(h.dialogs.asked()[1].kind, ScriptedDialogs::Kind::Information);
        QVERIFY(!m.Changed);
        QCOMPARE(m.UndoCount(), 1); // a save keeps the undo list

        const auto after = TestFiles::ReadBytes(h.romPath);
        QCOMPARE(after.size(), before.size());
        const SyntheticMap &map0 = h.game.map(0);
        const qint64 blockPos = map0.blockPos + map0.width * 1 + 1;
        QList<qint64> expected;
        if (before[size_t(blockPos - 1)] != 5)
            expected << blockPos;
        if (before[size_t(map0.borderPos - 1)] != 5)
            expected << map0.borderPos;
        std::sort(expected.begin(), expected.end());
        QCOMPARE(differences(before, after), expected);
        QCOMPARE(int(after[size_t(blockPos - 1)]), 5);
        QCOMPARE(int(after[size_t(map0.borderPos - 1)]), 5);
        QVERIFY(!TestFiles::Exists(h.romPath + ".BAK"));
    }

    void blockZeroIsWrittenAsOneZeroByte()
    {
        UiHarness h;
        QVERIFY(h.start());
        MainForm &m = h.main();
        const SyntheticMap &map0 = h.game.map(0);
        for (int c = 1; c <= map0.width; ++c)
            Defines::MapBlocks[map0.height][c] = 0;
        m.BorderBlockNum = 0;
        h.dialogs.answerNo();
        m.mnuSave_Click();
        const auto after = TestFiles::ReadBytes(h.romPath);
        QCOMPARE(after.size(), h.game.rom.size());
        const qint64 lastRow = map0.blockPos + qint64(map0.width) * (map0.height - 1);
        for (int c = 0; c < map0.width; ++c)
            QCOMPARE(int(after[size_t(lastRow - 1 + c)]), 0);
        QCOMPARE(int(after[size_t(map0.borderPos - 1)]), 0);
        // The byte after the map's last row keeps its value.
        const size_t next = size_t(map0.blockPos - 1 + map0.width * map0.height);
        QCOMPARE(after[next], h.game.rom[next]);
    }

    void unchangedMapSaveChangesNothing()
    {
        UiHarness h;
        QVERIFY(h.start());
        h.dialogs.answerNo();
        h.main().mnuSave_Click();
        QCOMPARE(TestFiles::ReadBytes(h.romPath), h.game.rom);
    }

    void twoSavesWithBackupKeepTheLatestBackup()
    {
        UiHarness h;
        QVERIFY(h.start());
        MainForm &m = h.main();
        const auto original = TestFiles::ReadBytes(h.romPath);
        UiHarness::pressCell(m.SideBlock, 16 * 1);
        UiHarness::pressCell(m.MapTile, 0);
        h.dialogs.answerYes();
        m.mnuSave_Click();
        const auto afterFirst = TestFiles::ReadBytes(h.romPath);
        QCOMPARE(TestFiles::ReadBytes(h.romPath + ".BAK"), original);

        UiHarness::pressCell(m.SideBlock, 16 * 2);
        UiHarness::pressCell(m.MapTile, 16);
        h.dialogs.answerYes();
        m.mnuSave_Click();
        QCOMPARE(TestFiles::ReadBytes(h.romPath + ".BAK"), afterFirst);
        QVERIFY(TestFiles::ReadBytes(h.romPath) != afterFirst);
        QVERIFY(!TestFiles::Exists(h.folder->file("temp.tvr")));
        QCOMPARE(h.dialogs.unexpected(), 0);
    }

    void valueWithoutByteFormIsRefusedBeforeWriting()
    {
        UiHarness h;
        QVERIFY(h.start());
        MainForm &m = h.main();
        UiHarness::pressCell(m.MapTile, 0);
        Defines::MapBlocks[4][6] = 300;
        m.mnuSave_Click();
        QCOMPARE(h.dialogs.asked().size(), 1);
        QCOMPARE(h.dialogs.asked()[0].kind, ScriptedDialogs::Kind::Error);
        QVERIFY(h.dialogs.asked()[0].text.contains(QStringLiteral("row 4")));
        QVERIFY(h.dialogs.asked()[0].text.contains(QStringLiteral("column 6")));
        QCOMPARE(TestFiles::ReadBytes(h.romPath), h.game.rom);
        QVERIFY(m.Changed);

        Defines::MapBlocks[4][6] = 1;
        m.BorderBlockNum = -1;
        h.dialogs.clear();
        m.mnuSave_Click();
        QVERIFY(h.dialogs.asked()[0].text.contains(QStringLiteral("border")));
        QCOMPARE(TestFiles::ReadBytes(h.romPath), h.game.rom);
    }

    // A ROM too short for the map, or gone: the Save says why before asking anything,
    // so a good backup is never replaced by the broken file.
    void aSaveThatCannotBeWrittenAsksAndBacksUpNothing()
    {
        UiHarness h;
        const SyntheticMap &map0 = h.game.map(0);
        const std::vector<std::uint8_t> cut(h.game.rom.begin(), h.game.rom.begin() + (map0.blockPos + 3));
        h.folder->writeBytes("game.gb", cut);
        QVERIFY(h.start());
        MainForm &m = h.main();
        UiHarness::pressCell(m.MapTile, 0);
        const std::string bak = h.romPath + ".BAK";
        h.folder->writeBytes("game.gb.BAK", h.game.rom);

        h.dialogs.answerYes(); // would make the backup, were the question asked
        m.mnuSave_Click();
        QCOMPARE(h.dialogs.asked().size(), 1);
        QCOMPARE(h.dialogs.asked()[0].kind, ScriptedDialogs::Kind::Error);
        QVERIFY2(h.dialogs.texts()[0].contains(
                     QStringLiteral("the border block at position %1 lies outside the file, which holds %2 bytes.")
                         .arg(map0.borderPos)
                         .arg(cut.size())),
                 qPrintable(h.dialogs.texts()[0]));
        QCOMPARE(TestFiles::ReadBytes(h.romPath), cut);
        QCOMPARE(TestFiles::ReadBytes(bak), h.game.rom);
        QVERIFY(m.Changed);

        std::filesystem::remove(h.romPath);
        h.dialogs.clear();
        m.mnuSave_Click();
        QCOMPARE(h.dialogs.asked().size(), 1);
        QCOMPARE(h.dialogs.asked()[0].kind, ScriptedDialogs::Kind::Error);
        QVERIFY(h.dialogs.texts()[0].contains(QString::fromStdString(h.romPath)));
        QVERIFY(!TestFiles::Exists(h.romPath)); // never created by a save
        QCOMPARE(TestFiles::ReadBytes(bak), h.game.rom);
        QVERIFY(m.Changed);
    }

    // A ROM cut by another program since it was opened, or one this user may not write:
    // refused before the backup question, so the backup and the ROM stay as they were.
    void aChangedOrUnwritableRomIsRefusedBeforeTheBackup()
    {
        UiHarness h;
        QVERIFY(h.start());
        MainForm &m = h.main();
        UiHarness::pressCell(m.MapTile, 0);
        const std::vector<std::uint8_t> earlier(64, 0xEE);
        const std::string bak = h.folder->writeBytes("game.gb.BAK", earlier);
        auto refused = [&](const QString &why) {
            h.dialogs.clear();
            h.dialogs.answerYes(); // would make the backup, were the question asked
            m.mnuSave_Click();
            QCOMPARE(h.dialogs.asked().size(), 1);
            QCOMPARE(h.dialogs.asked()[0].kind, ScriptedDialogs::Kind::Error);
            QVERIFY2(h.dialogs.texts()[0].contains(why), qPrintable(h.dialogs.texts()[0]));
            QCOMPARE(TestFiles::ReadBytes(bak), earlier);
            QVERIFY(m.Changed);
        };

        // The map's bytes still lie inside the cut file; the file is not what was opened.
        const std::vector<std::uint8_t> cut(h.game.rom.begin(), h.game.rom.end() - 16);
        h.folder->writeBytes("game.gb", cut);
        refused(QStringLiteral("has changed size since it was opened (%1 bytes then, %2 now). Open it again "
                               "before saving.\nNothing was saved.")
                    .arg(h.game.rom.size())
                    .arg(cut.size()));
        QCOMPARE(TestFiles::ReadBytes(h.romPath), cut);

        h.folder->writeBytes("game.gb", h.game.rom);
        std::filesystem::permissions(h.romPath, std::filesystem::perms::owner_read | std::filesystem::perms::group_read
                                                     | std::filesystem::perms::others_read);
        UnprivilegedUser user(h.folder->path());
        QVERIFY(user.ok());
        refused(QStringLiteral("could not be opened for writing"));
        QCOMPARE(TestFiles::ReadBytes(h.romPath), h.game.rom);

        // Reading is all Save As needs of it: the edits go into a copy.
        const std::string copy = h.folder->file("copy.gb");
        h.dialogs.clear();
        h.dialogs.answerFile(QString::fromStdString(copy));
        m.mnuSaveAs_Click();
        QCOMPARE(h.dialogs.texts().last(), Saved);
        QVERIFY(!m.Changed);
    }

    void failedWriteIsReportedNotConfirmed()
    {
        UiHarness h;
        QVERIFY(h.start());
        MainForm &m = h.main();
        UiHarness::pressCell(m.MapTile, 0);
        // A device that takes no bytes: every write fails.
        if (!QFile::exists(QStringLiteral("/dev/full")))
            QSKIP("no /dev/full here");
        Defines::RomPath = "/dev/full";
        h.dialogs.answerNo();
        m.mnuSave_Click();
        QCOMPARE(h.dialogs.asked().last().kind, ScriptedDialogs::Kind::Error);
        QVERIFY(h.dialogs.asked().last().text.contains(QStringLiteral("/dev/full")));
        QVERIFY(!h.dialogs.texts().contains(Saved));
        QVERIFY(m.Changed);
    }

    void saveAsToANewFile()
    {
        UiHarness h;
        QVERIFY(h.start());
        MainForm &m = h.main();
        UiHarness::pressCell(m.SideBlock, 16 * 3);
        UiHarness::pressCell(m.MapTile, 0);
        const std::string copy = h.folder->file("copy.gb");
        h.dialogs.answerFile(QString::fromStdString(copy));
        m.mnuSaveAs->trigger();
        QCOMPARE(h.dialogs.asked()[0].kind, ScriptedDialogs::Kind::Save);
        QCOMPARE(h.dialogs.asked()[0].text, QStringLiteral("Tovrane - Save ROM File As"));
        QCOMPARE(h.dialogs.asked()[0].fileName, QString::fromStdString(h.romPath));
        QCOMPARE(h.dialogs.texts().last(), Saved);
        QCOMPARE(Defines::RomPath, copy);
        QVERIFY(!m.Changed);
        QCOMPARE(TestFiles::ReadBytes(h.romPath), h.game.rom); // the old file is untouched
        const auto written = TestFiles::ReadBytes(copy);
        for (qint64 p : differences(h.game.rom, written))
            QCOMPARE(p, qint64(h.game.map(0).blockPos));
        QCOMPARE(int(written[size_t(h.game.map(0).blockPos - 1)]), 3);

        // The next Save's backup question names the new file.
        h.dialogs.clear();
        h.dialogs.answerNo();
        m.mnuSave_Click();
        QCOMPARE(h.dialogs.texts().first(), backupQuestion(copy));
    }

    void saveAsOntoAnExistingFile()
    {
        UiHarness h;
        QVERIFY(h.start());
        MainForm &m = h.main();
        UiHarness::pressCell(m.MapTile, 0);
        const std::string other = h.folder->writeText("other.gb", "not a rom");

        h.dialogs.answerFile(QString::fromStdString(other));
        h.dialogs.answerNo();
        m.mnuSaveAs_Click();
        QCOMPARE(h.dialogs.texts().last(), QStringLiteral("This file already exists. Overwrite it?"));
        QCOMPARE(Defines::RomPath, h.romPath);
        QCOMPARE(TestFiles::ReadBytes(other).size(), size_t(9));
        QVERIFY(m.Changed);

        h.dialogs.answerFile(QString::fromStdString(other));
        h.dialogs.answerYes();
        m.mnuSaveAs_Click();
        QCOMPARE(Defines::RomPath, other);
        QCOMPARE(TestFiles::ReadBytes(other).size(), h.game.rom.size());
        QVERIFY(!m.Changed);
    }

    void saveAsCancelledChangesNothing()
    {
        UiHarness h;
        QVERIFY(h.start());
        MainForm &m = h.main();
        UiHarness::pressCell(m.MapTile, 0);
        h.dialogs.answerCancel();
        m.mnuSaveAs_Click();
        QCOMPARE(h.dialogs.asked().size(), 1);
        QCOMPARE(Defines::RomPath, h.romPath);
        QVERIFY(m.Changed);
        QCOMPARE(TestFiles::ReadBytes(h.romPath), h.game.rom);
    }

    void saveAsOntoTheCurrentRomWritesIntoIt()
    {
        UiHarness h;
        QVERIFY(h.start());
        MainForm &m = h.main();
        UiHarness::pressCell(m.SideBlock, 16 * 2);
        UiHarness::pressCell(m.MapTile, 0);
        h.dialogs.answerFile(QString::fromStdString(h.romPath));
        h.dialogs.answerYes();
        m.mnuSaveAs_Click();
        const auto after = TestFiles::ReadBytes(h.romPath);
        QCOMPARE(after.size(), h.game.rom.size());
        QCOMPARE(int(after[size_t(h.game.map(0).blockPos - 1)]), 2);
        QVERIFY(!m.Changed);
    }

    void saveAsAsksAboutAnythingInTheWayEvenWhatCannotBeRead()
    {
        // A folder cannot be opened for reading, like a file this user may not read;
        // it is asked about all the same, and on No nothing happens.
        UiHarness h;
        QVERIFY(h.start());
        MainForm &m = h.main();
        UiHarness::pressCell(m.MapTile, 0);
        const std::string inTheWay = h.folder->file("in-the-way");
        std::filesystem::create_directory(inTheWay);
        h.dialogs.answerFile(QString::fromStdString(inTheWay));
        h.dialogs.answerNo();
        m.mnuSaveAs_Click();
        QCOMPARE(h.dialogs.texts().last(), QStringLiteral("This file already exists. Overwrite it?"));
        QVERIFY(std::filesystem::is_directory(inTheWay));
        QCOMPARE(Defines::RomPath, h.romPath);
        QVERIFY(m.Changed);
    }

    void saveAsWhoseCopyFailsKeepsTheRomPath()
    {
        UiHarness h;
        QVERIFY(h.start());
        MainForm &m = h.main();
        UiHarness::pressCell(m.MapTile, 0);
        const std::string target = h.folder->file("no-such-folder/copy.gb");
        h.dialogs.answerFile(QString::fromStdString(target));
        m.mnuSaveAs_Click();
        QCOMPARE(h.dialogs.asked().last().kind, ScriptedDialogs::Kind::Error);
        QCOMPARE(Defines::RomPath, h.romPath);
        QVERIFY(m.Changed);
    }
};

QTEST_MAIN(SaveTest)
#include "save_test.moc"

// The warp editor's Save: exactly the records' bytes change, display offsets removed;
// every refusal and failure leaves the ROM byte for byte as it was.
#include "warp_test_game.h"

#include <cstdio>
#include <filesystem>

namespace {

const QString Saved = QStringLiteral("Your changes to the warps have been saved!");

QString BackupQuestion(const std::string &rom)
{
    return QStringLiteral("Make a backup of the ROM (%1.BAK)?").arg(QString::fromStdString(rom));
}

// The positions (1-based) where the ROM file now differs from `before`.
QList<qint64> ChangedPositions(const std::vector<std::uint8_t> &before, const std::string &romPath)
{
    const auto after = TestFiles::ReadBytes(romPath);
    QList<qint64> out;
    for (size_t i = 0; i < std::min(before.size(), after.size()); ++i)
        if (before[i] != after[i])
            out << qint64(i + 1);
    return out;
}

QList<int> Bytes(const std::string &romPath, qint64 first, int count)
{
    const auto rom = TestFiles::ReadBytes(romPath);
    return QList<int>(rom.begin() + first - 1, rom.begin() + first - 1 + count);
}

// Pallet Town with display offsets x 2 and y 1.
WarpMapSetup Pallet()
{
    WarpMapSetup s;
    s.warps = {{{5, 4, 1, 37}}, {{0, 0, 2, 38}}, {{11, 15, 0, 39}}};
    s.warpTos = {{{0xEF, 0xC6, 2, 2}}, {{0x10, 0xC7, 6, 8}}};
    s.xOffset = 2;
    s.yOffset = 1;
    return s;
}

} // namespace

class WarpSaveTest : public QObject
{
    Q_OBJECT

private slots:
    void saveWritesTheWarpsWithoutTheirOffsets()
    {
        UiHarness h;
        LayWarps(h, Pallet());
        QVERIFY(h.start());
        WarpEditForm &w = OpenWarpEditor();

        // Warp 2 to the shown square (5, 2), ROM x 3 and y 1, with a typed destination.
        QTest::mouseClick(w.WarpSym[2], Qt::LeftButton);
        UiHarness::pressCell(w.MapTile, 16 * 10 + 2);
        w.ToMap->setText(QStringLiteral(" 12 "));
        w.ToPoint->setText(QStringLiteral("0"));
        h.dialogs.answerYes();
        QTest::mouseClick(w.Command1, Qt::LeftButton);
        QCOMPARE(h.dialogs.texts(), QStringList({BackupQuestion(h.romPath), Saved}));
        QCOMPARE(h.dialogs.asked()[1].kind, ScriptedDialogs::Kind::Information);
        QVERIFY(!w.Changed);
        QCOMPARE(TestFiles::ReadBytes(h.romPath + ".BAK"), h.game.rom);
        QCOMPARE(Bytes(h.romPath, 0x18003, 12), QList<int>({5, 4, 1, 37, 0, 0, 2, 38, 1, 3, 0, 12}));
        QCOMPARE(ChangedPositions(h.game.rom, h.romPath), QList<qint64>({0x18003 + 8, 0x18003 + 9, 0x18003 + 11}));

        // The window keeps its display values, the saved destination, and its view.
        QCOMPARE(QPoint(w.WarpData[2][2], w.WarpData[2][1]), QPoint(5, 2));
        QCOMPARE(w.WarpData[2][4], 12);
        QCOMPARE(w.ToMap->text(), QStringLiteral(" 12 "));

        // Saving again writes the same bytes; a mode switch there and back shows them.
        const auto saved = TestFiles::ReadBytes(h.romPath);
        h.dialogs.answerNo();
        w.Command1_Click();
        QCOMPARE(TestFiles::ReadBytes(h.romPath), saved);
        QTest::mouseClick(w.EditWarpTo, Qt::LeftButton);
        QTest::mouseClick(w.EditWarps, Qt::LeftButton);
        QCOMPARE(QPoint(w.WarpData[2][2], w.WarpData[2][1]), QPoint(5, 2));
        QCOMPARE(w.WarpData[2][4], 12);
    }

    void saveWritesTheWarpToPointsWithTheirPlacements()
    {
        UiHarness h;
        LayWarps(h, Pallet());
        QVERIFY(h.start());
        WarpEditForm &w = OpenWarpEditor();
        QTest::mouseClick(w.EditWarpTo, Qt::LeftButton);
        w.ToMap->setText(QStringLiteral("not read in this mode"));

        // Point 1 to the lower right square of map block (1, 1): 249 + 1 + 16 = 266.
        QTest::mouseClick(w.WarpSym[1], Qt::LeftButton);
        UiHarness::pressCell(w.MapTile, 16 * 9 + 15);
        h.dialogs.answerNo();
        w.Command1_Click();
        QCOMPARE(h.dialogs.texts(), QStringList({BackupQuestion(h.romPath), Saved}));
        QCOMPARE(Bytes(h.romPath, 0x18101, 8), QList<int>({0xEF, 0xC6, 2, 2, 10, 199, 3 - 1, 3 - 2}));
        for (qint64 p : ChangedPositions(h.game.rom, h.romPath))
            QVERIFY(p >= 0x18101 + 4 && p < 0x18101 + 8);
        QVERIFY(!TestFiles::Exists(h.romPath + ".BAK"));
    }

    void onlyTheSixteenHeldRecordsAreWritten()
    {
        UiHarness h;
        WarpMapSetup s;
        for (int i = 0; i < 32; ++i)
            s.warps.push_back({{std::uint8_t(i % 12), std::uint8_t(i % 16), 0, std::uint8_t(i)}});
        LayWarps(h, s);
        QVERIFY(h.start());
        WarpEditForm &w = OpenWarpEditor();
        QTest::mouseClick(w.WarpSym[15], Qt::LeftButton);
        UiHarness::pressCell(w.MapTile, 0);
        h.dialogs.answerNo();
        w.Command1_Click();
        QCOMPARE(ChangedPositions(h.game.rom, h.romPath), QList<qint64>({0x18003 + 60, 0x18003 + 61}));
    }

    void refusalsWriteNothing_data()
    {
        QTest::addColumn<QString>("toMap");
        QTest::addColumn<QString>("toPoint");
        QTest::addColumn<int>("cell");
        QTest::addColumn<QString>("message");
        const int inside = 16 * 9; // square (2, 2): ROM (0, 1)
        QTest::newRow("letters") << "abc" << "1" << inside << "Warp 1: the Warp-To Map \"abc\"";
        QTest::newRow("empty") << "" << "1" << inside << "Warp 1: the Warp-To Map \"\"";
        QTest::newRow("above a byte") << "256" << "1" << inside << "Warp 1: the Warp-To Map \"256\"";
        QTest::newRow("trailing letters") << "3" << "12ab" << inside << "Warp 1: the Warp-To Point \"12ab\"";
        QTest::newRow("negative") << "3" << "-1" << inside << "Warp 1: the Warp-To Point \"-1\"";
        QTest::newRow("below the offset") << "3" << "1" << 0 << "Warp 1: its y would be written as -1";
    }

    void refusalsWriteNothing()
    {
        QFETCH(QString, toMap);
        QFETCH(QString, toPoint);
        QFETCH(int, cell);
        QFETCH(QString, message);
        UiHarness h;
        LayWarps(h, Pallet());
        QVERIFY(h.start());
        WarpEditForm &w = OpenWarpEditor();
        QTest::mouseClick(w.WarpSym[1], Qt::LeftButton);
        UiHarness::pressCell(w.MapTile, cell);
        w.ToMap->setText(toMap);
        w.ToPoint->setText(toPoint);
        w.Command1_Click();
        QCOMPARE(h.dialogs.asked().size(), 1); // refused before the backup question
        QCOMPARE(h.dialogs.asked()[0].kind, ScriptedDialogs::Kind::Error);
        QVERIFY2(h.dialogs.texts()[0].startsWith(message), qPrintable(h.dialogs.texts()[0]));
        QCOMPARE(TestFiles::ReadBytes(h.romPath), h.game.rom);
        QVERIFY(w.Changed);
        QCOMPARE(w.WarpData[1][4], 38);
    }

    void failuresAreReportedAndKeepTheMark_data()
    {
        QTest::addColumn<QString>("failure");
        QTest::newRow("backup") << "\nNothing was saved.";
        QTest::newRow("ROM gone") << "game.gb";
    }

    void failuresAreReportedAndKeepTheMark()
    {
        QFETCH(QString, failure);
        UiHarness h;
        WarpMapSetup s = Pallet();
        s.warps.resize(2);
        LayWarps(h, s);
        QVERIFY(h.start());
        WarpEditForm &w = OpenWarpEditor();
        UiHarness::pressCell(w.MapTile, 16 * 9);
        const auto before = TestFiles::ReadBytes(h.romPath);
        if (failure == "game.gb")
            QVERIFY(std::remove(h.romPath.c_str()) == 0);
        const bool backup = failure.contains("Nothing");
        if (backup) // an earlier backup that cannot be replaced: no backup, no save
            std::filesystem::create_directory(h.romPath + ".BAK");
        backup ? h.dialogs.answerYes() : h.dialogs.answerNo();
        w.Command1_Click();
        // Only the backup is asked for: a missing ROM stops the Save first.
        QCOMPARE(h.dialogs.asked().size(), backup ? 2 : 1);
        QCOMPARE(h.dialogs.asked().last().kind, ScriptedDialogs::Kind::Error);
        QVERIFY2(h.dialogs.texts().last().contains(failure), qPrintable(h.dialogs.texts().last()));
        if (failure == "game.gb")
            QVERIFY(!TestFiles::Exists(h.romPath));
        else
            QCOMPARE(TestFiles::ReadBytes(h.romPath), before);
        QVERIFY(w.Changed);
        QCOMPARE(QPoint(w.WarpData[0][2], w.WarpData[0][1]), QPoint(2, 2));
    }

    // Past the end of the ROM a count byte would read as no warps, and a Save of none
    // would stand for nothing: the editor names the position and does not open, so no
    // Save is offered and no backup made.
    void recordsOutsideTheRomAreRefusedWhenOpening_data()
    {
        QTest::addColumn<int>("kept"); // bytes of the ROM kept after the border byte
        QTest::addColumn<QString>("message");
        QTest::newRow("count byte") << 0 << "the warp count byte at position 98306 lies outside the file";
        QTest::newRow("second warp") << 1 + 4 + 2 << "the warps at positions 98307 to 98314 reach past the end";
    }

    void recordsOutsideTheRomAreRefusedWhenOpening()
    {
        QFETCH(int, kept);
        QFETCH(QString, message);
        UiHarness h;
        WarpMapSetup s = Pallet();
        s.warps.resize(2);
        LayWarps(h, s);
        const std::vector<std::uint8_t> cut(h.game.rom.begin(), h.game.rom.begin() + s.borderPos + kept);
        h.folder->writeBytes("game.gb", cut);
        QVERIFY(h.start());
        WarpEditForm &w = OpenWarpEditor();
        QCOMPARE(h.dialogs.asked().size(), 1);
        QCOMPARE(h.dialogs.asked()[0].kind, ScriptedDialogs::Kind::Error);
        QVERIFY2(h.dialogs.texts()[0].contains(message), qPrintable(h.dialogs.texts()[0]));
        QVERIFY(!w.Loaded() && h.main().Visible());
        QCOMPARE(TestFiles::ReadBytes(h.romPath), cut);
    }

    void withoutRecordsSaveWritesNothingAndConfirms()
    {
        UiHarness h;
        LayWarps(h, WarpMapSetup{});
        QVERIFY(h.start());
        WarpEditForm &w = OpenWarpEditor();
        h.dialogs.answerNo();
        w.Command1_Click();
        QCOMPARE(h.dialogs.texts(), QStringList({BackupQuestion(h.romPath), Saved}));
        QCOMPARE(TestFiles::ReadBytes(h.romPath), h.game.rom);
    }
};

QTEST_MAIN(WarpSaveTest)
#include "warp_save_test.moc"

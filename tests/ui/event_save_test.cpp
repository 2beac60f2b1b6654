// Saving events: exactly the current type's table changes, moved and typed values
// read back the same, and a refused or failed save writes nothing and says so.
#include "event_test_game.h"

using namespace EventTestGame;

namespace {

const QString Saved = QStringLiteral("Your changes to the Events have been saved!");

QList<qint64> Differences(const std::vector<std::uint8_t> &a, const std::vector<std::uint8_t> &b)
{
    QList<qint64> out;
    for (size_t i = 0; i < std::min(a.size(), b.size()); ++i)
        if (a[i] != b[i])
            out << qint64(i + 1);
    return out;
}

} // namespace

class EventSaveTest : public QObject
{
    Q_OBJECT

private slots:
    void saveWritesTheTypesRecordsWithoutTheDisplayOffsets()
    {
        UiHarness h;
        Install(h, 2, 1);
        QVERIFY(h.start());
        EventEditForm &e = Open(h);
        QCOMPARE(SymbolAt(0), QPoint(120 + 480 * 5, 120 + 480 * 3)); // ROM x 3, y 2
        UiHarness::pressCell(e.MapTile, 16 * 9 + 2);                // square (3, 2)
        e.TextString->setText(QStringLiteral("0"));                 // 10 -> one byte 0
        h.dialogs.answerNo();
        QTest::mouseClick(e.Command1, Qt::LeftButton);
        QCOMPARE(h.dialogs.texts(), QStringList({QStringLiteral("Make a backup of the ROM (%1.BAK)?")
                                                     .arg(QString::fromStdString(h.romPath)),
                                                 Saved}));
        QVERIFY(!e.Changed);
        QVERIFY(!TestFiles::Exists(h.romPath + ".BAK"));
        const auto after = TestFiles::ReadBytes(h.romPath);
        QCOMPARE(Differences(h.game.rom, after), QList<qint64>({SignsPos, SignsPos + 1, SignsPos + 2}));
        QCOMPARE(int(after[size_t(SignsPos - 1)]), 2 - 1);
        QCOMPARE(int(after[size_t(SignsPos)]), 3 - 2);
        QCOMPARE(int(after[size_t(SignsPos + 1)]), 0);
        // The reload shows the record where it was put.
        QCOMPARE(SymbolAt(0), QPoint(1560, 1080));
        QCOMPARE(e.TextString->text(), QStringLiteral("0"));
    }

    void saveAfterScrollingShowsTheFirstBlockAgainAndKeepsABackup()
    {
        UiHarness h;
        Install(h);
        QVERIFY(h.start());
        EventEditForm &e = Open(h);
        ChooseType(Trainers);
        e.HScroll->setValue(3);
        e.TrainerType->setText(QStringLiteral("201"));
        h.dialogs.answerYes();
        e.Command1_Click();
        QCOMPARE(TestFiles::ReadBytes(h.romPath + ".BAK"), h.game.rom);
        QCOMPARE(Differences(h.game.rom, TestFiles::ReadBytes(h.romPath)), QList<qint64>({TrainersPos + 6}));
        QCOMPARE(e.ScrollX, std::int16_t(1));
        QCOMPARE(e.HScroll->Value(), 1);
        QCOMPARE(e.TrainerType->text(), QStringLiteral("201"));
    }

    void aTypeWithoutRecordsSavesNothingButConfirms()
    {
        UiHarness h;
        Install(h);
        QVERIFY(h.start());
        UiHarness::clickListEntry(h.main().MapList, 1); // Big City: no signs
        QTest::mouseClick(h.main().Command2, Qt::LeftButton);
        EventEditForm &e = Open(h);
        h.dialogs.answerNo();
        QTest::mouseClick(e.Command1, Qt::LeftButton);
        QCOMPARE(h.dialogs.asked().size(), 2);
        QCOMPARE(h.dialogs.asked()[1].text, Saved);
        QCOMPARE(TestFiles::ReadBytes(h.romPath), h.game.rom);
        QVERIFY(e.Loaded() && e.Visible());
    }

    // The largest table: 32 records of 16 bytes, every symbol shown, every byte in place.
    void thirtyTwoRecordsOfSixteenBytes()
    {
        constexpr std::int64_t LongPos = 0x1A401;
        UiHarness h;
        Install(h);
        for (int r = 0; r < 32; ++r)
            for (int k = 1; k <= 16; ++k) {
                const int byte = k == 1 ? r % 16 : k == 16 ? 2 * (r / 16) : (r * 16 + k) & 0xFF;
                TestFiles::Poke(h.game.rom, LongPos + 16 * r + k - 1, std::uint8_t(byte));
            }
        h.folder->writeBytes("game.gb", h.game.rom);
        QVERIFY(h.start());
        std::string types = TypesText();
        types.replace(types.find("3,\"Trainers\",7,8,4,4,2,3,6,1,4,5,0,8,7"), 39,
                      "3,\"Long\",7,16,0,0,16,1,15,14,13,12,11,10,2");
        h.folder->writeText("EventTypes.tvr", types);
        h.folder->writeText("EventsR.tvr", EventsText() + "0,1,0,1,0,1,0," + std::to_string(LongPos) + ",32,0\n");

        EventEditForm &e = Open(h);
        ChooseType(3);
        QCOMPARE(e.EventCount, std::int16_t(32));
        for (int r = 0; r < 32; ++r)
            QCOMPARE(SymbolAt(r), QPoint(120 + 480 * (r % 16), 120 + 960 * (r / 16)));
        QCOMPARE(e.EventData[31][15], (31 * 16 + 15) & 0xFF);
        QCOMPARE(e.TrainerType->text(), QString::number(2)); // byte 2 of record 0
        PressSymbol(31);
        QCOMPARE(e.TextString->text(), QString::number((31 * 16 + 15) & 0xFF));
        UiHarness::pressCell(e.MapTile, 16 * 44 + 15); // square (9, 11)
        h.dialogs.answerNo();
        e.Command1_Click();
        const qint64 last = LongPos + 16 * 31;
        QCOMPARE(Differences(h.game.rom, TestFiles::ReadBytes(h.romPath)), QList<qint64>({last, last + 15}));
        QCOMPARE(SymbolAt(31), QPoint(120 + 480 * 9, 120 + 480 * 11));
    }

    void aValueWithoutByteFormIsRefusedBeforeAnything()
    {
        UiHarness h;
        Install(h);
        QVERIFY(h.start());
        EventEditForm &e = Open(h);
        UiHarness::pressCell(e.MapTile, 16 * 9);
        PressSymbol(1);
        e.TextString->setText(QStringLiteral("300"));
        e.Command1_Click();
        QCOMPARE(h.dialogs.asked().size(), 1);
        QCOMPARE(h.dialogs.asked()[0].kind, ScriptedDialogs::Kind::Error);
        QVERIFY(h.dialogs.asked()[0].text.contains(QStringLiteral("Event 1 (Signs) cannot be saved: its Text String Number is 300")));
        QCOMPARE(TestFiles::ReadBytes(h.romPath), h.game.rom);
        QVERIFY(e.Changed);
    }
};

QTEST_MAIN(EventSaveTest)
#include "event_save_test.moc"

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

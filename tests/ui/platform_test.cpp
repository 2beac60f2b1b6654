#include "core/ui/CellGrid.h"
#include "core/ui/CommonDialog.h"
#include "core/ui/Form.h"
#include "core/ui/ListBox.h"
#include "core/ui/Program.h"
#include "core/ui/ScriptedDialogs.h"
#include "core/ui/ScrollBar.h"
#include "core/ui/Twips.h"

#include <QApplication>
#include <QMenuBar>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

namespace {

class TestForm : public Form
{
public:
    explicit TestForm(bool withMenu = false)
        : Form(QStringLiteral("TestForm"))
        , m_withMenu(withMenu)
    {
        setCaption(QStringLiteral("Test"));
        setClientSize(3000, 1500);
    }

    // Window variables: they outlive the controls.
    int loads = 0, activates = 0, unloadAsks = 0, destroyedCalls = 0;
    int kept = 0;
    bool refuse = false;
    bool unloadInLoad = false, endInLoad = false, closeBoxInUnload = false;
    QPushButton *button = nullptr;

protected:
    void CreateControls() override
    {
        if (m_withMenu)
            menuBar()->addMenu(QStringLiteral("&File"));
        button = new QPushButton(QStringLiteral("OK"), client());
    }
    void ControlsDestroyed() override
    {
        ++destroyedCalls;
        button = nullptr;
    }
    void Form_Load() override
    {
        ++loads;
        if (unloadInLoad)
            Unload();
        if (endInLoad)
            Program::End();
    }
    void Form_Unload(int &Cancel) override
    {
        ++unloadAsks;
        if (closeBoxInUnload)
            closeBoxPressed(); // the close box pressed again while a question is open
        if (refuse)
            Cancel = 1;
    }
    void Form_Activate() override { ++activates; }

private:
    bool m_withMenu;
};

void flushDeletes()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

} // namespace

class PlatformTest : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        Program::ResetEnded();
        Program::setEndHandler([this] { ++m_ends; });
        m_ends = 0;
    }
    void cleanup()
    {
        Program::setEndHandler(nullptr);
        Program::ResetEnded();
        flushDeletes();
    }

    void showingLoadsOnceAndActivatesOnEachShow()
    {
        TestForm f;
        QVERIFY(!f.Loaded());
        f.setVisible(true);
        QVERIFY(f.Loaded());
        QVERIFY(f.Visible());
        QCOMPARE(f.loads, 1);
        QCOMPARE(f.activates, 1);
        QCOMPARE(f.client()->size(), QSize(200, 100));
        QCOMPARE(f.window()->windowTitle(), QStringLiteral("Test"));

        f.setVisible(true); // already showing: no second activation
        QCOMPARE(f.activates, 1);
        f.setVisible(false);
        QVERIFY(f.Loaded());
        QVERIFY(!f.Visible());
        f.setVisible(true);
        QCOMPARE(f.loads, 1);
        QCOMPARE(f.activates, 2);
    }

    void hidingAnUnloadedFormLoadsItHidden()
    {
        TestForm f;
        f.setVisible(false);
        QVERIFY(f.Loaded());
        QVERIFY(!f.Visible());
        QCOMPARE(f.loads, 1);
        QCOMPARE(f.activates, 0);
    }

    void menuBarAddsToTheFixedHeight()
    {
        TestForm f(true);
        f.setVisible(true);
        QVERIFY(f.menuBar());
        QCOMPARE(f.client()->size(), QSize(200, 100));
        QCOMPARE(f.window()->width(), 200);
        QVERIFY(f.window()->height() > 100);
        QCOMPARE(f.window()->minimumSize(), f.window()->maximumSize());
    }

    void variablesSurviveUnloadControlsDoNot()
    {
        TestForm f;
        f.setVisible(true);
        f.kept = 5;
        QPointer<QWidget> window = f.window();
        QPointer<QPushButton> oldButton = f.button;
        QVERIFY(f.Unload());
        QVERIFY(!f.Loaded()); // at once, before the window is deleted
        QVERIFY(!f.Visible());
        QVERIFY(!f.client());
        QCOMPARE(f.destroyedCalls, 1);
        QVERIFY(!f.button);
        flushDeletes();
        QVERIFY(window.isNull());
        QVERIFY(oldButton.isNull());

        f.setVisible(true);
        QCOMPARE(f.loads, 2);
        QCOMPARE(f.kept, 5);
        QVERIFY(f.button);
        QVERIFY(f.window() != nullptr);
    }

    void refusedUnloadKeepsTheWindow()
    {
        TestForm f;
        f.setVisible(true);
        f.refuse = true;
        QVERIFY(!f.Unload());
        QCOMPARE(f.unloadAsks, 1);
        QVERIFY(f.Loaded());
        QVERIFY(f.Visible());
        QCOMPARE(f.destroyedCalls, 0);

        f.refuse = false;
        f.Destroy(); // ending: no question
        QCOMPARE(f.unloadAsks, 1);
        QVERIFY(!f.Loaded());
    }

    void closeBoxAsksFormUnload()
    {
        TestForm f;
        f.setVisible(true);
        f.refuse = true;
        f.closeBoxInUnload = true;
        QVERIFY(!f.window()->close()); // the event is always ignored
        QCOMPARE(f.unloadAsks, 1);    // the nested press asked nothing more
        QVERIFY(f.Visible());

        f.refuse = false;
        f.closeBoxInUnload = false;
        f.window()->close();
        QCOMPARE(f.unloadAsks, 2);
        QVERIFY(!f.Loaded());
    }

    void formLoadThatUnloadsOrEndsShowsNothing()
    {
        TestForm a;
        a.unloadInLoad = true;
        a.setVisible(true);
        QCOMPARE(a.loads, 1);
        QVERIFY(!a.Loaded());
        QCOMPARE(a.activates, 0);

        TestForm b;
        b.endInLoad = true;
        b.setVisible(true);
        QCOMPARE(m_ends, 1);
        QVERIFY(Program::Ended());
        QVERIFY(!b.Visible());
        QCOMPARE(b.activates, 0);
    }

    void cellGridPressesAndPainting()
    {
        QWidget parent;
        parent.resize(300, 100);
        auto *grid = new CellGrid(&parent);
        // Cell 1 overlaps cell 0 by one pixel; cell 2 stands apart.
        QCOMPARE(grid->addCell(1200, 300, 255, 255), 0);
        QCOMPARE(grid->addCell(1440, 300, 255, 255), 1);
        QCOMPARE(grid->addCell(2100, 300, 255, 255), 2);
        QCOMPARE(grid->geometry(), QRect(80, 20, 77, 17));
        QCOMPARE(grid->cellRect(2), QRect(140, 20, 17, 17));
        parent.show();
        QVERIFY(QTest::qWaitForWindowExposed(&parent));

        QSignalSpy spy(grid, &CellGrid::MouseDown);
        const auto press = [&](Qt::MouseButton b, int px, int py, Qt::KeyboardModifiers m = {}) {
            QTest::mousePress(grid, b, m, grid->mapFromParent(QPoint(px, py)));
            QTest::mouseRelease(grid, b, m, grid->mapFromParent(QPoint(px, py)));
        };

        press(Qt::LeftButton, 85, 22);
        QCOMPARE(spy.count(), 1);
        QCOMPARE(spy.at(0), (QList<QVariant>{0, 1, 0, 75, 30}));
        press(Qt::RightButton, 150, 30, Qt::ShiftModifier);
        QCOMPARE(spy.last(), (QList<QVariant>{2, 2, 1, 150, 150}));
        press(Qt::MiddleButton, 141, 21);
        QCOMPARE(spy.last().at(0).toInt(), 2);
        QCOMPARE(spy.last().at(1).toInt(), 4);

        spy.clear();
        press(Qt::LeftButton, 96, 25); // on both cells 0 and 1: the later one
        QCOMPARE(spy.count(), 1);
        QCOMPARE(spy.at(0).at(0).toInt(), 1);
        press(Qt::LeftButton, 120, 25); // between cells
        QCOMPARE(spy.count(), 1);

        grid->setCellVisible(1, false);
        press(Qt::LeftButton, 96, 25); // hidden cells take no presses
        QCOMPARE(spy.count(), 2);
        QCOMPARE(spy.last().at(0).toInt(), 0);
        press(Qt::LeftButton, 105, 25);
        QCOMPARE(spy.count(), 2);

        // Painting: pictures at the cells' corners, later cells on top, hidden ones absent.
        QImage red(16, 16, QImage::Format_RGB32), blue(16, 16, QImage::Format_RGB32);
        red.fill(Qt::red);
        blue.fill(Qt::blue);
        grid->setCellVisible(1, true);
        grid->setPicture(0, red);
        grid->setPicture(1, blue);
        grid->setPicture(2, red);
        grid->setCellVisible(2, false);
        QCoreApplication::processEvents();
        const QImage shot = parent.grab().toImage();
        const QRgb background = shot.pixel(5, 5);
        QCOMPARE(shot.pixel(80, 20), qRgb(255, 0, 0));
        QCOMPARE(shot.pixel(95, 35), qRgb(255, 0, 0));
        QCOMPARE(shot.pixel(96, 20), qRgb(0, 0, 255)); // cell 1 drawn over cell 0's 17th column
        QCOMPARE(shot.pixel(111, 35), qRgb(0, 0, 255));
        QCOMPARE(shot.pixel(112, 20), background);      // the cell's 17th column shows nothing
        QCOMPARE(shot.pixel(145, 25), background);      // hidden cell
        QCOMPARE(grid->picture(2).cacheKey(), red.cacheKey());
    }

    void cellGridLetsPressesThroughItsGaps()
    {
        // A layer of symbols over a map view: between symbols, presses reach the map.
        QWidget parent;
        parent.resize(200, 100);
        auto *map = new CellGrid(&parent);
        for (int i = 0; i < 4; ++i)
            map->addCell(240 * i, 0, 255, 255);
        auto *symbols = new CellGrid(&parent);
        symbols->addCell(0, 0, 240, 240);
        symbols->addCell(720, 0, 240, 240);
        parent.show();
        QVERIFY(QTest::qWaitForWindowExposed(&parent));
        QCoreApplication::processEvents();

        QCOMPARE(parent.childAt(5, 5), symbols);
        QCOMPARE(parent.childAt(20, 5), map);
        QCOMPARE(parent.childAt(50, 5), symbols);
        symbols->setCellVisible(0, false);
        symbols->setCellVisible(1, false);
        QCoreApplication::processEvents();
        QCOMPARE(parent.childAt(5, 5), map);
        QCOMPARE(parent.childAt(50, 5), map);
        symbols->setCellVisible(1, true);
        QCoreApplication::processEvents();
        QCOMPARE(parent.childAt(50, 5), symbols);
    }

    void scriptedDialogsAnswerInOrder()
    {
        ScriptedDialogs dialogs;
        ScriptedDialogsGuard guard(dialogs);
        dialogs.answerYes();
        dialogs.answerFile(QStringLiteral("/roms/red.gb"));
        dialogs.answerNo();

        QVERIFY(Dialogs::Ask(QStringLiteral("First?")));
        CommonDialog boxes;
        boxes.DialogTitle = QStringLiteral("Open");
        boxes.InitDir = QStringLiteral("/prog");
        QVERIFY(boxes.ShowOpen());
        QCOMPARE(boxes.FileName, QStringLiteral("/roms/red.gb"));

        // A file dialog where a No is scripted: cancelled, counted, the No kept.
        boxes.DialogTitle = QStringLiteral("Save");
        QVERIFY(!boxes.ShowSave());
        QCOMPARE(boxes.FileName, QStringLiteral("/roms/red.gb"));
        QCOMPARE(dialogs.unexpected(), 1);
        QCOMPARE(dialogs.pending(), 1);
        QVERIFY(!Dialogs::Ask(QStringLiteral("Second?")));
        Dialogs::Inform(QStringLiteral("Saved"));
        QVERIFY(!Dialogs::Ask(QStringLiteral("Nothing left?")));
        QCOMPARE(dialogs.unexpected(), 2);

        QCOMPARE(dialogs.texts(), (QStringList{"First?", "Open", "Save", "Second?", "Saved", "Nothing left?"}));
        const auto &asked = dialogs.asked();
        QCOMPARE(asked[1].kind, ScriptedDialogs::Kind::Open);
        QCOMPARE(asked[1].initDir, QStringLiteral("/prog"));
        QCOMPARE(asked[1].fileName, QString());
        QCOMPARE(asked[2].kind, ScriptedDialogs::Kind::Save);
        QCOMPARE(asked[2].fileName, QStringLiteral("/roms/red.gb"));
        QCOMPARE(asked[4].kind, ScriptedDialogs::Kind::Information);
    }

    void scrollBarClampsAndReportsOnce()
    {
        QWidget parent;
        ScrollBar bar(Qt::Horizontal, &parent, 120, 5890, 7695, 255);
        QCOMPARE(bar.geometry(), QRect(8, 393, 513, 17));
        bar.setMin(1);
        bar.setMax(10);
        bar.setValue(8);
        QSignalSpy spy(&bar, &ScrollBar::Change);
        bar.setMax(5);
        QCOMPARE(bar.Value(), 5);
        QCOMPARE(spy.count(), 1);
        bar.setValue(5);
        QCOMPARE(spy.count(), 1);
        bar.setMax(-3); // below the minimum: taken as the minimum
        QCOMPARE(bar.Max(), 1);
        QCOMPARE(bar.Value(), 1);
        QCOMPARE(spy.count(), 2);
    }

    void listBoxAnyButtonSelectsBeforeMouseDown()
    {
        QWidget parent;
        parent.resize(200, 200);
        auto *list = new ListBox(&parent);
        list->setGeometry(0, 0, 200, 200);
        list->addItems({"a", "b", "c"});
        list->setListIndex(0);
        parent.show();
        QVERIFY(QTest::qWaitForWindowExposed(&parent));

        QList<int> seen;
        QList<int> buttons;
        connect(list, &ListBox::MouseDown, this, [&](int button, int, int, int) {
            buttons << button;
            seen << list->ListIndex();
        });
        const QPoint onC = list->visualItemRect(list->item(2)).center();
        QTest::mousePress(list->viewport(), Qt::RightButton, {}, onC);
        QTest::mouseRelease(list->viewport(), Qt::RightButton, {}, onC);
        QCOMPARE(seen, QList<int>{2});
        QCOMPARE(buttons, QList<int>{2});

        const QPoint onA = list->visualItemRect(list->item(0)).center();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, onA);
        QCOMPARE(seen.last(), 0);

        // Below the last entry: reported, selection unchanged.
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, QPoint(10, 190));
        QCOMPARE(seen.size(), 3);
        QCOMPARE(seen.last(), 0);

        list->setListIndex(-1);
        QCOMPARE(list->ListIndex(), -1);
    }

private:
    int m_ends = 0;
};

QTEST_MAIN(PlatformTest)
#include "platform_test.moc"

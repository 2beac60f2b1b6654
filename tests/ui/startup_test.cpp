// The start-up road, File > Open, Exit, the close box and the About window.
#include "UiHarness.h"

#include "mainwindow/AboutForm.h"
#include "pictures/TilePictures.h"

#include <QAction>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

class StartupTest : public QObject
{
    Q_OBJECT

private slots:
    void cancelAtStartEndsBeforeAnyWindowIsShown()
    {
        UiHarness h;
        h.dialogs.answerCancel();
        Defines::Main();
        QVERIFY(Program::Ended());
        QVERIFY(!Forms::VersionSelect().Visible());
        QVERIFY(!Forms::Main().Loaded());
        QCOMPARE(h.dialogs.asked().size(), 1);
        QCOMPARE(h.dialogs.asked()[0].kind, ScriptedDialogs::Kind::Open);
        QCOMPARE(h.dialogs.asked()[0].text, QStringLiteral("Tovrane - Open ROM File"));
        QCOMPARE(h.dialogs.asked()[0].initDir, QString::fromStdString(h.folder->path()));
    }

    void openVersionAndMainWindowDrawMapZeroFromTheRom()
    {
        UiHarness h;
        QVERIFY(h.start(0));
        MainForm &m = h.main();
        QCOMPARE(QString::fromStdString(Defines::RomPath), QString::fromStdString(h.romPath));
        QCOMPARE(Forms::VersionSelect().TilesetFile, QStringLiteral("TilesetsR.tvr"));
        QCOMPARE(Forms::VersionSelect().MapFile, QStringLiteral("MapsR.tvr"));
        QCOMPARE(Forms::VersionSelect().EventFile, QStringLiteral("EventsR.tvr"));
        QVERIFY(!Forms::VersionSelect().Visible());
        QVERIFY(!Forms::Splash().Visible());
        QVERIFY(Forms::Splash().Loaded());
        QVERIFY(!Forms::Splash().Timer1->isActive());

        // Map 0 (10 x 9) fills the view: slot (r, c) shows map block (r + 1, c + 1).
        QCOMPARE(Defines::CurMap, std::int16_t(0));
        QCOMPARE(Defines::MapWidth, std::int16_t(10));
        QCOMPARE(Defines::MapHeight, std::int16_t(9));
        for (int s : {0, 7, 40, 47}) {
            const int r = s / 8, c = s % 8;
            const int b = h.game.blockAt(0, r + 1, c + 1);
            QCOMPARE(int(Defines::MapBlocks[r + 1][c + 1]), b);
            for (int j : {0, 5, 15}) {
                QVERIFY(m.MapTile->cellVisible(16 * s + j));
                // The block table in the ROM says tile (b + j) % 96; the store renders it.
                QCOMPARE(m.MapTile->picture(16 * s + j), TileStore::instance().Tile((b + j) % 96));
            }
        }
        QVERIFY(!TileStore::instance().Tile(1).isNull());
        QCOMPARE(m.CurMapName->text(), QStringLiteral("Pallet Town"));
        QCOMPARE(m.MapComment->text(), QString::fromStdString(h.game.map(0).comment));
        QCOMPARE(m.CatList->count(), 4);
        QCOMPARE(m.CatList->ListIndex(), 0);
        QCOMPARE(m.MapList->count(), 2);
        QCOMPARE(m.MapList->ListIndex(), 0);
        // Stored menu states until the first "Go".
        QVERIFY(!m.mnuUndo->isEnabled());
        QVERIFY(!m.mnuWildEdit->isEnabled());
        QVERIFY(m.mnuWarpEdit->isEnabled());
        QVERIFY(m.mnuEventEdit->isEnabled());
        QVERIFY(m.mnuBlockEdit->isEnabled());
        QVERIFY(m.mnuGridlines->isChecked());
        QCOMPARE(h.dialogs.unexpected(), 0);
    }

    void chooserOkWithoutAVersionDoesNothing()
    {
        UiHarness h;
        h.dialogs.answerFile(QString::fromStdString(h.romPath));
        Defines::Main();
        VersionSelectForm &chooser = Forms::VersionSelect();
        QVERIFY(chooser.Visible());
        QCOMPARE(chooser.VersionList->ListIndex(), -1);
        chooser.window()->close();
        QVERIFY(chooser.Visible());
        chooser.Command1_Click();
        QVERIFY(chooser.Visible());
        QVERIFY(chooser.TilesetFile.isEmpty());
        QTest::qWait(20);
        QVERIFY(!Forms::Main().Loaded());
    }

    void blueVersionReadsTheBlueTables()
    {
        UiHarness h;
        QVERIFY(h.start(1));
        QCOMPARE(Forms::VersionSelect().TilesetFile, QStringLiteral("TilesetsB.tvr"));
        QCOMPARE(Forms::VersionSelect().MapFile, QStringLiteral("MapsB.tvr"));
    }

    void missingDataFileShowsOneMessageAndEnds()
    {
        UiHarness h;
        std::remove(h.folder->file("MapsR.tvr").c_str());
        const auto romBefore = TestFiles::ReadBytes(h.romPath);
        QVERIFY(!h.start(0));
        QVERIFY(Program::Ended());
        QCOMPARE(h.dialogs.asked().size(), 2);
        QCOMPARE(h.dialogs.asked()[1].kind, ScriptedDialogs::Kind::Error);
        QVERIFY(h.dialogs.asked()[1].text.contains(QStringLiteral("MapsR.tvr")));
        QCOMPARE(TestFiles::ReadBytes(h.romPath), romBefore);
    }

    void firstMapThatCannotLoadLeavesNothingToSave()
    {
        UiHarness h;
        h.game.categories[0].maps[0].height = 300;
        h.folder->writeText("MapsR.tvr", h.game.mapTableText());
        QVERIFY(h.start());
        MainForm &m = h.main();
        QVERIFY(!m.MapLoaded);
        for (QAction *a : {m.mnuSave, m.mnuSaveAs, m.mnuBlockEdit, m.mnuWarpEdit, m.mnuEventEdit, m.mnuWildEdit})
            QVERIFY(!a->isEnabled());
        // The border block can still be clicked, but nothing reaches the ROM.
        m.BorderBlock_MouseDown(0, 1, 0, 0, 0);
        m.mnuSave_Click();
        QCOMPARE(TestFiles::ReadBytes(h.romPath), h.game.rom);

        UiHarness::clickListEntry(m.CatList, 1);
        h.dialogs.answerYes(); // drop the border click
        QTest::mouseClick(m.Command2, Qt::LeftButton);
        QVERIFY(m.MapLoaded);
        QVERIFY(m.mnuSave->isEnabled());
        QVERIFY(m.mnuSaveAs->isEnabled());
        QVERIFY(m.mnuBlockEdit->isEnabled());
    }

    void fileOpenWithoutChangesAsksNothingAndKeepsTheVersion()
    {
        UiHarness h;
        QVERIFY(h.start(1));
        MainForm &m = h.main();
        m.MapTile_MouseDown(0, 1, 0, 0, 0);
        m.Changed = false; // as after a save: undo records remain
        QVERIFY(m.mnuUndo->isEnabled());
        h.dialogs.clear();

        h.dialogs.answerFile(QString::fromStdString(h.romPath));
        m.mnuOpen_Click();
        QCOMPARE(h.dialogs.asked().size(), 1);
        QCOMPARE(h.dialogs.asked()[0].kind, ScriptedDialogs::Kind::Open);
        QCOMPARE(h.dialogs.asked()[0].text, QStringLiteral("Tovrane - Open ROM File"));
        QVERIFY(!m.Loaded());
        QVERIFY(!m.Reopening);
        QVERIFY(Forms::VersionSelect().Visible());
        QCOMPARE(Forms::VersionSelect().VersionList->ListIndex(), 1);

        QVERIFY(h.chooseVersion(1));
        QCOMPARE(m.UndoCount(), 0);
        QVERIFY(!m.mnuUndo->isEnabled());
        QCOMPARE(Defines::CurMap, std::int16_t(0));
        QCOMPARE(Defines::CurCategory, std::int16_t(0));
        QCOMPARE(h.dialogs.unexpected(), 0);
    }

    void fileOpenWithChangesAsksFirst()
    {
        UiHarness h;
        QVERIFY(h.start());
        MainForm &m = h.main();
        m.MapTile_MouseDown(0, 1, 0, 0, 0);
        QVERIFY(m.Changed);
        h.dialogs.clear();

        h.dialogs.answerNo();
        m.mnuOpen_Click();
        QCOMPARE(h.dialogs.texts(), QStringList{QStringLiteral("Discard the changes you have made?")});
        QVERIFY(m.Visible());
        QVERIFY(m.Changed);
        QCOMPARE(m.UndoCount(), 1);

        // Yes, then a cancelled Open dialog: the program ends.
        h.dialogs.clear();
        h.dialogs.answerYes();
        h.dialogs.answerCancel();
        m.mnuOpen_Click();
        QVERIFY(Program::Ended());
        QVERIFY(!m.Changed);
    }

    void fileOpenAfterSaveAsStartsTheOpenDialogAfresh()
    {
        UiHarness h;
        QVERIFY(h.start());
        MainForm &m = h.main();
        const std::string copy = h.folder->file("copy.gb");
        h.dialogs.answerFile(QString::fromStdString(copy));
        m.mnuSaveAs_Click();
        QCOMPARE(Defines::RomPath, copy);
        h.dialogs.clear();

        // The dialog control went with the start-up window: its title and file name are the stored ones.
        h.dialogs.answerFile(QString::fromStdString(h.romPath));
        m.mnuOpen_Click();
        QCOMPARE(h.dialogs.asked().size(), 1);
        const ScriptedDialogs::Asked &open = h.dialogs.asked()[0];
        QCOMPARE(open.kind, ScriptedDialogs::Kind::Open);
        QCOMPARE(open.text, QStringLiteral("Tovrane - Open ROM File"));
        QVERIFY(open.fileName.isEmpty());
        QCOMPARE(open.initDir, QString::fromStdString(h.folder->path()));
        QVERIFY(h.chooseVersion(0));
        QCOMPARE(Defines::RomPath, h.romPath);

        // Save As after it starts from the newly opened ROM.
        h.dialogs.clear();
        h.dialogs.answerCancel();
        m.mnuSaveAs_Click();
        QCOMPARE(h.dialogs.asked()[0].text, QStringLiteral("Tovrane - Save ROM File As"));
        QCOMPARE(h.dialogs.asked()[0].fileName, QString::fromStdString(h.romPath));
    }

    void exitAndCloseBoxAskTheRightQuestion()
    {
        UiHarness h;
        QVERIFY(h.start());
        MainForm &m = h.main();

        h.dialogs.answerNo();
        m.mnuExit_Click();
        QVERIFY(!Program::Ended());
        h.dialogs.answerNo();
        m.window()->close();
        QVERIFY(m.Loaded());
        QVERIFY(m.Visible());
        QCOMPARE(h.dialogs.texts(), QStringList({QStringLiteral("Do you want to exit Tovrane?"),
                                                 QStringLiteral("Do you want to exit Tovrane?")}));

        m.MapTile_MouseDown(0, 1, 0, 0, 0);
        h.dialogs.clear();
        h.dialogs.answerNo();
        m.window()->close();
        QVERIFY(m.Visible());
        h.dialogs.answerYes();
        m.mnuExit_Click();
        QVERIFY(Program::Ended());
        QCOMPARE(h.dialogs.texts(), QStringList({QStringLiteral("Exit without saving the changes you have made?"),
                                                 QStringLiteral("Exit without saving the changes you have made?")}));
    }

    void aboutWindowHandsBackToTheMainWindow()
    {
        UiHarness h;
        QVERIFY(h.start());
        MainForm &m = h.main();
        m.mnuAbout->trigger();
        QVERIFY(!m.Visible());
        AboutForm &about = Forms::About();
        QVERIFY(about.Visible());
        QCOMPARE(about.window()->windowTitle(), QStringLiteral("About Tovrane"));
        QCOMPARE(about.Label1->text(), QStringLiteral("Tovrane Version 1.2"));
        // No close box: a close from the window manager leaves it where it is.
        about.window()->close();
        QVERIFY(about.Visible());
        QVERIFY(!m.Visible());
        QTest::mouseClick(about.Command1, Qt::LeftButton);
        QVERIFY(!about.Visible());
        QVERIFY(about.Loaded());
        QVERIFY(m.Visible());
    }
};

QTEST_MAIN(StartupTest)
#include "startup_test.moc"

#pragma once

// Shared set-up of the window tests: a synthetic game in a temporary folder, fresh
// windows, scripted dialogs, and the start-up road driven as a user would.

#include "support/SyntheticGame.h"
#include "support/TestFiles.h"

#include "app/Forms.h"
#include "app/SplashForm.h"
#include "app/StartUp.h"
#include "app/VersionSelectForm.h"
#include "core/Defines.h"
#include "core/ui/CellGrid.h"
#include "core/ui/ListBox.h"
#include "core/ui/Program.h"
#include "core/ui/ScriptedDialogs.h"
#include "mainwindow/MainForm.h"
#include "pictures/TileStore.h"

#include <QTest>

#include <memory>

class UiHarness
{
public:
    UiHarness()
        : folder(std::make_unique<TempFolder>())
    {
        Defines::Reset();
        TileStore::instance().ResetForTests();
        Program::ResetEnded();
        Program::setEndHandler([] {});
        romPath = game.writeTo(*folder);
        Forms::CreateAll();
        Dialogs::setBackend(&dialogs);
    }

    ~UiHarness()
    {
        Forms::DestroyAll();
        Dialogs::setBackend(nullptr);
        Program::ResetEnded();
        QCoreApplication::processEvents();
    }

    // Start-up up to the shown main window: the Open dialog chooses the ROM, the
    // version chooser takes `version` (0 Red, 1 Blue), the timer tick loads the main window.
    bool start(int version = 0)
    {
        dialogs.answerFile(QString::fromStdString(romPath));
        Defines::Main();
        if (Program::Ended() || !Forms::VersionSelect().Visible())
            return false;
        if (!chooseVersion(version))
            return false;
        // What the start-up asked is checked by its own tests; a case starts afresh.
        dialogs.clear();
        return true;
    }

    bool chooseVersion(int version)
    {
        VersionSelectForm &chooser = Forms::VersionSelect();
        clickListEntry(chooser.VersionList, version);
        QTest::mouseClick(reinterpret_cast<QWidget *>(chooser.Command1), Qt::LeftButton);
        return QTest::qWaitFor([] { return Forms::Main().Visible() || Program::Ended(); }, 5000)
            && !Program::Ended();
    }

    static void clickListEntry(ListBox *list, int row, Qt::MouseButton button = Qt::LeftButton)
    {
        QListWidgetItem *item = list->item(row);
        const QRect r = list->visualItemRect(item);
        QTest::mousePress(list->viewport(), button, Qt::NoModifier, r.center());
        QTest::mouseRelease(list->viewport(), button, Qt::NoModifier, r.center());
    }

    // Presses a cell of a grid with a real mouse press at its centre.
    static void pressCell(CellGrid *grid, int index, Qt::MouseButton button = Qt::LeftButton)
    {
        const QRect r = grid->cellRect(index);
        // The cells overlap by a pixel; the upper-left part of a cell is its own.
        const QPoint inParent = r.topLeft() + QPoint(4, 4);
        QTest::mousePress(grid, button, Qt::NoModifier, grid->mapFromParent(inParent));
        QTest::mouseRelease(grid, button, Qt::NoModifier, grid->mapFromParent(inParent));
    }

    MainForm &main() { return Forms::Main(); }

    SyntheticGame game;
    std::unique_ptr<TempFolder> folder;
    std::string romPath;
    ScriptedDialogs dialogs;
};

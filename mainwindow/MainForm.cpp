#include "MainForm.h"

#include "AboutForm.h"
#include "app/Forms.h"
#include "app/SplashForm.h"
#include "app/StartUp.h"
#include "app/VersionSelectForm.h"
#include "core/DataFileError.h"
#include "core/Defines.h"
#include "core/RomExtent.h"
#include "core/RomFile.h"
#include "core/TableReaders.h"
#include "core/ui/Dialogs.h"
#include "core/ui/FontFit.h"
#include "core/ui/ListBox.h"
#include "core/ui/Program.h"
#include "core/ui/ScrollBar.h"
#include "core/ui/Twips.h"
#include "pictures/Logo.h"
#include "pictures/TileStore.h"

#include <QAction>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>

namespace {

const QString ExitUnsavedQuestion = QStringLiteral("Exit without saving the changes you have made?");
const QString ExitQuestion = QStringLiteral("Do you want to exit Tovrane?");

} // namespace

MainForm::MainForm()
    : Form(QStringLiteral("MainForm"))
{
    setCaption(QStringLiteral("Tovrane"));
    setStyle(Style::Fixed);
    setHasMinimizeButton(true);
    setClientSize(9495, 7815);
}

void MainForm::CreateControls()
{
    window()->setWindowIcon(Logo::WindowIcon());
    CreateMenus();
    CreateMapView();
    CreatePalette();

    Frame1 = new QGroupBox(QStringLiteral("Map Tools"), client());
    Frame1->setGeometry(Twips::rect(6720, 6240, 1575, 1455));
    Label2 = new QLabel(QStringLiteral("Eventually I plan to add in tools here that let you copy/paste and draw more easily."),
                        Frame1);
    Label2->setGeometry(Twips::rect(120, 360, 1335, 975));
    Label2->setWordWrap(true);
    Label2->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    // Our font is wider than the one this layout was drawn with: the note must fit whole.
    Label2->setFont(FontFit::ForBox(Label2->font(), Label2->text(), Label2->width(), Label2->height()));

    CreateChooser();
}

void MainForm::CreateMenus()
{
    QMenuBar *bar = menuBar();
    auto item = [this](QMenu *menu, const QString &caption, const QKeySequence &shortcut,
                       void (MainForm::*handler)()) {
        QAction *a = menu->addAction(caption);
        if (!shortcut.isEmpty())
            a->setShortcut(shortcut);
        connect(a, &QAction::triggered, this, handler);
        return a;
    };

    mnuFile = bar->addMenu(QStringLiteral("&File"));
    mnuOpen = item(mnuFile, QStringLiteral("&Open"), QKeySequence(QStringLiteral("Ctrl+O")), &MainForm::mnuOpen_Click);
    mnuFile->addSeparator();
    mnuSave = item(mnuFile, QStringLiteral("&Save"), QKeySequence(QStringLiteral("Ctrl+S")), &MainForm::mnuSave_Click);
    mnuSaveAs = item(mnuFile, QStringLiteral("Save &As"), QKeySequence(), &MainForm::mnuSaveAs_Click);
    mnuFile->addSeparator();
    mnuExit = item(mnuFile, QStringLiteral("&Exit"), QKeySequence(), &MainForm::mnuExit_Click);

    mnuEdit = bar->addMenu(QStringLiteral("&Edit"));
    mnuUndo = item(mnuEdit, QStringLiteral("&Undo"), QKeySequence(QStringLiteral("Ctrl+Z")), &MainForm::mnuUndo_Click);
    mnuUndo->setEnabled(false);

    mnuMode = bar->addMenu(QStringLiteral("&Mode"));
    mnuBlockEdit = item(mnuMode, QStringLiteral("Building Block Editor"), QKeySequence(QStringLiteral("Ctrl+B")),
                        &MainForm::mnuBlockEdit_Click);
    mnuMode->addSeparator();
    mnuWildEdit = item(mnuMode, QStringLiteral("Wild &Pokémon Editor"), QKeySequence(QStringLiteral("Ctrl+P")),
                       &MainForm::mnuWildEdit_Click);
    mnuWildEdit->setEnabled(false);
    mnuWarpEdit = item(mnuMode, QStringLiteral("&Warp Editor"), QKeySequence(QStringLiteral("Ctrl+W")),
                       &MainForm::mnuWarpEdit_Click);
    mnuEventEdit = item(mnuMode, QStringLiteral("E&vent Editor"), QKeySequence(QStringLiteral("Ctrl+E")),
                        &MainForm::mnuEventEdit_Click);

    mnuOptions = bar->addMenu(QStringLiteral("&Options"));
    mnuGridlines = mnuOptions->addAction(QStringLiteral("Display &Gridlines"));
    mnuGridlines->setShortcut(QKeySequence(QStringLiteral("Ctrl+G")));
    mnuGridlines->setCheckable(true);
    mnuGridlines->setChecked(true);
    connect(mnuGridlines, &QAction::triggered, this, [this] {
        // The menu flips a checkable item before it reports; the handler owns the check mark.
        mnuGridlines->setChecked(!mnuGridlines->isChecked());
        mnuGridlines_Click();
    });

    mnuHelp = bar->addMenu(QStringLiteral("&Help"));
    mnuAbout = item(mnuHelp, QStringLiteral("&About"), QKeySequence(Qt::Key_F1), &MainForm::mnuAbout_Click);
}

void MainForm::ControlsDestroyed()
{
    mnuFile = mnuEdit = mnuMode = mnuOptions = mnuHelp = nullptr;
    mnuOpen = mnuSave = mnuSaveAs = mnuExit = mnuUndo = nullptr;
    mnuBlockEdit = mnuWildEdit = mnuWarpEdit = mnuEventEdit = mnuGridlines = mnuAbout = nullptr;
    MapTile = SideBlock = BorderBlock = nullptr;
    Shape1 = Shape2 = Shape3 = SelBorder = nullptr;
    for (auto &l : Line)
        l = nullptr;
    HScroll = VScroll = Scroll = nullptr;
    BlockHex = Label1 = Label2 = MapComment = CurMapName = nullptr;
    Frame1 = Frame2 = nullptr;
    CatList = MapList = nullptr;
    Command2 = nullptr;
}

void MainForm::Form_Load()
{
    const VersionSelectForm &chooser = Forms::VersionSelect();
    try {
        TableReaders::ReadTilesetTable(chooser.TilesetFile.toStdString());
        Defines::CurTileset = 0;
        TableReaders::ReadMapTable(chooser.MapFile.toStdString());
    } catch (const DataFileError &e) {
        // The program cannot go on without its tables; the ROM has not been touched.
        Dialogs::Error(QString::fromStdString(e.what()));
        Program::End();
        return;
    }
    // Every Save compares the ROM's size with this one, so that a file cut or grown by
    // another program since is never written into (or backed up over a good backup).
    Defines::RomSize = RomFiles::SizeOf(Defines::RomPath);
    // Pictures come from this ROM and this version's tileset table, before anything is drawn.
    TileStore::instance().Reload();
    WarnIfRomIsShort();

    // The map chooser's part of the load step, ending with the first map load.
    for (int i = 0; i <= Defines::LastCategory; ++i)
        CatList->addItem(QString::fromStdString(Defines::CategoryTable[i][1].str()));
    CatList->setListIndex(0);
    Defines::CurCategory = 0;
    Defines::CurMap = 0;
    MapComment->setText(QString::fromStdString(Defines::MapTable[0][9].str()));
    FillMapList();
    Scroll->setMax(Defines::LastBlock - 5);
    DrawPalette();
    MapLoaded = false;
    if (!LoadMap()) {
        // Nothing of this ROM is in memory: saving or editing now would write another
        // map's data (or none) into it. "Go" with a map that loads makes them available.
        EnableMapCommands(false);
    }
}

// Said once for each opened ROM: a short file is not refused (its maps may still be
// looked at), but nothing that lies past its end can be shown or saved.
void MainForm::WarnIfRomIsShort()
{
    if (Defines::RomSize < 0)
        return; // the map load reports a ROM it cannot read
    const std::int64_t needed = RomExtent::NeededByTables();
    if (Defines::RomSize >= needed)
        return;
    Dialogs::Warn(QStringLiteral("The ROM %1 is %2 bytes; the tables for this version expect at least %3. "
                                 "Maps whose data lie past its end show empty blocks and cannot be saved.")
                      .arg(QString::fromStdString(Defines::RomPath))
                      .arg(qint64(Defines::RomSize))
                      .arg(needed));
}

void MainForm::EnableMapCommands(bool on)
{
    mnuSave->setEnabled(on);
    mnuSaveAs->setEnabled(on);
    mnuBlockEdit->setEnabled(on);
    if (!on) {
        mnuWarpEdit->setEnabled(false);
        mnuEventEdit->setEnabled(false);
        mnuWildEdit->setEnabled(false);
    }
}

void MainForm::Form_Unload(int &Cancel)
{
    if (Reopening)
        return;
    if (Dialogs::Ask(Changed ? ExitUnsavedQuestion : ExitQuestion)) {
        Program::End();
        return;
    }
    Cancel = 1;
}

void MainForm::Form_Activate()
{
    DrawMap();
    DrawPalette();
    if (Scroll)
        Scroll->setFocus();
}

void MainForm::mnuOpen_Click()
{
    if (Changed) {
        if (!Dialogs::AskDiscard())
            return;
        Changed = false;
    }
    Undo.Clear();
    Reopening = true;
    Unload();
    Forms::Splash().Unload();
    Defines::Main();
    Reopening = false;
}

void MainForm::mnuExit_Click()
{
    if (Dialogs::Ask(Changed ? ExitUnsavedQuestion : ExitQuestion))
        Program::End();
}

void MainForm::mnuAbout_Click()
{
    setVisible(false);
    Forms::About().setVisible(true);
}

void MainForm::mnuBlockEdit_Click()
{
    Form *editor = Forms::BlockEdit();
    if (!editor || !MapLoaded)
        return;
    editor->setVisible(true);
    setVisible(false);
}

// The main window goes first, then the editor comes up (loading it when needed).
void MainForm::HandOverTo(Form *editor)
{
    if (!editor || !MapLoaded)
        return;
    setVisible(false);
    editor->setVisible(true);
}

void MainForm::mnuWildEdit_Click()
{
    HandOverTo(Forms::WildEdit());
}

void MainForm::mnuWarpEdit_Click()
{
    HandOverTo(Forms::WarpEdit());
}

void MainForm::mnuEventEdit_Click()
{
    HandOverTo(Forms::EventEdit());
}

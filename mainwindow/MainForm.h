#pragma once

#include "core/ui/Form.h"
#include "mainwindow/model/UndoList.h"
#include "mainwindow/model/ViewFrame.h"

#include <cstdint>

class CellGrid;
class LineControl;
class ListBox;
class QAction;
class QGroupBox;
class QLabel;
class QMenu;
class QPushButton;
class ScrollBar;
class ShapeControl;

// The main window: the 8 x 6 block map view, the block palette with the border
// block, the map chooser, and the menus that save the map and open the editors.
class MainForm : public Form
{
    Q_OBJECT
public:
    MainForm();

    // --- Variables of the window (kept while it is unloaded) ---
    bool Reopening = false;     // File > Open is unloading the window: its close asks nothing
    bool Changed = false;       // the map has unsaved edits
    UndoList Undo;              // UndoCount is Undo.UndoCount()
    std::int16_t ScrollX = 0;   // map column shown in view column 0
    std::int16_t ScrollY = 0;   // map row shown in view row 0
    std::int16_t SelBlock = 0;  // the block a left click paints
    std::int16_t BorderBlockNum = 0;
    std::int32_t BorderPos = 0;
    std::int32_t MapBlockPos = 0;
    // A map of the open ROM has been loaded. Until then there is nothing of this ROM to
    // save or edit: the positions and blocks in memory belong to no map of it.
    bool MapLoaded = false;

    int UndoCount() const { return Undo.UndoCount(); }

    // --- Controls (null while the window is unloaded) ---
    QMenu *mnuFile = nullptr;
    QAction *mnuOpen = nullptr;
    QAction *mnuSave = nullptr;
    QAction *mnuSaveAs = nullptr;
    QAction *mnuExit = nullptr;
    QMenu *mnuEdit = nullptr;
    QAction *mnuUndo = nullptr;
    QMenu *mnuMode = nullptr;
    QAction *mnuBlockEdit = nullptr;
    QAction *mnuWildEdit = nullptr;
    QAction *mnuWarpEdit = nullptr;
    QAction *mnuEventEdit = nullptr;
    QMenu *mnuOptions = nullptr;
    QAction *mnuGridlines = nullptr;
    QMenu *mnuHelp = nullptr;
    QAction *mnuAbout = nullptr;

    CellGrid *MapTile = nullptr;        // 768 cells
    ShapeControl *Shape2 = nullptr;     // frame around the map
    LineControl *Line[18] = {};         // Line1..Line12 gridlines, Line13..Line17 palette separators
    ScrollBar *HScroll = nullptr;
    ScrollBar *VScroll = nullptr;

    CellGrid *SideBlock = nullptr;      // 96 palette cells
    ScrollBar *Scroll = nullptr;
    ShapeControl *SelBorder = nullptr;
    ShapeControl *Shape3 = nullptr;
    QLabel *BlockHex = nullptr;
    CellGrid *BorderBlock = nullptr;    // 16 cells
    ShapeControl *Shape1 = nullptr;
    QLabel *Label1 = nullptr;

    QGroupBox *Frame1 = nullptr;
    QLabel *Label2 = nullptr;
    QGroupBox *Frame2 = nullptr;
    ListBox *CatList = nullptr;
    ListBox *MapList = nullptr;
    QLabel *MapComment = nullptr;
    QPushButton *Command2 = nullptr;
    QLabel *CurMapName = nullptr;

    // --- Procedures and handlers ---
    void DrawMap();
    void DrawPalette();
    // Makes CurMap the loaded map; false (with a message shown) when it is refused or
    // cannot be read, the previous map staying loaded.
    bool LoadMap();

    void HScroll_Change();
    void VScroll_Change();
    void Scroll_Change();
    void mnuGridlines_Click();

    void SideBlock_MouseDown(int Index, int Button, int Shift, int X, int Y);
    void MapTile_MouseDown(int Index, int Button, int Shift, int X, int Y);
    void BorderBlock_MouseDown(int Index, int Button, int Shift, int X, int Y);
    void mnuUndo_Click();

    void CatList_MouseDown(int Button, int Shift, int X, int Y);
    void MapList_MouseDown(int Button, int Shift, int X, int Y);
    void Command2_Click();

    void mnuOpen_Click();
    void mnuSave_Click();
    void mnuSaveAs_Click();
    void mnuExit_Click();
    void mnuAbout_Click();
    void mnuBlockEdit_Click();
    void mnuWildEdit_Click();
    void mnuWarpEdit_Click();
    void mnuEventEdit_Click();

    // The frame and gridlines as the view shows them now.
    ViewFrame CurrentFrame() const;

protected:
    void CreateControls() override;
    void ControlsDestroyed() override;
    void Form_Load() override;
    void Form_Unload(int &Cancel) override;
    void Form_Activate() override;

private:
    void CreateMenus();
    void CreateMapView();
    void CreatePalette();
    void CreateChooser();
    void ApplyFrame(const ViewFrame &frame);
    void ApplyPick();
    void FillMapList();
    void HandOverTo(Form *editor);
    void EnableMapCommands(bool on);
    void WarnIfRomIsShort();
    bool SaveAllowed();
    bool WriteMapTo(const std::string &romPath);
};

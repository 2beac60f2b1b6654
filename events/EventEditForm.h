#pragma once

#include "core/ui/Form.h"
#include "events/model/EventGridLines.h"
#include "events/model/EventRecords.h"
#include "events/model/EventTables.h"

#include <cstdint>

class CellGrid;
class ImageControl;
class LineControl;
class ListBox;
class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class ScrollBar;
class ShapeControl;

// The window EventEdit: the current map's records of one event type as symbols on the
// square grid, moved by presses on the map, their properties typed into boxes, and all
// records of the type saved into the ROM at once.
class EventEditForm : public Form
{
    Q_OBJECT
public:
    EventEditForm();

    // --- Variables of the window (kept while it is unloaded) ---
    bool Changed = false;          // a record was moved and not saved
    std::int16_t CurType = 0;      // the current event type (row of EventTypes, entry of SelType)
    std::int16_t SelEvent = 0;     // the selected record, always below EventCount when there are records
    std::int16_t EventCount = 0;   // records of the current type on the current map
    EventRecords::DataTable EventData = {};
    EventTables::TypeLayout Type;  // the current type's layout, as the last load took it
    EventRecords::DisplayOffsets Offsets; // the current map's display offsets, as the last load took them
    std::int32_t MapBlockPos = 0;
    std::int16_t ScrollX = 1;
    std::int16_t ScrollY = 1;
    std::int16_t StepX = 2;
    std::int16_t StepY = 2;

    // --- Controls (null while the window is unloaded) ---
    CellGrid *MapTile = nullptr;       // 768 cells
    ShapeControl *Shape2 = nullptr;    // frame around the map
    LineControl *Line[27] = {};        // Line1..Line26 gridlines
    ScrollBar *HScroll = nullptr;
    ScrollBar *VScroll = nullptr;
    ImageControl *EventSym[32] = {};

    QGroupBox *Frame1 = nullptr;
    ListBox *SelType = nullptr;
    QPushButton *Command2 = nullptr;   // Go

    QGroupBox *Frame2 = nullptr;
    QLabel *DEventNum = nullptr;
    QLabel *Label1 = nullptr;
    QLineEdit *TextString = nullptr;
    QLabel *Label2 = nullptr;
    QLineEdit *PictureNum = nullptr;
    QLabel *Label3 = nullptr;
    QLineEdit *Move1 = nullptr;
    QLabel *Label4 = nullptr;
    QLineEdit *Move2 = nullptr;
    QLabel *Label5 = nullptr;
    QLineEdit *Item = nullptr;
    QLabel *Label6 = nullptr;
    QLineEdit *PokeData = nullptr;
    QLabel *Label7 = nullptr;
    QLineEdit *TrainerType = nullptr;

    QGroupBox *Frame3 = nullptr;
    QCheckBox *CheckGrid = nullptr;
    QPushButton *Command1 = nullptr;   // Save

    // The property boxes and their labels in the order of the type table's columns
    // (TextStringByte..TrainerTypeByte); null while unloaded.
    QLineEdit *PropertyBox(int property) const;
    QLabel *PropertyLabel(int property) const;

    // --- Procedures and handlers ---
    // Loads CurMap and the records of CurType from the ROM and fits the view; false
    // (with a message shown, nothing changed) when the map or the records cannot be read.
    bool LoadMap();
    void DrawMap();
    void HScroll_Change();
    void VScroll_Change();
    void CheckGrid_Click();
    void Command2_Click();
    void Command1_Click();
    void MapTile_MouseDown(int Index, int Button, int Shift, int X, int Y);
    void EventSym_MouseDown(int Index, int Button, int Shift, int X, int Y);
    void TextString_Change();
    void PictureNum_Change();
    void Move1_Change();
    void Move2_Change();
    void Item_Change();
    void PokeData_Change();
    void TrainerType_Change();

    // The frame and gridlines as the view shows them now.
    EventGridLines CurrentGrid() const;

protected:
    void CreateControls() override;
    void ControlsDestroyed() override;
    void Form_Load() override;
    void Form_Unload(int &Cancel) override;
    void Form_Activate() override;

private:
    void CreateMapView();
    void CreateEditFrame();
    void ApplyGrid(const EventGridLines &grid);
    void PropertyChanged(int property);
    void ShowSelection();
    void FillPropertyBoxes();
    // The editor cannot go on: back to the main window without a question.
    void HandBack();
};

#pragma once

#include "core/ui/Form.h"
#include "warps/model/SquareViewFrame.h"
#include "warps/model/WarpRecords.h"

#include <cstdint>

class CellGrid;
class ImageControl;
class LineControl;
class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QString;
class ScrollBar;
class ShapeControl;

// The warp editor: the current map on the square grid with either its warps or its
// warp-to points as symbols; a click on a symbol selects its record, a click on the
// map moves the selected record there; Save writes the records back into the ROM.
class WarpEditForm : public Form
{
    Q_OBJECT
public:
    WarpEditForm();

    // --- Variables of the window (kept while it is unloaded) ---
    std::int16_t WarpCount = 0;          // records held for the current mode
    std::int32_t WarpData[17][5] = {};   // row = record; columns 1..4 its bytes as displayed
    std::int16_t SelWarp = 0;            // the selected record (and its symbol)
    std::int32_t MapBlockPos = 0;
    std::int16_t ScrollX = 0;
    std::int16_t ScrollY = 0;
    std::int16_t StepX = 0;              // 2 x ScrollX, as the last drawing left it
    std::int16_t StepY = 0;
    bool Changed = false;                // records were moved and not saved
    WarpRecords::MapRow TableRow;        // the map table row as the last load read it
    int RomRecordCount = 0;              // records the map has (may exceed the 16 held)

    // --- Controls (null while the window is unloaded) ---
    CellGrid *MapTile = nullptr;         // 768 cells
    ShapeControl *Shape2 = nullptr;
    LineControl *Line[SquareViewFrame::LineCount + 1] = {}; // Line1..Line26
    ScrollBar *HScroll = nullptr;
    ScrollBar *VScroll = nullptr;
    ImageControl *WarpSym[16] = {};

    QGroupBox *Frame1 = nullptr;
    QRadioButton *EditWarps = nullptr;
    QRadioButton *EditWarpTo = nullptr;
    QCheckBox *CheckGrid = nullptr;
    QGroupBox *Frame2 = nullptr;
    QLabel *DWarpNum = nullptr;
    QLabel *Label1 = nullptr;
    QLineEdit *ToMap = nullptr;
    QLabel *Label2 = nullptr;
    QLineEdit *ToPoint = nullptr;
    QLabel *Label3 = nullptr;
    QLabel *Label4 = nullptr;
    QLabel *Label6 = nullptr;
    QPushButton *Command1 = nullptr;

    // --- Handlers ---
    void CheckGrid_Click();
    void Command1_Click();
    void EditWarps_Click();
    void EditWarpTo_Click();
    void HScroll_Change();
    void VScroll_Change();
    void MapTile_MouseDown(int Index, int Button, int Shift, int X, int Y);
    void ToMap_Change();
    void ToPoint_Change();
    void WarpSym_MouseDown(int Index, int Button, int Shift, int X, int Y);

    // The mode, read from the option buttons.
    WarpRecords::Mode CurrentMode() const;
    // The frame and gridlines as the view shows them now.
    SquareViewFrame CurrentFrame() const;

protected:
    void CreateControls() override;
    void ControlsDestroyed() override;
    void Form_Load() override;
    void Form_Unload(int &Cancel) override;
    void Form_Activate() override;

private:
    void CreateMapView();
    void CreateOptions();
    void CreateEditFrame();
    void ApplyFrame(const SquareViewFrame &frame);
    void DrawMap();
    bool LoadMap();
    void PlaceSymbol(int k, int x, int y);
    void ShowFirstRecord();
    void SwitchMode(WarpRecords::Mode mode);
    void HandBack(const QString &message);
};

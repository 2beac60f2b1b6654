// The warp editor's map view: cells, frame, the 26 gridlines, scrolling, the symbols
// on the square grid, and the two clicks that select and move records.
#include "WarpEditForm.h"

#include "core/ui/FrameLines.h"
#include "core/ui/ImageControl.h"
#include "core/Defines.h"
#include "core/SquareGrid.h"
#include "core/ui/CellGrid.h"
#include "core/ui/Dialogs.h"
#include "core/ui/LineControl.h"
#include "core/ui/ScrollBar.h"
#include "core/ui/ShapeControl.h"
#include "pictures/MapViewCells.h"
#include "pictures/WarpSymbols.h"
#include "warps/model/EventPlacement.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>

void WarpEditForm::CreateMapView()
{
    QWidget *w = client();
    MapTile = MapViewCells::Create(w);
    connect(MapTile, &CellGrid::MouseDown, this, &WarpEditForm::MapTile_MouseDown);

    // From back to front: cells, frame, gridlines, symbols.
    Shape2 = new ShapeControl(w, 120, 120, 7695, 5775);
    const SquareViewFrame design = SquareViewFrame::Design();
    for (int k = 1; k <= SquareViewFrame::LineCount; ++k) {
        const int at = SquareViewFrame::Position(k);
        if (SquareViewFrame::IsVertical(k))
            Line[k] = new LineControl(w, at, SquareViewFrame::Origin, at, design.LineY2[k]);
        else
            Line[k] = new LineControl(w, SquareViewFrame::Origin, at, design.LineX2[k], at);
    }

    HScroll = MapViewCells::CreateHScroll(w);
    connect(HScroll, &ScrollBar::Change, this, &WarpEditForm::HScroll_Change);

    VScroll = MapViewCells::CreateVScroll(w);
    connect(VScroll, &ScrollBar::Change, this, &WarpEditForm::VScroll_Change);

    // Parked below the client area until placed.
    for (int k = 0; k < 16; ++k) {
        WarpSym[k] = new ImageControl(w, 120 + 480 * k, 7920, 495, 495, k);
        WarpSym[k]->setPicture(k == 0 ? WarpSymbols::WarpSel() : WarpSymbols::WarpNon());
        WarpSym[k]->hide();
        connect(WarpSym[k], &ImageControl::MouseDown, this, &WarpEditForm::WarpSym_MouseDown);
    }
}

SquareViewFrame WarpEditForm::CurrentFrame() const
{
    return FrameLines::Read<SquareViewFrame>(Shape2, Line, SquareViewFrame::LineCount);
}

void WarpEditForm::ApplyFrame(const SquareViewFrame &f)
{
    FrameLines::Apply(f, Shape2, Line, SquareViewFrame::LineCount);
}

void WarpEditForm::CheckGrid_Click()
{
    SquareViewFrame f = CurrentFrame();
    if (CheckGrid->isChecked()) {
        f.ShowLines(1, SquareViewFrame::LineCount);
        f.Fit(Defines::MapWidth, Defines::MapHeight);
    } else {
        f.HideAllLines();
    }
    ApplyFrame(f);
}

void WarpEditForm::PlaceSymbol(int k, int x, int y)
{
    const SquareGrid::Place p = SquareGrid::PlaceOf(x, y, StepX, StepY);
    if (p.visible) {
        WarpSym[k]->setPosition(p.left, p.top);
        WarpSym[k]->show();
    } else {
        WarpSym[k]->hide();
    }
}

void WarpEditForm::DrawMap()
{
    if (!MapTile)
        return;
    MapViewCells::Draw(MapTile, ScrollX, ScrollY);
    StepX = std::int16_t(2 * ScrollX);
    StepY = std::int16_t(2 * ScrollY);
    const WarpRecords::SquareColumns cols = WarpRecords::ColumnsOf(CurrentMode());
    for (int k = 0; k < WarpCount; ++k)
        PlaceSymbol(k, WarpData[k][cols.x], WarpData[k][cols.y]);
    if (SelWarp >= 0 && SelWarp < 16)
        WarpSym[SelWarp]->raise();
}

void WarpEditForm::HScroll_Change()
{
    for (ImageControl *sym : WarpSym)
        sym->hide();
    ScrollX = std::int16_t(HScroll->Value());
    DrawMap();
}

void WarpEditForm::VScroll_Change()
{
    for (ImageControl *sym : WarpSym)
        sym->hide();
    ScrollY = std::int16_t(VScroll->Value());
    DrawMap();
}

// Moves the selected record to the square under the click; a warp-to point also gets
// the event placement of the clicked block. Any button does it.
void WarpEditForm::MapTile_MouseDown(int Index, int, int, int, int)
{
    // Without a record there is nothing to move.
    if (SelWarp < 0 || SelWarp >= WarpCount)
        return;
    const SquareGrid::Square sq = SquareGrid::SquareOfCell(Index, ScrollX, ScrollY);
    if (CurrentMode() == WarpRecords::Mode::WarpTo) {
        // Both halves of a block give the block's placement: bx = x div 2, by = y div 2.
        const EventPlacement::Value v =
            EventPlacement::Compute(Defines::MapWidth, sq.x / 2, sq.y / 2, TableRow.PlacementAdjust);
        if (!v.Fits()) {
            Dialogs::Error(QStringLiteral("The event placement for this square would be %1, which does not fit two "
                                          "bytes (0 to 65535).\nThe warp-to point was not moved.")
                               .arg(v.Whole()));
            return;
        }
        Label4->setText(QStringLiteral("Event Placement: ") + QString::number(v.Low));
        Label6->setText(QString::number(v.High));
        WarpData[SelWarp][2] = std::int32_t(v.High);
        WarpData[SelWarp][1] = std::int32_t(v.Low);
        WarpData[SelWarp][4] = sq.x;
        WarpData[SelWarp][3] = sq.y;
    } else {
        WarpData[SelWarp][2] = sq.x;
        WarpData[SelWarp][1] = sq.y;
    }
    PlaceSymbol(SelWarp, sq.x, sq.y);
    Changed = true;
}

void WarpEditForm::WarpSym_MouseDown(int Index, int, int, int, int)
{
    if (Index < 0 || Index >= 16)
        return;
    const bool warpTo = CurrentMode() == WarpRecords::Mode::WarpTo;
    if (SelWarp >= 0 && SelWarp < 16)
        WarpSym[SelWarp]->setPicture(warpTo ? WarpSymbols::WarpToNon() : WarpSymbols::WarpNon());
    WarpSym[Index]->setPicture(warpTo ? WarpSymbols::WarpToSel() : WarpSymbols::WarpSel());
    WarpSym[Index]->raise();
    SelWarp = std::int16_t(Index);
    if (warpTo) {
        Label4->setText(QStringLiteral("Event Placement: ") + QString::number(WarpData[SelWarp][1]));
        Label6->setText(QString::number(WarpData[SelWarp][2]));
        DWarpNum->setText(QStringLiteral("Warp-To Number: ") + QString::number(SelWarp));
    } else {
        ToMap->setText(QString::number(WarpData[SelWarp][4]));
        ToPoint->setText(QString::number(WarpData[SelWarp][3]));
        DWarpNum->setText(QStringLiteral("Warp Number: ") + QString::number(SelWarp));
    }
}

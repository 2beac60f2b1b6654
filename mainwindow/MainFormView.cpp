// The map view of the main window: cells, frame, gridlines, scrolling and the map load.
#include "MainForm.h"

#include "core/Defines.h"
#include "core/MapData.h"
#include "core/ui/FrameLines.h"
#include "core/ui/CellGrid.h"
#include "core/ui/Dialogs.h"
#include "core/ui/LineControl.h"
#include "core/ui/ScrollBar.h"
#include "core/ui/ShapeControl.h"
#include "pictures/MapViewCells.h"

#include <QAction>

void MainForm::CreateMapView()
{
    QWidget *w = client();
    MapTile = MapViewCells::Create(w);
    connect(MapTile, &CellGrid::MouseDown, this, &MainForm::MapTile_MouseDown);

    // Frame and gridlines lie over the cells.
    Shape2 = new ShapeControl(w, 120, 120, 7695, 5775);
    for (int k = 1; k <= 7; ++k)
        Line[k] = new LineControl(w, ViewFrame::LineX(k), 120, ViewFrame::LineX(k), 5880);
    for (int k = 1; k <= 5; ++k)
        Line[7 + k] = new LineControl(w, 120, ViewFrame::LineY(k), 7800, ViewFrame::LineY(k));

    HScroll = MapViewCells::CreateHScroll(w);
    connect(HScroll, &ScrollBar::Change, this, &MainForm::HScroll_Change);

    VScroll = MapViewCells::CreateVScroll(w);
    connect(VScroll, &ScrollBar::Change, this, &MainForm::VScroll_Change);
}

void MainForm::DrawMap()
{
    MapViewCells::Draw(MapTile, ScrollX, ScrollY);
}

void MainForm::HScroll_Change()
{
    ScrollX = std::int16_t(HScroll->Value());
    DrawMap();
}

void MainForm::VScroll_Change()
{
    ScrollY = std::int16_t(VScroll->Value());
    DrawMap();
}

ViewFrame MainForm::CurrentFrame() const
{
    return FrameLines::Read<ViewFrame>(Shape2, Line, 12);
}

void MainForm::ApplyFrame(const ViewFrame &f)
{
    FrameLines::Apply(f, Shape2, Line, 12);
}

void MainForm::mnuGridlines_Click()
{
    ViewFrame f = CurrentFrame();
    if (!mnuGridlines->isChecked()) {
        mnuGridlines->setChecked(true);
        f.ShowAllLines();
        f.Fit(Defines::MapWidth, Defines::MapHeight);
    } else {
        mnuGridlines->setChecked(false);
        f.HideAllLines();
    }
    ApplyFrame(f);
}

bool MainForm::LoadMap()
{
    MapData::Loaded loaded;
    try {
        loaded = MapData::LoadMap(Defines::CurMap);
    } catch (const MapDataError &e) {
        Dialogs::Error(QString::fromStdString(e.what()));
        return false;
    }
    MapLoaded = true;
    BorderPos = loaded.BorderPos;
    MapBlockPos = loaded.MapBlockPos;
    BorderBlockNum = loaded.BorderBlockNum;
    // The palette's range follows the tileset; a value above it comes down to the maximum.
    Scroll->setMin(0);
    Scroll->setMax(Defines::LastBlock - 5);

    const int w = Defines::MapWidth, h = Defines::MapHeight;
    MapViewCells::ResetToMap(MapTile, HScroll, VScroll);
    ScrollX = 1;
    ScrollY = 1;

    ViewFrame f = CurrentFrame();
    if (mnuGridlines->isChecked()) {
        f.ShowAllLines();
        f.Fit(w, h);
    } else {
        f.FitFrameOnly(w, h);
    }
    ApplyFrame(f);
    DrawMap();
    return true;
}

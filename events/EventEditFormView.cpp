// The event editor's map view: cells, frame, gridlines, symbols, scrolling, the map
// load and moving the selected record with a press on the map.
#include "EventEditForm.h"

#include "core/ui/FrameLines.h"
#include "core/ui/ImageControl.h"
#include "core/Defines.h"
#include "core/MapData.h"
#include "core/RomFile.h"
#include "core/SquareGrid.h"
#include "core/ui/CellGrid.h"
#include "core/ui/Dialogs.h"
#include "core/ui/LineControl.h"
#include "core/ui/ScrollBar.h"
#include "core/ui/ShapeControl.h"
#include "pictures/EventSymbols.h"
#include "pictures/MapViewCells.h"

#include <QCheckBox>

void EventEditForm::CreateMapView()
{
    QWidget *w = client();
    MapTile = MapViewCells::Create(w);
    connect(MapTile, &CellGrid::MouseDown, this, &EventEditForm::MapTile_MouseDown);

    // Stacking from the bottom: cells, frame, gridlines, symbols.
    Shape2 = new ShapeControl(w, 120, 120, EventGridLines::FullWidth, EventGridLines::FullHeight);
    const EventGridLines design = EventGridLines::Design();
    for (int n = 1; n <= EventGridLines::Lines; ++n) {
        const int at = EventGridLines::Place(n);
        Line[n] = EventGridLines::IsVertical(n) ? new LineControl(w, at, 120, at, design.LineY2[n])
                                                : new LineControl(w, 120, at, design.LineX2[n], at);
    }

    HScroll = MapViewCells::CreateHScroll(w);
    connect(HScroll, &ScrollBar::Change, this, &EventEditForm::HScroll_Change);

    VScroll = MapViewCells::CreateVScroll(w);
    connect(VScroll, &ScrollBar::Change, this, &EventEditForm::VScroll_Change);

    // Parked below the visible client area, hidden; symbol 0 stands for the selected record.
    for (int k = 0; k < 32; ++k) {
        EventSym[k] = new ImageControl(w, 120 + 480 * (k % 16), k < 16 ? 8160 : 8640, 495, 495, k);
        EventSym[k]->setPicture(k == 0 ? EventSymbols::Selected() : EventSymbols::Unselected());
        EventSym[k]->hide();
        connect(EventSym[k], &ImageControl::MouseDown, this, &EventEditForm::EventSym_MouseDown);
    }
}

bool EventEditForm::LoadMap()
{
    const std::int16_t map = Defines::CurMap;
    const EventTables::TypeLayout type = EventTables::Layout(CurType);
    if (const auto problem = EventTables::CountProblem(map, CurType)) {
        Dialogs::Error(QString::fromStdString(*problem));
        return false;
    }
    const int count = EventTables::RecordCount(map, CurType);

    // Everything is read before anything changes, so a failure leaves the window as it was.
    EventRecords::DisplayOffsets offsets;
    std::vector<EventRecords::RawRecord> records;
    MapData::Loaded loaded;
    try {
        offsets = EventRecords::OffsetsOf(map);
        records = EventRecords::ReadTable(Defines::RomPath, EventTables::TablePosition(map, CurType), count,
                                          type.RecordLength);
        loaded = MapData::LoadMap(map);
    } catch (const MapDataError &e) {
        Dialogs::Error(QString::fromStdString(e.what()));
        return false;
    } catch (const RomError &e) {
        Dialogs::Error(QString::fromStdString(e.what()));
        return false;
    }

    // The records first, so that every drawing below shows the new ones.
    Type = type;
    Offsets = offsets;
    MapBlockPos = loaded.MapBlockPos;
    EventCount = std::int16_t(count);
    EventRecords::Store(EventData, records, Type, Offsets);
    // A selection from a type with more records falls back to the first record.
    if (SelEvent < 0 || SelEvent >= EventCount)
        SelEvent = 0;
    ShowSelection();

    const int w = Defines::MapWidth, h = Defines::MapHeight;
    MapViewCells::ResetToMap(MapTile, HScroll, VScroll);
    ScrollX = 1;
    ScrollY = 1;

    EventGridLines grid = CurrentGrid();
    if (CheckGrid->isChecked()) {
        grid.ShowAllLines();
        grid.FitWidth(w);
        grid.FitHeight(h);
    } else {
        grid.FitFrameOnly(w, h);
    }
    ApplyGrid(grid);
    DrawMap();
    FillPropertyBoxes();
    return true;
}

void EventEditForm::DrawMap()
{
    if (!MapTile)
        return;
    MapViewCells::Draw(MapTile, ScrollX, ScrollY);
    StepX = std::int16_t(2 * ScrollX);
    StepY = std::int16_t(2 * ScrollY);
    for (int r = 0; r < EventCount && r < 32; ++r) {
        const SquareGrid::Square s = EventRecords::SquareOf(EventData, r, Type);
        const SquareGrid::Place p = SquareGrid::PlaceOf(s.x, s.y, StepX, StepY);
        if (p.visible) {
            EventSym[r]->setLeft(p.left);
            EventSym[r]->setTop(p.top);
        }
        EventSym[r]->setVisible(p.visible);
    }
    if (SelEvent >= 0 && SelEvent < 32)
        EventSym[SelEvent]->raise();
}

void EventEditForm::HScroll_Change()
{
    for (ImageControl *s : EventSym)
        s->hide();
    ScrollX = std::int16_t(HScroll->Value());
    DrawMap();
}

void EventEditForm::VScroll_Change()
{
    for (ImageControl *s : EventSym)
        s->hide();
    ScrollY = std::int16_t(VScroll->Value());
    DrawMap();
}

EventGridLines EventEditForm::CurrentGrid() const
{
    return FrameLines::Read<EventGridLines>(Shape2, Line, EventGridLines::Lines);
}

void EventEditForm::ApplyGrid(const EventGridLines &g)
{
    FrameLines::Apply(g, Shape2, Line, EventGridLines::Lines);
}

void EventEditForm::CheckGrid_Click()
{
    if (!Shape2)
        return;
    EventGridLines g = CurrentGrid();
    if (CheckGrid->isChecked()) {
        g.ShowAllLines();
        g.FitWidth(Defines::MapWidth);
        g.FitHeight(Defines::MapHeight);
    } else {
        g.HideAllLines();
    }
    ApplyGrid(g);
}

void EventEditForm::MapTile_MouseDown(int Index, int, int, int, int)
{
    // With no record of the type on the map there is nothing to move.
    if (SelEvent < 0 || SelEvent >= EventCount)
        return;
    const SquareGrid::Square s = SquareGrid::SquareOfCell(Index, ScrollX, ScrollY);
    EventRecords::PutOnSquare(EventData, SelEvent, Type, s.x, s.y);
    const SquareGrid::Place p = SquareGrid::PlaceOf(s.x, s.y, StepX, StepY);
    ImageControl *sym = EventSym[SelEvent];
    if (p.visible) {
        sym->setLeft(p.left);
        sym->setTop(p.top);
    }
    sym->setVisible(p.visible);
    Changed = true;
}

#pragma once

// What the event editor's window tests add to the synthetic game: four event types in
// the usual layouts, records on map 0 (10 x 9 blocks) and 20 people on map 1.

#include "UiHarness.h"

#include "core/ui/LineControl.h"
#include "core/ui/ScrollBar.h"
#include "core/ui/ShapeControl.h"
#include "events/EventEditForm.h"
#include "core/ui/ImageControl.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace EventTestGame {

constexpr std::int64_t SignsPos = 0x1A001;    // map 0: 2 signs of 3 bytes
constexpr std::int64_t PeoplePos = 0x1A101;   // map 0: 3 people of 6 bytes
constexpr std::int64_t TrainersPos = 0x1A201; // map 0: 1 trainer of 8 bytes
constexpr std::int64_t CrowdPos = 0x1A301;    // map 1: 20 people

enum Type { Signs, People, Items, Trainers };

inline std::string TypesText()
{
    return "header\nsecond header\n"
           "0,\"Signs\",1,3,0,0,1,2,3,0,0,0,0,0,0\n"
           "1,\"People\",3,6,4,4,2,3,6,1,4,5,0,0,0\n"
           "2,\"Items\",5,7,4,4,2,3,6,1,4,5,7,0,0\n"
           "3,\"Trainers\",7,8,4,4,2,3,6,1,4,5,0,8,7\n";
}

inline std::string EventsText()
{
    const auto n = [](std::int64_t v) { return std::to_string(v); };
    return "header\nsecond header\n0," + n(SignsPos) + ",2," + n(PeoplePos) + ",3,1,0," + n(TrainersPos)
           + ",1,0\n1,1,0," + n(CrowdPos) + ",20,1,0,1,0,0\n";
}

// Adds the event files and records to the harness's game (before start()); map 0's
// display offsets (map table columns 14 and 15) become x and y.
inline void Install(UiHarness &h, int x = 0, int y = 0)
{
    auto put = [&h](std::int64_t pos, std::initializer_list<int> bytes) {
        for (int b : bytes)
            TestFiles::Poke(h.game.rom, pos++, std::uint8_t(b));
    };
    put(SignsPos, {2, 3, 10, 11, 15, 0}); // (y, x, text): squares (3, 2), (15, 11)
    // (picture, y + 4, x + 4, movement 1, movement 2, text): squares (0, 0), (19, 17), (5, 5)
    put(PeoplePos, {1, 4, 4, 0xFE, 0, 5, 2, 21, 23, 0xFF, 1, 6, 3, 9, 9, 0, 2, 0});
    put(TrainersPos, {7, 5, 6, 0, 0, 9, 200, 1}); // square (2, 1), trainer type 200, set 1
    for (int r = 0; r < 20; ++r)
        put(CrowdPos + 6 * r, {r, 6, 4 + r, 0, 0, r}); // squares (r, 2)
    h.folder->writeBytes("game.gb", h.game.rom);
    h.folder->writeText("EventTypes.tvr", TypesText());
    h.folder->writeText("EventsR.tvr", EventsText());
    h.folder->writeText("EventsB.tvr", EventsText());

    std::string maps = h.game.mapTableText();
    const std::size_t row = maps.find("\n0,\"Pallet Town\"");
    const std::size_t at = maps.find(",#TRUE#,0,0,0,", row);
    maps.replace(at, 14, ",#TRUE#,0," + std::to_string(x) + "," + std::to_string(y) + ",");
    h.folder->writeText("MapsR.tvr", maps);
    h.folder->writeText("MapsB.tvr", maps);
}

inline EventEditForm &Editor()
{
    return *static_cast<EventEditForm *>(Forms::EventEdit());
}

// The main window's Mode menu item opens the editor.
inline EventEditForm &Open(UiHarness &h)
{
    h.main().mnuEventEdit->trigger();
    return Editor();
}

// A type chosen in the list and Go pressed, as a user does.
inline void ChooseType(int type)
{
    UiHarness::clickListEntry(Editor().SelType, type);
    QTest::mouseClick(Editor().Command2, Qt::LeftButton);
}

inline void PressSymbol(int k, Qt::MouseButton button = Qt::LeftButton)
{
    QWidget *sym = Editor().EventSym[k];
    QTest::mousePress(sym, button, Qt::NoModifier, sym->rect().center());
    QTest::mouseRelease(sym, button, Qt::NoModifier, sym->rect().center());
}

// Where symbol k stands (twips), or (-1, -1) when it is hidden.
inline QPoint SymbolAt(int k)
{
    const ImageControl *sym = Editor().EventSym[k];
    return sym->isHidden() ? QPoint(-1, -1) : QPoint(sym->Left(), sym->Top());
}

} // namespace EventTestGame

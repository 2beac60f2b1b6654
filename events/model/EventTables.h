#pragma once

#include "core/Cell.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>

// The event type table ("EventTypes.tvr") and the event position table of the chosen
// version (VersionSelect's EventFile: "EventsR.tvr" / "EventsB.tvr"), read from the
// program's folder. Failures throw DataFileError naming the file, the line and the problem.
namespace EventTables {

constexpr int TypeRows = 33;    // event types 0..32
constexpr int TypeColumns = 15;
constexpr int MapRows = 256;
constexpr int MapColumns = 10;

// The view has 32 symbols, and a record has at most 16 bytes (EventData's columns).
constexpr int MaxRecords = 32;
constexpr int MaxRecordLength = 16;
// The seven properties a type may have (columns TextStringByte..TrainerTypeByte).
constexpr int PropertyCount = 7;

// Columns of EventTypes.
enum TypeColumn {
    TypeName = 1,
    EventsColumn = 2,
    RecordLength = 3,
    TypeYOffset = 4,
    TypeXOffset = 5,
    YByte = 6,
    XByte = 7,
    TextStringByte = 8,
    PictureByte = 9,
    Move1Byte = 10,
    Move2Byte = 11,
    ItemByte = 12,
    PokeSetByte = 13,
    TrainerTypeByte = 14
};

// The tables as read (they keep their contents between readings; rows a file does
// not reach keep what they held).
extern Cell EventTypes[TypeRows][TypeColumns];
extern Cell MapEvents[MapRows][MapColumns];
extern std::int16_t EventTypeLast;

// Each file is read whole and checked before the tables change, so a refused file
// leaves them as they were. Every type line must name an EventsColumn 0..8, a
// RecordLength 1..16, offsets -255..255, a YByte and an XByte within the record and
// property bytes 0 (absent) or within the record, no two of them the same byte; no
// two types may name the same or neighbouring EventsColumns (each takes two fields).
// The position table is checked against the type table in force, so read the types
// first: a map number must be 0..255, and every count a type uses must be 0..32, with
// a position of 1 or more where the count is not 0 and none beyond 8 MiB.
void ReadEventTypes(const std::string &fileName);
void ReadMapEvents(const std::string &fileName);

// Record count and table position of type t on map m (an empty cell counts 0).
int RecordCount(int map, int type);
std::int64_t TablePosition(int map, int type);

// The layout of a type as numbers (read from a checked row).
struct TypeLayout
{
    std::string Name;
    int EventsColumn = 0;
    int RecordLength = 0;
    int TypeYOffset = 0;
    int TypeXOffset = 0;
    int YByte = 0;
    int XByte = 0;
    // Byte numbers of TextStringByte..TrainerTypeByte, in column order; 0 = absent.
    std::array<int, PropertyCount> PropertyByte{};
};
TypeLayout Layout(int type);

// Names of the seven properties in column order, as the window labels them (no colon).
const char *PropertyName(int property);

// What the game adds to the text string number in the stored byte: 128 marks an item,
// 64 a trainer. A type with a trainer type byte holds trainers, one with an item byte
// items; every other type stores the plain number (0).
int TextFlag(const TypeLayout &type);

// Why the records of type t on map m cannot be loaded (a count outside 0..32, which a
// checked reading never leaves but rows kept from an earlier reading might); nothing
// when they can.
std::optional<std::string> CountProblem(int map, int type);

// Back to empty tables (tests only).
void Reset();

} // namespace EventTables

#pragma once

#include "core/WritePlan.h"

#include <array>
#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

// A map table row or a ROM that the warp editor cannot take its records from; the
// message names the map (or the file) and the problem.
class WarpDataError : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
};

// A map's warps (WarpRecord: y, x, destination point, destination map, after the
// warp count byte that follows the border block byte) and warp-to points
// (WarpToRecord: event placement low, high, y, x, at MapTable column 10, counted by
// column 13), as the warp editor holds them: one row per record with the record's
// four bytes in columns 1..4, the x and y with the map's display offsets added.
namespace WarpRecords {

enum class Mode { Warps, WarpTo };

// The window has 16 symbols. A map with more records (the count byte or column 13
// above 16) shows and saves its first 16; the others stay in the ROM as they are.
constexpr int Capacity = 16;

using Row = std::array<std::int32_t, 5>; // columns 1..4; column 0 unused
using Table = std::array<Row, Capacity + 1>;

// The WarpData columns that hold a record's square.
struct SquareColumns
{
    int x;
    int y;
};
SquareColumns ColumnsOf(Mode mode);

// What the warp editor takes from a map's row of MapTable.
struct MapRow
{
    std::int64_t BorderPos = 0;       // column 3: the count byte follows at + 1, the warps at + 2
    std::int64_t WarpToPos = 1;       // column 10; 1 = the map has no warp-to table
    std::int64_t PlacementAdjust = 0; // column 11
    std::int64_t WarpToCount = 0;     // column 13
    std::int64_t XDisplayOffset = 0;  // column 14
    std::int64_t YDisplayOffset = 0;  // column 15

    // Where the records of the mode start (1-based ROM position).
    std::int64_t FirstRecordPos(Mode mode) const;
};

// Whether the map has a warp-to table (MapTable column 10 is not 1).
bool HasWarpToTable(std::int16_t map);

// The map's row, with the columns the mode needs checked: a cell that is no number,
// or a display offset outside -255..255, is refused (WarpDataError naming the map
// and the column).
MapRow ReadMapRow(std::int16_t map, Mode mode);

struct Loaded
{
    int RomCount = 0; // records the map has (count byte or column 13)
    int Count = 0;    // records held: RomCount within 0..Capacity
    Table Data{};     // rows 0..Count-1 filled; the rest 0
};

// Reads the records of the mode from the ROM at romPath, one byte per read, and adds
// the display offsets. A ROM that cannot be opened or read, or in which the count byte
// or a held record lies outside the file, throws WarpDataError naming the position.
Loaded ReadRecords(const std::string &romPath, const MapRow &row, Mode mode);

// The text of a destination box as a byte: decimal digits, blanks allowed around
// them, a value from 0 to 255. Anything else has no byte.
std::optional<int> WholeByte(const std::string &text);

struct SaveJob
{
    Mode mode = Mode::Warps;
    MapRow row;
    int Count = 0;
    Table Data{};
    int SelWarp = 0;
    // Warp mode: the texts of ToMap and ToPoint, which go into the selected warp.
    std::string ToMapText;
    std::string ToPointText;
};

struct SavePlan
{
    std::int64_t Start = 0;        // position of the first record
    std::optional<std::int64_t> CountPos; // warp mode: the count byte the records were read with
    std::vector<int> Bytes;        // Count x 4 bytes, record after record
    // Warp mode with a warp selected: the typed destination, which the record keeps.
    std::optional<int> DestinationPoint;
    std::optional<int> DestinationMap;
};

struct SaveCheck
{
    std::optional<std::string> Problem; // why nothing may be written, for the user
    SavePlan Plan;
};

// The bytes a Save writes: every held record with its display offsets removed and, in
// warp mode, the selected warp's destination taken from the two texts. Every value is
// checked: a destination text that is no whole number 0..255, or a byte outside
// 0..255 (an x or y below its display offset, an event placement beyond two bytes),
// gives a Problem naming the record and the value.
SaveCheck PlanSave(const SaveJob &job);

// The plan's bytes from Start on, as the ROM write takes them, and the count byte
// they stand on, which must lie inside the file too.
WritePlan PlanWrite(const SavePlan &plan);

// Opens the ROM at romPath, writes the plan's bytes from Start on, and closes it.
// Every position is checked inside the file before the first byte is written, so a
// refusal leaves the file as it was. Throws RomError naming the file and the reason.
void WriteRecords(const std::string &romPath, const SavePlan &plan);

} // namespace WarpRecords

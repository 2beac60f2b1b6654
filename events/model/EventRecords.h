#pragma once

#include "EventTables.h"
#include "core/SquareGrid.h"
#include "core/WritePlan.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// The event editor's records of one type on one map: EventData(r, k) holds byte k
// (1..RecordLength) of record r, with the map's display offsets added to the Y and X
// bytes; column 0 is not used.
namespace EventRecords {

constexpr int Rows = 33;
constexpr int Columns = 17;
using DataTable = std::int32_t[Rows][Columns];

// The map's display offsets, MapTable columns 14 (X) and 15 (Y).
struct DisplayOffsets
{
    int X = 0;
    int Y = 0;
};

// Throws MapDataError when a display offset of the map is not a number (an empty
// cell counts 0) or lies outside -255..255.
DisplayOffsets OffsetsOf(int map);

// The bytes of `count` records of `length` bytes from the 1-based position, back to
// back; record r's byte k is at [r][k]. Throws RomError when the ROM cannot be opened
// or read, or when the records do not all lie inside the file.
using RawRecord = std::array<int, Columns>;
std::vector<RawRecord> ReadTable(const std::string &romPath, std::int64_t position, int count, int length);

// Puts read records into rows 0.. of the table (bytes 1..RecordLength; the other
// bytes keep their values) and adds the display offsets to their Y and X bytes.
void Store(DataTable &data, const std::vector<RawRecord> &records, const EventTables::TypeLayout &type,
           DisplayOffsets offsets);

// The square record r stands on: (X byte - TypeXOffset, Y byte - TypeYOffset).
SquareGrid::Square SquareOf(const DataTable &data, int r, const EventTables::TypeLayout &type);
// Puts record r on square (x, y): the inverse of SquareOf.
void PutOnSquare(DataTable &data, int r, const EventTables::TypeLayout &type, int x, int y);

// The value byte k of record r goes to the ROM with: the held value, less the display
// offset for the Y and X bytes.
std::int64_t ByteToWrite(const DataTable &data, int r, int k, const EventTables::TypeLayout &type,
                         DisplayOffsets offsets);

// The first value of records 0..count-1 that has no byte form (outside 0..255), named
// for the user with the record, the property and the value; nothing when all fit.
std::optional<std::string> FindValueWithoutByteForm(const DataTable &data, int count,
                                                    const EventTables::TypeLayout &type, DisplayOffsets offsets);

// The bytes of records 0..count-1, every byte 1..RecordLength, back to back from the
// 1-based position, as the ROM write takes them.
WritePlan PlanWrite(std::int64_t position, const DataTable &data, int count, const EventTables::TypeLayout &type,
                    DisplayOffsets offsets);

// Writes records 0..count-1 (every byte 1..RecordLength, one byte each, back to back
// from the 1-based position) into the ROM. The values and the positions (all inside
// the file) are checked before the first byte is written, so a refusal never leaves
// a half-written table. Throws RomError naming the file and the problem.
void WriteTable(const std::string &romPath, std::int64_t position, const DataTable &data, int count,
                const EventTables::TypeLayout &type, DisplayOffsets offsets);

// A property box's text as a whole number: blanks around it, a leading + or - and a
// decimal fraction (rounded to the nearest whole number, a half to the even one) are
// accepted; nothing else (no separators, exponents or other bases). False when the
// text is no such number or lies outside the 32-bit range.
bool TextToNumber(const std::string &text, std::int32_t &out);

} // namespace EventRecords

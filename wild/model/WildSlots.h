#pragma once

#include "core/WritePlan.h"

#include <array>
#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>

// The ten wild-encounter slots of a map in the ROM: 20 bytes from the 1-based
// position P = MapTable(map, 16), a level byte and then a species byte per slot.
namespace WildSlots {

constexpr int SlotCount = 10;
constexpr int ByteCount = 2 * SlotCount;

// (slot, 1) level, (slot, 2) species value; field 0 is not used.
using Table = std::array<std::array<std::int16_t, 3>, SlotCount>;

// The map's row gives no usable slot position; the message names the map.
class PositionError : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
};

// P of map `map`: MapTable(map, 16) as a whole number of at least 1. Throws
// PositionError when the cell is empty, a truth value or no number, or below 1.
std::int64_t SlotPosition(std::int16_t map);

// The 20 bytes at P to P + 19, slot by slot, level first. Throws RomError when the ROM
// cannot be opened or read, or when the 20 bytes do not all lie inside the file (a
// read past the end would show slots that are not there).
Table Read(const std::string &romPath, std::int64_t P);

// The first level or species value that has no byte form, described for the user
// ("Slot 4: its level 300 ..."); nothing when every value fits.
std::optional<std::string> FindValueWithoutByteForm(const Table &table);

// The 20 bytes at P to P + 19, slot by slot, level first, as the ROM write takes them.
WritePlan PlanWrite(std::int64_t P, const Table &table);

// Writes all 20 bytes at P to P + 19 in the order Read takes them. The values and the
// positions (all inside the file) are checked before the first byte is written, so a
// refusal never leaves half-written slots. Throws RomError naming the file and reason.
void Write(const std::string &romPath, std::int64_t P, const Table &table);

// The level box's number: a decimal with optional surrounding blanks, an optional
// sign and an optional fraction, taken to its floor (-0.5 gives -1, 12.7 gives 12).
// Nothing when the text is no such number (empty text included). Values far outside
// 0..255 saturate, which keeps their side of the range.
std::optional<std::int64_t> LevelFloor(const std::string &text);

} // namespace WildSlots

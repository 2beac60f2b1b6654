#include "WildSlots.h"

#include "core/Defines.h"
#include "core/RomFile.h"

#include <algorithm>
#include <limits>

namespace WildSlots {

std::int64_t SlotPosition(std::int16_t map)
{
    if (map < 0 || map >= Defines::TableRows)
        throw PositionError("There is no map " + std::to_string(map) + "; map numbers run from 0 to 255.");
    const Cell &cell = Defines::MapTable[map][16];
    std::int64_t P = 0;
    if (cell.kind() == Cell::Kind::Empty || cell.kind() == Cell::Kind::Truth || !cell.toNumber(P))
        throw PositionError(Defines::MapNamed(map)
                            + " has no wild Pokémon position: map table column 16 is not a number.");
    if (P < 1)
        throw PositionError(Defines::MapNamed(map) + " has no wild Pokémon position: map table column 16 is "
                            + std::to_string(P) + ", below the first file position 1.");
    return P;
}

Table Read(const std::string &romPath, std::int64_t P)
{
    RomFile rom;
    rom.open(romPath, RomFile::Mode::Read);
    rom.RequireInside("the wild Pokémon slots", P, ByteCount);
    Table table{};
    std::int64_t pos = P;
    for (auto &slot : table) {
        slot[1] = std::int16_t(rom.readByte(pos++));
        slot[2] = std::int16_t(rom.readByte(pos++));
    }
    rom.close();
    return table;
}

std::optional<std::string> FindValueWithoutByteForm(const Table &table)
{
    for (int s = 0; s < SlotCount; ++s)
        for (int field = 1; field <= 2; ++field) {
            const int v = table[std::size_t(s)][std::size_t(field)];
            if (v < 0 || v > 255)
                return "Slot " + std::to_string(s) + ": its " + (field == 1 ? "level " : "species value ")
                       + std::to_string(v) + " has no byte form (0 to 255); nothing was written.";
        }
    return std::nullopt;
}

WritePlan PlanWrite(std::int64_t P, const Table &table)
{
    std::vector<int> bytes;
    for (const auto &slot : table) {
        bytes.push_back(slot[1]);
        bytes.push_back(slot[2]);
    }
    WritePlan plan;
    plan.add("the wild Pokémon slots", P, std::move(bytes));
    return plan;
}

void Write(const std::string &romPath, std::int64_t P, const Table &table)
{
    if (const auto problem = FindValueWithoutByteForm(table))
        throw RomError("The ROM " + romPath + " was not written. " + *problem, romPath, *problem);
    PlanWrite(P, table).WriteTo(romPath);
}

std::optional<std::int64_t> LevelFloor(const std::string &text)
{
    std::size_t i = 0;
    std::size_t end = text.size();
    while (i < end && text[i] == ' ')
        ++i;
    while (end > i && text[end - 1] == ' ')
        --end;
    bool negative = false;
    if (i < end && (text[i] == '+' || text[i] == '-'))
        negative = text[i++] == '-';

    constexpr std::int64_t Saturation = 1000000;
    std::int64_t whole = 0;
    bool digits = false;
    for (; i < end && text[i] >= '0' && text[i] <= '9'; ++i) {
        whole = std::min(whole * 10 + (text[i] - '0'), Saturation);
        digits = true;
    }
    bool fraction = false; // a fraction part other than zero
    if (i < end && text[i] == '.') {
        for (++i; i < end && text[i] >= '0' && text[i] <= '9'; ++i) {
            digits = true;
            if (text[i] != '0')
                fraction = true;
        }
    }
    if (!digits || i != end)
        return std::nullopt;
    if (!negative)
        return whole;
    return -whole - (fraction ? 1 : 0);
}

} // namespace WildSlots

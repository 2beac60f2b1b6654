#include "RomExtent.h"

#include "Defines.h"

#include <algorithm>

namespace {

// A table number as a count or a position, or nothing (-1) when the cell holds none.
// Positions are capped far above any ROM, so that no sum below can overflow.
std::int64_t NumberIn(const Cell &cell)
{
    std::int64_t v = 0;
    if (cell.kind() != Cell::Kind::Number || !cell.toNumber(v) || v < 0)
        return -1;
    return std::min<std::int64_t>(v, std::int64_t(1) << 40);
}

// The last position of `count` bytes from `start`; 0 when there are none.
std::int64_t LastOf(std::int64_t start, std::int64_t count)
{
    if (start < 1 || count < 1)
        return 0;
    return start + count - 1;
}

} // namespace

namespace RomExtent {

std::int64_t NeededByTables()
{
    using namespace Defines;
    std::int64_t needed = 0;
    auto need = [&needed](std::int64_t last) { needed = std::max(needed, last); };

    for (int ts = 0; ts < TableRows; ++ts) {
        const Cell *row = TilesetTable[ts];
        // Graphics: 96 tiles of 16 bytes; position 1 means none.
        if (const std::int64_t graphics = NumberIn(row[1]); graphics > 1)
            need(LastOf(graphics, 96 * 16));
        const std::int64_t lastBlock = NumberIn(row[4]);
        if (lastBlock >= 0)
            need(LastOf(NumberIn(row[5]), 16 * (std::min<std::int64_t>(lastBlock, 255) + 1)));
    }

    for (int map = 0; map < TableRows; ++map) {
        const Cell *row = MapTable[map];
        const std::int64_t height = std::min<std::int64_t>(NumberIn(row[5]), 255);
        const std::int64_t width = std::min<std::int64_t>(NumberIn(row[7]), 255);
        if (height > 0 && width > 0)
            need(LastOf(NumberIn(row[2]), height * width));
        // The border block byte is followed by the warp count byte.
        if (const std::int64_t border = NumberIn(row[3]); border > 1)
            need(LastOf(border, 2));
        if (const std::int64_t warpTo = NumberIn(row[10]); warpTo > 1)
            need(LastOf(warpTo, 4 * std::min<std::int64_t>(NumberIn(row[13]), 255)));
        if (const std::int64_t wild = NumberIn(row[16]); wild > 1)
            need(LastOf(wild, 20));
    }
    return needed;
}

} // namespace RomExtent

#include "MapData.h"

#include "Defines.h"
#include "RomFile.h"

#include <algorithm>
#include <array>
#include <limits>
#include <vector>

namespace {

constexpr std::int64_t Int16Min = std::numeric_limits<std::int16_t>::min();
constexpr std::int64_t Int32Min = std::numeric_limits<std::int32_t>::min();
constexpr std::int64_t Int32Max = std::numeric_limits<std::int32_t>::max();

// Checks the cells a load needs, naming the map in every refusal.
class RowCheck
{
public:
    explicit RowCheck(std::int16_t map)
        : m_prefix(Defines::MapNamed(map) + " cannot be loaded: ")
    {
    }

    [[noreturn]] void refuse(const std::string &problem) const { throw MapDataError(m_prefix + problem + "."); }

    // A truth value or an empty cell is no number, whatever the platform would make of it.
    std::int64_t number(const Cell &cell, const std::string &label, std::int64_t lo, std::int64_t hi) const
    {
        std::int64_t v = 0;
        if (cell.kind() == Cell::Kind::Empty || cell.kind() == Cell::Kind::Truth || !cell.toNumber(v))
            refuse(label + " is not a number");
        if (v > hi)
            refuse(label + " is " + std::to_string(v) + ", above " + std::to_string(hi));
        if (v < lo)
            refuse(label + " is " + std::to_string(v) + ", below " + std::to_string(lo));
        return v;
    }

private:
    std::string m_prefix;
};

} // namespace

namespace MapData {

Loaded LoadMap(std::int16_t map)
{
    if (map < 0 || map >= Defines::TableRows)
        throw MapDataError("There is no map " + std::to_string(map) + "; map numbers run from 0 to 255.");
    const Cell *row = Defines::MapTable[map];
    const RowCheck check(map);

    // Sizes of 0 or less read nothing; above 255 they do not fit MapBlocks.
    const std::int64_t mapPos = check.number(row[2], "its block data position (map table column 2)", Int32Min, Int32Max);
    const std::int64_t borderPos = check.number(row[3], "its border block position (map table column 3)", Int32Min, Int32Max);
    const std::int64_t height = check.number(row[5], "its height (map table column 5)", Int16Min, 255);
    const std::int64_t width = check.number(row[7], "its width (map table column 7)", Int16Min, 255);
    const std::int64_t tileset = check.number(row[8], "its tileset (map table column 8)", 0, 255);

    const Cell *ts = Defines::TilesetTable[tileset];
    const std::string of = " of its tileset " + std::to_string(tileset);
    const std::int64_t lastBlock = check.number(ts[4], "the last block number" + of + " (tileset table column 4)", Int16Min, 255);
    const std::int64_t blocksetPos = check.number(ts[5], "the block table position" + of + " (tileset table column 5)", Int32Min, Int32Max);
    // Block bytes are 0..255 and block numbers at most 255, so no wider offset makes sense.
    const std::int64_t offset = check.number(ts[6], "the block offset" + of + " (tileset table column 6)", -255, 255);

    // Everything is read before the shared state changes, so a failure leaves the previous map.
    const std::size_t blockCount = lastBlock >= 0 ? std::size_t(lastBlock + 1) : 0;
    const std::size_t rows = height > 0 ? std::size_t(height) : 0;
    const std::size_t columns = width > 0 ? std::size_t(width) : 0;
    std::vector<std::array<std::int32_t, 16>> tiles(blockCount);
    std::vector<std::int16_t> blocks(rows * columns);
    int borderByte = 0;
    try {
        RomFile rom;
        rom.open(Defines::RomPath, RomFile::Mode::Read);
        std::int64_t pos = blocksetPos;
        for (auto &block : tiles)
            for (auto &tile : block)
                tile = rom.readByte(pos++);
        borderByte = rom.readByte(borderPos);
        pos = mapPos;
        for (auto &block : blocks)
            block = std::int16_t(rom.readByte(pos++) - offset);
        rom.close();
    } catch (const RomError &e) {
        throw MapDataError(e.what());
    }

    Defines::CurTileset = std::int16_t(tileset);
    Defines::LastBlock = std::int16_t(lastBlock);
    for (std::size_t b = 0; b < blockCount; ++b)
        for (int j = 0; j < 16; ++j)
            Defines::BlockTiles[b][j] = tiles[b][std::size_t(j)];
    Defines::MapHeight = std::int16_t(height);
    Defines::MapWidth = std::int16_t(width);
    for (std::size_t r = 0; r < rows; ++r)
        for (std::size_t c = 0; c < columns; ++c)
            Defines::MapBlocks[r + 1][c + 1] = blocks[r * columns + c];

    Loaded loaded;
    loaded.BorderPos = std::int32_t(borderPos);
    loaded.MapBlockPos = std::int32_t(mapPos);
    loaded.BorderByte = borderByte;
    loaded.BorderBlockNum = std::int16_t(borderByte - offset);
    return loaded;
}

int BlockOffset()
{
    if (Defines::CurTileset < 0 || Defines::CurTileset >= Defines::TableRows)
        return 0;
    const std::int64_t offset = Defines::TilesetTable[Defines::CurTileset][6].num();
    return int(std::max<std::int64_t>(std::numeric_limits<int>::min(),
                                      std::min<std::int64_t>(std::numeric_limits<int>::max(), offset)));
}

} // namespace MapData

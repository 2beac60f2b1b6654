#include "BlocksetWrite.h"

#include "core/Defines.h"
#include "core/RomFile.h"

#include <algorithm>

namespace BlocksetWrite {

std::vector<Block> TableWith(int lastBlock, int edited, const Block &buffer)
{
    std::vector<Block> table;
    // BlockTiles has 256 rows; MapData never lets LastBlock past 255.
    const int last = std::min(lastBlock, Defines::TableRows - 1);
    for (int b = 0; b <= last; ++b) {
        Block row;
        for (int j = 0; j < 16; ++j)
            row[std::size_t(j)] = Defines::BlockTiles[b][j];
        table.push_back(b == edited ? buffer : row);
    }
    return table;
}

std::optional<std::string> FindValueWithoutByteForm(const std::vector<Block> &table)
{
    for (std::size_t b = 0; b < table.size(); ++b)
        for (int j = 0; j < 16; ++j) {
            const std::int32_t v = table[b][std::size_t(j)];
            if (v < 0 || v > 255)
                return "Block " + std::to_string(b) + " holds the tile number " + std::to_string(v)
                       + " at tile position " + std::to_string(j) + " (row " + std::to_string(j / 4) + ", column "
                       + std::to_string(j % 4) + "), which does not fit a byte (0 to 255); nothing was written.";
        }
    return std::nullopt;
}

std::optional<std::int64_t> TablePosition(std::string &problem)
{
    const int ts = Defines::CurTileset;
    if (ts < 0 || ts >= Defines::TableRows) {
        problem = "There is no tileset " + std::to_string(ts) + "; nothing was written.";
        return std::nullopt;
    }
    const Cell &cell = Defines::TilesetTable[ts][5];
    std::int64_t v = 0;
    if (cell.kind() != Cell::Kind::Number || !cell.toNumber(v)) {
        problem = "The block table position of tileset " + std::to_string(ts)
                  + " (tileset table column 5) is not a number; nothing was written.";
        return std::nullopt;
    }
    return v;
}

WritePlan PlanWrite(std::int64_t position, const std::vector<Block> &table)
{
    std::vector<int> bytes;
    for (const Block &block : table)
        bytes.insert(bytes.end(), block.begin(), block.end());
    WritePlan plan;
    plan.add("the block table", position, std::move(bytes));
    return plan;
}

void Write(const std::string &romPath, std::int64_t position, const std::vector<Block> &table)
{
    if (const auto problem = FindValueWithoutByteForm(table))
        throw RomError("The ROM " + romPath + " was not written. " + *problem, romPath, *problem);
    PlanWrite(position, table).WriteTo(romPath);
}

} // namespace BlocksetWrite

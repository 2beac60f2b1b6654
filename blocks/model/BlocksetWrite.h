#pragma once

#include "core/WritePlan.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// Rewriting a tileset's block table (Blockset) in the ROM image: blocks 0..LastBlock,
// 16 tile numbers each, one byte per tile from the table's 1-based position, nothing
// before or after it touched.
namespace BlocksetWrite {

using Block = std::array<std::int32_t, 16>;

// The table a save writes: BlockTiles rows 0..lastBlock, with row `edited` replaced by
// `buffer` (the edit buffer). Empty when lastBlock is below 0.
std::vector<Block> TableWith(int lastBlock, int edited, const Block &buffer);

// The first tile number that has no byte form (outside 0..255), described for the user
// with its block, tile position and value; nothing when every value fits.
std::optional<std::string> FindValueWithoutByteForm(const std::vector<Block> &table);

// The table position of the current tileset (TilesetTable(CurTileset, 5)); nothing,
// with `problem` set, when the cell holds no usable number.
std::optional<std::int64_t> TablePosition(std::string &problem);

// The table's bytes from `position` on, block by block, as the ROM write takes them.
WritePlan PlanWrite(std::int64_t position, const std::vector<Block> &table);

// Opens the ROM at romPath, writes the table from `position` on and closes it. The
// values and the positions (all inside the file) are checked before the first byte,
// so a refusal never leaves a half-written table. Throws RomError on any failure.
void Write(const std::string &romPath, std::int64_t position, const std::vector<Block> &table);

} // namespace BlocksetWrite

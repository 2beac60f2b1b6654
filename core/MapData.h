#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>

// A map or tileset row that the loader refuses (sizes beyond the data model), or a
// ROM that cannot be read; the message names the row or the file and the problem.
class MapDataError : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
};

// The ROM's map structures: a tileset's block table (Blockset), a map's border block
// byte (BorderBlockByte) and its block bytes (MapBlockData), each starting exactly at
// its 1-based table position.
namespace MapData {

struct Loaded
{
    std::int32_t BorderPos = 0;   // MapTable column 3
    std::int32_t MapBlockPos = 0; // MapTable column 2
    int BorderByte = 0;           // the byte read at BorderPos
    std::int16_t BorderBlockNum = 0; // BorderByte minus the block offset
};

// Loads map `map` into the shared state: CurTileset, LastBlock, BlockTiles rows
// 0..LastBlock, MapHeight, MapWidth and MapBlocks rows 1..MapHeight, columns
// 1..MapWidth (each byte minus the block offset). Nothing else is touched. The map
// and tileset rows are checked first and everything is read before any of the shared
// state changes, so a refused or failed load leaves the previous map loaded
// (throws MapDataError).
Loaded LoadMap(std::int16_t map);

// The block offset of the current tileset (TilesetTable(CurTileset, 6)).
int BlockOffset();

} // namespace MapData

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
//
// Refused: a map number outside 0..255; a needed cell (map table columns 2, 3, 5, 7, 8;
// tileset table columns 4, 5, 6) that is empty, a truth value or not a number; a height
// or width above 255; a tileset outside 0..255; a last block number above 255; a block
// offset outside -255..255; positions beyond 32 bits. A height or width of 0 or less,
// or a last block number below 0, reads nothing for that part (the value is kept). A
// ROM that cannot be opened or read is refused with the file and the reason; bytes past
// its end read as 0.
Loaded LoadMap(std::int16_t map);

// The block offset of the current tileset (TilesetTable(CurTileset, 6)); 0 when
// CurTileset is no table row.
int BlockOffset();

} // namespace MapData

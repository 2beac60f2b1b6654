#pragma once

#include "Cell.h"

#include <cstdint>
#include <string>

// The state every window shares. No window hands anything to another: each reads
// and writes these variables directly, on the one user-interface thread.
namespace Defines {

constexpr int TableRows = 256;
constexpr int TilesetColumns = 7;
constexpr int CategoryColumns = 4;
constexpr int MapColumns = 18;

extern std::string RomPath;                         // the open ROM image (UTF-8 path)
extern std::int64_t RomSize;                        // its size when it was opened; -1 when not known
extern Cell TilesetTable[TableRows][TilesetColumns]; // one row per tileset line
extern Cell CategoryTable[TableRows][CategoryColumns]; // 1 name, 2 first map, 3 map count
extern std::int16_t LastCategory;
extern std::int16_t CurCategory;
extern Cell MapTable[TableRows][MapColumns];         // one row per map number
extern std::int16_t CurMap;
extern std::int16_t CurTileset;
extern std::int16_t LastBlock;
extern std::int32_t BlockTiles[256][16];             // (block, 4 x tile row + tile column)
extern std::int16_t MapHeight;
extern std::int16_t MapWidth;
extern std::int16_t MapBlocks[256][256];             // (row, column), both from 1

// The folder the data files and the scratch copy live in: the executable's folder.
extern std::string ProgramFolder;

// Everything back to zero, empty text and empty cells, as at the start of a run.
void Reset();

// Path of a file in the program's folder.
std::string InProgramFolder(const std::string &fileName);

// "Map 3 (Viridian City)": a map as messages name it, its name cut short when long.
std::string MapNamed(int map);

} // namespace Defines

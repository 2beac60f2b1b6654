#include "Defines.h"

#include "MessageText.h"

#include <filesystem>

namespace Defines {

std::string RomPath;
std::int64_t RomSize = -1;
Cell TilesetTable[TableRows][TilesetColumns];
Cell CategoryTable[TableRows][CategoryColumns];
std::int16_t LastCategory = 0;
std::int16_t CurCategory = 0;
Cell MapTable[TableRows][MapColumns];
std::int16_t CurMap = 0;
std::int16_t CurTileset = 0;
std::int16_t LastBlock = 0;
std::int32_t BlockTiles[256][16] = {};
std::int16_t MapHeight = 0;
std::int16_t MapWidth = 0;
std::int16_t MapBlocks[256][256] = {};
std::string ProgramFolder;

void Reset()
{
    RomPath.clear();
    RomSize = -1;
    for (auto &row : TilesetTable)
        for (auto &c : row)
            c = Cell();
    for (auto &row : CategoryTable)
        for (auto &c : row)
            c = Cell();
    for (auto &row : MapTable)
        for (auto &c : row)
            c = Cell();
    LastCategory = CurCategory = CurMap = CurTileset = LastBlock = 0;
    MapHeight = MapWidth = 0;
    for (auto &row : BlockTiles)
        for (auto &v : row)
            v = 0;
    for (auto &row : MapBlocks)
        for (auto &v : row)
            v = 0;
}

std::string InProgramFolder(const std::string &fileName)
{
    return (std::filesystem::u8path(ProgramFolder) / std::filesystem::u8path(fileName)).u8string();
}

std::string MapNamed(int map)
{
    const std::string name = map >= 0 && map < TableRows ? MapTable[map][1].str() : std::string();
    return "Map " + std::to_string(map) + " (" + MessageText::Excerpt(name) + ")";
}

} // namespace Defines

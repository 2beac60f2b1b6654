#pragma once

#include "TestFiles.h"

#include <cstdint>
#include <string>
#include <vector>

// A small made-up game in a temporary folder: tileset and map tables of both versions
// and a ROM image whose bytes the tests know. Nothing in it comes from a real game.
struct SyntheticMap
{
    std::string name;
    int height = 0;
    int width = 0;
    int tileset = 0;
    std::int64_t blockPos = 0;
    std::int64_t borderPos = 0;  // 1 = no border block
    bool warps = true;           // column 12
    std::int64_t wildPos = 1;    // column 16; 1 = none
    bool events = true;          // column 17
    std::string comment;
};

struct SyntheticTileset
{
    std::string name;
    std::int64_t gfxPos = 1;
    int firstPicture = 0;
    int lastBlock = 0;
    std::int64_t blocksetPos = 0;
    int offset = 0;
};

struct SyntheticCategory
{
    std::string name;
    int first = 0;
    std::vector<SyntheticMap> maps;
};

class SyntheticGame
{
public:
    // The standard game of the tests (see the .cpp for its maps).
    SyntheticGame();

    std::vector<SyntheticTileset> tilesets;
    std::vector<SyntheticCategory> categories;
    std::vector<std::uint8_t> rom;

    // Writes TilesetsR/B.tvr, MapsR/B.tvr and "game.gb" into the folder, and points
    // Defines::ProgramFolder at it. Returns the ROM's path.
    std::string writeTo(const TempFolder &folder) const;

    std::string tilesetTableText() const;
    std::string mapTableText() const;

    const SyntheticMap &map(int number) const;
    const SyntheticTileset &tilesetOf(int mapNumber) const;
    // The block number the ROM holds for map block (row, column), both from 1.
    int blockAt(int mapNumber, int row, int column) const;
    int borderBlockOf(int mapNumber) const;
};

#include "SyntheticGame.h"

#include "core/Defines.h"

#include <sstream>
#include <stdexcept>

namespace {

SyntheticMap makeMap(const std::string &name, int height, int width, int tileset, std::int64_t blockPos,
                     std::int64_t borderPos)
{
    SyntheticMap m;
    m.name = name;
    m.height = height;
    m.width = width;
    m.tileset = tileset;
    m.blockPos = blockPos;
    m.borderPos = borderPos;
    m.comment = name + ", a map of the tests.";
    return m;
}

} // namespace

SyntheticGame::SyntheticGame()
{
    // Tileset 0: 128 blocks, offset 0, graphics in the ROM. Tileset 1: 8 blocks,
    // block offset 2, no graphics of its own.
    tilesets.push_back({"Outdoors", 0x1001, 0, 127, 0x3001, 0});
    tilesets.push_back({"Indoors", 1, 96, 7, 0x3801, 2});

    SyntheticCategory towns{"Towns", 0, {}};
    towns.maps.push_back(makeMap("Pallet Town", 9, 10, 0, 0x5001, 0x6001));
    towns.maps.push_back(makeMap("Big City", 18, 20, 0, 0x5101, 0x6002));
    categories.push_back(towns);

    SyntheticCategory small{"Small, odd", 2, {}};
    SyntheticMap tiny = makeMap("Tiny House", 3, 5, 1, 0x5301, 1);
    tiny.warps = false;
    tiny.events = false;
    tiny.comment = "No border, no warps, no events, no wild slots.";
    small.maps.push_back(tiny);
    SyntheticMap wide = makeMap("Wide Field", 7, 9, 0, 0x5401, 0x6003);
    wide.wildPos = 0x7001;
    small.maps.push_back(wide);
    small.maps.push_back(makeMap("Tall Tower", 20, 9, 0, 0x5501, 0x6004));
    categories.push_back(small);

    categories.push_back({"Empty", 5, {}});

    SyntheticCategory edge{"Edges", 5, {}};
    edge.maps.push_back(makeMap("Strip", 4, 10, 0, 0x5701, 0x6005));
    edge.maps.push_back(makeMap("No Width", 3, 0, 0, 0x5801, 0x6006));
    edge.maps.push_back(makeMap("Square", 6, 8, 0, 0x5901, 0x6007));
    SyntheticMap big = makeMap("Huge", 255, 255, 0, 0x8001, 0x6008);
    edge.maps.push_back(big);
    categories.push_back(edge);

    rom = TestFiles::PatternRom(0x20000);
    // Tile graphics: tile t has a dark top row, is filled with shade t mod 4, and
    // carries its own number in the bits of its bottom row, so every tile differs.
    for (int t = 0; t < 96; ++t)
        for (int row = 0; row < 8; ++row) {
            std::uint8_t low = (t % 4) & 1 ? 0xFF : 0x00;
            std::uint8_t high = (t % 4) & 2 ? 0xFF : 0x00;
            if (row == 0)
                low = high = 0xFF;
            else if (row == 7) {
                low = std::uint8_t(t);
                high = 0;
            }
            rom[size_t(0x1000 + 16 * t + 2 * row)] = low;
            rom[size_t(0x1000 + 16 * t + 2 * row + 1)] = high;
        }
    for (const SyntheticTileset &ts : tilesets)
        for (int b = 0; b <= ts.lastBlock; ++b)
            for (int j = 0; j < 16; ++j)
                rom[size_t(ts.blocksetPos - 1 + 16 * b + j)] = std::uint8_t((b + j) % 96);
    for (const SyntheticCategory &c : categories)
        for (size_t k = 0; k < c.maps.size(); ++k) {
            const int number = c.first + int(k);
            const SyntheticMap &m = c.maps[k];
            const SyntheticTileset &ts = tilesets[size_t(m.tileset)];
            for (int r = 1; r <= m.height; ++r)
                for (int col = 1; col <= m.width; ++col)
                    rom[size_t(m.blockPos - 1 + m.width * (r - 1) + (col - 1))] =
                        std::uint8_t(blockAt(number, r, col) + ts.offset);
            if (m.borderPos != 1)
                rom[size_t(m.borderPos - 1)] = std::uint8_t(borderBlockOf(number) + ts.offset);
        }
}

const SyntheticMap &SyntheticGame::map(int number) const
{
    for (const SyntheticCategory &c : categories)
        if (number >= c.first && number < c.first + int(c.maps.size()))
            return c.maps[size_t(number - c.first)];
    throw std::out_of_range("no such map in the synthetic game");
}

const SyntheticTileset &SyntheticGame::tilesetOf(int mapNumber) const
{
    return tilesets[size_t(map(mapNumber).tileset)];
}

int SyntheticGame::blockAt(int mapNumber, int row, int column) const
{
    return (mapNumber * 5 + row * 3 + column) % (tilesetOf(mapNumber).lastBlock + 1);
}

int SyntheticGame::borderBlockOf(int mapNumber) const
{
    if (map(mapNumber).borderPos == 1)
        return rom[0] - tilesetOf(mapNumber).offset;
    return (mapNumber + 1) % (tilesetOf(mapNumber).lastBlock + 1);
}

std::string SyntheticGame::tilesetTableText() const
{
    std::ostringstream out;
    out << "\"Name\",\"Graphics\",\"Last tile\",\"First picture\",\"Last block\",\"Blocks\",\"Offset\"\n";
    for (const SyntheticTileset &t : tilesets)
        out << '"' << t.name << "\"," << t.gfxPos << ",95," << t.firstPicture << ',' << t.lastBlock << ','
            << t.blocksetPos << ',' << t.offset << '\n';
    return out.str();
}

std::string SyntheticGame::mapTableText() const
{
    std::ostringstream out;
    out << "\"Map table of the tests\"\n";
    for (const SyntheticCategory &c : categories) {
        out << "-- " << c.name << " --\n";
        out << '"' << c.name << "\"," << c.first << ',' << c.maps.size() << '\n';
        for (size_t k = 0; k < c.maps.size(); ++k) {
            const SyntheticMap &m = c.maps[k];
            out << (c.first + int(k)) << ",\"" << m.name << "\"," << m.blockPos << ',' << m.borderPos << ",0,"
                << m.height << ",0," << m.width << ',' << m.tileset << ",\"" << m.comment << "\",1,0,"
                << (m.warps ? "#TRUE#" : "#FALSE#") << ",0,0,0," << m.wildPos << ','
                << (m.events ? "#TRUE#" : "#FALSE#") << '\n';
        }
    }
    return out.str();
}

std::string SyntheticGame::writeTo(const TempFolder &folder) const
{
    folder.writeText("TilesetsR.tvr", tilesetTableText());
    folder.writeText("TilesetsB.tvr", tilesetTableText());
    folder.writeText("MapsR.tvr", mapTableText());
    folder.writeText("MapsB.tvr", mapTableText());
    Defines::ProgramFolder = folder.path();
    return folder.writeBytes("game.gb", rom);
}

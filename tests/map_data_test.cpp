#include "core/Defines.h"
#include "core/MapData.h"
#include "support/TestFiles.h"

#include <gtest/gtest.h>

using namespace TestFiles;

namespace {

class MapDataTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        Defines::Reset();
        Defines::RomPath = tmp.file("rom.gb");
    }

    static void SetMap(int m, std::int64_t blockPos, std::int64_t borderPos, std::int64_t h, std::int64_t w, std::int64_t ts)
    {
        const std::int64_t values[] = {blockPos, borderPos, 0, h, 0, w, ts};
        Defines::MapTable[m][1] = Cell::text("Map " + std::to_string(m));
        for (int c = 2; c <= 8; ++c)
            Defines::MapTable[m][c] = Cell::number(values[c - 2]);
    }

    static void SetTileset(int ts, std::int64_t lastBlock, std::int64_t blocksetPos, std::int64_t offset)
    {
        Defines::TilesetTable[ts][4] = Cell::number(lastBlock);
        Defines::TilesetTable[ts][5] = Cell::number(blocksetPos);
        Defines::TilesetTable[ts][6] = Cell::number(offset);
    }

    TempFolder tmp;
    std::vector<std::uint8_t> image = PatternRom(4096);
};

} // namespace

TEST_F(MapDataTest, LoadReadsTheThreeStructuresAtTheirPositions)
{
    SetTileset(3, 2, 101, 0x10);
    SetMap(5, 2001, 1, 2, 3, 3);
    Poke(image, 2001, 0x10); // the offset itself: block 0
    Poke(image, 2002, 0x0F); // one below: block -1
    Poke(image, 1, 0x15);    // a border at position 1 is read like any other
    tmp.writeBytes("rom.gb", image);

    const MapData::Loaded loaded = MapData::LoadMap(5);
    EXPECT_EQ(Defines::CurTileset, 3);
    EXPECT_EQ(Defines::LastBlock, 2);
    EXPECT_EQ(MapData::BlockOffset(), 0x10);
    for (int b = 0; b <= 2; ++b)
        for (int j = 0; j < 16; ++j)
            ASSERT_EQ(Defines::BlockTiles[b][j], image[100 + 16 * b + j]) << b << "," << j;
    EXPECT_EQ(loaded.BorderPos, 1);
    EXPECT_EQ(loaded.BorderBlockNum, 5);
    EXPECT_EQ(Defines::MapHeight, 2);
    EXPECT_EQ(Defines::MapBlocks[1][1], 0);
    EXPECT_EQ(Defines::MapBlocks[1][2], -1);
    EXPECT_EQ(Defines::MapBlocks[2][3], image[2005] - 0x10);

    // Bytes past the end of the ROM read as 0.
    SetMap(6, 4095, 5000, 1, 3, 3);
    EXPECT_EQ(MapData::LoadMap(6).BorderByte, 0);
    EXPECT_EQ(Defines::MapBlocks[1][2], image[4095] - 0x10);
    EXPECT_EQ(Defines::MapBlocks[1][3], -0x10);
}

TEST_F(MapDataTest, SmallerLoadsLeaveWhatTheyDoNotReach)
{
    tmp.writeBytes("rom.gb", image);
    SetTileset(0, 9, 1, 0);
    SetTileset(1, 1, 3001, 0);
    SetMap(0, 101, 50, 10, 10, 0);
    SetMap(1, 1001, 50, 3, 3, 1);
    MapData::LoadMap(0);
    const std::int16_t outer[] = {Defines::MapBlocks[4][2], Defines::MapBlocks[2][10], Defines::MapBlocks[10][10]};
    const std::int32_t tile = Defines::BlockTiles[5][7];

    MapData::LoadMap(1);
    EXPECT_EQ(Defines::MapBlocks[3][3], image[1008]);
    EXPECT_EQ(Defines::MapBlocks[4][2], outer[0]);
    EXPECT_EQ(Defines::MapBlocks[2][10], outer[1]);
    EXPECT_EQ(Defines::MapBlocks[10][10], outer[2]);
    EXPECT_EQ(Defines::BlockTiles[5][7], tile);

    // No rows or no columns: nothing is read, the size is taken as it stands.
    SetMap(2, 1501, 50, 0, 4, 1);
    SetMap(3, 1501, 50, -2, 4, 1);
    for (std::int16_t map : {2, 3})
        MapData::LoadMap(map);
    EXPECT_EQ(Defines::MapBlocks[1][1], image[1000]);
    EXPECT_EQ(Defines::MapHeight, -2);
}

TEST_F(MapDataTest, RefusedLoadsLeaveThePreviousMap)
{
    tmp.writeBytes("rom.gb", image);
    SetTileset(0, 3, 1, 0);
    SetMap(0, 501, 1, 2, 2, 0);
    MapData::LoadMap(0);
    const std::int16_t block = Defines::MapBlocks[2][2];
    const std::int32_t tile = Defines::BlockTiles[1][1];

    auto expectRefused = [&](const char *why, const std::string &mention) {
        SCOPED_TRACE(why);
        try {
            MapData::LoadMap(7);
            ADD_FAILURE() << "loaded";
        } catch (const MapDataError &e) {
            EXPECT_NE(std::string(e.what()).find(mention), std::string::npos) << e.what();
        }
        EXPECT_EQ(Defines::CurTileset, 0);
        EXPECT_EQ(Defines::LastBlock, 3);
        EXPECT_EQ(Defines::MapHeight, 2);
        EXPECT_EQ(Defines::MapBlocks[2][2], block);
        EXPECT_EQ(Defines::BlockTiles[1][1], tile);
        SetMap(7, 1001, 1, 3, 3, 9);
        SetTileset(9, 5, 2001, 1);
    };
    SetMap(7, 1001, 1, 3, 3, 9);
    SetTileset(9, 5, 2001, 1);

    Defines::MapTable[7][5] = Cell::number(256);
    expectRefused("height", "Map 7 (Map 7)");
    Defines::MapTable[7][8] = Cell::number(256);
    expectRefused("tileset", "256");
    Defines::MapTable[7][3] = Cell::truth(true);
    expectRefused("truth as position", "column 3");
    Defines::TilesetTable[9][4] = Cell::number(256);
    expectRefused("last block", "tileset 9");
    Defines::TilesetTable[9][6] = Cell::text("x");
    expectRefused("offset", "column 6");
    Defines::RomPath = tmp.file("missing.gb");
    expectRefused("missing ROM", tmp.file("missing.gb"));
}

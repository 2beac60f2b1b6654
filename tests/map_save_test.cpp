#include "core/Defines.h"
#include "core/MapData.h"
#include "core/MapSave.h"
#include "core/RomFile.h"
#include "support/TestFiles.h"

#include <gtest/gtest.h>

#include <filesystem>

using namespace TestFiles;

namespace {

// A 3 x 4 map at position 201 with its border at 101, on a tileset with block offset 2.
class MapSaveTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        Defines::Reset();
        Defines::RomPath = rom;
        const std::int64_t tileset[] = {20, 1, 2}, map[] = {201, 101, 0, 3, 0, 4, 0};
        for (int c = 4; c <= 6; ++c)
            Defines::TilesetTable[0][c] = Cell::number(tileset[c - 4]);
        for (int c = 2; c <= 8; ++c)
            Defines::MapTable[0][c] = Cell::number(map[c - 2]);
        const MapData::Loaded loaded = MapData::LoadMap(0);
        job = {loaded.BorderPos, loaded.BorderBlockNum, loaded.MapBlockPos};
    }

    TempFolder tmp;
    const std::vector<std::uint8_t> image = PatternRom(1024);
    const std::string rom = tmp.writeBytes("rom.gb", image);
    MapSave::Job job;
};

} // namespace

TEST_F(MapSaveTest, OnlyTheBorderAndMapBytesChange)
{
    MapSave::WriteMap(rom, job);
    EXPECT_EQ(ReadBytes(rom), image);

    job.BorderBlockNum = -2;        // byte 0
    Defines::MapBlocks[1][1] = 253; // byte 255
    Defines::MapBlocks[3][4] = -2;  // the last map byte, 0
    Defines::MapBlocks[4][1] = 99;  // outside the map: never written
    MapSave::WriteMap(rom, job);
    std::vector<std::uint8_t> expected = image;
    Poke(expected, 101, 0);
    Poke(expected, 201, 255);
    Poke(expected, 212, 0);
    EXPECT_EQ(ReadBytes(rom), expected);
}

TEST_F(MapSaveTest, ValuesWithoutByteFormAreFoundBeforeAnythingIsWritten)
{
    EXPECT_FALSE(MapSave::FindValueWithoutByteForm(job));
    job.BorderBlockNum = 254;
    Defines::MapBlocks[1][1] = 7;
    EXPECT_EQ(MapSave::FindValueWithoutByteForm(job).value_or(""),
              "The border block 254 has no byte form (byte 256); nothing was written.");
    EXPECT_THROW(MapSave::WriteMap(rom, job), RomError);

    job.BorderBlockNum = 0;
    Defines::MapBlocks[3][2] = -3;
    EXPECT_EQ(MapSave::FindValueWithoutByteForm(job).value_or(""),
              "Map block (row 3, column 2) holds block -3, whose byte -1 does not fit 0..255; nothing was written.");
    EXPECT_THROW(MapSave::WriteMap(rom, job), RomError);

    // A map that would run past the end of the file.
    Defines::MapBlocks[3][2] = 0;
    job.MapBlockPos = 1020;
    EXPECT_THROW(MapSave::WriteMap(rom, job), RomError);
    EXPECT_EQ(ReadBytes(rom), image);
}

TEST_F(MapSaveTest, CopyRomMakesACompleteCopyAndNeverDestroysTheSource)
{
    const std::string copy = tmp.file("copy.gb");
    MapSave::CopyRom(rom, copy);
    EXPECT_EQ(ReadBytes(copy), image);
    tmp.writeText("old.gb", "older and shorter");
    MapSave::CopyRom(rom, tmp.file("old.gb"));
    EXPECT_EQ(ReadBytes(tmp.file("old.gb")), image);

    // Onto itself, under any name.
    std::filesystem::create_symlink(rom, tmp.file("link.gb"));
    for (const std::string &same : {rom, tmp.path() + "/./rom.gb", tmp.file("link.gb")})
        MapSave::CopyRom(rom, same);
    EXPECT_EQ(ReadBytes(rom), image);

    EXPECT_THROW(MapSave::CopyRom(tmp.file("missing.gb"), copy), RomError);
    EXPECT_THROW(MapSave::CopyRom(tmp.file("missing.gb"), tmp.file("missing.gb")), RomError);
    EXPECT_EQ(ReadBytes(copy), image);
    EXPECT_FALSE(Exists(tmp.file("missing.gb")));
}

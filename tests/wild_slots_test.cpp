#include "core/Defines.h"
#include "core/RomFile.h"
#include "support/TestFiles.h"
#include "wild/model/WildSlots.h"

#include <gtest/gtest.h>

using namespace TestFiles;

namespace {

constexpr std::int64_t P = 0x7001;

class WildSlotsTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        Defines::Reset();
        rom = PatternRom(0x8000);
        for (int s = 0; s < 10; ++s) {
            Poke(rom, P + 2 * s, std::uint8_t(s * 25));
            Poke(rom, P + 2 * s + 1, std::uint8_t(0xF0 + s));
        }
        path = tmp.writeBytes("game.gb", rom);
    }

    TempFolder tmp;
    std::vector<std::uint8_t> rom;
    std::string path;
};

} // namespace

TEST_F(WildSlotsTest, ReadTakesLevelThenSpeciesFromPAndOnlyInsideTheFile)
{
    const WildSlots::Table t = WildSlots::Read(path, P);
    for (int s = 0; s < 10; ++s) {
        EXPECT_EQ(t[size_t(s)][1], s * 25);
        EXPECT_EQ(t[size_t(s)][2], 0xF0 + s);
    }
    const std::int64_t last = std::int64_t(rom.size()) - 19;
    EXPECT_EQ(WildSlots::Read(path, last)[9][2], rom.back());
    EXPECT_THROW(WildSlots::Read(path, last + 1), RomError);
    EXPECT_THROW(WildSlots::Read(tmp.file("missing.gb"), P), RomError);
}

TEST_F(WildSlotsTest, SlotPositionNeedsANumberOfAtLeastOne)
{
    Defines::MapTable[3][1] = Cell::text("Wide Field");
    Defines::MapTable[3][16] = Cell::text(" 28673 ");
    EXPECT_EQ(WildSlots::SlotPosition(3), 28673);
    for (const Cell &bad : {Cell(), Cell::truth(true), Cell::text("here"), Cell::number(0)}) {
        Defines::MapTable[3][16] = bad;
        try {
            WildSlots::SlotPosition(3);
            ADD_FAILURE() << "accepted " << bad.str();
        } catch (const WildSlots::PositionError &e) {
            EXPECT_NE(std::string(e.what()).find("Map 3 (Wide Field)"), std::string::npos) << e.what();
        }
    }
}

TEST_F(WildSlotsTest, WriteChangesExactlyTheTwentyBytesOrNothing)
{
    WildSlots::Table t{};
    for (int s = 0; s < 10; ++s)
        t[size_t(s)] = {0, std::int16_t(s == 0 ? 0 : 255 - s), std::int16_t(s == 9 ? 0 : s + 1)};

    // Refusals come before the first byte.
    t[9][1] = 300;
    try {
        WildSlots::Write(path, P, t);
        ADD_FAILURE() << "no error";
    } catch (const RomError &e) {
        EXPECT_NE(std::string(e.what()).find("Slot 9: its level 300 has no byte form"), std::string::npos);
    }
    t[9][1] = 246;
    EXPECT_THROW(WildSlots::Write(path, std::int64_t(rom.size()) - 18, t), RomError);
    EXPECT_EQ(ReadBytes(path), rom);

    WildSlots::Write(path, P, t);
    auto expected = rom;
    for (int s = 0; s < 10; ++s) {
        Poke(expected, P + 2 * s, std::uint8_t(t[size_t(s)][1]));
        Poke(expected, P + 2 * s + 1, std::uint8_t(t[size_t(s)][2]));
    }
    EXPECT_EQ(ReadBytes(path), expected); // P + 20 and every other byte as they were
}

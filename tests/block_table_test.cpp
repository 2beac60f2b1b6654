// The building block editor's captions and chooser limits, and the checks of the
// block table rewrite.
#include "blocks/model/BlockEditRules.h"
#include "blocks/model/BlocksetWrite.h"
#include "core/Defines.h"
#include "core/RomFile.h"
#include "support/TestFiles.h"

#include <gtest/gtest.h>

#include "core/HexText.h"

#include <limits>

using namespace BlockEditRules;

TEST(BlockRules, HexCaptionsAndChooserLimits)
{
    EXPECT_EQ(HexTwoDigits(10), "0A");
    EXPECT_EQ(HexTwoDigits(0x80 + 0x80), "100");
    EXPECT_EQ(HexTwoDigits(-1), "-01"); // a negative block offset
    EXPECT_EQ(SlotOfTop(1081), -1);
    // The chooser has 160 cells whatever the table says.
    EXPECT_EQ(LastShownTile(Cell::number(223)), 159);
    EXPECT_EQ(LastShownTile(Cell::number(-5)), -1);
    EXPECT_EQ(LastShownTile(Cell()), 0);
}

TEST(BlocksetWrite, RefusesBeforeWritingAnything)
{
    Defines::Reset();
    TempFolder folder;
    const auto rom = TestFiles::PatternRom(0x400);
    const std::string path = folder.writeBytes("rom.gb", rom);

    Defines::BlockTiles[3][6] = 256;
    const auto table = BlocksetWrite::TableWith(10, 0, BlocksetWrite::Block{});
    const auto problem = BlocksetWrite::FindValueWithoutByteForm(table);
    ASSERT_TRUE(problem);
    EXPECT_NE(problem->find("Block 3"), std::string::npos);
    EXPECT_NE(problem->find("256"), std::string::npos);
    EXPECT_THROW(BlocksetWrite::Write(path, 1, table), RomError);

    Defines::BlockTiles[3][6] = 0;
    const auto fine = BlocksetWrite::TableWith(10, 0, BlocksetWrite::Block{});
    // The table's last byte one past the end, a position before the file, one that would overflow.
    for (std::int64_t p : {std::int64_t(0x400 - 174), std::int64_t(0), std::numeric_limits<std::int64_t>::max()})
        EXPECT_THROW(BlocksetWrite::Write(path, p, fine), RomError) << p;
    EXPECT_EQ(TestFiles::ReadBytes(path), rom);
    EXPECT_NO_THROW(BlocksetWrite::Write(path, 0x400 - 175, fine)); // ends on the last byte

    Defines::TilesetTable[0][5] = Cell::text("here");
    std::string why;
    EXPECT_FALSE(BlocksetWrite::TablePosition(why));
    EXPECT_NE(why.find("tileset 0"), std::string::npos);
}

// What the window tests cannot reach: map table rows the warp editor refuses, the
// destination text rule, and a placement that left two bytes.
#include "core/Defines.h"
#include "warps/model/WarpRecords.h"

#include <gtest/gtest.h>

using WarpRecords::Mode;

TEST(WarpRecordsTest, MapRowsThatCannotBeUsedAreRefusedNamingMapAndColumn)
{
    Defines::Reset();
    Cell *row = Defines::MapTable[4];
    row[1] = Cell::text("Test Town");
    for (int c : {3, 10, 11, 13, 14, 15})
        row[c] = Cell::number(c == 3 ? 101 : 0);
    row[14] = Cell::text("left");
    try {
        WarpRecords::ReadMapRow(4, Mode::Warps);
        FAIL() << "a text offset was taken";
    } catch (const WarpDataError &e) {
        EXPECT_STREQ(e.what(), "The warps of Map 4 (Test Town) cannot be edited: its x display offset "
                               "(map table column 14) is not a number.");
    }
    row[14] = Cell::number(300); // beyond any square of a map
    EXPECT_THROW(WarpRecords::ReadMapRow(4, Mode::Warps), WarpDataError);
    row[14] = Cell::number(-2);
    row[13] = Cell::truth(true); // only warp-to mode needs it
    EXPECT_EQ(WarpRecords::ReadMapRow(4, Mode::Warps).XDisplayOffset, -2);
    EXPECT_THROW(WarpRecords::ReadMapRow(4, Mode::WarpTo), WarpDataError);
}

TEST(WarpRecordsTest, OnlyWholeNumbersFromZeroTo255AreDestinationBytes)
{
    EXPECT_EQ(WarpRecords::WholeByte("  12 "), 12);
    EXPECT_EQ(WarpRecords::WholeByte("0"), 0);
    EXPECT_EQ(WarpRecords::WholeByte("255"), 255);
    EXPECT_EQ(WarpRecords::WholeByte("0012"), 12);
    EXPECT_EQ(WarpRecords::WholeByte("000255"), 255);
    for (const char *no : {"", " ", "256", "-1", "+3", "12abc", "abc", "&H1F", "2.5", "1 2", "0256",
                           "99999999999999999999"})
        EXPECT_FALSE(WarpRecords::WholeByte(no)) << '"' << no << '"';
}

TEST(WarpRecordsTest, APlacementBeyondTwoBytesIsRefusedBeforeAnyWrite)
{
    WarpRecords::SaveJob job;
    job.mode = Mode::WarpTo;
    job.row.WarpToPos = 301;
    job.Count = 2;
    job.Data[0] = WarpRecords::Row{0, 3, 199, 1, 1};
    job.Data[1] = WarpRecords::Row{0, 0, 256, 2, 5};
    const WarpRecords::SaveCheck check = WarpRecords::PlanSave(job);
    ASSERT_TRUE(check.Problem);
    EXPECT_EQ(check.Problem->rfind("Warp-to point 1: its event placement high byte would be written as 256", 0), 0u)
        << *check.Problem;
    EXPECT_TRUE(check.Plan.Bytes.empty());
}

// A Save without warps writes nothing, yet it stands for the count byte it was read with.
TEST(WarpRecordsTest, ASaveOfNoWarpsNeedsItsCountByteInsideTheFile)
{
    WarpRecords::SaveJob job;
    job.row.BorderPos = 100;
    const WritePlan plan = WarpRecords::PlanWrite(WarpRecords::PlanSave(job).Plan);
    EXPECT_FALSE(plan.ProblemFor(101));
    EXPECT_EQ(plan.ProblemFor(100), "the warp count byte at position 101 lies outside the file, which holds 100 bytes");
}

// The event records: reading a type's table with the display offsets, the bytes a
// save writes and what it refuses, and the number rule of the property boxes.
#include "core/RomFile.h"
#include "events/model/EventRecords.h"
#include "support/TestFiles.h"

#include <gtest/gtest.h>

using namespace EventRecords;

namespace {

// A person-like type: 6 bytes, picture, y, x, movement 1 and 2, text; offsets 4.
EventTables::TypeLayout People()
{
    EventTables::TypeLayout t;
    t.Name = "People";
    t.RecordLength = 6;
    t.TypeYOffset = t.TypeXOffset = 4;
    t.YByte = 2;
    t.XByte = 3;
    t.PropertyByte = {6, 1, 4, 5, 0, 0, 0};
    return t;
}

class EventRecordsTest : public ::testing::Test
{
protected:
    TempFolder tmp;
    std::vector<std::uint8_t> rom = TestFiles::PatternRom(0x400);
    std::string path = tmp.writeBytes("game.gb", rom);
    DataTable data = {};
};

} // namespace

TEST_F(EventRecordsTest, SavedRecordsLoseTheDisplayOffsetsAndReadBackTheSame)
{
    const DisplayOffsets offsets{3, -1};
    data[0][7] = 77; // past the record: kept
    Store(data, ReadTable(path, 0x101, 2, 6), People(), offsets);
    EXPECT_EQ(data[1][1], rom[0x100 + 6]);
    EXPECT_EQ(data[1][3], rom[0x100 + 6 + 2] + 3);
    EXPECT_EQ(data[1][2], rom[0x100 + 6 + 1] - 1);
    EXPECT_EQ(data[0][7], 77);

    PutOnSquare(data, 1, People(), 7, 5);
    data[0][6] = 0;
    WriteTable(path, 0x101, data, 2, People(), offsets);
    const auto after = TestFiles::ReadBytes(path);
    for (size_t i = 0; i < after.size(); ++i)
        if (i < 0x100 || i >= 0x10C) {
            ASSERT_EQ(after[i], rom[i]) << "offset " << i;
        }
    EXPECT_EQ(after[0x100 + 5], 0);
    EXPECT_EQ(after[0x100 + 6 + 2], 7 + 4 - 3);
    EXPECT_EQ(after[0x100 + 6 + 1], 5 + 4 + 1);

    DataTable again = {};
    Store(again, ReadTable(path, 0x101, 2, 6), People(), offsets);
    EXPECT_EQ(SquareOf(again, 1, People()).x, 7);
    EXPECT_EQ(SquareOf(again, 1, People()).y, 5);
}

TEST_F(EventRecordsTest, RecordsPastTheEndOfTheRomAreNotShown)
{
    EXPECT_EQ(ReadTable(path, 0x3FB, 1, 6).size(), 1u); // the last six bytes
    EXPECT_THROW(ReadTable(path, 0x3FC, 1, 6), RomError); // would show a 0 that is not there
    EXPECT_TRUE(ReadTable(path, 0x500, 0, 6).empty());
}

TEST_F(EventRecordsTest, NothingIsWrittenWhenAValueOrThePlaceDoesNotFit)
{
    Store(data, ReadTable(path, 0x101, 3, 6), People(), {});
    data[2][4] = 300;
    auto problem = FindValueWithoutByteForm(data, 3, People(), {});
    ASSERT_TRUE(problem);
    EXPECT_NE(problem->find("Event 2 (People) cannot be saved: its Movement 1 is 300"), std::string::npos);
    EXPECT_THROW(WriteTable(path, 0x101, data, 3, People(), {}), RomError);

    // A record put left of what its byte holds once the display offset comes off.
    data[2][4] = 1;
    PutOnSquare(data, 0, People(), 0, 0);
    problem = FindValueWithoutByteForm(data, 3, People(), DisplayOffsets{5, 0});
    ASSERT_TRUE(problem);
    EXPECT_NE(problem->find("Event 0 (People) cannot be saved: its X coordinate is -1"), std::string::npos);

    EXPECT_THROW(WriteTable(path, 0x3FD, data, 1, People(), {}), RomError);
    EXPECT_THROW(WriteTable(path, 0, data, 1, People(), {}), RomError);
    EXPECT_EQ(TestFiles::ReadBytes(path), rom);
}

TEST(EventPropertyText, DecimalNumbersRoundedHalfToEven)
{
    const std::pair<const char *, int> good[] = {{"  7 ", 7}, {"-3", -3}, {"+12", 12}, {"300", 300},
                                                 {"2.5", 2}, {"3.5", 4}, {"2.51", 3}, {"-2.5", -2},
                                                 {".5", 0}, {"-2147483648", -2147483647 - 1}};
    for (const auto &[text, expected] : good) {
        std::int32_t v = -99;
        EXPECT_TRUE(TextToNumber(text, v)) << text;
        EXPECT_EQ(v, expected) << text;
    }
    for (const char *text : {"", " ", "abc", "1a", "-", ".", "1,000", "1e3", "0x10", "2147483648",
                             "2147483647.5", "99999999999999999999"}) {
        std::int32_t v = 42;
        EXPECT_FALSE(TextToNumber(text, v)) << text;
        EXPECT_EQ(v, 42) << text;
    }
}

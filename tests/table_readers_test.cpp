#include "core/DataFileError.h"
#include "core/Defines.h"
#include "core/TableReaders.h"
#include "support/TestFiles.h"

#include <gtest/gtest.h>

using namespace TestFiles;

namespace {

class TableReadersTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        Defines::Reset();
        Defines::ProgramFolder = tmp.path();
    }

    static std::string Tilesets(int count)
    {
        std::string text = "Name,Graphics,LastTile,FirstPicture,LastBlock,Blocks,Offset\n";
        for (int t = 0; t < count; ++t)
            text += TilesetLine(t, 1000 + t, 0) + "\n";
        return text;
    }

    // A failed reading names the file and the line, and leaves the tables alone.
    void ExpectFailure(void (*reader)(const std::string &), const std::string &text, int line)
    {
        SCOPED_TRACE(text);
        tmp.writeText("Bad.tvr", text);
        Defines::TilesetTable[0][0] = Cell::text("kept");
        Defines::MapTable[0][1] = Cell::text("kept");
        try {
            reader("Bad.tvr");
            ADD_FAILURE() << "no error";
        } catch (const DataFileError &e) {
            EXPECT_EQ(e.line(), line) << e.what();
            EXPECT_NE(std::string(e.what()).find(tmp.file("Bad.tvr")), std::string::npos) << e.what();
        }
        EXPECT_EQ(Defines::TilesetTable[0][0], Cell::text("kept"));
        EXPECT_EQ(Defines::MapTable[0][1], Cell::text("kept"));
    }

    TempFolder tmp;
};

const std::string Header = "Name,First,Count\n";

} // namespace

TEST_F(TableReadersTest, TilesetLinesFillRowsAndKeepTheirKinds)
{
    tmp.writeText("T.tvr", "header\r\n\"Over, world\" , #false#, -3 ,4,5,6,7\r\n 1,2,3,\n4,5,6");
    TableReaders::ReadTilesetTable("T.tvr");
    EXPECT_EQ(Defines::TilesetTable[0][0], Cell::text("Over, world"));
    EXPECT_EQ(Defines::TilesetTable[0][1], Cell::truth(false));
    EXPECT_EQ(Defines::TilesetTable[0][2], Cell::number(-3));
    EXPECT_EQ(Defines::TilesetTable[0][6], Cell::number(7));
    // A comma before a line end leaves an empty field; records run on over line ends.
    EXPECT_TRUE(Defines::TilesetTable[1][3].isEmpty());
    EXPECT_EQ(Defines::TilesetTable[1][4], Cell::number(4));
    EXPECT_EQ(Defines::TilesetTable[1][6], Cell::number(6));
    EXPECT_TRUE(Defines::TilesetTable[2][0].isEmpty());
}

TEST_F(TableReadersTest, TilesetTableHoldsAtMost256LinesAndIsNotClearedBeforeReading)
{
    tmp.writeText("T.tvr", Tilesets(256));
    TableReaders::ReadTilesetTable("T.tvr");
    EXPECT_EQ(Defines::TilesetTable[255][4], Cell::number(255));

    tmp.writeText("T.tvr", "h\n" + TilesetLine(40, 9, 1));
    TableReaders::ReadTilesetTable("T.tvr");
    EXPECT_EQ(Defines::TilesetTable[0][4], Cell::number(40));
    EXPECT_EQ(Defines::TilesetTable[2][5], Cell::number(1002));

    ExpectFailure(TableReaders::ReadTilesetTable, Tilesets(257), 258);
}

TEST_F(TableReadersTest, MalformedTilesetFilesAreRefusedAtTheirLine)
{
    ExpectFailure(TableReaders::ReadTilesetTable, "", 1);
    ExpectFailure(TableReaders::ReadTilesetTable, "header only\n", 1);
    ExpectFailure(TableReaders::ReadTilesetTable, "h\n1,2,3,4,5,6,7\n1,2,3\n", 3);
    ExpectFailure(TableReaders::ReadTilesetTable, "h\n1,2,3,4,5,6,7\n\n", 3);
    ExpectFailure(TableReaders::ReadTilesetTable, "h\n1,2,3,4,5,6,7,8\n", 2);
    ExpectFailure(TableReaders::ReadTilesetTable, "h\n1,\"open,3,4,5,6,7\n", 2);
    ExpectFailure(TableReaders::ReadTilesetTable, "h\n1,\"a\"b,3,4,5,6,7\n", 2);
    ExpectFailure(TableReaders::ReadTilesetTable, "h\n1,2,\n3x,4,5,6,7\n", 3);

    try {
        TableReaders::ReadTilesetTable("TilesetsR.tvr");
        ADD_FAILURE() << "a missing file was read";
    } catch (const DataFileError &e) {
        EXPECT_NE(std::string(e.what()).find(tmp.file("TilesetsR.tvr")), std::string::npos);
    }
}

TEST_F(TableReadersTest, NumbersEndAtTheLargestRomAndRefusalsStayReadable)
{
    // Every table number is a ROM position or less; beyond 8 MiB sums of them could overflow.
    tmp.writeText("T.tvr", "h\r\"Edge\",8388608,0,0,0,-8388608,0\r\"Old Mac\",1,2,3,4,5,6\r");
    TableReaders::ReadTilesetTable("T.tvr");
    EXPECT_EQ(Defines::TilesetTable[0][1], Cell::number(8388608));
    EXPECT_EQ(Defines::TilesetTable[0][5], Cell::number(-8388608));
    EXPECT_EQ(Defines::TilesetTable[1][0], Cell::text("Old Mac"));
    ExpectFailure(TableReaders::ReadTilesetTable, "h\n\"Overworld\",9223372036854775807,95,0,127,1,0\n", 2);
    ExpectFailure(TableReaders::ReadTilesetTable, "h\n\"Overworld\",1,95,0,127,-8388609,0\n", 2);

    auto refusal = [this](const std::string &field) {
        tmp.writeText("Bad.tvr", "h\n\"A\"," + field + ",0,0,0,0,0\n");
        try {
            TableReaders::ReadTilesetTable("Bad.tvr");
        } catch (const DataFileError &e) {
            return std::string(e.what());
        }
        return std::string("no error");
    };
    const std::string longField = refusal(std::string(300000, '7') + "x");
    EXPECT_LT(longField.size(), 300u) << longField;
    EXPECT_NE(longField.find(std::string(60, '7') + "…"), std::string::npos) << longField;
    EXPECT_NE(refusal("7\x01\xFF\xC3").find("7<01><FF><C3>"), std::string::npos);
}

TEST_F(TableReadersTest, CategoriesFillTheirMapRowsWithGapsAndOverlaps)
{
    tmp.writeText("Maps.tvr", Header
        + "\n\"Towns, big\",0,2\n" + MapLine("Pallet, Town", 11, 22, 9, 10, 0) + "\n" + MapLine("B", 2, 1, 1, 1, 0)
        + "\n-- none --\n\"Empty\",5,0\n"
        + "\r\n\"Later\",1,2\r\n" + MapLine("Over", 3, 1, 1, 1, 0) + "\r\n"
        + "0,\"Last\",1,1,0,1,0,1,0,\"\",1,0,#FALSE#,0,0,0,1,#false#\r\n"
        + "\n\"Gap\",7,1\n" + MapLine("Seven", 4, 1, 1, 1, 0) + "\n"
        + "\n\"Tail\",9,0\n");
    TableReaders::ReadMapTable("Maps.tvr");

    EXPECT_EQ(Defines::LastCategory, 4);
    EXPECT_EQ(Defines::CategoryTable[0][1], Cell::text("Towns, big"));
    EXPECT_EQ(Defines::CategoryTable[1][3], Cell::number(0));
    EXPECT_EQ(Defines::CategoryTable[4][1], Cell::text("Tail"));
    EXPECT_EQ(Defines::MapTable[0][1], Cell::text("Pallet, Town"));
    EXPECT_EQ(Defines::MapTable[0][3], Cell::number(22));
    EXPECT_EQ(Defines::MapTable[0][12], Cell::truth(true));
    // Map 1 from "Towns" is overwritten by "Later"; 5, 6 and 8 lie in gaps.
    EXPECT_EQ(Defines::MapTable[1][1], Cell::text("Over"));
    EXPECT_EQ(Defines::MapTable[2][12], Cell::truth(false));
    EXPECT_EQ(Defines::MapTable[2][17], Cell::truth(false));
    EXPECT_EQ(Defines::MapTable[7][1], Cell::text("Seven"));
    for (int m : {3, 5, 6, 8})
        EXPECT_TRUE(Defines::MapTable[m][1].isEmpty()) << m;
}

TEST_F(TableReadersTest, MalformedMapFilesAreRefusedAtTheirLine)
{
    const std::string one = "\n\"A\",0,1\n" + MapLine("M", 1, 1, 1, 1, 0) + "\n";
    ExpectFailure(TableReaders::ReadMapTable, "", 1);
    ExpectFailure(TableReaders::ReadMapTable, Header, 1);
    ExpectFailure(TableReaders::ReadMapTable, Header + one + "\n", 5);
    ExpectFailure(TableReaders::ReadMapTable, Header + "\n\"A\",0,2\n" + MapLine("M", 1, 1, 1, 1, 0) + "\n", 4);
    ExpectFailure(TableReaders::ReadMapTable, Header + "\n\"A\",255,2\n" + MapLine("M", 1, 1, 1, 1, 0) + "\n", 3);
    ExpectFailure(TableReaders::ReadMapTable, Header + "\n\"A\",-1,1\n" + MapLine("M", 1, 1, 1, 1, 0) + "\n", 3);
    ExpectFailure(TableReaders::ReadMapTable, Header + "\n\"A\",\"x\",1\n", 3);
    ExpectFailure(TableReaders::ReadMapTable, Header + "\n\"A\",0,0,0\n", 3);

    std::string many = Header;
    for (int c = 0; c < 257; ++c)
        many += "\n\"C\",0,0\n";
    ExpectFailure(TableReaders::ReadMapTable, many, 3 + 2 * 256);
}

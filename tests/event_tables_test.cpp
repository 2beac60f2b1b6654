// The event type and event position tables: what the readers take, what they refuse
// (naming the file and the line, changing nothing), and the lookups made on them.
#include "core/DataFileError.h"
#include "core/Defines.h"
#include "events/model/EventTables.h"
#include "support/TestFiles.h"

#include <gtest/gtest.h>

using namespace EventTables;

namespace {

const std::string Header = "id,\"name, quoted\",column\n\"second header, with \"\"quotes\"\"\n";
const std::string Signs = "0,\"Signs\",1,3,0,0,1,2,3,0,0,0,0,0,0\n";
const std::string People = "1,People,3,6,4,4,2,3,6,1,4,5,0,0,0\n";

class EventTablesTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        Defines::Reset();
        EventTables::Reset();
        Defines::ProgramFolder = tmp.path();
    }

    void Read(void (*reader)(const std::string &), const std::string &lines)
    {
        tmp.writeText("T.tvr", Header + lines);
        reader("T.tvr");
    }

    void ExpectRefused(void (*reader)(const std::string &), const std::string &lines, int line,
                       const std::string &words)
    {
        SCOPED_TRACE(lines);
        const Cell type0 = EventTypes[0][TypeName], map5 = MapEvents[5][2];
        try {
            Read(reader, lines);
            ADD_FAILURE() << "no error";
        } catch (const DataFileError &e) {
            EXPECT_EQ(e.line(), line) << e.what();
            EXPECT_EQ(e.file(), tmp.file("T.tvr"));
            EXPECT_NE(e.problem().find(words), std::string::npos) << e.what();
        }
        EXPECT_EQ(EventTypes[0][TypeName], type0);
        EXPECT_EQ(MapEvents[5][2], map5);
    }

    TempFolder tmp;
};

std::string TypeLines(int count)
{
    std::string text;
    for (int t = 0; t < count; ++t)
        text += std::to_string(t) + ",\"T" + std::to_string(t) + "\"," + std::to_string(2 * t)
                + ",3,0,0,1,2,3,0,0,0,0,0,0\n";
    return text;
}

} // namespace

TEST_F(EventTablesTest, TypeLinesFillRowsInOrderUpToThirtyThree)
{
    Read(ReadEventTypes, Signs + "\r\n" + People + "\n");
    EXPECT_EQ(EventTypeLast, 1);
    EXPECT_EQ(EventTypes[0][TypeName], Cell::text("Signs"));
    TypeLayout p = Layout(1);
    EXPECT_EQ(p.Name, "People");
    EXPECT_EQ(p.EventsColumn, 3);
    EXPECT_EQ(p.TypeYOffset, 4);
    EXPECT_EQ(p.XByte, 3);
    EXPECT_EQ(p.PropertyByte, (std::array<int, 7>{6, 1, 4, 5, 0, 0, 0}));
    // Only items (an item byte) and trainers (a trainer type byte) flag their text number.
    EXPECT_EQ(TextFlag(p), 0);
    p.PropertyByte[4] = 7;
    EXPECT_EQ(TextFlag(p), 128);
    p.PropertyByte[6] = 8;
    EXPECT_EQ(TextFlag(p), 64);

    // Each type takes two fields of a position line, so its nine columns hold five types.
    Read(ReadEventTypes, TypeLines(5));
    EXPECT_EQ(EventTypeLast, 4);
    ExpectRefused(ReadEventTypes, TypeLines(34), 36, "more than 33");
}

TEST_F(EventTablesTest, MalformedTypeLinesAreRefused)
{
    ExpectRefused(ReadEventTypes, "", 2, "no data line");
    ExpectRefused(ReadEventTypes, Signs + "0,\"Short\",1,3\n", 4, "4 fields instead of 15");
    ExpectRefused(ReadEventTypes, "0,\"Open,1,3,0,0,1,2,3,0,0,0,0,0,0\n", 3, "closing quote");
    ExpectRefused(ReadEventTypes, "0,\"A\",1,three,0,0,1,2,3,0,0,0,0,0,0\n", 3, "not a whole number");
    ExpectRefused(ReadEventTypes, "0,\"A\",9,3,0,0,1,2,3,0,0,0,0,0,0\n", 3, "EventsColumn");
    ExpectRefused(ReadEventTypes, "0,\"A\",1,17,0,0,1,2,3,0,0,0,0,0,0\n", 3, "RecordLength");
    ExpectRefused(ReadEventTypes, "0,\"A\",1,3,0,0,4,2,3,0,0,0,0,0,0\n", 3, "YByte");
    ExpectRefused(ReadEventTypes, "0,\"A\",1,3,0,0,1,0,3,0,0,0,0,0,0\n", 3, "XByte");
    // A property beyond the record would be typed and never saved.
    ExpectRefused(ReadEventTypes, "0,\"A\",1,3,0,0,1,2,3,0,0,0,4,0,0\n", 3, "ItemByte");
    // One ROM byte, one box: fields of a record and types of a position line are apart.
    ExpectRefused(ReadEventTypes, "0,\"A\",1,3,0,0,2,2,3,0,0,0,0,0,0\n", 3, "the YByte and the XByte");
    ExpectRefused(ReadEventTypes, "0,\"A\",1,3,0,0,1,2,2,0,0,0,0,0,0\n", 3, "the XByte and the TextStringByte");
    ExpectRefused(ReadEventTypes, "0,\"A\",1,8,0,0,1,2,3,0,0,0,7,0,7\n", 3, "the ItemByte and the TrainerTypeByte");
    ExpectRefused(ReadEventTypes, Signs + People + Signs, 5, "event type 2 (Signs) is 1 and the EventsColumn of event type 0");
    ExpectRefused(ReadEventTypes, Signs + "1,\"B\",2,3,0,0,1,2,3,0,0,0,0,0,0\n", 4, "share a field");
}

TEST_F(EventTablesTest, PositionLinesGiveCountsAndPositionsThroughTheEventsColumn)
{
    Read(ReadEventTypes, Signs + People);
    Read(ReadMapEvents, "7,500,2,600,0,,,,,\n3,1,0,700,32,0,0,0,0,0\n7,510,1,610,5,0,0,0,0,0");
    // The later line of a map replaces the earlier one.
    EXPECT_EQ(RecordCount(7, 0), 1);
    EXPECT_EQ(TablePosition(7, 0), 510);
    EXPECT_EQ(RecordCount(7, 1), 5);
    EXPECT_EQ(TablePosition(7, 1), 610);
    EXPECT_EQ(RecordCount(3, 1), 32);
    EXPECT_EQ(RecordCount(3, 0), 0);
    EXPECT_EQ(RecordCount(4, 1), 0); // a map without a line
}

TEST_F(EventTablesTest, MalformedPositionLinesAreRefused)
{
    Read(ReadEventTypes, Signs + People);
    ExpectRefused(ReadMapEvents, "256,1,0,1,0,0,0,0,0,0\n", 3, "map number");
    ExpectRefused(ReadMapEvents, "\"Pallet\",1,0,1,0,0,0,0,0,0\n", 3, "map number");
    ExpectRefused(ReadMapEvents, ",1,0,1,0,0,0,0,0,0\n", 3, "map number");
    ExpectRefused(ReadMapEvents, "0,1,0,1,0,0,0,0,0\n", 3, "9 fields instead of 10");
    ExpectRefused(ReadMapEvents, "5,100,33,1,0,0,0,0,0,0\n", 3, "record count of type 0 (Signs) on map 5");
    ExpectRefused(ReadMapEvents, "5,100,1,1,-1,0,0,0,0,0\n", 3, "record count of type 1");
    ExpectRefused(ReadMapEvents, "5,0,1,1,0,0,0,0,0,0\n", 3, "position");
    // Columns no type uses are not counts.
    Read(ReadMapEvents, "5,100,1,1,0,99,99,99,99,99\n");
    EXPECT_EQ(RecordCount(5, 0), 1);
}

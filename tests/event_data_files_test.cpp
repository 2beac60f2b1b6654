// The event tables that come with the program, read with the event editor's own
// readers and checked against the map tables of each version. No ROM image is
// needed: positions are compared with the size of the games' images and with the
// other structures the map tables place.

#include "core/Cell.h"
#include "core/DataFileError.h"
#include "core/Defines.h"
#include "core/TableReaders.h"
#include "events/model/EventTables.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace {

constexpr std::int64_t RomSize = 1 << 20; // Red and Blue are 1 MiB images
constexpr std::int64_t MaxRecords = 32;   // the editor has 32 event symbols
constexpr std::int64_t MaxRecordBytes = 16;
constexpr std::int64_t WarpBytes = 4;
constexpr std::int64_t WarpToBytes = 4;

using TypeRow = std::array<Cell, EventTables::TypeColumns>;
using EventRow = std::array<Cell, EventTables::MapColumns>;
using MapRow = std::array<Cell, Defines::MapColumns>;

template <std::size_t N>
std::array<Cell, N> CopyRow(const Cell (&cells)[N])
{
    std::array<Cell, N> row;
    std::copy(cells, cells + N, row.begin());
    return row;
}

struct Version
{
    std::string letter;
    std::string error;                // what a reader threw, empty when all files were read
    std::vector<TypeRow> types;       // rows 0..EventTypeLast
    std::map<int, EventRow> lines;    // the map rows a line of the file filled
    std::map<int, std::vector<std::int64_t>> counts;    // RecordCount per type, as the editor asks
    std::map<int, std::vector<std::int64_t>> positions; // TablePosition per type
    std::vector<MapRow> maps;         // the map rows of Maps?.tvr up to the first empty one
};

Version Read(const std::string &letter)
{
    Version v;
    v.letter = letter;
    Defines::Reset();
    EventTables::Reset();
    Defines::ProgramFolder = TOVRANE_DATA_DIR;
    try {
        TableReaders::ReadMapTable("Maps" + letter + ".tvr");
        EventTables::ReadEventTypes("EventTypes.tvr");
        EventTables::ReadMapEvents("Events" + letter + ".tvr");
    } catch (const DataFileError &e) {
        v.error = e.what();
        return v;
    }
    for (int t = 0; t <= EventTables::EventTypeLast; ++t)
        v.types.push_back(CopyRow(EventTables::EventTypes[t]));
    for (int m = 0; m < EventTables::MapRows; ++m) {
        if (EventTables::MapEvents[m][0].isEmpty())
            continue;
        v.lines[m] = CopyRow(EventTables::MapEvents[m]);
        for (int t = 0; t <= EventTables::EventTypeLast; ++t) {
            v.counts[m].push_back(EventTables::RecordCount(m, t));
            v.positions[m].push_back(EventTables::TablePosition(m, t));
        }
    }
    for (int m = 0; m < Defines::TableRows && !Defines::MapTable[m][1].isEmpty(); ++m)
        v.maps.push_back(CopyRow(Defines::MapTable[m]));
    return v;
}

std::int64_t Num(const TypeRow &row, EventTables::TypeColumn column)
{
    return row[std::size_t(column)].num();
}

struct Range
{
    std::int64_t first;
    std::int64_t last;
    std::string what;
};

class EventDataFilesTest : public ::testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        versions = {Read("R"), Read("B")};
        Defines::Reset();
        EventTables::Reset();
    }

    void SetUp() override
    {
        for (const Version &v : versions) {
            ASSERT_TRUE(v.error.empty()) << v.error;
            ASSERT_FALSE(v.types.empty());
            ASSERT_FALSE(v.maps.empty());
        }
    }

    static std::vector<Version> versions;
};

std::vector<Version> EventDataFilesTest::versions;

} // namespace

TEST_F(EventDataFilesTest, EveryTypeNamesBytesOfItsRecordAndColumnsOfItsOwn)
{
    const std::vector<TypeRow> &types = versions[0].types;
    EXPECT_EQ(types.size(), 4u);
    std::set<std::int64_t> columnsUsed;
    std::set<std::string> names;
    for (std::size_t t = 0; t < types.size(); ++t) {
        const TypeRow &row = types[t];
        SCOPED_TRACE("EventTypes.tvr, type " + std::to_string(t) + " (" + row[EventTables::TypeName].str() + ")");
        EXPECT_EQ(row[EventTables::TypeName].kind(), Cell::Kind::Text);
        EXPECT_TRUE(names.insert(row[EventTables::TypeName].str()).second) << "two types of one name";
        for (int c = EventTables::EventsColumn; c < EventTables::TypeColumns; ++c)
            EXPECT_EQ(row[std::size_t(c)].kind(), Cell::Kind::Number) << "column " << c;

        // Column 0 of the position table is the map number, and each type needs
        // two cells no other type uses.
        const std::int64_t column = Num(row, EventTables::EventsColumn);
        EXPECT_GE(column, 1);
        EXPECT_LE(column + 1, EventTables::MapColumns - 1);
        EXPECT_TRUE(columnsUsed.insert(column).second) << "position column shared";
        EXPECT_TRUE(columnsUsed.insert(column + 1).second) << "count column shared";

        const std::int64_t length = Num(row, EventTables::RecordLength);
        EXPECT_GE(length, 1);
        EXPECT_LE(length, MaxRecordBytes);
        EXPECT_GE(Num(row, EventTables::TypeYOffset), 0);
        EXPECT_GE(Num(row, EventTables::TypeXOffset), 0);

        // The coordinates are bytes of the record; a property is absent (0) or a byte
        // of the record; no byte serves two fields, or editing one would change the other.
        std::set<std::int64_t> bytes;
        for (EventTables::TypeColumn c : {EventTables::YByte, EventTables::XByte}) {
            EXPECT_GE(Num(row, c), 1) << "column " << c;
            EXPECT_LE(Num(row, c), length) << "column " << c;
            EXPECT_TRUE(bytes.insert(Num(row, c)).second) << "column " << c << " names a byte twice";
        }
        for (int c = EventTables::TextStringByte; c <= EventTables::TrainerTypeByte; ++c) {
            const std::int64_t byte = row[std::size_t(c)].num();
            EXPECT_GE(byte, 0) << "column " << c;
            EXPECT_LE(byte, length) << "column " << c;
            if (byte != 0) {
                EXPECT_TRUE(bytes.insert(byte).second) << "column " << c << " names a byte twice";
            }
        }
    }
    EXPECT_EQ(versions[1].types, versions[0].types); // one file serves both versions
}

TEST_F(EventDataFilesTest, ExactlyTheMapsTheEventEditorOpensOnHaveLines)
{
    for (const Version &v : versions) {
        SCOPED_TRACE("Events" + v.letter + ".tvr");
        for (const auto &[m, line] : v.lines) {
            SCOPED_TRACE("map " + std::to_string(m));
            for (int c = 0; c < EventTables::MapColumns; ++c)
                EXPECT_EQ(line[std::size_t(c)].kind(), Cell::Kind::Number) << "column " << c;
            ASSERT_LT(std::size_t(m), v.maps.size()) << "a map Maps" << v.letter << ".tvr does not list";
            EXPECT_EQ(line[0].num(), m);
            EXPECT_EQ(line[9].num(), 0);
        }
        // The main window opens the event editor where column 17 is true; there the
        // opening must find records, elsewhere there are none to find.
        for (std::size_t m = 0; m < v.maps.size(); ++m) {
            SCOPED_TRACE("map " + std::to_string(m) + " (" + v.maps[m][1].str() + ")");
            const bool editable = !v.maps[m][17].isFalse();
            const auto found = v.counts.find(int(m));
            std::int64_t records = 0;
            if (found != v.counts.end())
                for (std::int64_t count : found->second)
                    records += count;
            EXPECT_EQ(editable, records > 0);
            EXPECT_EQ(editable, found != v.counts.end());
        }
    }
}

TEST_F(EventDataFilesTest, BothVersionsListTheSameMapsAndCounts)
{
    const Version &red = versions[0];
    const Version &blue = versions[1];
    EXPECT_EQ(red.counts, blue.counts);
    ASSERT_EQ(red.maps.size(), blue.maps.size());
    for (std::size_t m = 0; m < red.maps.size(); ++m)
        EXPECT_EQ(red.maps[m][1], blue.maps[m][1]) << "map " << m << " is another map in Blue";
}

TEST_F(EventDataFilesTest, RecordTablesLieWithinTheImageApartFromEachOtherAndFromWarps)
{
    for (const Version &v : versions) {
        std::vector<Range> tables;
        std::vector<Range> others; // what the warp and map editors write
        for (const auto &[m, line] : v.lines) {
            if (std::size_t(m) >= v.maps.size())
                continue; // a map the map table lacks fails the test of listed maps
            const MapRow &map = v.maps[std::size_t(m)];
            const std::string name = "map " + std::to_string(m) + " (" + map[1].str() + ")";
            for (std::size_t t = 0; t < v.types.size(); ++t) {
                const std::int64_t count = v.counts.at(m)[t];
                SCOPED_TRACE("Events" + v.letter + ".tvr, " + name + ", " + v.types[t][EventTables::TypeName].str());
                EXPECT_GE(count, 0);
                EXPECT_LE(count, MaxRecords);
                if (count <= 0)
                    continue;
                const std::int64_t position = v.positions.at(m)[t];
                EXPECT_EQ(position, line[std::size_t(Num(v.types[t], EventTables::EventsColumn))].num());
                const std::int64_t last = position + count * Num(v.types[t], EventTables::RecordLength) - 1;
                EXPECT_GE(position, 1);
                EXPECT_LE(last, RomSize);
                tables.push_back({position, last, name + " " + v.types[t][EventTables::TypeName].str()});
            }
            // The object data begins with the border block, the warp count, the warps
            // and the sign count: no record of any type lies there.
            others.push_back({map[3].num(), map[3].num() + 2 + WarpBytes * map[13].num(),
                              "border block, warps and sign count of " + name});
            if (map[13].num() > 0)
                others.push_back({map[10].num(), map[10].num() + WarpToBytes * map[13].num() - 1,
                                  "warp-to records of " + name});
            others.push_back({map[2].num(), map[2].num() + map[5].num() * map[7].num() - 1, "blocks of " + name});
        }
        for (std::size_t a = 0; a < tables.size(); ++a) {
            SCOPED_TRACE("Events" + v.letter + ".tvr: " + tables[a].what);
            for (std::size_t b = a + 1; b < tables.size(); ++b)
                EXPECT_FALSE(tables[a].first <= tables[b].last && tables[b].first <= tables[a].last)
                    << "overlaps " << tables[b].what;
            for (const Range &o : others)
                EXPECT_FALSE(tables[a].first <= o.last && o.first <= tables[a].last) << "overlaps " << o.what;
        }
    }
}

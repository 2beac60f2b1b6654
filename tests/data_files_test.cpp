// The data files that come with the program, read with the program's own readers
// and checked against each other. No ROM image is needed: every position is only
// compared with the size of the games' images and with the other files.

#include "core/Cell.h"
#include "core/DataFileError.h"
#include "core/Defines.h"
#include "core/RomExtent.h"
#include "core/TableReaders.h"
#include "pictures/TileStore.h"

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
constexpr std::int64_t TileBytes = 16;
constexpr std::int64_t BlockBytes = 16;
constexpr std::int64_t WarpBytes = 4;
constexpr std::int64_t WarpToBytes = 4;
constexpr std::int64_t WildSlotBytes = 20;

using TilesetRow = std::array<Cell, Defines::TilesetColumns>;
using CategoryRow = std::array<Cell, Defines::CategoryColumns>;
using MapRow = std::array<Cell, Defines::MapColumns>;

struct VersionTables
{
    std::string letter;
    std::string error;               // what the readers threw, empty when they read the files
    std::vector<TilesetRow> tilesets; // the rows up to the first empty one
    std::vector<CategoryRow> categories;
    std::vector<MapRow> maps;        // all table rows
};

template <std::size_t N>
std::array<Cell, N> CopyRow(const Cell (&cells)[N])
{
    std::array<Cell, N> row;
    std::copy(cells, cells + N, row.begin());
    return row;
}

VersionTables Read(const std::string &letter)
{
    VersionTables v;
    v.letter = letter;
    Defines::Reset();
    Defines::ProgramFolder = TOVRANE_DATA_DIR;
    try {
        TableReaders::ReadTilesetTable("Tilesets" + letter + ".tvr");
        TableReaders::ReadMapTable("Maps" + letter + ".tvr");
    } catch (const DataFileError &e) {
        v.error = e.what();
        return v;
    }
    for (int r = 0; r < Defines::TableRows && !Defines::TilesetTable[r][0].isEmpty(); ++r)
        v.tilesets.push_back(CopyRow(Defines::TilesetTable[r]));
    for (int c = 0; c <= Defines::LastCategory; ++c)
        v.categories.push_back(CopyRow(Defines::CategoryTable[c]));
    for (int m = 0; m < Defines::TableRows; ++m)
        v.maps.push_back(CopyRow(Defines::MapTable[m]));
    return v;
}

// The map rows the categories cover: 0 up to the end of the last category.
std::int64_t MapCount(const VersionTables &v)
{
    const CategoryRow &last = v.categories.back();
    return last[2].num() + last[3].num();
}

std::string Describe(const VersionTables &v, std::int64_t map)
{
    return "Maps" + v.letter + ".tvr, map " + std::to_string(map) + " ("
        + v.maps[std::size_t(map)][1].str() + ")";
}

struct Range
{
    std::int64_t first;
    std::int64_t last;
    std::string what;
};

bool Overlap(const Range &a, const Range &b)
{
    return a.first <= b.last && b.first <= a.last;
}

Range BlockRange(const MapRow &m)
{
    return {m[2].num(), m[2].num() + m[5].num() * m[7].num() - 1, "blocks of " + m[1].str()};
}

class DataFilesTest : public ::testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        versions = {Read("R"), Read("B")};
        Defines::Reset();
    }

    void SetUp() override
    {
        for (const VersionTables &v : versions) {
            ASSERT_TRUE(v.error.empty()) << v.error;
            ASSERT_FALSE(v.tilesets.empty());
            ASSERT_FALSE(v.categories.empty());
        }
    }

    static std::vector<VersionTables> versions;
};

std::vector<VersionTables> DataFilesTest::versions;

} // namespace

TEST_F(DataFilesTest, TilesetRowsHoldWhatTheMapLoaderAndTheStoreNeed)
{
    for (const VersionTables &v : versions) {
        EXPECT_EQ(v.tilesets.size(), 24u) << "Tilesets" << v.letter;
        for (std::size_t t = 0; t < v.tilesets.size(); ++t) {
            const TilesetRow &row = v.tilesets[t];
            SCOPED_TRACE("Tilesets" + v.letter + ".tvr, tileset " + std::to_string(t));
            EXPECT_EQ(row[0].kind(), Cell::Kind::Text);
            for (int c = 1; c < Defines::TilesetColumns; ++c)
                EXPECT_EQ(row[std::size_t(c)].kind(), Cell::Kind::Number) << "column " << c;
            // The game loads 96 tiles, and the store renders exactly that many a tileset.
            EXPECT_EQ(row[2].num(), TileStore::TilesPerTileset - 1);
            EXPECT_EQ(row[3].num() % TileStore::TilesPerTileset, 0);
            EXPECT_EQ(row[6].num(), 0); // the ROM holds block numbers as they are
            EXPECT_GE(row[4].num(), 0);
            EXPECT_LE(row[4].num(), 255);

            const std::int64_t graphics = row[1].num();
            EXPECT_GT(graphics, 1);
            EXPECT_LE(graphics + TileBytes * TileStore::TilesPerTileset - 1, RomSize);
            const std::int64_t blockset = row[5].num();
            EXPECT_GE(blockset, 1);
            EXPECT_LE(blockset + BlockBytes * (row[4].num() + 1) - 1, RomSize);
        }
    }
}

TEST_F(DataFilesTest, TilePicturesAreNumberedAlikeInBothVersionsAndNeverOverlap)
{
    const VersionTables &red = versions[0];
    const VersionTables &blue = versions[1];
    ASSERT_EQ(red.tilesets.size(), blue.tilesets.size());
    for (std::size_t t = 0; t < red.tilesets.size(); ++t) {
        SCOPED_TRACE("tileset " + std::to_string(t));
        // The store is loaded once per run, so opening the other version must find
        // the same pictures in the same places.
        EXPECT_EQ(red.tilesets[t][0], blue.tilesets[t][0]);
        EXPECT_EQ(red.tilesets[t][2], blue.tilesets[t][2]);
        EXPECT_EQ(red.tilesets[t][3], blue.tilesets[t][3]);
        EXPECT_EQ(red.tilesets[t][4], blue.tilesets[t][4]);
    }

    for (const VersionTables &v : versions) {
        std::int64_t storeSize = TileStore::MinimumSize;
        for (const TilesetRow &row : v.tilesets)
            storeSize = std::max<std::int64_t>(storeSize, row[3].num() + TileStore::TilesPerTileset);
        EXPECT_LE(storeSize, TileStore::MaximumSize);

        for (std::size_t a = 0; a < v.tilesets.size(); ++a) {
            const TilesetRow &ra = v.tilesets[a];
            EXPECT_GE(ra[3].num(), 0);
            EXPECT_LT(ra[3].num() + ra[2].num(), storeSize);
            for (std::size_t b = a + 1; b < v.tilesets.size(); ++b) {
                const TilesetRow &rb = v.tilesets[b];
                SCOPED_TRACE("Tilesets" + v.letter + ".tvr, tilesets " + std::to_string(a) + " and "
                             + std::to_string(b));
                if (ra[1] == rb[1]) {
                    EXPECT_EQ(ra[3], rb[3]) << "the same graphics must share their pictures";
                } else {
                    const Range pa{ra[3].num(), ra[3].num() + ra[2].num(), ""};
                    const Range pb{rb[3].num(), rb[3].num() + rb[2].num(), ""};
                    EXPECT_FALSE(Overlap(pa, pb)) << "different graphics on the same pictures";
                }
                // Which tilesets share graphics is the same in the other version.
                const VersionTables &o = &v == &red ? blue : red;
                EXPECT_EQ(ra[1] == rb[1], o.tilesets[a][1] == o.tilesets[b][1]);
            }
        }
    }
}

TEST_F(DataFilesTest, CategoriesCoverConsecutiveMapNumbersFromPalletTown)
{
    EXPECT_EQ(versions[0].categories, versions[1].categories);
    for (const VersionTables &v : versions) {
        SCOPED_TRACE("Maps" + v.letter + ".tvr");
        std::int64_t next = 0;
        std::set<std::string> names;
        for (const CategoryRow &c : v.categories) {
            EXPECT_EQ(c[1].kind(), Cell::Kind::Text);
            EXPECT_TRUE(names.insert(c[1].str()).second) << "two categories named " << c[1].str();
            EXPECT_EQ(c[2].num(), next) << c[1].str();
            EXPECT_GE(c[3].num(), 1) << c[1].str();
            next = c[2].num() + c[3].num();
        }
        EXPECT_EQ(MapCount(v), 223);
        ASSERT_LE(MapCount(v), Defines::TableRows);
        for (std::int64_t m = 0; m < Defines::TableRows; ++m)
            EXPECT_EQ(v.maps[std::size_t(m)][1].isEmpty(), m >= MapCount(v)) << "map row " << m;

        EXPECT_EQ(v.maps[0][1], Cell::text("Pallet Town"));
        EXPECT_EQ(v.maps[0][0], Cell::number(0)); // the game's own id of Pallet Town
    }
}

TEST_F(DataFilesTest, BothVersionsListTheSameMapsWithTheSameSizesAndTilesets)
{
    const VersionTables &red = versions[0];
    const VersionTables &blue = versions[1];
    std::set<std::int64_t> gameIds;
    for (std::int64_t m = 0; m < MapCount(red); ++m) {
        const MapRow &r = red.maps[std::size_t(m)];
        const MapRow &b = blue.maps[std::size_t(m)];
        SCOPED_TRACE(Describe(red, m));
        for (int c : {0, 1, 5, 7, 8, 9, 11, 12, 13, 14, 15, 17})
            EXPECT_EQ(r[std::size_t(c)], b[std::size_t(c)]) << "column " << c;
        EXPECT_EQ(r[16].equalsNumber(1), b[16].equalsNumber(1)) << "wild slots in one version only";
        EXPECT_TRUE(gameIds.insert(r[0].num()).second) << "game map id listed twice";
        EXPECT_GE(r[0].num(), 0);
        EXPECT_LE(r[0].num(), 255);
    }
}

TEST_F(DataFilesTest, MapRowsHoldUsableValues)
{
    for (const VersionTables &v : versions) {
        for (std::int64_t m = 0; m < MapCount(v); ++m) {
            const MapRow &row = v.maps[std::size_t(m)];
            SCOPED_TRACE(Describe(v, m));
            for (int c : {0, 2, 3, 4, 5, 6, 7, 8, 10, 11, 13, 14, 15, 16})
                EXPECT_EQ(row[std::size_t(c)].kind(), Cell::Kind::Number) << "column " << c;
            for (int c : {1, 9})
                EXPECT_EQ(row[std::size_t(c)].kind(), Cell::Kind::Text) << "column " << c;
            for (int c : {12, 17})
                EXPECT_EQ(row[std::size_t(c)].kind(), Cell::Kind::Truth) << "column " << c;

            // MapBlocks holds rows and columns 1..255; the tileset must exist.
            EXPECT_GE(row[5].num(), 1);
            EXPECT_LE(row[5].num(), 255);
            EXPECT_GE(row[7].num(), 1);
            EXPECT_LE(row[7].num(), 255);
            EXPECT_GE(row[8].num(), 0);
            EXPECT_LT(row[8].num(), std::int64_t(v.tilesets.size()));

            // The placement formula fits every map as it is, and nothing is offset.
            EXPECT_EQ(row[11].num(), 0);
            EXPECT_EQ(row[14].num(), 0);
            EXPECT_EQ(row[15].num(), 0);

            // Every map has object data; the warp-to table is there exactly when warps are.
            EXPECT_FALSE(row[3].equalsNumber(1));
            const bool warps = !row[12].isFalse();
            EXPECT_EQ(warps, !row[10].equalsNumber(1));
            EXPECT_EQ(warps, row[13].num() > 0);

            // The comment starts with the game's own map id, so it belongs to this row.
            const std::string id = "Game map " + std::to_string(row[0].num()) + " ";
            EXPECT_EQ(row[9].str().compare(0, id.size(), id), 0) << row[9].str();
        }
    }
}

TEST_F(DataFilesTest, EveryBlockArrayAndRecordLiesWithinTheImageAndApartFromOthers)
{
    for (const VersionTables &v : versions) {
        std::vector<Range> ranges; // every structure the editors read or write
        std::set<std::int64_t> blockPositions, wildPositions;
        for (std::int64_t m = 0; m < MapCount(v); ++m) {
            const MapRow &row = v.maps[std::size_t(m)];
            const std::string name = row[1].str();
            if (blockPositions.insert(row[2].num()).second)
                ranges.push_back(BlockRange(row));
            // Border block byte, warp count byte and the warps.
            ranges.push_back({row[3].num(), row[3].num() + 1 + WarpBytes * row[13].num(),
                              "border block and warps of " + name});
            if (!row[10].equalsNumber(1))
                ranges.push_back({row[10].num(), row[10].num() + WarpToBytes * row[13].num() - 1,
                                  "warp-to records of " + name});
            if (!row[16].equalsNumber(1) && wildPositions.insert(row[16].num()).second)
                ranges.push_back({row[16].num(), row[16].num() + WildSlotBytes - 1, "wild slots of " + name});
        }
        std::set<std::int64_t> blocksets;
        for (std::size_t t = 0; t < v.tilesets.size(); ++t) {
            const TilesetRow &row = v.tilesets[t];
            if (blocksets.insert(row[5].num()).second)
                ranges.push_back({row[5].num(), row[5].num() + BlockBytes * (row[4].num() + 1) - 1,
                                  "block table of tileset " + std::to_string(t)});
        }

        for (std::size_t a = 0; a < ranges.size(); ++a) {
            SCOPED_TRACE("Maps" + v.letter + ".tvr: " + ranges[a].what);
            EXPECT_GE(ranges[a].first, 1);
            EXPECT_LE(ranges[a].last, RomSize);
            EXPECT_LE(ranges[a].first, ranges[a].last);
            for (std::size_t b = a + 1; b < ranges.size(); ++b) {
                // Block arrays may overlap one another (the comments say so); nothing else may.
                const bool bothBlocks = ranges[a].what.rfind("blocks of ", 0) == 0
                    && ranges[b].what.rfind("blocks of ", 0) == 0;
                if (!bothBlocks) {
                    EXPECT_FALSE(Overlap(ranges[a], ranges[b])) << "overlaps " << ranges[b].what;
                }
            }
        }
    }
}

// The warning about a short ROM must never come up for the games' own images.
TEST_F(DataFilesTest, TheGamesImagesAreLongEnoughForTheirTables)
{
    for (const char *letter : {"R", "B"}) {
        ASSERT_TRUE(Read(letter).error.empty());
        const std::int64_t needed = RomExtent::NeededByTables();
        EXPECT_LE(needed, RomSize) << letter;
        EXPECT_GT(needed, 0x40000) << letter; // the tables reach well past the first banks
    }
    Defines::Reset();
}

TEST_F(DataFilesTest, MapsThatShareBlocksMatchAndSayWhoElseTheyChange)
{
    for (const VersionTables &v : versions) {
        for (std::int64_t a = 0; a < MapCount(v); ++a) {
            const MapRow &ra = v.maps[std::size_t(a)];
            const std::string &comment = ra[9].str();
            SCOPED_TRACE(Describe(v, a) + ": " + comment);
            bool shares = false;
            for (std::int64_t b = 0; b < MapCount(v); ++b) {
                const MapRow &rb = v.maps[std::size_t(b)];
                if (a == b || !Overlap(BlockRange(ra), BlockRange(rb)))
                    continue;
                shares = true;
                if (ra[2] == rb[2]) {
                    // One array seen through two maps: the same size and the same blocks.
                    EXPECT_EQ(ra[5], rb[5]) << rb[1].str();
                    EXPECT_EQ(ra[7], rb[7]) << rb[1].str();
                    EXPECT_EQ(v.tilesets[std::size_t(ra[8].num())][5], v.tilesets[std::size_t(rb[8].num())][5])
                        << rb[1].str() << " draws the shared blocks from another block table";
                    EXPECT_NE(comment.find("Blocks shared with"), std::string::npos);
                } else {
                    EXPECT_NE(comment.find(rb[1].str()), std::string::npos) << "does not name " << rb[1].str();
                }
            }
            if (!shares) {
                EXPECT_EQ(comment.find("lock"), std::string::npos) << "warns of sharing it does not have";
            }
        }
    }
}

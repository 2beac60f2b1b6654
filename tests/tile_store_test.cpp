#include "core/Defines.h"
#include "pictures/TileStore.h"
#include "support/TestFiles.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

std::uint8_t rowBits(const char *pattern)
{
    std::uint8_t b = 0;
    for (int i = 0; i < 8; ++i)
        b = std::uint8_t((b << 1) | (pattern[i] == '1' ? 1 : 0));
    return b;
}

// A tile whose rows hold every shade in a known order.
std::vector<std::uint8_t> knownTile()
{
    std::vector<std::uint8_t> t(16, 0);
    t[0] = 0xFF;                     // row 0: low plane only -> shade 1
    t[3] = 0xFF;                     // row 1: high plane only -> shade 2
    t[4] = 0xFF, t[5] = 0xFF;        // row 2: both -> shade 3
    t[6] = rowBits("00001111");      // row 3 low
    t[7] = rowBits("00110011");      // row 3 high -> 0 0 2 2 1 1 3 3
    t[8] = rowBits("10000000");      // row 4: leftmost pixel from the low plane,
    t[9] = rowBits("00000001");      //        rightmost from the high plane
    return t;
}

TEST(TileDecoding, PlanesAndBitOrder)
{
    const auto tile = knownTile();
    const auto shades = TileStore::DecodeTile(tile.data());
    for (int x = 0; x < 8; ++x) {
        EXPECT_EQ(shades[0 * 8 + x], 1);
        EXPECT_EQ(shades[1 * 8 + x], 2);
        EXPECT_EQ(shades[2 * 8 + x], 3);
        EXPECT_EQ(shades[5 * 8 + x], 0);
    }
    const std::uint8_t row3[8] = {0, 0, 2, 2, 1, 1, 3, 3};
    const std::uint8_t row4[8] = {1, 0, 0, 0, 0, 0, 0, 2};
    for (int x = 0; x < 8; ++x) {
        EXPECT_EQ(shades[3 * 8 + x], row3[x]) << "row 3, x " << x;
        EXPECT_EQ(shades[4 * 8 + x], row4[x]) << "row 4, x " << x;
    }
}

TEST(TileDecoding, RenderDoublesEachPixelInTheFourShades)
{
    const auto &s = TileStore::Shades();
    EXPECT_EQ(s[0], qRgb(255, 248, 255));
    EXPECT_EQ(s[1], qRgb(192, 199, 192));
    EXPECT_EQ(s[2], qRgb(128, 128, 128));
    EXPECT_EQ(s[3], qRgb(0, 0, 0));

    const auto tile = knownTile();
    const auto shades = TileStore::DecodeTile(tile.data());
    const QImage image = TileStore::RenderTile(tile.data());
    ASSERT_EQ(image.size(), QSize(16, 16));
    EXPECT_EQ(image.format(), QImage::Format_RGB32);
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x)
            ASSERT_EQ(image.pixel(x, y), s[shades[(y / 2) * 8 + x / 2]]) << x << "," << y;
    // Row 4's single dark pixel at the right fills exactly the last 2 x 2 square.
    EXPECT_EQ(image.pixel(15, 9), s[2]);
    EXPECT_EQ(image.pixel(13, 9), s[0]);

    const QImage empty = TileStore::EmptyPicture();
    ASSERT_EQ(empty.size(), QSize(16, 16));
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x)
            ASSERT_EQ(empty.pixel(x, y), s[0]);
}

class TileStoreTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        Defines::Reset();
        TileStore::instance().ResetForTests();
    }
    void TearDown() override
    {
        TileStore::instance().ResetForTests();
        Defines::Reset();
    }

    static void setRow(int row, std::int64_t graphics, std::int64_t firstPicture)
    {
        Defines::TilesetTable[row][1] = Cell::number(graphics);
        Defines::TilesetTable[row][3] = Cell::number(firstPicture);
    }
    // The picture tile t of a tileset whose graphics start at `position` should be.
    QImage expected(std::int64_t position, int t) const
    {
        std::uint8_t bytes[16] = {};
        for (int i = 0; i < 16; ++i) {
            const std::size_t at = std::size_t(position - 1 + 16 * t + i);
            bytes[i] = at < rom.size() ? rom[at] : 0;
        }
        return TileStore::RenderTile(bytes);
    }
    void writeRom() { Defines::RomPath = folder.writeBytes("game.gb", rom); }

    TempFolder folder;
    std::vector<std::uint8_t> rom = TestFiles::PatternRom(0x4000);
};

TEST_F(TileStoreTest, LoadsAtTheFirstRequestFromTheTilesetRows)
{
    writeRom();
    setRow(0, 0x101, 0);  // graphics at offset 0x100
    setRow(1, 0x1001, 96);
    TileStore &store = TileStore::instance();
    EXPECT_FALSE(store.Loaded());

    const QImage &first = store.Tile(0);
    EXPECT_TRUE(store.Loaded());
    EXPECT_EQ(store.size(), TileStore::MinimumSize);
    EXPECT_EQ(first, expected(0x101, 0));
    EXPECT_EQ(store.Tile(95), expected(0x101, 95));
    EXPECT_EQ(store.Tile(96), expected(0x1001, 0));
    EXPECT_EQ(store.Tile(191), expected(0x1001, 95));
    // Not covered by any row.
    EXPECT_EQ(store.Tile(192), TileStore::EmptyPicture());
    EXPECT_EQ(store.Tile(519), TileStore::EmptyPicture());
}

TEST_F(TileStoreTest, LastPicturesAndIndexesOutsideTheStore)
{
    writeRom();
    setRow(2, 0x201, 424);
    TileStore &store = TileStore::instance();
    EXPECT_EQ(store.Tile(424), expected(0x201, 0));
    EXPECT_EQ(store.Tile(519), expected(0x201, 95));
    EXPECT_EQ(store.size(), 520);
    EXPECT_EQ(store.Tile(520), TileStore::EmptyPicture());
    EXPECT_EQ(store.Tile(-1), TileStore::EmptyPicture());
    EXPECT_EQ(store.Tile(-32768), TileStore::EmptyPicture());
    EXPECT_EQ(store.Tile(32767), TileStore::EmptyPicture());
}

TEST_F(TileStoreTest, RowsReachingPast520GrowTheStore)
{
    writeRom();
    setRow(0, 0x101, 1700);
    TileStore &store = TileStore::instance();
    EXPECT_EQ(store.Tile(1795), expected(0x101, 95));
    EXPECT_EQ(store.size(), 1796);
    EXPECT_EQ(store.Tile(1796), TileStore::EmptyPicture());
    EXPECT_EQ(store.Tile(600), TileStore::EmptyPicture());
}

TEST_F(TileStoreTest, RowsWithoutGraphicsOrNumbersAreSkipped)
{
    writeRom();
    setRow(0, 1, 0);      // 1 = no graphics
    setRow(1, 0x101, -5); // negative first picture
    Defines::TilesetTable[2][1] = Cell::text("257");
    Defines::TilesetTable[2][3] = Cell::number(100);
    Defines::TilesetTable[3][1] = Cell::number(0x301); // column 3 empty
    TileStore &store = TileStore::instance();
    for (int i : {0, 1, 90, 100, 195, 519})
        EXPECT_EQ(store.Tile(i), TileStore::EmptyPicture()) << i;
    EXPECT_EQ(store.size(), 520);
}

TEST_F(TileStoreTest, SharedGraphicsShareOnePictureAndReadsPastTheEndGiveZero)
{
    rom.resize(0x100 + 16 + 8); // tile 1 has only half of its bytes
    writeRom();
    setRow(0, 0x101, 0);
    setRow(5, 0x101, 200);
    TileStore &store = TileStore::instance();
    EXPECT_EQ(store.Tile(1).cacheKey(), store.Tile(201).cacheKey());
    EXPECT_EQ(store.Tile(1), expected(0x101, 1));
    EXPECT_NE(store.Tile(1), TileStore::EmptyPicture());
    EXPECT_EQ(store.Tile(2), TileStore::EmptyPicture()); // wholly past the end: zero bytes
}

TEST_F(TileStoreTest, NeverReloaded)
{
    writeRom();
    setRow(0, 0x101, 0);
    TileStore &store = TileStore::instance();
    const QImage before = store.Tile(3);

    std::vector<std::uint8_t> other(0x4000, 0xFF);
    Defines::RomPath = folder.writeBytes("other.gb", other);
    setRow(0, 0x201, 0);
    setRow(1, 0x101, 3000);
    store.Load();
    EXPECT_EQ(store.Tile(3), before);
    EXPECT_EQ(store.size(), 520);
}

TEST_F(TileStoreTest, MissingRomGivesEmptyPictures)
{
    Defines::RomPath = folder.file("missing.gb");
    setRow(0, 0x101, 0);
    setRow(1, 0x201, 600);
    TileStore &store = TileStore::instance();
    EXPECT_EQ(store.Tile(0), TileStore::EmptyPicture());
    EXPECT_EQ(store.Tile(650), TileStore::EmptyPicture());
    EXPECT_EQ(store.size(), 696);
}

} // namespace

#include "core/RomFile.h"
#include "support/TestFiles.h"

#include <gtest/gtest.h>

using namespace TestFiles;

namespace {

class RomFileTest : public ::testing::Test
{
protected:
    TempFolder tmp;
    const std::vector<std::uint8_t> image = PatternRom(64);
    const std::string path = tmp.writeBytes("rom.gb", image);
};

} // namespace

TEST_F(RomFileTest, ReadsAtOneBasedPositionsAndZeroOutsideTheFile)
{
    RomFile rom;
    rom.open(path, RomFile::Mode::Read);
    EXPECT_EQ(rom.readByte(1), image[0]);
    EXPECT_EQ(rom.readByte(64), image[63]);
    EXPECT_EQ(rom.readByte(65), 0);
    EXPECT_EQ(rom.readByte(0), 0);
    EXPECT_THROW(rom.PutRomByte(5, 1), RomError);
    rom.close();
    EXPECT_EQ(ReadBytes(path), image);
}

TEST_F(RomFileTest, PutRomByteWritesExactlyOneByteOrNothing)
{
    RomFile rom;
    rom.open(path, RomFile::Mode::ReadWrite);
    rom.PutRomByte(1, 0);
    rom.PutRomByte(64, 255);
    // No byte form, or a position that would change the file's size.
    const std::pair<std::int64_t, int> refused[] = {{5, -1}, {5, 256}, {0, 1}, {65, 1}};
    for (const auto &[p, v] : refused) {
        try {
            rom.PutRomByte(p, v);
            ADD_FAILURE() << "position " << p << " value " << v << " was accepted";
        } catch (const RomError &e) {
            EXPECT_NE(std::string(e.what()).find(path), std::string::npos) << e.what();
        }
    }
    rom.close();

    std::vector<std::uint8_t> expected = image;
    Poke(expected, 1, 0);
    Poke(expected, 64, 255);
    EXPECT_EQ(ReadBytes(path), expected);
}

TEST_F(RomFileTest, OpeningSomethingThatIsNoRomFailsAndNamesIt)
{
    RomFile rom;
    for (const std::string &bad : {tmp.file("missing.gb"), tmp.path()}) {
        try {
            rom.open(bad, RomFile::Mode::ReadWrite);
            ADD_FAILURE() << bad << " was opened";
        } catch (const RomError &e) {
            EXPECT_NE(std::string(e.what()).find(bad), std::string::npos) << e.what();
        }
    }
    EXPECT_FALSE(Exists(tmp.file("missing.gb")));
}

TEST_F(RomFileTest, RunsOfReadsAndWritesInAnyOrderLandWhereTheySay)
{
    // Runs in order skip the seek per byte; mixing reads, writes and jumps must not
    // shift a single byte.
    RomFile rom;
    rom.open(path, RomFile::Mode::ReadWrite);
    std::vector<std::uint8_t> expected = image;
    for (int p = 10; p <= 20; ++p)
        EXPECT_EQ(rom.readByte(p), image[size_t(p - 1)]);
    for (int p = 21; p <= 25; ++p) {
        rom.PutRomByte(p, p);
        expected[size_t(p - 1)] = std::uint8_t(p);
    }
    EXPECT_EQ(rom.readByte(26), image[25]);
    EXPECT_EQ(rom.readByte(23), 23);
    rom.PutRomByte(24, 0);
    expected[23] = 0;
    EXPECT_EQ(rom.readByte(25), 25);
    EXPECT_EQ(rom.readByte(24), 0);
    rom.PutRomByte(2, 7);
    rom.PutRomByte(3, 8);
    expected[1] = 7;
    expected[2] = 8;
    EXPECT_EQ(rom.readByte(64), image[63]);
    rom.close();
    EXPECT_EQ(ReadBytes(path), expected);
}

#include "core/Backup.h"
#include "support/TestFiles.h"

#include <gtest/gtest.h>

#include <filesystem>

using namespace TestFiles;
namespace fs = std::filesystem;

namespace {

class BackupTest : public ::testing::Test
{
protected:
    void SetUp() override { fs::create_directory(program); }

    // Whatever happens, the ROM is there with its bytes and no scratch copy stays behind.
    void ExpectRomIntact(const std::vector<std::uint8_t> &bytes)
    {
        EXPECT_EQ(ReadBytes(rom), bytes);
        EXPECT_FALSE(Exists(program + "/temp.tvr"));
    }

    TempFolder tmp;
    const std::vector<std::uint8_t> image = PatternRom(300);
    const std::string rom = tmp.writeBytes("red.gb", image);
    const std::string bak = rom + ".BAK";
    const std::string program = tmp.file("program");
};

} // namespace

TEST_F(BackupTest, BackupHoldsTheRomAsItWasBeforeEachSave)
{
    EXPECT_EQ(Backup::Question(rom), "Make a backup of the ROM (" + tmp.file("red.gb.BAK") + ")?");
    const Backup::Result first = Backup::BackupRom(rom, program);
    EXPECT_TRUE(first.ok) << first.message;
    EXPECT_EQ(ReadBytes(bak), image);
    ExpectRomIntact(image);

    // A second backup replaces the first, and leaves nothing else beside the ROM.
    std::vector<std::uint8_t> saved = image;
    Poke(saved, 7, 0);
    tmp.writeBytes("red.gb", saved);
    EXPECT_TRUE(Backup::BackupRom(rom, program).ok);
    EXPECT_EQ(ReadBytes(bak), saved);
    ExpectRomIntact(saved);
    EXPECT_EQ(std::distance(fs::directory_iterator(tmp.path()), {}), 3);
}

TEST_F(BackupTest, FailuresLeaveTheRomAndAreReported)
{
    // An earlier backup that cannot be replaced stays as it was.
    fs::create_directory(bak);
    tmp.writeText("red.gb.BAK/keep", "old");
    Backup::Result result = Backup::BackupRom(rom, program);
    EXPECT_FALSE(result.ok);
    EXPECT_NE(result.message.find(bak), std::string::npos) << result.message;
    EXPECT_TRUE(Exists(bak + "/keep"));
    ExpectRomIntact(image);
    fs::remove_all(bak);

    // A program folder that cannot take the scratch copy (missing, a file, or "temp.tvr"
    // a folder, as where the program is installed for all): it goes beside the ROM.
    fs::create_directory(program + "/temp.tvr");
    for (const std::string &folder : {tmp.file("nowhere"), tmp.writeText("plain", "x"), program}) {
        result = Backup::BackupRom(rom, folder);
        EXPECT_TRUE(result.ok) << folder << ": " << result.message;
        EXPECT_EQ(ReadBytes(bak), image);
        EXPECT_EQ(ReadBytes(rom), image);
        EXPECT_FALSE(Exists(tmp.file("temp.tvr")));
        fs::remove(bak);
    }
    // A file of that name beside the ROM is the user's: neither replaced nor removed.
    tmp.writeText("temp.tvr", "mine");
    result = Backup::BackupRom(rom, program);
    EXPECT_FALSE(result.ok);
    const std::size_t named = result.message.find(tmp.file("temp.tvr"));
    EXPECT_NE(named, std::string::npos) << result.message;
    EXPECT_EQ(result.message.find(tmp.file("temp.tvr"), named + 1), std::string::npos)
        << "named twice: " << result.message;
    EXPECT_EQ(ReadBytes(tmp.file("temp.tvr")), std::vector<std::uint8_t>({'m', 'i', 'n', 'e'}));
    EXPECT_FALSE(Exists(bak));
    EXPECT_EQ(ReadBytes(rom), image);
    fs::remove(tmp.file("temp.tvr"));
    fs::remove(program + "/temp.tvr");

    result = Backup::BackupRom(tmp.file("gone.gb"), program);
    EXPECT_FALSE(result.ok);
    EXPECT_NE(result.message.find(tmp.file("gone.gb")), std::string::npos) << result.message;
    EXPECT_FALSE(Exists(tmp.file("gone.gb.BAK")));

    // A ROM that is itself the scratch copy is never overwritten or deleted.
    fs::copy_file(rom, program + "/temp.tvr");
    EXPECT_FALSE(Backup::BackupRom(program + "/temp.tvr", program).ok);
    EXPECT_EQ(ReadBytes(program + "/temp.tvr"), image);
}

#include "Backup.h"

#include "RomFile.h"

#include <filesystem>
#include <vector>

namespace fs = std::filesystem;

namespace Backup {

std::string Question(const std::string &romPath)
{
    return "Make a backup of the ROM (" + romPath + ".BAK)?";
}

Result BackupRom(const std::string &romPath, const std::string &programFolder)
{
    const std::string bak = romPath + ".BAK";
    const std::string scratch = (fs::u8path(programFolder) / "temp.tvr").u8string();
    auto failed = [&](const std::string &reason) {
        return Result{false, "The backup " + bak + " could not be made: " + reason};
    };

    // The ROM is only ever read here: whatever fails, it stays where and as it was.
    std::vector<std::uint8_t> rom;
    try {
        rom = RomFiles::ReadAll(romPath);
    } catch (const RomError &e) {
        return failed("the ROM " + romPath + " cannot be read (" + e.reason() + ")");
    }
    if (RomFiles::SameFile(scratch, romPath))
        return failed("the ROM lies where the scratch copy " + scratch + " would go");

    struct ScratchRemover
    {
        const std::string &path;
        ~ScratchRemover()
        {
            std::error_code ignored;
            if (fs::is_regular_file(fs::u8path(path), ignored))
                fs::remove(fs::u8path(path), ignored);
        }
    } remover{scratch};

    std::vector<std::uint8_t> copy;
    try {
        RomFiles::ReplaceWith(scratch, rom);
        copy = RomFiles::ReadAll(scratch);
    } catch (const RomError &e) {
        return failed("the scratch copy " + scratch + " could not be made (" + e.reason() + ")");
    }
    if (copy != rom)
        return failed("the scratch copy " + scratch + " does not hold the ROM's bytes");

    // Replacing the earlier backup happens in one rename, so a failure leaves it as it was.
    try {
        RomFiles::ReplaceWith(bak, copy);
        if (RomFiles::ReadAll(bak) != rom)
            return failed("it does not hold the ROM's bytes");
    } catch (const RomError &e) {
        return failed(e.reason());
    }
    return Result{};
}

} // namespace Backup

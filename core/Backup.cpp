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

namespace {

// Removes the scratch copy this backup made, whatever way the backup ends.
class ScratchCopy
{
public:
    ScratchCopy() = default;
    ScratchCopy(const ScratchCopy &) = delete;
    ScratchCopy &operator=(const ScratchCopy &) = delete;
    ~ScratchCopy() { remove(); }

    const std::string &path() const { return m_path; }

    // Makes `path` hold `bytes` and reads it back; false, with the reason, when it cannot.
    bool make(const std::string &path, const std::vector<std::uint8_t> &bytes, std::string &reason)
    {
        remove();
        try {
            RomFiles::ReplaceWith(path, bytes);
            m_path = path;
            if (RomFiles::ReadAll(path) == bytes)
                return true;
            reason = "it does not hold the ROM's bytes";
        } catch (const RomError &e) {
            if (!e.reason().empty())
                reason = e.reason();
            else
                reason = e.what();
        }
        return false;
    }

private:
    void remove()
    {
        if (m_path.empty())
            return;
        std::error_code ignored;
        if (fs::is_regular_file(fs::u8path(m_path), ignored))
            fs::remove(fs::u8path(m_path), ignored);
        m_path.clear();
    }

    std::string m_path;
};

} // namespace

Result BackupRom(const std::string &romPath, const std::string &programFolder)
{
    const std::string bak = romPath + ".BAK";
    const std::string inProgramFolder = (fs::u8path(programFolder) / "temp.tvr").u8string();
    const std::string besideRom = (fs::u8path(romPath).parent_path() / "temp.tvr").u8string();
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

    // The scratch copy goes in the program's folder; where that folder cannot take it
    // (an installed program's usually cannot), beside the ROM, but only where no file of
    // that name lies already: a file there is the user's, never ours to replace.
    ScratchCopy scratch;
    std::string reason;
    bool made = false;
    if (RomFiles::SameFile(inProgramFolder, romPath))
        reason = "the ROM lies where the scratch copy would go";
    else
        made = scratch.make(inProgramFolder, rom, reason);
    if (!made) {
        std::string whyNotBeside;
        std::error_code ec;
        if (fs::u8path(besideRom).lexically_normal() == fs::u8path(inProgramFolder).lexically_normal())
            whyNotBeside.clear();
        else if (fs::exists(fs::symlink_status(fs::u8path(besideRom), ec)) || RomFiles::SameFile(besideRom, romPath))
            whyNotBeside = "a file of that name is in the way";
        else if (scratch.make(besideRom, rom, whyNotBeside))
            made = true;
        if (!made)
            return failed("the scratch copy " + inProgramFolder + " could not be made (" + reason + ")"
                          + (whyNotBeside.empty() ? std::string()
                                                  : ", nor " + besideRom + " (" + whyNotBeside + ")"));
    }

    // Replacing the earlier backup happens in one rename, so a failure leaves it as it was.
    try {
        RomFiles::ReplaceWith(bak, RomFiles::ReadAll(scratch.path()));
        if (RomFiles::ReadAll(bak) != rom)
            return failed("it does not hold the ROM's bytes");
    } catch (const RomError &e) {
        return failed(e.reason());
    }
    return Result{};
}

} // namespace Backup

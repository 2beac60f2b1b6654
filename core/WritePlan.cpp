#include "WritePlan.h"

void WritePlan::add(std::string what, std::int64_t start, std::vector<int> bytes)
{
    m_runs.push_back(Run{std::move(what), start, std::move(bytes), true});
}

void WritePlan::need(std::string what, std::int64_t position)
{
    m_runs.push_back(Run{std::move(what), position, {0}, false});
}

std::optional<std::string> WritePlan::ProblemFor(std::int64_t fileSize) const
{
    for (const Run &run : m_runs) {
        if (auto outside = RomFiles::OutsideFile(run.what, run.start, std::int64_t(run.bytes.size()), fileSize))
            return outside;
        for (std::size_t i = 0; i < run.bytes.size(); ++i)
            if (run.bytes[i] < 0 || run.bytes[i] > 255)
                return run.what + ": the value " + std::to_string(run.bytes[i]) + " for position "
                       + std::to_string(run.start + std::int64_t(i)) + " has no byte form (0 to 255)";
    }
    return std::nullopt;
}

std::optional<std::string> WritePlan::Check(const std::string &romPath, std::int64_t sizeWhenOpened,
                                            RomFile::Mode mode) const
{
    const std::string nothing = "\nNothing was saved.";
    std::int64_t size = 0;
    try {
        // Opened as the write will open it, so a ROM the user may not write is refused
        // before a backup is made for it; nothing is written here.
        RomFile rom;
        rom.open(romPath, mode);
        size = rom.size();
        rom.close();
    } catch (const RomError &e) {
        const std::string how = mode == RomFile::Mode::ReadWrite ? " for writing" : "";
        return "The ROM " + romPath + " cannot be saved: it could not be opened" + how + " (" + e.reason() + ")."
               + nothing;
    }
    // Another program has cut or grown the file: the positions read at opening may no
    // longer mean what they did.
    if (sizeWhenOpened >= 0 && size != sizeWhenOpened)
        return "The ROM " + romPath + " has changed size since it was opened (" + std::to_string(sizeWhenOpened)
               + " bytes then, " + std::to_string(size) + " now). Open it again before saving." + nothing;
    if (const auto problem = ProblemFor(size))
        return "The ROM " + romPath + " cannot be saved: " + *problem + "." + nothing;
    return std::nullopt;
}

void WritePlan::WriteTo(const std::string &romPath) const
{
    RomFile rom;
    rom.open(romPath, RomFile::Mode::ReadWrite);
    if (const auto problem = ProblemFor(rom.size())) {
        const std::string reason = *problem + "; nothing was written";
        throw RomError("The ROM " + romPath + " was not written: " + reason + ".", romPath, reason);
    }
    for (const Run &run : m_runs) {
        if (!run.writes)
            continue;
        std::int64_t pos = run.start;
        for (const int b : run.bytes)
            rom.PutRomByte(pos++, b);
    }
    rom.close();
}

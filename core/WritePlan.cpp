#include "WritePlan.h"

#include "RomFile.h"

#include <limits>

namespace {

constexpr std::int64_t Largest = std::numeric_limits<std::int64_t>::max();

std::string Positions(const WritePlan::Run &run)
{
    const std::int64_t count = std::int64_t(run.bytes.size());
    if (count == 1)
        return "position " + std::to_string(run.start);
    // The last position is only named, never used: a huge start cannot overflow here.
    const std::int64_t last = run.start > Largest - count ? Largest : run.start + count - 1;
    return "positions " + std::to_string(run.start) + " to " + std::to_string(last);
}

} // namespace

void WritePlan::add(std::string what, std::int64_t start, std::vector<int> bytes)
{
    m_runs.push_back(Run{std::move(what), start, std::move(bytes)});
}

std::optional<std::string> WritePlan::ProblemFor(std::int64_t fileSize) const
{
    for (const Run &run : m_runs) {
        const std::int64_t count = std::int64_t(run.bytes.size());
        if (count == 0)
            continue;
        // Compared without forming start + count, which a wild table value could overflow.
        const bool startsInside = run.start >= 1 && run.start <= fileSize;
        if (!startsInside || count > fileSize - run.start + 1) {
            const std::int64_t outside = startsInside ? fileSize + 1 : run.start;
            return run.what + " at " + Positions(run) + ": position " + std::to_string(outside)
                   + " lies outside the file, which holds " + std::to_string(fileSize) + " bytes";
        }
        for (std::size_t i = 0; i < run.bytes.size(); ++i)
            if (run.bytes[i] < 0 || run.bytes[i] > 255)
                return run.what + ": the value " + std::to_string(run.bytes[i]) + " for position "
                       + std::to_string(run.start + std::int64_t(i)) + " has no byte form (0 to 255)";
    }
    return std::nullopt;
}

std::optional<std::string> WritePlan::Check(const std::string &romPath) const
{
    std::int64_t size = 0;
    try {
        RomFile rom;
        rom.open(romPath, RomFile::Mode::Read);
        size = rom.size();
        rom.close();
    } catch (const RomError &e) {
        return std::string(e.what()) + "\nNothing was saved.";
    }
    if (const auto problem = ProblemFor(size))
        return "The ROM " + romPath + " cannot be saved: " + *problem + ".\nNothing was saved.";
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
        std::int64_t pos = run.start;
        for (const int b : run.bytes)
            rom.PutRomByte(pos++, b);
    }
    rom.close();
}

#include "MapSave.h"

#include "Defines.h"
#include "MapData.h"
#include "RomFile.h"

#include <algorithm>

namespace {

int RowsOnMap() { return std::clamp<int>(Defines::MapHeight, 0, 255); }
int ColumnsOnMap() { return std::clamp<int>(Defines::MapWidth, 0, 255); }

} // namespace

namespace MapSave {

std::optional<std::string> FindValueWithoutByteForm(const Job &job)
{
    const std::int64_t offset = MapData::BlockOffset();
    const std::int64_t border = job.BorderBlockNum + offset;
    if (border < 0 || border > 255)
        return "The border block " + std::to_string(job.BorderBlockNum) + " has no byte form (byte "
               + std::to_string(border) + "); nothing was written.";
    for (int r = 1; r <= RowsOnMap(); ++r)
        for (int c = 1; c <= ColumnsOnMap(); ++c) {
            const std::int64_t value = Defines::MapBlocks[r][c] + offset;
            if (value < 0 || value > 255)
                return "Map block (row " + std::to_string(r) + ", column " + std::to_string(c) + ") holds block "
                       + std::to_string(Defines::MapBlocks[r][c]) + ", whose byte " + std::to_string(value)
                       + " does not fit 0..255; nothing was written.";
        }
    return std::nullopt;
}

void WriteMap(const std::string &romPath, const Job &job)
{
    // Everything is checked before the first byte, so a refusal never leaves half a map.
    if (const auto problem = FindValueWithoutByteForm(job))
        throw RomError("The ROM " + romPath + " was not written. " + *problem, romPath, *problem);

    RomFile rom;
    rom.open(romPath, RomFile::Mode::ReadWrite);
    const std::int64_t count = std::int64_t(RowsOnMap()) * ColumnsOnMap();
    auto outside = [&](std::int64_t first, std::int64_t last) { return first < 1 || last > rom.size(); };
    std::string problem;
    if (outside(job.BorderPos, job.BorderPos))
        problem = "the border block position " + std::to_string(job.BorderPos);
    else if (count > 0 && outside(job.MapBlockPos, job.MapBlockPos + count - 1))
        problem = "the map's block data at positions " + std::to_string(job.MapBlockPos) + " to "
                  + std::to_string(job.MapBlockPos + count - 1);
    if (!problem.empty()) {
        const std::string reason = problem + " lies outside the file (1 to " + std::to_string(rom.size())
                                   + "); nothing was written";
        throw RomError("The ROM " + romPath + " was not written: " + reason + ".", romPath, reason);
    }

    const int offset = MapData::BlockOffset();
    rom.PutRomByte(job.BorderPos, job.BorderBlockNum + offset);
    std::int64_t pos = job.MapBlockPos;
    for (int r = 1; r <= RowsOnMap(); ++r)
        for (int c = 1; c <= ColumnsOnMap(); ++c)
            rom.PutRomByte(pos++, Defines::MapBlocks[r][c] + offset);
    rom.close();
}

void CopyRom(const std::string &from, const std::string &to)
{
    // A copy onto itself would have nothing to copy from once the target is replaced.
    if (from == to || RomFiles::SameFile(from, to)) {
        RomFile check;
        check.open(from, RomFile::Mode::Read);
        check.close();
        return;
    }
    RomFiles::ReplaceWith(to, RomFiles::ReadAll(from));
}

} // namespace MapSave

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

WritePlan PlanWrite(const Job &job)
{
    const int offset = MapData::BlockOffset();
    WritePlan plan;
    plan.add("the border block", job.BorderPos, {job.BorderBlockNum + offset});
    std::vector<int> blocks;
    for (int r = 1; r <= RowsOnMap(); ++r)
        for (int c = 1; c <= ColumnsOnMap(); ++c)
            blocks.push_back(Defines::MapBlocks[r][c] + offset);
    plan.add("the map's block data", job.MapBlockPos, std::move(blocks));
    return plan;
}

void WriteMap(const std::string &romPath, const Job &job)
{
    // Everything is checked before the first byte, so a refusal never leaves half a map.
    if (const auto problem = FindValueWithoutByteForm(job))
        throw RomError("The ROM " + romPath + " was not written. " + *problem, romPath, *problem);
    PlanWrite(job).WriteTo(romPath);
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

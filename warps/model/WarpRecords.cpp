#include "WarpRecords.h"

#include "core/Defines.h"
#include "core/RomFile.h"

#include <algorithm>
#include <cctype>
#include <limits>

namespace {

constexpr std::int64_t Int32Min = std::numeric_limits<std::int32_t>::min();
constexpr std::int64_t Int32Max = std::numeric_limits<std::int32_t>::max();

std::int64_t Number(std::int16_t map, int column, const std::string &what, std::int64_t lo, std::int64_t hi)
{
    const Cell &cell = Defines::MapTable[map][column];
    const std::string prefix = "The warps of " + Defines::MapNamed(map) + " cannot be edited: " + what
                               + " (map table column " + std::to_string(column) + ")";
    std::int64_t v = 0;
    if (cell.kind() == Cell::Kind::Empty || cell.kind() == Cell::Kind::Truth || !cell.toNumber(v))
        throw WarpDataError(prefix + " is not a number.");
    if (v < lo || v > hi)
        throw WarpDataError(prefix + " is " + std::to_string(v) + ", outside " + std::to_string(lo) + " to "
                            + std::to_string(hi) + ".");
    return v;
}

std::string RecordName(WarpRecords::Mode mode, int i)
{
    return (mode == WarpRecords::Mode::Warps ? "Warp " : "Warp-to point ") + std::to_string(i);
}

} // namespace

namespace WarpRecords {

SquareColumns ColumnsOf(Mode mode)
{
    return mode == Mode::Warps ? SquareColumns{2, 1} : SquareColumns{4, 3};
}

std::int64_t MapRow::FirstRecordPos(Mode mode) const
{
    return mode == Mode::Warps ? BorderPos + 2 : WarpToPos;
}

bool HasWarpToTable(std::int16_t map)
{
    if (map < 0 || map >= Defines::TableRows)
        return false;
    return !Defines::MapTable[map][10].equalsNumber(1);
}

MapRow ReadMapRow(std::int16_t map, Mode mode)
{
    if (map < 0 || map >= Defines::TableRows)
        throw WarpDataError("There is no map " + std::to_string(map) + "; map numbers run from 0 to 255.");
    MapRow row;
    row.BorderPos = Number(map, 3, "the position of its border block byte", Int32Min, Int32Max - 2);
    // An offset beyond a byte would put every record off any square the map has.
    row.XDisplayOffset = Number(map, 14, "its x display offset", -255, 255);
    row.YDisplayOffset = Number(map, 15, "its y display offset", -255, 255);
    if (mode == Mode::WarpTo) {
        row.WarpToPos = Number(map, 10, "the position of its warp-to records", Int32Min, Int32Max);
        row.PlacementAdjust = Number(map, 11, "its placement adjustment", Int32Min, Int32Max);
        row.WarpToCount = Number(map, 13, "its number of warp-to records", Int32Min, Int32Max);
    }
    return row;
}

Loaded ReadRecords(const std::string &romPath, const MapRow &row, Mode mode)
{
    Loaded loaded;
    try {
        RomFile rom;
        rom.open(romPath, RomFile::Mode::Read);
        // A count byte past the end would read as 0 warps, and a Save of none would
        // stand for nothing.
        if (mode == Mode::Warps)
            rom.RequireInside("the warp count byte", row.BorderPos + 1, 1);
        loaded.RomCount = mode == Mode::Warps ? rom.readByte(row.BorderPos + 1) : int(row.WarpToCount);
        loaded.Count = std::clamp(loaded.RomCount, 0, Capacity);
        std::int64_t pos = row.FirstRecordPos(mode);
        rom.RequireInside(mode == Mode::Warps ? "the warps" : "the warp-to points", pos, 4 * loaded.Count);
        for (int r = 0; r < loaded.Count; ++r)
            for (int k = 1; k <= 4; ++k)
                loaded.Data[size_t(r)][size_t(k)] = rom.readByte(pos++);
        rom.close();
    } catch (const RomError &e) {
        throw WarpDataError(e.what());
    }
    const SquareColumns cols = ColumnsOf(mode);
    for (int r = 0; r < loaded.Count; ++r) {
        loaded.Data[size_t(r)][size_t(cols.x)] += std::int32_t(row.XDisplayOffset);
        loaded.Data[size_t(r)][size_t(cols.y)] += std::int32_t(row.YDisplayOffset);
    }
    return loaded;
}

std::optional<int> WholeByte(const std::string &text)
{
    std::size_t begin = 0, end = text.size();
    auto blank = [](char c) { return c == ' ' || c == '\t'; };
    while (begin < end && blank(text[begin]))
        ++begin;
    while (end > begin && blank(text[end - 1]))
        --end;
    if (begin == end)
        return std::nullopt;
    int value = 0;
    for (std::size_t i = begin; i < end; ++i) {
        if (!std::isdigit(static_cast<unsigned char>(text[i])))
            return std::nullopt;
        // Leading zeros are allowed; the value is capped before it could overflow.
        value = std::min(10 * value + (text[i] - '0'), 256);
    }
    if (value > 255)
        return std::nullopt;
    return value;
}

SaveCheck PlanSave(const SaveJob &job)
{
    SaveCheck check;
    SavePlan &plan = check.Plan;
    const int count = std::clamp(job.Count, 0, Capacity);
    plan.Start = job.row.FirstRecordPos(job.mode);
    if (job.mode == Mode::Warps)
        plan.CountPos = job.row.BorderPos + 1;

    Table data = job.Data;
    if (job.mode == Mode::Warps && job.SelWarp >= 0 && job.SelWarp < count) {
        const std::string who = RecordName(job.mode, job.SelWarp);
        plan.DestinationPoint = WholeByte(job.ToPointText);
        if (!plan.DestinationPoint) {
            check.Problem = who + ": the Warp-To Point \"" + job.ToPointText
                            + "\" is not a whole number from 0 to 255.\nNothing was saved.";
            return check;
        }
        plan.DestinationMap = WholeByte(job.ToMapText);
        if (!plan.DestinationMap) {
            check.Problem = who + ": the Warp-To Map \"" + job.ToMapText
                            + "\" is not a whole number from 0 to 255.\nNothing was saved.";
            return check;
        }
        data[size_t(job.SelWarp)][3] = *plan.DestinationPoint;
        data[size_t(job.SelWarp)][4] = *plan.DestinationMap;
    }

    const SquareColumns cols = ColumnsOf(job.mode);
    for (int i = 0; i < count; ++i) {
        const Row &r = data[size_t(i)];
        for (int k = 1; k <= 4; ++k) {
            std::int64_t value = r[size_t(k)];
            std::string detail;
            if (k == cols.x) {
                value -= job.row.XDisplayOffset;
                detail = " (square x " + std::to_string(r[size_t(k)]) + " less the x display offset "
                         + std::to_string(job.row.XDisplayOffset) + ")";
            } else if (k == cols.y) {
                value -= job.row.YDisplayOffset;
                detail = " (square y " + std::to_string(r[size_t(k)]) + " less the y display offset "
                         + std::to_string(job.row.YDisplayOffset) + ")";
            }
            if (value < 0 || value > 255) {
                static const char *const WarpFields[] = {"", "y", "x", "destination point", "destination map"};
                static const char *const WarpToFields[] = {"", "event placement low byte", "event placement high byte",
                                                           "y", "x"};
                const char *field = job.mode == Mode::Warps ? WarpFields[k] : WarpToFields[k];
                check.Problem = RecordName(job.mode, i) + ": its " + field + " would be written as "
                                + std::to_string(value) + detail + ", which does not fit a byte (0 to 255).\n"
                                + "Nothing was saved.";
                plan.Bytes.clear();
                return check;
            }
            plan.Bytes.push_back(int(value));
        }
    }
    return check;
}

WritePlan PlanWrite(const SavePlan &plan)
{
    WritePlan write;
    if (plan.CountPos)
        write.need("the warp count byte", *plan.CountPos);
    write.add("the records", plan.Start, plan.Bytes);
    return write;
}

void WriteRecords(const std::string &romPath, const SavePlan &plan)
{
    PlanWrite(plan).WriteTo(romPath);
}

} // namespace WarpRecords

#include "EventRecords.h"

#include "core/Defines.h"
#include "core/MapData.h"
#include "core/RomFile.h"

#include <algorithm>
#include <limits>

namespace {

using EventTables::TypeLayout;

int DisplayOffset(int map, int column, const char *what)
{
    const Cell &cell = Defines::MapTable[map][column];
    std::int64_t v = 0;
    const std::string of = Defines::MapNamed(map) + " cannot be loaded: ";
    if (cell.kind() == Cell::Kind::Text || cell.kind() == Cell::Kind::Truth || !cell.toNumber(v))
        throw MapDataError(of + "its " + what + " display offset (map table column " + std::to_string(column)
                           + ") is not a number.");
    if (v < -255 || v > 255)
        throw MapDataError(of + "its " + what + " display offset (map table column " + std::to_string(column)
                           + ") is " + std::to_string(v) + ", outside -255 to 255.");
    return int(v);
}

// What byte k of a record is, for messages.
std::string ByteName(int k, const TypeLayout &type)
{
    if (k == type.XByte)
        return "X coordinate";
    if (k == type.YByte)
        return "Y coordinate";
    for (int p = 0; p < EventTables::PropertyCount; ++p)
        if (type.PropertyByte[std::size_t(p)] == k)
            return EventTables::PropertyName(p);
    return "byte " + std::to_string(k);
}

} // namespace

namespace EventRecords {

DisplayOffsets OffsetsOf(int map)
{
    DisplayOffsets o;
    if (map < 0 || map >= Defines::TableRows)
        return o;
    o.X = DisplayOffset(map, 14, "X");
    o.Y = DisplayOffset(map, 15, "Y");
    return o;
}

std::vector<RawRecord> ReadTable(const std::string &romPath, std::int64_t position, int count, int length)
{
    std::vector<RawRecord> records(count > 0 ? std::size_t(count) : 0);
    if (records.empty())
        return records;
    RomFile rom;
    rom.open(romPath, RomFile::Mode::Read);
    rom.RequireInside("the records", position, std::int64_t(records.size()) * std::clamp(length, 0, Columns - 1));
    std::int64_t p = position;
    for (RawRecord &record : records) {
        record.fill(0);
        for (int k = 1; k <= length && k < Columns; ++k)
            record[std::size_t(k)] = rom.readByte(p++);
    }
    rom.close();
    return records;
}

void Store(DataTable &data, const std::vector<RawRecord> &records, const TypeLayout &type, DisplayOffsets offsets)
{
    for (std::size_t r = 0; r < records.size() && r < std::size_t(Rows); ++r) {
        for (int k = 1; k <= type.RecordLength && k < Columns; ++k)
            data[r][k] = records[r][std::size_t(k)];
        data[r][type.YByte] += offsets.Y;
        data[r][type.XByte] += offsets.X;
    }
}

SquareGrid::Square SquareOf(const DataTable &data, int r, const TypeLayout &type)
{
    // A coordinate byte can hold any typed 32-bit number when a property shares it;
    // the difference is taken wide so that such a number lands far off the map.
    const auto square = [](std::int32_t held, int offset) {
        return int(std::clamp<std::int64_t>(std::int64_t(held) - offset, std::numeric_limits<int>::min(),
                                            std::numeric_limits<int>::max()));
    };
    SquareGrid::Square s;
    s.x = square(data[r][type.XByte], type.TypeXOffset);
    s.y = square(data[r][type.YByte], type.TypeYOffset);
    return s;
}

void PutOnSquare(DataTable &data, int r, const TypeLayout &type, int x, int y)
{
    data[r][type.XByte] = x + type.TypeXOffset;
    data[r][type.YByte] = y + type.TypeYOffset;
}

std::int64_t ByteToWrite(const DataTable &data, int r, int k, const TypeLayout &type, DisplayOffsets offsets)
{
    std::int64_t v = data[r][k];
    // A type may keep both coordinates in one byte; each offset comes off once.
    if (k == type.YByte)
        v -= offsets.Y;
    if (k == type.XByte)
        v -= offsets.X;
    return v;
}

std::optional<std::string> FindValueWithoutByteForm(const DataTable &data, int count, const TypeLayout &type,
                                                    DisplayOffsets offsets)
{
    for (int r = 0; r < count && r < Rows; ++r)
        for (int k = 1; k <= type.RecordLength && k < Columns; ++k) {
            const std::int64_t v = ByteToWrite(data, r, k, type, offsets);
            if (v >= 0 && v <= 255)
                continue;
            std::string text = "Event " + std::to_string(r) + " (" + type.Name + ") cannot be saved: its "
                               + ByteName(k, type) + " is " + std::to_string(v);
            if (k == type.XByte || k == type.YByte)
                text += " as a byte, so it stands where the ROM cannot place it";
            return text + ". Every value must lie in 0 to 255; nothing was saved.";
        }
    return std::nullopt;
}

WritePlan PlanWrite(std::int64_t position, const DataTable &data, int count, const TypeLayout &type,
                    DisplayOffsets offsets)
{
    std::vector<int> bytes;
    for (int r = 0; r < count; ++r)
        for (int k = 1; k <= type.RecordLength; ++k)
            bytes.push_back(int(ByteToWrite(data, r, k, type, offsets)));
    WritePlan plan;
    plan.add("the events", position, std::move(bytes));
    return plan;
}

void WriteTable(const std::string &romPath, std::int64_t position, const DataTable &data, int count,
                const TypeLayout &type, DisplayOffsets offsets)
{
    if (const auto problem = FindValueWithoutByteForm(data, count, type, offsets))
        throw RomError("The ROM " + romPath + " was not written. " + *problem, romPath, *problem);
    PlanWrite(position, data, count, type, offsets).WriteTo(romPath);
}

bool TextToNumber(const std::string &text, std::int32_t &out)
{
    std::size_t i = 0, end = text.size();
    while (i < end && (text[i] == ' ' || text[i] == '\t'))
        ++i;
    while (end > i && (text[end - 1] == ' ' || text[end - 1] == '\t'))
        --end;
    bool negative = false;
    if (i < end && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    // The whole part, capped once it is past every 32-bit value.
    constexpr std::int64_t Cap = std::int64_t(1) << 40;
    std::int64_t whole = 0;
    int digits = 0;
    for (; i < end && text[i] >= '0' && text[i] <= '9'; ++i, ++digits)
        whole = std::min(Cap, whole * 10 + (text[i] - '0'));
    int firstFraction = -1;   // the first digit after the point
    bool restNonZero = false; // any non-zero digit after that
    if (i < end && text[i] == '.') {
        for (++i; i < end && text[i] >= '0' && text[i] <= '9'; ++i, ++digits) {
            if (firstFraction < 0)
                firstFraction = text[i] - '0';
            else if (text[i] != '0')
                restNonZero = true;
        }
    }
    if (i != end || digits == 0)
        return false;
    if (firstFraction > 5 || (firstFraction == 5 && (restNonZero || whole % 2 == 1)))
        ++whole;
    const std::int64_t value = negative ? -whole : whole;
    if (value < std::numeric_limits<std::int32_t>::min() || value > std::numeric_limits<std::int32_t>::max())
        return false;
    out = std::int32_t(value);
    return true;
}

} // namespace EventRecords

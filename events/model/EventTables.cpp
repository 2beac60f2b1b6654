#include "EventTables.h"

#include "core/DataFileLines.h"
#include "core/DataFileText.h"

#include "core/DataFileError.h"
#include "core/Defines.h"
#include "core/MessageText.h"
#include "core/RomFile.h"

#include <algorithm>
#include <limits>
#include <vector>

namespace EventTables {

Cell EventTypes[TypeRows][TypeColumns];
Cell MapEvents[MapRows][MapColumns];
std::int16_t EventTypeLast = 0;

} // namespace EventTables

namespace {

using namespace EventTables;

const char *const ColumnNames[TypeColumns] = {
    "column 0", "TypeName", "EventsColumn", "RecordLength", "TypeYOffset", "TypeXOffset", "YByte", "XByte",
    "TextStringByte", "PictureByte", "Move1Byte", "Move2Byte", "ItemByte", "PokeSetByte", "TrainerTypeByte"};

const char *const PropertyNames[PropertyCount] = {"Text String Number", "Picture Number", "Movement 1",
                                                  "Movement 2", "Item", "Pokémon Set", "Trainer Type"};

// The data file as lines (LF or CRLF), with its full path for the messages.
class DataFile
{
public:
    explicit DataFile(const std::string &fileName)
        : m_path(Defines::InProgramFolder(fileName))
        , m_lines(SplitDataLines(ReadDataFileText(m_path)))
    {
    }

    [[noreturn]] void fail(int line, const std::string &problem) const
    {
        throw DataFileError(m_path, line, problem);
    }

    // The data lines: everything after the two header lines (read whole and ignored),
    // blank lines left out. There must be at least one.
    std::vector<DataLine> dataLines() const
    {
        if (m_lines.size() < 2)
            fail(int(m_lines.size()), "the file ends before its two header lines are complete");
        std::vector<DataLine> out;
        for (std::size_t i = 2; i < m_lines.size(); ++i)
            if (!m_lines[i].blank())
                out.push_back(m_lines[i]);
        if (out.empty())
            fail(int(m_lines.size()), "the file has no data line after its two header lines");
        return out;
    }

    // The fields of a line: comma-separated; a field in double quotes is text (commas
    // allowed inside), a whole decimal number is a number, nothing is an empty cell, and
    // anything else is kept as text.
    std::vector<Cell> fields(const DataLine &line, std::size_t expected, const std::string &what) const
    {
        std::vector<Cell> out;
        for (const DataField &f : SplitDataFields(m_path, line, what))
            out.push_back(f.quoted ? Cell::text(f.text) : Classify(f.text));
        if (out.size() != expected)
            fail(line.number, what + " has " + std::to_string(out.size()) + " fields instead of "
                                  + std::to_string(expected));
        return out;
    }

    // A field used as a whole number: empty counts 0; text is refused.
    std::int64_t number(const Cell &cell, int line, const std::string &what) const
    {
        std::int64_t v = 0;
        if (cell.kind() == Cell::Kind::Text || !cell.toNumber(v))
            fail(line, what + " (" + MessageText::Excerpt(cell.str()) + ") is not a whole number");
        return v;
    }

    std::int64_t numberIn(const Cell &cell, int line, const std::string &what, std::int64_t lo,
                          std::int64_t hi) const
    {
        const std::int64_t v = number(cell, line, what);
        if (v < lo || v > hi)
            fail(line, what + " is " + std::to_string(v) + ", outside " + std::to_string(lo) + " to "
                           + std::to_string(hi));
        return v;
    }

private:
    static Cell Classify(const std::string &token)
    {
        if (token.empty())
            return Cell();
        std::size_t i = (token[0] == '-' || token[0] == '+') ? 1 : 0;
        if (i == token.size())
            return Cell::text(token);
        std::uint64_t magnitude = 0;
        for (; i < token.size(); ++i) {
            if (token[i] < '0' || token[i] > '9')
                return Cell::text(token);
            magnitude = magnitude * 10 + std::uint64_t(token[i] - '0');
            if (magnitude > std::uint64_t(std::numeric_limits<std::int32_t>::max()))
                return Cell::text(token); // no table value is that large
        }
        const std::int64_t v = std::int64_t(magnitude);
        return Cell::number(token[0] == '-' ? -v : v);
    }

    std::string m_path;
    std::vector<DataLine> m_lines;
};

// Checks one type line, naming the type; returns nothing, throws on the first problem.
void CheckTypeRow(const DataFile &file, const DataLine &line, int type, const std::vector<Cell> &row)
{
    const std::string of =
        " of event type " + std::to_string(type) + " (" + MessageText::Excerpt(row[TypeName].str()) + ")";
    auto field = [&](int column) { return std::string("the ") + ColumnNames[column] + of; };
    for (int c = EventsColumn; c < TypeColumns; ++c)
        file.number(row[c], line.number, field(c));
    file.numberIn(row[EventsColumn], line.number, field(EventsColumn), 0, MapColumns - 2);
    const std::int64_t length = file.numberIn(row[RecordLength], line.number, field(RecordLength), 1, MaxRecordLength);
    // A record's bytes hold 0..255, so a wider offset could never place one on the map.
    file.numberIn(row[TypeYOffset], line.number, field(TypeYOffset), -255, 255);
    file.numberIn(row[TypeXOffset], line.number, field(TypeXOffset), -255, 255);
    file.numberIn(row[YByte], line.number, field(YByte) + " (a byte of the record)", 1, length);
    file.numberIn(row[XByte], line.number, field(XByte) + " (a byte of the record)", 1, length);
    // A property beyond the record would be edited in a box and never saved.
    for (int c = TextStringByte; c <= TrainerTypeByte; ++c)
        file.numberIn(row[c], line.number, field(c) + " (0 or a byte of the record)", 0, length);
    // Two boxes on one byte would each write it, and the last would win unseen.
    for (int a = YByte; a <= TrainerTypeByte; ++a)
        for (int b = a + 1; b <= TrainerTypeByte; ++b)
            if (row[a].num() != 0 && row[a].num() == row[b].num())
                file.fail(line.number, "the " + std::string(ColumnNames[a]) + " and the " + ColumnNames[b] + of
                                           + " are both byte " + std::to_string(row[a].num())
                                           + "; each byte of a record can hold one field only");
}

// A type's position and count are the map line's fields EventsColumn and EventsColumn + 1;
// two types on one of those fields would read and save each other's records.
void CheckTypesApart(const DataFile &file, const std::vector<DataLine> &lines,
                     const std::vector<std::vector<Cell>> &rows)
{
    for (std::size_t t = 0; t < rows.size(); ++t)
        for (std::size_t u = 0; u < t; ++u) {
            const std::int64_t ct = rows[t][EventsColumn].num(), cu = rows[u][EventsColumn].num();
            if (ct - cu < 2 && cu - ct < 2)
                file.fail(lines[t].number,
                          "the EventsColumn of event type " + std::to_string(t) + " ("
                              + MessageText::Excerpt(rows[t][TypeName].str()) + ") is " + std::to_string(ct)
                              + " and the EventsColumn of event type " + std::to_string(u) + " ("
                              + MessageText::Excerpt(rows[u][TypeName].str()) + ") is " + std::to_string(cu)
                              + "; each type takes that field of a map's line for its position and the next"
                                " for its count, so the two types would share a field");
        }
}

} // namespace

namespace EventTables {

void ReadEventTypes(const std::string &fileName)
{
    const DataFile file(fileName);
    const std::vector<DataLine> lines = file.dataLines();
    if (lines.size() > std::size_t(TypeRows))
        file.fail(lines[TypeRows].number, "there are more than 33 event type lines; event types run from 0 to 32");

    std::vector<std::vector<Cell>> rows;
    for (const DataLine &line : lines) {
        const int type = int(rows.size());
        rows.push_back(file.fields(line, TypeColumns, "the line of event type " + std::to_string(type)));
        CheckTypeRow(file, line, type, rows.back());
    }
    CheckTypesApart(file, lines, rows);

    for (std::size_t t = 0; t < rows.size(); ++t)
        for (int c = 0; c < TypeColumns; ++c)
            EventTypes[t][c] = rows[t][std::size_t(c)];
    EventTypeLast = std::int16_t(rows.size() - 1);
}

void ReadMapEvents(const std::string &fileName)
{
    const DataFile file(fileName);
    const std::vector<DataLine> lines = file.dataLines();

    std::vector<std::pair<int, std::vector<Cell>>> rows;
    for (const DataLine &line : lines) {
        std::vector<Cell> row = file.fields(line, MapColumns, "the line");
        if (row[0].isEmpty())
            file.fail(line.number, "the map number is missing");
        const std::int64_t m = file.numberIn(row[0], line.number, "the map number", 0, MapRows - 1);
        const std::string onMap = " on map " + std::to_string(m);
        for (int c = 1; c < MapColumns; ++c)
            file.number(row[std::size_t(c)], line.number, "field " + std::to_string(c) + onMap);
        for (int t = 0; t <= EventTypeLast; ++t) {
            const int c = int(EventTypes[t][EventsColumn].num());
            if (c < 0 || c > MapColumns - 2)
                continue; // a checked type table has none such
            const std::string named = "type " + std::to_string(t) + " ("
                                      + MessageText::Excerpt(EventTypes[t][TypeName].str()) + ")";
            const std::int64_t count = file.numberIn(row[std::size_t(c + 1)], line.number,
                                                     "the record count of " + named + onMap, 0, MaxRecords);
            const std::int64_t position = row[std::size_t(c)].num();
            if (count > 0 && position < 1)
                file.fail(line.number, "the table position of " + named + onMap + " is "
                                           + std::to_string(position) + "; positions start at 1");
            if (position > RomFiles::MaximumRomSize)
                file.fail(line.number, "the table position of " + named + onMap + " is "
                                           + std::to_string(position)
                                           + ", beyond the largest Game Boy ROM (8 MiB)");
        }
        rows.emplace_back(int(m), std::move(row));
    }

    // A map given on two lines takes the later line.
    for (const auto &[m, row] : rows)
        for (int c = 0; c < MapColumns; ++c)
            MapEvents[m][c] = row[std::size_t(c)];
}

int RecordCount(int map, int type)
{
    if (map < 0 || map >= MapRows || type < 0 || type >= TypeRows)
        return 0;
    const std::int64_t c = EventTypes[type][EventsColumn].num();
    if (c < 0 || c > MapColumns - 2)
        return 0;
    const std::int64_t n = MapEvents[map][c + 1].num();
    return int(std::max<std::int64_t>(std::numeric_limits<int>::min(),
                                      std::min<std::int64_t>(std::numeric_limits<int>::max(), n)));
}

std::int64_t TablePosition(int map, int type)
{
    if (map < 0 || map >= MapRows || type < 0 || type >= TypeRows)
        return 0;
    const std::int64_t c = EventTypes[type][EventsColumn].num();
    if (c < 0 || c > MapColumns - 2)
        return 0;
    return MapEvents[map][c].num();
}

TypeLayout Layout(int type)
{
    TypeLayout l;
    if (type < 0 || type >= TypeRows)
        return l;
    const Cell *row = EventTypes[type];
    l.Name = row[TypeName].str();
    l.EventsColumn = int(row[EventsColumn].num());
    l.RecordLength = int(row[RecordLength].num());
    l.TypeYOffset = int(row[TypeYOffset].num());
    l.TypeXOffset = int(row[TypeXOffset].num());
    l.YByte = int(row[YByte].num());
    l.XByte = int(row[XByte].num());
    for (int p = 0; p < PropertyCount; ++p)
        l.PropertyByte[std::size_t(p)] = int(row[TextStringByte + p].num());
    return l;
}

const char *PropertyName(int property)
{
    return property >= 0 && property < PropertyCount ? PropertyNames[property] : "";
}

int TextFlag(const TypeLayout &type)
{
    if (type.PropertyByte[TrainerTypeByte - TextStringByte] != 0)
        return 64;
    if (type.PropertyByte[ItemByte - TextStringByte] != 0)
        return 128;
    return 0;
}

std::optional<std::string> CountProblem(int map, int type)
{
    const int n = RecordCount(map, type);
    if (n >= 0 && n <= MaxRecords)
        return std::nullopt;
    return "Map " + std::to_string(map) + " has " + std::to_string(n) + " events of the type "
           + MessageText::Excerpt(EventTypes[type][TypeName].str())
           + " in the event position table; the editor can show 0 to " + std::to_string(MaxRecords) + ".";
}

void Reset()
{
    for (auto &row : EventTypes)
        for (auto &c : row)
            c = Cell();
    for (auto &row : MapEvents)
        for (auto &c : row)
            c = Cell();
    EventTypeLast = 0;
}

} // namespace EventTables

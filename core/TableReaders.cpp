#include "TableReaders.h"

#include "core/DataFileText.h"

#include "DataFileError.h"
#include "Defines.h"
#include "MessageText.h"
#include "RomFile.h"

#include <array>
#include <vector>

namespace {

// Reads a data file the way the tables are laid out: whole lines for the header and
// the separators, and comma-separated fields that run on regardless of line ends.
class Scanner
{
public:
    Scanner(std::string path, std::string text)
        : m_path(std::move(path))
        , m_text(std::move(text))
    {
    }

    bool atEnd() const { return m_pos >= m_text.size(); }
    int line() const { return m_line; }
    int fieldLine() const { return m_fieldLine; }

    // The last line that holds anything, for problems found at the end of the file.
    int endLine() const
    {
        return (!m_text.empty() && m_text.back() == '\n') ? m_line - 1 : m_line;
    }

    [[noreturn]] void fail(int line, const std::string &problem) const
    {
        throw DataFileError(m_path, line, problem);
    }

    void readLine(const std::string &what)
    {
        if (atEnd())
            fail(endLine(), "the file ends where " + what + " should be");
        while (!atEnd() && m_text[m_pos] != '\n')
            ++m_pos;
        if (!atEnd())
            consumeLineEnd();
        m_afterComma = false;
        m_endedLine = true;
    }

    // The next field of the record `what`.
    Cell readField(const std::string &what)
    {
        skipBlanks();
        if (m_afterComma && (atEnd() || m_text[m_pos] == '\n')) {
            // A comma right before a line end leaves an empty last field.
            m_fieldLine = m_line;
            if (!atEnd())
                consumeLineEnd();
            m_afterComma = false;
            m_endedLine = true;
            return Cell();
        }
        if (!m_afterComma) {
            while (!atEnd() && (m_text[m_pos] == ' ' || m_text[m_pos] == '\t' || m_text[m_pos] == '\n')) {
                if (m_text[m_pos] == '\n')
                    ++m_line;
                ++m_pos;
            }
            if (atEnd())
                fail(endLine(), "the file ends before " + what + " is complete");
        }
        m_fieldLine = m_line;

        Cell cell;
        if (m_text[m_pos] == '"') {
            const std::size_t start = ++m_pos;
            while (!atEnd() && m_text[m_pos] != '"' && m_text[m_pos] != '\n')
                ++m_pos;
            if (atEnd() || m_text[m_pos] != '"')
                fail(m_fieldLine, "a quoted text in " + what + " has no closing quote on its line");
            cell = Cell::text(m_text.substr(start, m_pos - start));
            ++m_pos;
            skipBlanks();
            if (!atEnd() && m_text[m_pos] != ',' && m_text[m_pos] != '\n')
                fail(m_fieldLine, "there is text after the closing quote of a field in " + what);
        } else {
            const std::size_t start = m_pos;
            while (!atEnd() && m_text[m_pos] != ',' && m_text[m_pos] != '\n')
                ++m_pos;
            std::string token = m_text.substr(start, m_pos - start);
            while (!token.empty() && (token.back() == ' ' || token.back() == '\t'))
                token.pop_back();
            cell = Classify(token, what);
        }

        if (atEnd()) {
            m_afterComma = false;
            m_endedLine = true;
        } else if (m_text[m_pos] == ',') {
            ++m_pos;
            m_afterComma = true;
            m_endedLine = false;
        } else {
            consumeLineEnd();
            m_afterComma = false;
            m_endedLine = true;
        }
        return cell;
    }

    // A record may run over several lines, but its last field must end a line:
    // a further field there means the line has more fields than its record.
    void endRecord(const std::string &what, int fields)
    {
        if (!m_endedLine)
            fail(m_fieldLine, what + " has more than its " + std::to_string(fields) + " fields");
    }

    // A category's first map number and map count must be numbers.
    std::int64_t requireNumber(const Cell &cell, int line, const std::string &problem) const
    {
        std::int64_t value = 0;
        if (cell.kind() == Cell::Kind::Empty || cell.kind() == Cell::Kind::Truth || !cell.toNumber(value))
            fail(line, problem);
        return value;
    }

private:
    Cell Classify(const std::string &token, const std::string &what) const
    {
        if (token.empty())
            return Cell();
        std::string upper = token;
        for (char &ch : upper)
            if (ch >= 'a' && ch <= 'z')
                ch = char(ch - 'a' + 'A');
        if (upper == "#TRUE#")
            return Cell::truth(true);
        if (upper == "#FALSE#")
            return Cell::truth(false);

        const bool negative = token[0] == '-';
        if (token.size() == (negative ? 1u : 0u)
            || token.find_first_not_of("0123456789", negative ? 1 : 0) != std::string::npos)
            failField(token, what);
        // Every number of these tables is a ROM position or smaller, so none can lie
        // beyond the largest ROM; this also keeps every sum made of them far from overflow.
        std::int64_t magnitude = 0;
        for (std::size_t i = negative ? 1 : 0; i < token.size(); ++i) {
            magnitude = magnitude * 10 + (token[i] - '0');
            if (magnitude > RomFiles::MaximumRomSize)
                fail(m_fieldLine, "the number " + MessageText::Excerpt(token) + " in " + what + " lies outside -"
                                      + std::to_string(RomFiles::MaximumRomSize) + " to "
                                      + std::to_string(RomFiles::MaximumRomSize)
                                      + "; no position or value in this table can exceed the largest Game Boy ROM"
                                        " (8 MiB)");
        }
        return Cell::number(negative ? -magnitude : magnitude);
    }

    [[noreturn]] void failField(const std::string &token, const std::string &what) const
    {
        fail(m_fieldLine, "the field " + MessageText::Excerpt(token) + " in " + what
                              + " is neither a number, #TRUE#, #FALSE# nor a text in double quotes");
    }

    void skipBlanks()
    {
        while (!atEnd() && (m_text[m_pos] == ' ' || m_text[m_pos] == '\t'))
            ++m_pos;
    }

    void consumeLineEnd()
    {
        ++m_pos; // the '\n': the text's line ends are all LF
        ++m_line;
    }

    std::string m_path;
    std::string m_text;
    std::size_t m_pos = 0;
    int m_line = 1;
    int m_fieldLine = 1;
    bool m_afterComma = false;
    bool m_endedLine = true;
};

// A table is filled in a copy and put in place only when the whole file has been read,
// so a failed reading leaves the shared tables as they were.
template <std::size_t Columns>
using Rows = std::vector<std::array<Cell, Columns>>;

template <std::size_t Columns>
Rows<Columns> CopyOf(const Cell (&table)[Defines::TableRows][Columns])
{
    Rows<Columns> rows(Defines::TableRows);
    for (int r = 0; r < Defines::TableRows; ++r)
        for (std::size_t c = 0; c < Columns; ++c)
            rows[r][c] = table[r][c];
    return rows;
}

template <std::size_t Columns>
void PutBack(const Rows<Columns> &rows, Cell (&table)[Defines::TableRows][Columns])
{
    for (int r = 0; r < Defines::TableRows; ++r)
        for (std::size_t c = 0; c < Columns; ++c)
            table[r][c] = rows[r][c];
}

// Opens a table file of the program's folder and reads its header line, which must
// be followed by something.
Scanner OpenPastHeader(const std::string &fileName, const std::string &whatIsMissing)
{
    const std::string path = Defines::InProgramFolder(fileName);
    Scanner in(path, ReadDataFileText(path));
    if (in.atEnd())
        in.fail(1, "the file is empty");
    in.readLine("the header line");
    if (in.atEnd())
        in.fail(in.endLine(), "the file has only its header line; " + whatIsMissing);
    return in;
}

} // namespace

namespace TableReaders {

void ReadTilesetTable(const std::string &fileName)
{
    Scanner in = OpenPastHeader(fileName, "there is no tileset line after it");

    auto tilesets = CopyOf(Defines::TilesetTable);
    int t = -1;
    do {
        ++t;
        if (t >= Defines::TableRows)
            in.fail(in.line(), "there are more than 256 tileset lines; tileset numbers end at 255");
        const std::string what = "the line of tileset " + std::to_string(t);
        for (int c = 0; c < Defines::TilesetColumns; ++c)
            tilesets[t][c] = in.readField(what);
        in.endRecord(what, Defines::TilesetColumns);
    } while (!in.atEnd());

    PutBack(tilesets, Defines::TilesetTable);
}

void ReadMapTable(const std::string &fileName)
{
    Scanner in = OpenPastHeader(fileName, "there is no category after it");

    auto categories = CopyOf(Defines::CategoryTable);
    auto maps = CopyOf(Defines::MapTable);
    int c = -1;
    do {
        in.readLine("a separator line");
        ++c;
        if (c >= Defines::TableRows)
            in.fail(in.line(), "there are more than 256 categories");
        const std::string what = "category line " + std::to_string(c + 1);
        const Cell name = in.readField(what);
        const Cell first = in.readField(what);
        const int firstLine = in.fieldLine();
        const Cell count = in.readField(what);
        const int countLine = in.fieldLine();
        in.endRecord(what, 3);
        const std::string named = what + " (" + MessageText::Excerpt(name.str()) + ")";
        const std::int64_t firstMap = in.requireNumber(first, firstLine,
                                                       "the first map number of " + named + " is not a number");
        const std::int64_t mapCount = in.requireNumber(count, countLine,
                                                       "the map count of " + named + " is not a number");
        categories[c][1] = name;
        categories[c][2] = first;
        categories[c][3] = count;

        for (std::int64_t i = 0; i < mapCount; ++i) {
            const std::int64_t m = firstMap + i;
            if (m < 0 || m >= Defines::TableRows)
                in.fail(countLine, named + " covers map number " + std::to_string(m)
                                       + ", but map numbers run from 0 to 255");
            const std::string mapWhat = "the map line of map " + std::to_string(m);
            for (int col = 0; col < Defines::MapColumns; ++col)
                maps[m][col] = in.readField(mapWhat);
            in.endRecord(mapWhat, Defines::MapColumns);
        }
    } while (!in.atEnd());

    PutBack(categories, Defines::CategoryTable);
    PutBack(maps, Defines::MapTable);
    Defines::LastCategory = std::int16_t(c);
}

} // namespace TableReaders

#include "PokemonList.h"

#include "core/DataFileText.h"

#include "core/DataFileError.h"
#include "core/Defines.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

namespace {

namespace fs = std::filesystem;


bool IsBlank(char c) { return c == ' ' || c == '\t'; }

struct Line
{
    int number = 0; // 1-based
    std::string text;
};

// The lines that hold anything, without their line ends.
std::vector<Line> NonBlankLines(const std::string &text)
{
    std::vector<Line> lines;
    std::size_t pos = 0;
    // A byte order mark is no part of the count.
    if (text.compare(0, 3, "\xEF\xBB\xBF") == 0)
        pos = 3;
    int number = 1;
    while (pos < text.size()) {
        std::size_t end = text.find('\n', pos);
        if (end == std::string::npos)
            end = text.size();
        std::string line = text.substr(pos, end - pos);
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        bool blank = true;
        for (char c : line)
            if (!IsBlank(c))
                blank = false;
        if (!blank)
            lines.push_back({number, line});
        pos = end + 1;
        ++number;
    }
    return lines;
}

class LineReader
{
public:
    explicit LineReader(std::string path)
        : m_path(std::move(path))
    {
    }

    [[noreturn]] void fail(int line, const std::string &problem) const { throw DataFileError(m_path, line, problem); }

    // The comma-separated fields of one line; a field may stand in double quotes.
    std::vector<std::string> fields(const Line &line) const
    {
        const std::string &s = line.text;
        std::vector<std::string> out;
        std::size_t pos = 0;
        for (;;) {
            while (pos < s.size() && IsBlank(s[pos]))
                ++pos;
            std::string field;
            if (pos < s.size() && s[pos] == '"') {
                const std::size_t close = s.find('"', pos + 1);
                if (close == std::string::npos)
                    fail(line.number, "a quoted text has no closing quote on its line");
                field = s.substr(pos + 1, close - pos - 1);
                pos = close + 1;
                while (pos < s.size() && IsBlank(s[pos]))
                    ++pos;
                if (pos < s.size() && s[pos] != ',')
                    fail(line.number, "there is text after the closing quote of a field");
            } else {
                const std::size_t start = pos;
                while (pos < s.size() && s[pos] != ',')
                    ++pos;
                field = s.substr(start, pos - start);
                while (!field.empty() && IsBlank(field.back()))
                    field.pop_back();
            }
            out.push_back(field);
            if (pos >= s.size())
                return out;
            ++pos; // the comma
        }
    }

private:
    std::string m_path;
};

// A whole number with an optional sign; false when the text is none. Large values
// saturate, which is enough to refuse them.
bool WholeNumber(const std::string &text, long long &out)
{
    std::size_t i = 0;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        negative = text[i++] == '-';
    if (i == text.size())
        return false;
    long long v = 0;
    for (; i < text.size(); ++i) {
        if (text[i] < '0' || text[i] > '9')
            return false;
        v = std::min<long long>(v * 10 + (text[i] - '0'), 1000000);
    }
    out = negative ? -v : v;
    return true;
}

// Hexadecimal digits without prefix, upper or lower case.
bool HexNumber(const std::string &text, long long &out)
{
    if (text.empty())
        return false;
    long long v = 0;
    for (char c : text) {
        int d = 0;
        if (c >= '0' && c <= '9')
            d = c - '0';
        else if (c >= 'A' && c <= 'F')
            d = c - 'A' + 10;
        else if (c >= 'a' && c <= 'f')
            d = c - 'a' + 10;
        else
            return false;
        v = std::min<long long>(v * 16 + d, 1000000);
    }
    out = v;
    return true;
}

struct Record
{
    int value = 0;
    std::string name;
    int listNumber = 0;
};

} // namespace

void PokemonList::Read(const std::string &fileName)
{
    const std::string path = Defines::InProgramFolder(fileName);
    const std::string text = ReadDataFileText(path);
    const LineReader in(path);
    const std::vector<Line> lines = NonBlankLines(text);
    if (lines.empty())
        in.fail(1, "the file is empty; its first line should hold the number of records");

    const Line &countLine = lines[0];
    const std::vector<std::string> countFields = in.fields(countLine);
    if (countFields.size() != 1)
        in.fail(countLine.number, "the first line should hold only the number of records");
    long long n = 0;
    if (!WholeNumber(countFields[0], n))
        in.fail(countLine.number, "the number of records \"" + countFields[0] + "\" is not a whole number");
    if (n < 0 || n > 255)
        in.fail(countLine.number, "the number of records is " + countFields[0]
                                      + "; it must lie in 0 to 255 (the list numbers of the drop-down list)");
    if (lines.size() - 1 < std::size_t(n))
        in.fail(lines.back().number, "the file ends after " + std::to_string(lines.size() - 1) + " of its "
                                   + std::to_string(n) + " records");

    // Every record is checked before the tables change.
    std::vector<Record> records;
    for (long long k = 1; k <= n; ++k) {
        const Line &line = lines[std::size_t(k)];
        const std::string which = "record " + std::to_string(k);
        const std::vector<std::string> f = in.fields(line);
        if (f.size() != 3)
            in.fail(line.number, which + " has " + std::to_string(f.size())
                                     + " fields; a record is a species value in hex, a name and a list number");
        Record r;
        long long v = 0;
        if (!HexNumber(f[0], v))
            in.fail(line.number, "the species value \"" + f[0] + "\" of " + which + " is not a hexadecimal number");
        if (v > 0xFF)
            in.fail(line.number, "the species value " + f[0] + " of " + which + " lies outside 00 to FF");
        r.value = int(v);
        r.name = f[1];
        long long listNumber = 0;
        if (!WholeNumber(f[2], listNumber))
            in.fail(line.number, "the list number \"" + f[2] + "\" of " + which + " is not a whole number");
        if (listNumber < 0 || listNumber > 255)
            in.fail(line.number, "the list number " + f[2] + " of " + which + " lies outside 0 to 255");
        r.listNumber = int(listNumber);
        records.push_back(r);
    }

    // A later record overwrites what an earlier one put in the same row.
    for (const Record &r : records) {
        PokeTab[r.value][1] = Cell::number(r.value);
        PokeTab[r.value][2] = Cell::text(r.name);
        PokeTab[r.value][3] = Cell::number(r.listNumber);
        PokeList[r.listNumber][1] = Cell::number(r.value);
        PokeList[r.listNumber][2] = Cell::text(r.name);
    }
    Count = int(n);
}

int PokemonList::EntryOf(int v) const
{
    if (v < 0 || v > 255)
        return -1;
    const std::int64_t listNumber = PokeTab[v][3].num();
    if (listNumber < 1 || listNumber > Count)
        return -1;
    return int(listNumber - 1);
}

std::string PokemonList::NameOf(int v) const
{
    return v >= 0 && v <= 255 ? PokeTab[v][2].str() : std::string();
}

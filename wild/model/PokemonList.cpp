#include "PokemonList.h"

#include "core/DataFileLines.h"
#include "core/DataFileText.h"

#include "core/DataFileError.h"
#include "core/Defines.h"
#include "core/MessageText.h"

#include <algorithm>
#include <vector>

namespace {

// The fields of one line, as text.
std::vector<std::string> Fields(const std::string &path, const DataLine &line, const std::string &what)
{
    std::vector<std::string> out;
    for (DataField &f : SplitDataFields(path, line, what))
        out.push_back(std::move(f.text));
    return out;
}

[[noreturn]] void Fail(const std::string &path, int line, const std::string &problem)
{
    throw DataFileError(path, line, problem);
}

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
    std::vector<DataLine> lines;
    for (DataLine &line : SplitDataLines(text))
        if (!line.blank())
            lines.push_back(std::move(line));
    if (lines.empty())
        Fail(path, 1, "the file is empty; its first line should hold the number of records");

    const DataLine &countLine = lines[0];
    const std::vector<std::string> countFields = Fields(path, countLine, "the first line");
    if (countFields.size() != 1)
        Fail(path, countLine.number, "the first line should hold only the number of records");
    long long n = 0;
    if (!WholeNumber(countFields[0], n))
        Fail(path, countLine.number,
             "the number of records \"" + MessageText::Excerpt(countFields[0]) + "\" is not a whole number");
    if (n < 0 || n > 255)
        Fail(path, countLine.number, "the number of records is " + MessageText::Excerpt(countFields[0])
                                      + "; it must lie in 0 to 255 (the list numbers of the drop-down list)");
    if (lines.size() - 1 < std::size_t(n))
        Fail(path, lines.back().number, "the file ends after " + std::to_string(lines.size() - 1) + " of its "
                                   + std::to_string(n) + " records");

    // Every record is checked before the tables change.
    std::vector<Record> records;
    for (long long k = 1; k <= n; ++k) {
        const DataLine &line = lines[std::size_t(k)];
        const std::string which = "record " + std::to_string(k);
        const std::vector<std::string> f = Fields(path, line, which);
        if (f.size() != 3)
            Fail(path, line.number, which + " has " + std::to_string(f.size())
                                     + " fields; a record is a species value in hex, a name and a list number");
        Record r;
        long long v = 0;
        if (!HexNumber(f[0], v))
            Fail(path, line.number, "the species value \"" + MessageText::Excerpt(f[0]) + "\" of " + which
                                        + " is not a hexadecimal number");
        if (v > 0xFF)
            Fail(path, line.number, "the species value " + MessageText::Excerpt(f[0]) + " of " + which
                                        + " lies outside 00 to FF");
        r.value = int(v);
        r.name = f[1];
        long long listNumber = 0;
        if (!WholeNumber(f[2], listNumber))
            Fail(path, line.number, "the list number \"" + MessageText::Excerpt(f[2]) + "\" of " + which
                                        + " is not a whole number");
        if (listNumber < 0 || listNumber > 255)
            Fail(path, line.number, "the list number " + MessageText::Excerpt(f[2]) + " of " + which
                                        + " lies outside 0 to 255");
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

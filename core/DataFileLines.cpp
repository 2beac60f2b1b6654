#include "DataFileLines.h"

#include "DataFileError.h"

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

} // namespace

std::vector<DataLine> SplitDataLines(const std::string &text)
{
    std::vector<DataLine> lines;
    std::size_t pos = text.compare(0, 3, "\xEF\xBB\xBF") == 0 ? 3 : 0;
    int number = 1;
    while (pos < text.size()) {
        std::size_t end = text.find('\n', pos);
        if (end == std::string::npos)
            end = text.size();
        lines.push_back({number++, text.substr(pos, end - pos)});
        pos = end + 1;
    }
    return lines;
}

std::vector<DataField> SplitDataFields(const std::string &path, const DataLine &line, const std::string &what)
{
    const std::string &s = line.text;
    std::vector<DataField> out;
    std::size_t pos = 0;
    for (;;) {
        while (pos < s.size() && IsBlank(s[pos]))
            ++pos;
        DataField field;
        if (pos < s.size() && s[pos] == '"') {
            const std::size_t close = s.find('"', pos + 1);
            if (close == std::string::npos)
                throw DataFileError(path, line.number, "a quoted text in " + what + " has no closing quote on its line");
            field.text = s.substr(pos + 1, close - pos - 1);
            field.quoted = true;
            pos = close + 1;
            while (pos < s.size() && IsBlank(s[pos]))
                ++pos;
            if (pos < s.size() && s[pos] != ',')
                throw DataFileError(path, line.number, "there is text after the closing quote of a field in " + what);
        } else {
            const std::size_t start = pos;
            while (pos < s.size() && s[pos] != ',')
                ++pos;
            field.text = s.substr(start, pos - start);
            while (!field.text.empty() && IsBlank(field.text.back()))
                field.text.pop_back();
        }
        out.push_back(std::move(field));
        if (pos >= s.size())
            return out;
        ++pos; // the comma
    }
}

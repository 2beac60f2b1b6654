#pragma once

#include <string>
#include <vector>

// Line-by-line reading of a data file's text: the lines with their numbers, and the
// comma-separated fields of one line.
struct DataLine
{
    int number = 0; // 1-based line of the file
    std::string text;

    bool blank() const { return text.find_first_not_of(" \t") == std::string::npos; }
};

struct DataField
{
    std::string text; // without the quotes; an unquoted field trimmed of blanks
    bool quoted = false;
};

// The lines of a text whose line ends are LF, as ReadDataFileText gives it; a leading
// byte order mark is skipped.
std::vector<DataLine> SplitDataLines(const std::string &text);

// The fields of one line of the file `path`: separated by commas, a field in double
// quotes may hold commas. Throws DataFileError naming the file and line when a quote is
// not closed on its line or text follows a closing quote; `what` names the record.
std::vector<DataField> SplitDataFields(const std::string &path, const DataLine &line, const std::string &what);

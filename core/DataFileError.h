#pragma once

#include <stdexcept>
#include <string>

// A data file that the program cannot go on without is missing or malformed.
// The message names the file, the line and the problem.
class DataFileError : public std::runtime_error
{
public:
    DataFileError(std::string file, int line, std::string problem);

    const std::string &file() const { return m_file; }
    int line() const { return m_line; }          // 1-based; 0 when no line applies
    const std::string &problem() const { return m_problem; }

private:
    std::string m_file;
    int m_line;
    std::string m_problem;
};

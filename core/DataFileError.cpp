#include "DataFileError.h"

#include "MessageText.h"

namespace {

std::string Describe(const std::string &file, int line, const std::string &problem)
{
    std::string where = "The data file " + file;
    if (line > 0)
        where += ", line " + std::to_string(line);
    // Whatever a damaged file puts into the problem, the message stays readable text.
    return MessageText::Readable(where + ": " + problem + ".");
}

} // namespace

DataFileError::DataFileError(std::string file, int line, std::string problem)
    : std::runtime_error(Describe(file, line, problem))
    , m_file(std::move(file))
    , m_line(line)
    , m_problem(std::move(problem))
{
}

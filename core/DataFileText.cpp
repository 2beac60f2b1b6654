#include "DataFileText.h"

#include "DataFileError.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>

std::string ReadDataFileText(const std::string &path)
{
    namespace fs = std::filesystem;
    std::error_code ec;
    if (fs::is_directory(fs::u8path(path), ec))
        throw DataFileError(path, 0, "this is a folder, not a file");
    errno = 0;
    std::ifstream in(fs::u8path(path), std::ios::binary);
    if (!in) {
        const int err = errno;
        throw DataFileError(path, 0, std::string("the file cannot be opened (")
                                         + (err ? std::strerror(err) : "reason unknown") + ")");
    }
    std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad())
        throw DataFileError(path, 0, "the file cannot be read");
    // Lines may end in LF, CRLF or a lone CR (older Mac editors): the readers see LF.
    std::string lines;
    lines.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\r')
            lines += text[i];
        else if (i + 1 >= text.size() || text[i + 1] != '\n')
            lines += '\n';
    }
    return lines;
}

#pragma once

#include <string>

// The whole text of a data file, its line ends (LF, CRLF or a lone CR) made LF. Throws
// DataFileError naming the file when it is a folder, cannot be opened or cannot be read.
std::string ReadDataFileText(const std::string &path);

#pragma once

#include <cstdint>
#include <string>

// A value in upper-case hexadecimal digits, at least two of them ("0A", "3F", "100");
// a negative value keeps its sign ("-01").
std::string HexTwoDigits(std::int64_t value);

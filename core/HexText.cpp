#include "HexText.h"

#include <cstdio>

std::string HexTwoDigits(std::int64_t value)
{
    // The magnitude of the most negative value still fits an unsigned 64-bit number.
    const unsigned long long magnitude = value < 0 ? 0ULL - static_cast<unsigned long long>(value)
                                                   : static_cast<unsigned long long>(value);
    char digits[24];
    std::snprintf(digits, sizeof digits, "%02llX", magnitude);
    return (value < 0 ? "-" : "") + std::string(digits);
}

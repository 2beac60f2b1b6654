#pragma once

#include <cstdint>
#include <string>

// Rules of the block palette: six rows of blocks, the top row showing the scroll value.
namespace PaletteRules {

constexpr int Rows = 6;
constexpr int RowTwips = 960;
constexpr int FirstRowTop = 120;

// Top of the selection square on row r (0..5), and the row of a top (-1 for any other top).
int SquareTop(int row);
int RowOfTop(int top);

struct Pick
{
    int squareRow = 0;   // 0 or 5 by the rule
    int scrollValue = 0;
};

// The pick rule: b < L - 6 puts b on the top row, otherwise on the bottom row.
// Compared as 16-bit signed integers, as the rule states.
Pick PickRule(std::int16_t b, std::int16_t lastBlock);

// Where the rule leaves the scroll range 0..max(0, L - 5), the value is clamped into
// it and the square moves to the row where b then lies (clamped to 0..5), so the
// selected block is the one under the square.
Pick PickWithinRange(std::int16_t b, std::int16_t lastBlock);

// "Hex: " and the block byte in upper-case hex, at least two digits.
std::string HexCaption(int blockByte);

} // namespace PaletteRules

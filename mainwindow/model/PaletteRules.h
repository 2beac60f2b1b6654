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

// The rule kept inside the scroll range 0..max(0, L - 5): the rule's scroll value is
// clamped into that range and the square goes to row b - scroll, clamped to 0..5.
// Where the rule already stays in range this is the rule itself. Otherwise (b > L,
// b <= 4 with L <= 10, or L < 5) b lies under the square whenever the palette can
// show it, and the square sits on the nearest row when it cannot (b beyond the
// last palette row, or b negative); the selected block is then the one under the square.
Pick PickWithinRange(std::int16_t b, std::int16_t lastBlock);

// "Hex: " and the block byte in upper-case hex, at least two digits ("Hex: 0A",
// "Hex: 100"). A negative byte (a ROM byte below the block offset) shows a minus
// sign before its magnitude: -1 gives "Hex: -01".
std::string HexCaption(int blockByte);

} // namespace PaletteRules

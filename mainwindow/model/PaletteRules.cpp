#include "PaletteRules.h"

#include "core/HexText.h"

#include <algorithm>
#include <cstdio>

namespace PaletteRules {

int SquareTop(int row)
{
    return FirstRowTop + RowTwips * row;
}

int RowOfTop(int top)
{
    for (int r = 0; r < Rows; ++r)
        if (top == SquareTop(r))
            return r;
    return -1;
}

Pick PickRule(std::int16_t b, std::int16_t lastBlock)
{
    if (int(b) < int(lastBlock) - 6)
        return Pick{0, b};
    return Pick{Rows - 1, int(b) - (Rows - 1)};
}

Pick PickWithinRange(std::int16_t b, std::int16_t lastBlock)
{
    const Pick rule = PickRule(b, lastBlock);
    const int maxScroll = std::max(0, int(lastBlock) - (Rows - 1));
    Pick p;
    p.scrollValue = std::clamp(rule.scrollValue, 0, maxScroll);
    p.squareRow = std::clamp(int(b) - p.scrollValue, 0, Rows - 1);
    return p;
}

std::string HexCaption(int blockByte)
{
    return "Hex: " + HexTwoDigits(blockByte);
}

} // namespace PaletteRules

#include "BlockEditRules.h"

#include "core/HexText.h"

#include <algorithm>
#include <cstdio>

namespace BlockEditRules {

int SlotTop(int k)
{
    return FirstSlotTop + SlotTwips * k;
}

int SlotOfTop(int top)
{
    for (int k = 0; k < Slots; ++k)
        if (SlotTop(k) == top)
            return k;
    return -1;
}

int ChooserCellLeft(int i)
{
    return ChooserLeft + CellPitch * (i % ChooserColumns);
}

int ChooserCellTop(int i)
{
    return ChooserTop + CellPitch * (i / ChooserColumns);
}

bool HasChooserCell(int t)
{
    return t >= 0 && t < ChooserCells;
}

int LastShownTile(const Cell &lastTile)
{
    std::int64_t v = 0;
    if (!lastTile.toNumber(v))
        v = 0;
    return int(std::clamp<std::int64_t>(v, -1, ChooserCells - 1));
}

int ScrollMax(int lastBlock)
{
    return lastBlock - (Slots - 1);
}

bool InTileset(int block, int lastBlock)
{
    return block >= 0 && block <= lastBlock;
}

std::string BlockHexCaption(std::int64_t blockByte)
{
    return "Building Block Hex Value: " + HexTwoDigits(blockByte);
}

std::string TileHexCaption(std::int64_t tile)
{
    return "Tile Hex Value: " + HexTwoDigits(tile);
}

} // namespace BlockEditRules

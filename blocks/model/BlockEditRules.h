#pragma once

#include "core/Cell.h"

#include <cstdint>
#include <string>

// Rules of the building block editor's window: the four palette slots, the tile
// chooser of 16 x 10 cells and the hexadecimal captions.
namespace BlockEditRules {

constexpr int Slots = 4;
constexpr int SlotTwips = 960;
constexpr int FirstSlotTop = 120;
constexpr int ChooserCells = 160;
constexpr int ChooserColumns = 16;
constexpr int CellPitch = 240;
constexpr int ChooserLeft = 1440;
constexpr int ChooserTop = 1200;

// Top of the selection frame on palette slot k (0..3), and the slot of a top
// (-1 for any other top; the tops are compared exactly).
int SlotTop(int k);
int SlotOfTop(int top);

// Left and top (twips) of chooser cell i, which shows tile i.
int ChooserCellLeft(int i);
int ChooserCellTop(int i);
// Whether tile t has a cell in the chooser (shown or hidden).
bool HasChooserCell(int t);

// The last chooser cell that shows a tile, from the tileset's last tile number
// (tileset table column 2): cells beyond 159 do not exist, so a larger number shows
// all 160; a cell that is no number counts as 0, a negative number shows none (-1).
int LastShownTile(const Cell &lastTile);

// The palette scroll bar's maximum: the last slot shows block LastBlock at the end
// of the range. A tileset of fewer than four blocks gives a negative value, which
// the bar takes as its minimum 0.
int ScrollMax(int lastBlock);

// Whether a block number names a block of the current tileset (0..LastBlock).
bool InTileset(int block, int lastBlock);

// "Building Block Hex Value: " with the block's byte, "Tile Hex Value: " with the tile.
std::string BlockHexCaption(std::int64_t blockByte);
std::string TileHexCaption(std::int64_t tile);

} // namespace BlockEditRules

#pragma once

#include <cstdint>

// How long a ROM image must be for the tables now read (tilesets and maps): the
// highest 1-based position any of their rows reads or writes. A shorter image shows
// empty blocks where its bytes are missing, and its Saves are refused.
namespace RomExtent {

std::int64_t NeededByTables();

} // namespace RomExtent

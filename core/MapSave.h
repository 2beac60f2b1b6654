#pragma once

#include "WritePlan.h"

#include <cstdint>
#include <optional>
#include <string>

// Writing the current map (border block and block bytes) back into a ROM image.
namespace MapSave {

struct Job
{
    std::int64_t BorderPos = 0;
    std::int16_t BorderBlockNum = 0;
    std::int64_t MapBlockPos = 0;
};

// The first value that has no byte form (block number plus the block offset outside
// 0..255), described for the user ("the border block" / "map block (row 3, column 7)"
// with its value); nothing when every value fits.
std::optional<std::string> FindValueWithoutByteForm(const Job &job);

// The bytes a Save writes: the border byte at BorderPos, then every map byte row by row
// from MapBlockPos (block number plus the block offset).
WritePlan PlanWrite(const Job &job);

// Opens the ROM at romPath, writes the border byte at BorderPos, then every map byte
// row by row from MapBlockPos, and closes it. Throws RomError on any failure. The
// values (FindValueWithoutByteForm) and the positions (all inside the file) are
// checked before the first byte is written, so a refusal never leaves a half-written map.
void WriteMap(const std::string &romPath, const Job &job);

// Save As: copies the file `from` to `to` (a new file, or replacing one); the copy is
// complete or the target is left as it was. Throws RomError naming the file and reason.
// When both name the same file (also through another spelling or a link), nothing is
// copied: the file only has to exist and be readable.
void CopyRom(const std::string &from, const std::string &to);

} // namespace MapSave

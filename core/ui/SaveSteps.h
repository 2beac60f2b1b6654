#pragma once

#include "core/RomFile.h"

#include <functional>
#include <optional>
#include <string>

class WritePlan;

// The steps every editor's Save shares, each showing its own failure to the user:
// a refused value, a plan that does not fit the file, the backup question with the
// backup step, and the write itself. Each returns false when the Save must stop, with
// nothing (more) written.
namespace SaveSteps {

// A value without byte form (or another reason not to save), found before anything is written.
bool Allowed(const std::optional<std::string> &problem);

// Whether the ROM at RomPath can take the whole plan now (it opens in `mode`, has the
// size it had when it was opened, and every position lies inside it); otherwise the
// reason is shown. Save As reads the ROM only, to copy it: it checks for reading.
bool Fits(const WritePlan &plan, RomFile::Mode mode = RomFile::Mode::ReadWrite);

// "Make a backup of the ROM (…)?"; on Yes the backup step runs. False when the backup
// could not be made: the ROM is untouched and the message says why.
bool OfferBackup();

// Runs the write; a RomError it throws is shown and gives false.
bool Write(const std::function<void()> &write);

// A Save in its order: the values (problem), the plan against the file, the backup
// offer, then the plan written into the ROM at RomPath. Nothing is asked or backed up
// while a value or a position is refused.
bool Save(const std::optional<std::string> &problem, const WritePlan &plan);

} // namespace SaveSteps

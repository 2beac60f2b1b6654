#pragma once

#include <functional>
#include <optional>
#include <string>

// The steps every editor's Save shares, each showing its own failure to the user:
// a refused value, the backup question with the backup step, and the write itself.
// Each returns false when the Save must stop, with nothing (more) written.
namespace SaveSteps {

// A value without byte form (or another reason not to save), found before anything is written.
bool Allowed(const std::optional<std::string> &problem);

// "Make a backup of the ROM (…)?"; on Yes the backup step runs. False when the backup
// could not be made: the ROM is untouched and the message says why.
bool OfferBackup();

// Runs the write; a RomError it throws is shown and gives false.
bool Write(const std::function<void()> &write);

} // namespace SaveSteps

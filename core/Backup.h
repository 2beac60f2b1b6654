#pragma once

#include <string>

// The backup step every editor's Save runs after a Yes to the backup question.
namespace Backup {

// "Make a backup of the ROM (<romPath>.BAK)?"
std::string Question(const std::string &romPath);

struct Result
{
    bool ok = true;
    std::string message; // why the backup could not be made, naming the file
};

// Afterwards "<romPath>.BAK" holds the ROM as it was and romPath holds the same bytes;
// the scratch copy "temp.tvr" is gone. No failure can leave the ROM missing or
// changed: on a failure the ROM is untouched and the result says why.
//
// The ROM is never renamed, deleted or written: it is copied to the scratch copy, and
// the backup is made from that copy beside "<romPath>.BAK", compared with the ROM and
// only then renamed over the earlier backup, which therefore stays as it was whenever
// the new one cannot be made. The scratch copy goes in programFolder, or beside the ROM
// when programFolder cannot take it and no file of that name lies there.
Result BackupRom(const std::string &romPath, const std::string &programFolder);

} // namespace Backup

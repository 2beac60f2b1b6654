#pragma once

#include "RomFile.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// The bytes one Save writes into the ROM image: runs of bytes, each written one byte
// at a time from its 1-based position, and the bytes it only relies on (a count it
// was read with). A plan is checked whole against the file before the user is asked
// anything, and written only whole: no refusal leaves a half-written ROM, and the file
// never changes size.
class WritePlan
{
public:
    struct Run
    {
        std::string what;       // what the bytes are, for messages ("the map's block data")
        std::int64_t start = 0; // 1-based position of the first byte
        std::vector<int> bytes;
        bool writes = true;     // false: the bytes are only relied on, never written
    };

    void add(std::string what, std::int64_t start, std::vector<int> bytes);
    // A byte the Save stands on without writing it (a count its records were read
    // with): it must lie inside the file too.
    void need(std::string what, std::int64_t position);
    const std::vector<Run> &runs() const { return m_runs; }

    // Why the plan cannot be written whole into a file of fileSize bytes: the first
    // byte that lies outside it (naming its run and position) or has no byte form.
    // Nothing when every byte fits.
    std::optional<std::string> ProblemFor(std::int64_t fileSize) const;

    // Checks the plan against the ROM at romPath as it is now, without changing it: the
    // file opens in `mode`, still has the size it had when it was opened (sizeWhenOpened;
    // below 0 when not known) and takes every run. The problem, as a message naming the
    // file and ending "Nothing was saved.", or nothing when the plan can be written.
    std::optional<std::string> Check(const std::string &romPath, std::int64_t sizeWhenOpened,
                                     RomFile::Mode mode) const;

    // Opens the ROM at romPath, checks the whole plan, writes every run in order and
    // closes the file. Throws RomError naming the file and the reason; a refused plan
    // writes nothing.
    void WriteTo(const std::string &romPath) const;

private:
    std::vector<Run> m_runs;
};

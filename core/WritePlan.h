#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// The bytes one Save writes into the ROM image: runs of bytes, each written one byte
// at a time from its 1-based position. A plan is checked whole against the file
// before the user is asked anything, and written only whole: no refusal leaves a
// half-written ROM, and the file never changes size.
class WritePlan
{
public:
    struct Run
    {
        std::string what;       // what the bytes are, for messages ("the map's block data")
        std::int64_t start = 0; // 1-based position of the first byte
        std::vector<int> bytes;
    };

    void add(std::string what, std::int64_t start, std::vector<int> bytes);
    const std::vector<Run> &runs() const { return m_runs; }

    // Why the plan cannot be written whole into a file of fileSize bytes: the first
    // byte that lies outside it (naming its run and position) or has no byte form.
    // Nothing when every byte fits.
    std::optional<std::string> ProblemFor(std::int64_t fileSize) const;

    // Checks the plan against the ROM at romPath as it is now, without changing it:
    // the problem, as a message naming the file, or nothing when the plan fits.
    std::optional<std::string> Check(const std::string &romPath) const;

    // Opens the ROM at romPath, checks the whole plan, writes every run in order and
    // closes the file. Throws RomError naming the file and the reason; a refused plan
    // writes nothing.
    void WriteTo(const std::string &romPath) const;

private:
    std::vector<Run> m_runs;
};

#pragma once

#include <cstdint>
#include <string>
#include <vector>

// Synthetic files for tests: a temporary folder, small ROM images and data files.
// No game ROM or game data is ever used.
class TempFolder
{
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder &) = delete;
    TempFolder &operator=(const TempFolder &) = delete;

    const std::string &path() const { return m_path; }
    std::string file(const std::string &name) const;
    // Writes a text file (UTF-8) and returns its path.
    std::string writeText(const std::string &name, const std::string &text) const;
    std::string writeBytes(const std::string &name, const std::vector<std::uint8_t> &bytes) const;

private:
    std::string m_path;
};

namespace TestFiles {

std::vector<std::uint8_t> ReadBytes(const std::string &path);
bool Exists(const std::string &path);

// A ROM image of `size` bytes whose byte at offset i is (i * 7 + 3) & 0xFF, so that
// every neighbourhood is distinguishable.
std::vector<std::uint8_t> PatternRom(std::size_t size);

// Sets byte `position` (1-based) of an image.
void Poke(std::vector<std::uint8_t> &rom, std::int64_t position, std::uint8_t value);

// Lines of the tileset and map table files (no line end). The columns a map load
// uses are given; the others hold plausible values.
std::string TilesetLine(std::int64_t lastBlock, std::int64_t blocksetPos, std::int64_t blockOffset);
std::string MapLine(const std::string &name, std::int64_t blockPos, std::int64_t borderPos,
                    std::int64_t height, std::int64_t width, std::int64_t tileset);

} // namespace TestFiles

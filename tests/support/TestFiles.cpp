#include "TestFiles.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>

namespace fs = std::filesystem;

TempFolder::TempFolder()
{
    std::string pattern = (fs::temp_directory_path() / "tovrane-test-XXXXXX").string();
    std::vector<char> buffer(pattern.begin(), pattern.end());
    buffer.push_back('\0');
    if (!mkdtemp(buffer.data()))
        throw std::runtime_error("cannot make a temporary folder");
    m_path = buffer.data();
}

TempFolder::~TempFolder()
{
    std::error_code ec;
    // Folders made read-only by a test must become writable again to be removed.
    for (auto it = fs::recursive_directory_iterator(m_path, ec); !ec && it != fs::recursive_directory_iterator(); it.increment(ec))
        fs::permissions(it->path(), fs::perms::owner_all, fs::perm_options::add, ec);
    fs::permissions(m_path, fs::perms::owner_all, fs::perm_options::add, ec);
    fs::remove_all(m_path, ec);
}

std::string TempFolder::file(const std::string &name) const
{
    return (fs::u8path(m_path) / fs::u8path(name)).u8string();
}

std::string TempFolder::writeText(const std::string &name, const std::string &text) const
{
    const std::string p = file(name);
    std::ofstream out(fs::u8path(p), std::ios::binary);
    out << text;
    return p;
}

std::string TempFolder::writeBytes(const std::string &name, const std::vector<std::uint8_t> &bytes) const
{
    const std::string p = file(name);
    std::ofstream out(fs::u8path(p), std::ios::binary);
    out.write(reinterpret_cast<const char *>(bytes.data()), std::streamsize(bytes.size()));
    return p;
}

namespace TestFiles {

std::vector<std::uint8_t> ReadBytes(const std::string &path)
{
    std::ifstream in(fs::u8path(path), std::ios::binary);
    return std::vector<std::uint8_t>(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

bool Exists(const std::string &path)
{
    std::error_code ec;
    return fs::exists(fs::u8path(path), ec);
}

std::vector<std::uint8_t> PatternRom(std::size_t size)
{
    std::vector<std::uint8_t> rom(size);
    for (std::size_t i = 0; i < size; ++i)
        rom[i] = std::uint8_t((i * 7 + 3) & 0xFF);
    return rom;
}

void Poke(std::vector<std::uint8_t> &rom, std::int64_t position, std::uint8_t value)
{
    rom.at(std::size_t(position - 1)) = value;
}

std::string TilesetLine(std::int64_t lastBlock, std::int64_t blocksetPos, std::int64_t blockOffset)
{
    return "\"Tileset\",1,95,0," + std::to_string(lastBlock) + "," + std::to_string(blocksetPos) + ","
           + std::to_string(blockOffset);
}

std::string MapLine(const std::string &name, std::int64_t blockPos, std::int64_t borderPos,
                    std::int64_t height, std::int64_t width, std::int64_t tileset)
{
    return "0,\"" + name + "\"," + std::to_string(blockPos) + "," + std::to_string(borderPos) + ",0,"
           + std::to_string(height) + ",0," + std::to_string(width) + "," + std::to_string(tileset)
           + ",\"A comment\",1,0,#TRUE#,0,0,0,1,#TRUE#";
}

} // namespace TestFiles

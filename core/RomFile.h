#pragma once

#include <cstdint>
#include <cstdio>
#include <stdexcept>
#include <string>

// A failure to open, read or write the ROM image; the message names the file and the reason.
class RomError : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
};

// The ROM image opened as the one open file, for single bytes at 1-based positions
// (byte offset = position - 1). The file is never resized.
class RomFile
{
public:
    enum class Mode { Read, ReadWrite };

    RomFile() = default;
    ~RomFile();
    RomFile(const RomFile &) = delete;
    RomFile &operator=(const RomFile &) = delete;

    // Throws RomError when the file cannot be opened in that mode.
    void open(const std::string &path, Mode mode);
    void close();
    bool isOpen() const { return m_file != nullptr; }
    const std::string &path() const { return m_path; }
    std::int64_t size() const { return m_size; }

    // The byte at position p; 0 for a position past the end (or before the start).
    int readByte(std::int64_t p);

    // Writes exactly one byte equal to v at position p. A value outside 0..255 has no
    // byte form and is refused (RomError), never truncated; so is a position outside the file.
    void PutRomByte(std::int64_t p, int v);

private:
    std::FILE *m_file = nullptr;
    std::string m_path;
    std::int64_t m_size = 0;
    Mode m_mode = Mode::Read;
};

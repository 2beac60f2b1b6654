#pragma once

#include <cstdint>
#include <cstdio>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

// A failure to open, read or write the ROM image; the message names the file and the reason.
// file() and reason() give the two parts, for callers that word their own message
// (both are empty when the error was made from a message alone).
class RomError : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
    RomError(const std::string &message, std::string file, std::string reason)
        : std::runtime_error(message)
        , m_file(std::move(file))
        , m_reason(std::move(reason))
    {
    }

    const std::string &file() const { return m_file; }
    const std::string &reason() const { return m_reason; }

private:
    std::string m_file;
    std::string m_reason;
};

// The ROM image opened as the one open file, for single bytes at 1-based positions
// (byte offset = position - 1). The file is never resized.
class RomFile
{
public:
    enum class Mode { Read, ReadWrite };

    RomFile() = default;
    // Closes a file still open without reporting anything; call close() to learn
    // whether the written bytes reached the file.
    ~RomFile();
    RomFile(const RomFile &) = delete;
    RomFile &operator=(const RomFile &) = delete;

    // Throws RomError when the file cannot be opened in that mode (or is not a file).
    void open(const std::string &path, Mode mode);
    // Closes the file. When the written bytes cannot be put into the file, it throws
    // RomError; the file is closed all the same. Closing a closed file does nothing.
    void close();
    bool isOpen() const { return m_file != nullptr; }
    const std::string &path() const { return m_path; }
    std::int64_t size() const { return m_size; }

    // Throws RomError, naming the bytes and their positions, unless the `count` bytes
    // (what) from position `start` all lie inside the file: a reader that shows them
    // calls it first, as bytes past the end would read as 0.
    void RequireInside(const std::string &what, std::int64_t start, std::int64_t count) const;

    // The byte at position p; 0 for a position past the end (or before the start).
    // Throws RomError when the file cannot be read.
    int readByte(std::int64_t p);

    // Writes exactly one byte equal to v at position p. A value outside 0..255 has no
    // byte form and is refused (RomError), never truncated; so is a position outside the
    // file, and a file opened for reading only.
    void PutRomByte(std::int64_t p, int v);

private:
    std::FILE *m_file = nullptr;
    std::string m_path;
    std::int64_t m_size = 0;
    Mode m_mode = Mode::Read;
    // Where the stream stands after the last read or write, so runs of bytes in order
    // need no seek per byte.
    enum class LastOp { None, Read, Write };
    LastOp m_lastOp = LastOp::None;
    std::int64_t m_next = 0; // offset of the byte after the last one read or written
};

// Whole-file operations on ROM images and their copies.
namespace RomFiles {

// No Game Boy cartridge holds more than 8 MiB; a larger file is no ROM image, and no
// position a data table gives can lie past it.
constexpr std::int64_t MaximumRomSize = std::int64_t(8) << 20;

// Why the file at `path` cannot be taken as a ROM image: it does not exist, is no
// regular file (a folder, a device, a named pipe) or is larger than MaximumRomSize.
// The message names the file. Nothing when it may be one. Nothing is opened to find
// out, so a pipe cannot block the caller.
std::optional<std::string> UnfitForRom(const std::string &path);

// Every byte of the file at `path`. Throws RomError naming the file and the reason;
// a file larger than MaximumRomSize, or no regular file, is refused.
std::vector<std::uint8_t> ReadAll(const std::string &path);

// Makes the file at `path` hold exactly `bytes`: they go to a new file beside it,
// are read back and compared, and only then does that file take the name `path`.
// So `path` is either complete or left as it was. Throws RomError naming the file.
void ReplaceWith(const std::string &path, const std::vector<std::uint8_t> &bytes);

// Whether the two paths name the same existing file (also through links or other spellings).
bool SameFile(const std::string &a, const std::string &b);

// The size of the file at `path` in bytes, or -1 when it cannot be learnt.
std::int64_t SizeOf(const std::string &path);

// Why `count` bytes from the 1-based position `start` do not all lie inside a file of
// fileSize bytes, naming them once ("the border block at position 9 lies outside the
// file, which holds 8 bytes"); nothing when they do, or when count is 0.
std::optional<std::string> OutsideFile(const std::string &what, std::int64_t start, std::int64_t count,
                                       std::int64_t fileSize);

} // namespace RomFiles

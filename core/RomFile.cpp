#include "RomFile.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <limits>
#include <sys/stat.h>

namespace fs = std::filesystem;

namespace {

std::string Reason(int err)
{
    return err ? std::strerror(err) : "reason unknown";
}

[[noreturn]] void Fail(const std::string &path, const std::string &what, const std::string &reason)
{
    throw RomError("The ROM " + path + " " + what + ": " + reason, path, reason);
}

// Opening a named pipe for reading waits for a writer, maybe for ever; a device or
// folder is no ROM either. So only what is not there or is a regular file is opened.
bool NotRegularFile(const std::string &path)
{
#ifdef _WIN32
    struct _stat64 st;
    return _wstat64(fs::u8path(path).c_str(), &st) == 0 && (st.st_mode & _S_IFREG) == 0;
#else
    struct stat st;
    return ::stat(path.c_str(), &st) == 0 && !S_ISREG(st.st_mode);
#endif
}

std::FILE *OpenFile(const std::string &path, const char *mode)
{
    if (mode[0] == 'r' && NotRegularFile(path)) {
        errno = fs::is_directory(fs::u8path(path)) ? EISDIR : EINVAL;
        return nullptr;
    }
#ifdef _WIN32
    const std::wstring wmode(mode, mode + std::strlen(mode));
    return _wfopen(fs::u8path(path).c_str(), wmode.c_str());
#else
    return std::fopen(path.c_str(), mode);
#endif
}

bool Seek(std::FILE *f, std::int64_t offset)
{
#ifdef _WIN32
    return _fseeki64(f, offset, SEEK_SET) == 0;
#else
    return fseeko(f, off_t(offset), SEEK_SET) == 0;
#endif
}

// The size of an open file, or -1 with errno set; a folder or device is refused.
std::int64_t RegularFileSize(std::FILE *f)
{
#ifdef _WIN32
    struct _stat64 st;
    if (_fstat64(_fileno(f), &st) != 0)
        return -1;
    if ((st.st_mode & _S_IFREG) == 0) {
        errno = EISDIR;
        return -1;
    }
#else
    struct stat st;
    if (fstat(fileno(f), &st) != 0)
        return -1;
    if (!S_ISREG(st.st_mode)) {
        errno = S_ISDIR(st.st_mode) ? EISDIR : EINVAL;
        return -1;
    }
#endif
    return std::int64_t(st.st_size);
}

// Closes after writing: the bytes must reach the file, or the caller hears of it.
int CloseChecked(std::FILE *f)
{
    int err = 0;
    if (std::fflush(f) != 0)
        err = errno;
    if (std::fclose(f) != 0 && err == 0)
        err = errno ? errno : EIO;
    return err;
}

} // namespace

RomFile::~RomFile()
{
    if (m_file)
        std::fclose(m_file);
}

void RomFile::open(const std::string &path, Mode mode)
{
    if (m_file)
        close();
    errno = 0;
    std::FILE *f = OpenFile(path, mode == Mode::ReadWrite ? "r+b" : "rb");
    if (!f)
        Fail(path, "could not be opened", Reason(errno));
    const std::int64_t size = RegularFileSize(f);
    if (size < 0) {
        const int err = errno;
        std::fclose(f);
        Fail(path, "could not be opened", Reason(err));
    }
    m_file = f;
    m_lastOp = LastOp::None;
    m_path = path;
    m_size = size;
    m_mode = mode;
}

void RomFile::close()
{
    if (!m_file)
        return;
    std::FILE *f = m_file;
    m_file = nullptr;
    if (m_mode == Mode::Read) {
        std::fclose(f);
        return;
    }
    if (const int err = CloseChecked(f))
        Fail(m_path, "could not be written", Reason(err));
}

void RomFile::RequireInside(const std::string &what, std::int64_t start, std::int64_t count) const
{
    if (const auto outside = RomFiles::OutsideFile(what, start, count, m_size))
        Fail(m_path, "could not be read", *outside);
}

int RomFile::readByte(std::int64_t p)
{
    if (!m_file)
        throw RomError("No ROM is open for reading.");
    if (p < 1 || p > m_size)
        return 0;
    errno = 0;
    // A read that follows on from the last read needs no seek (a seek per byte is a
    // system call); after a write, the stream must be positioned again.
    if (!(m_lastOp == LastOp::Read && m_next == p - 1)) {
        m_lastOp = LastOp::None;
        if (!Seek(m_file, p - 1))
            Fail(m_path, "could not be read at position " + std::to_string(p), Reason(errno));
    }
    const int c = std::fgetc(m_file);
    m_lastOp = LastOp::Read;
    m_next = p;
    if (c == EOF) {
        m_lastOp = LastOp::None;
        // The file shrank since it was opened: past its end, as for any other position.
        if (!std::ferror(m_file))
            return 0;
        const int err = errno;
        std::clearerr(m_file);
        Fail(m_path, "could not be read at position " + std::to_string(p), Reason(err));
    }
    return c;
}

void RomFile::PutRomByte(std::int64_t p, int v)
{
    if (!m_file || m_mode != Mode::ReadWrite)
        throw RomError("No ROM is open for writing.");
    if (v < 0 || v > 255)
        Fail(m_path, "was not written at position " + std::to_string(p),
             "the value " + std::to_string(v) + " has no byte form (0 to 255)");
    if (p < 1 || p > m_size)
        Fail(m_path, "was not written at position " + std::to_string(p),
             "that position lies outside the file (1 to " + std::to_string(m_size)
                 + "), and writing there would change its size");
    errno = 0;
    const bool followsOn = m_lastOp == LastOp::Write && m_next == p - 1;
    m_lastOp = LastOp::None;
    if ((!followsOn && !Seek(m_file, p - 1)) || std::fputc(v, m_file) == EOF) {
        const int err = errno;
        std::clearerr(m_file);
        Fail(m_path, "could not be written at position " + std::to_string(p), Reason(err));
    }
    m_lastOp = LastOp::Write;
    m_next = p;
}

namespace RomFiles {

std::vector<std::uint8_t> ReadAll(const std::string &path)
{
    auto fail = [&](int err) {
        throw RomError("The file " + path + " could not be read: " + Reason(err), path, Reason(err));
    };
    errno = 0;
    std::FILE *f = OpenFile(path, "rb");
    if (!f)
        fail(errno);
    const std::int64_t size = RegularFileSize(f);
    if (size < 0) {
        const int err = errno;
        std::fclose(f);
        fail(err);
    }
    // Only ROM images and their copies are read whole: nothing larger is ever wanted.
    if (size > RomFiles::MaximumRomSize) {
        std::fclose(f);
        const std::string reason = "it holds " + std::to_string(size) + " bytes, more than any Game Boy ROM";
        throw RomError("The file " + path + " could not be read: " + reason, path, reason);
    }
    std::vector<std::uint8_t> bytes;
    bytes.reserve(std::size_t(size));
    std::uint8_t chunk[65536];
    std::size_t got = 0;
    while ((got = std::fread(chunk, 1, sizeof chunk, f)) > 0)
        bytes.insert(bytes.end(), chunk, chunk + got);
    const bool bad = std::ferror(f) != 0;
    const int err = errno;
    std::fclose(f);
    if (bad)
        fail(err);
    return bytes;
}

void ReplaceWith(const std::string &path, const std::vector<std::uint8_t> &bytes)
{
    auto fail = [&](const std::string &reason) {
        throw RomError("The file " + path + " could not be written: " + reason, path, reason);
    };

    // A fresh name beside the target, so that the rename below stays on one file system.
    std::string part;
    std::FILE *f = nullptr;
    int err = 0;
    for (int i = 0; i < 100 && !f; ++i) {
        part = path + ".part" + (i ? std::to_string(i) : std::string());
        errno = 0;
        f = OpenFile(part, "wbx");
        err = errno;
        if (!f && err != EEXIST)
            break;
    }
    if (!f)
        fail(Reason(err));

    std::error_code ec;
    const bool written = bytes.empty() || std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
    err = written ? 0 : errno;
    if (const int closeErr = CloseChecked(f); written && closeErr)
        err = closeErr;
    if (!written || err) {
        fs::remove(fs::u8path(part), ec);
        fail(Reason(err ? err : EIO));
    }

    bool same = false;
    try {
        same = ReadAll(part) == bytes;
    } catch (const RomError &) {
    }
    if (!same) {
        fs::remove(fs::u8path(part), ec);
        fail("the written copy does not read back the same");
    }

    // A replaced file keeps its permissions.
    const fs::file_status old = fs::status(fs::u8path(path), ec);
    if (!ec && fs::is_regular_file(old))
        fs::permissions(fs::u8path(part), old.permissions(), ec);

    fs::rename(fs::u8path(part), fs::u8path(path), ec);
    if (ec) {
        std::error_code ignored;
        fs::remove(fs::u8path(part), ignored);
        fail(ec.message());
    }
}

std::optional<std::string> UnfitForRom(const std::string &path)
{
    const std::string prefix = "The file " + path + " cannot be opened as a ROM image: ";
    std::error_code ec;
    const fs::file_status status = fs::status(fs::u8path(path), ec);
    if (status.type() == fs::file_type::not_found)
        return prefix + "it does not exist.";
    if (ec)
        return prefix + ec.message() + ".";
    if (status.type() == fs::file_type::directory)
        return prefix + "it is a folder.";
    if (status.type() != fs::file_type::regular)
        return prefix + "it is not a regular file (it is a device, a named pipe or a socket).";
    const std::uintmax_t size = fs::file_size(fs::u8path(path), ec);
    if (ec)
        return prefix + ec.message() + ".";
    if (size > std::uintmax_t(MaximumRomSize))
        return prefix + "it holds " + std::to_string(size) + " bytes, more than any Game Boy ROM ("
               + std::to_string(MaximumRomSize) + " bytes).";
    return std::nullopt;
}

bool SameFile(const std::string &a, const std::string &b)
{
    std::error_code ec;
    if (fs::equivalent(fs::u8path(a), fs::u8path(b), ec))
        return true;
    return false;
}

std::int64_t SizeOf(const std::string &path)
{
    std::error_code ec;
    const std::uintmax_t size = fs::file_size(fs::u8path(path), ec);
    if (ec || size > std::uintmax_t(std::numeric_limits<std::int64_t>::max()))
        return -1;
    return std::int64_t(size);
}

std::optional<std::string> OutsideFile(const std::string &what, std::int64_t start, std::int64_t count,
                                       std::int64_t fileSize)
{
    if (count <= 0)
        return std::nullopt;
    // Compared without forming start + count, which a wild table value could overflow.
    const bool startsInside = start >= 1 && start <= fileSize;
    if (startsInside && count <= fileSize - start + 1)
        return std::nullopt;
    const std::string holds = "the file, which holds " + std::to_string(fileSize) + " bytes";
    if (count == 1)
        return what + " at position " + std::to_string(start) + " lies outside " + holds;
    // The last position is only named, never used: a huge start cannot overflow here.
    constexpr std::int64_t Largest = std::numeric_limits<std::int64_t>::max();
    const std::int64_t last = start > Largest - (count - 1) ? Largest : start + count - 1;
    const std::string positions = what + " at positions " + std::to_string(start) + " to " + std::to_string(last);
    if (startsInside)
        return positions + " reach past the end of " + holds;
    return positions + " lie outside " + holds;
}

} // namespace RomFiles

#include "platform/AtomicFile.h"

#include "platform/BinaryFile.h"
#include "platform/WriteAll.h"

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <string_view>
#include <sys/stat.h>
#include <unistd.h>

namespace corvane {

namespace {

// A name beside path that no other writer of this or another process uses.
std::string TemporaryNameBeside(const std::string& path) {
    static std::atomic<unsigned> counter{0};
    return path + ".tmp." + std::to_string(::getpid()) + "." + std::to_string(counter++);
}

} // namespace

bool WriteFileAtomically(const std::string& path, std::span<const std::uint8_t> bytes) {
    struct stat existing {};
    const bool hadFile = ::stat(path.c_str(), &existing) == 0;
    if (hadFile && !S_ISREG(existing.st_mode))
        return false;

    const std::string temporary = TemporaryNameBeside(path);
    const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0)
        return false;
    bool ok = WriteAll(fd, bytes);
    if (ok && hadFile)
        ok = ::fchmod(fd, existing.st_mode & 07777) == 0;
    ok = ok && ::fsync(fd) == 0;
    ok = (::close(fd) == 0) && ok;
    if (ok)
        ok = std::rename(temporary.c_str(), path.c_str()) == 0;
    if (!ok)
        ::unlink(temporary.c_str());
    return ok;
}

std::optional<std::vector<std::uint8_t>> ReadWholeFile(const std::string& path) {
    auto file = BinaryFile::open(path, BinaryFile::Mode::ReadOnly);
    if (!file)
        return std::nullopt;
    const auto length = file->length();
    if (!length || *length > SIZE_MAX / 2)
        return std::nullopt;
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(*length));
    bytes.resize(file->read(bytes));
    // A file that grew meanwhile: take the rest as well.
    std::uint8_t chunk[4096];
    for (std::size_t n; (n = file->read(chunk)) > 0;)
        bytes.insert(bytes.end(), chunk, chunk + n);
    return bytes;
}

} // namespace corvane

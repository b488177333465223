#include "platform/BinaryFile.h"

#include "platform/WriteAll.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace corvane {

namespace {

int OpenFlags(BinaryFile::Mode mode) {
    switch (mode) {
    case BinaryFile::Mode::Keep:
        return O_RDWR | O_CREAT;
    case BinaryFile::Mode::Fresh:
        return O_RDWR | O_CREAT | O_TRUNC;
    case BinaryFile::Mode::ReadOnly:
        return O_RDONLY;
    }
    return O_RDONLY;
}

bool IsRegularFile(int fd) {
    struct stat info {};
    return fstat(fd, &info) == 0 && S_ISREG(info.st_mode);
}

} // namespace

std::optional<BinaryFile> BinaryFile::open(const std::string& path, Mode mode) {
    if (path.empty())
        return std::nullopt;
    // Folders, pipes and devices are no files of ours. Opening a pipe or a
    // device can wait for good, so they are told by their status first, and the
    // open does not wait either, for one that takes the place of a file meanwhile.
    struct stat info {};
    if (::stat(path.c_str(), &info) == 0 ? !S_ISREG(info.st_mode)
                                         : errno != ENOENT || mode == Mode::ReadOnly)
        return std::nullopt;
    const int fd = ::open(path.c_str(), OpenFlags(mode) | O_CLOEXEC | O_NONBLOCK | O_NOCTTY, 0666);
    if (fd < 0)
        return std::nullopt;
    const int flags = ::fcntl(fd, F_GETFL);
    if (!IsRegularFile(fd) || flags < 0 || ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK) != 0) {
        ::close(fd);
        return std::nullopt;
    }
    return BinaryFile(fd);
}

BinaryFile::BinaryFile(BinaryFile&& other) noexcept : fd(std::exchange(other.fd, -1)) {}

BinaryFile& BinaryFile::operator=(BinaryFile&& other) noexcept {
    if (this != &other) {
        if (fd >= 0)
            ::close(fd);
        fd = std::exchange(other.fd, -1);
    }
    return *this;
}

BinaryFile::~BinaryFile() {
    if (fd >= 0)
        ::close(fd);
}

bool BinaryFile::seek(std::uint64_t position) {
    if (position > static_cast<std::uint64_t>(INT64_MAX))
        return false;
    return ::lseek(fd, static_cast<off_t>(position), SEEK_SET) >= 0;
}

std::size_t BinaryFile::read(std::span<std::uint8_t> buffer) {
    std::size_t done = 0;
    while (done < buffer.size()) {
        const ssize_t n = ::read(fd, buffer.data() + done, buffer.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            break;
        done += static_cast<std::size_t>(n);
    }
    return done;
}

bool BinaryFile::write(std::span<const std::uint8_t> bytes) {
    return WriteAll(fd, bytes);
}

std::optional<std::uint64_t> BinaryFile::length() const {
    struct stat info {};
    if (fstat(fd, &info) != 0)
        return std::nullopt;
    return static_cast<std::uint64_t>(info.st_size);
}

} // namespace corvane

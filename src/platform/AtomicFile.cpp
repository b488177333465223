#include "platform/AtomicFile.h"

#include "platform/BinaryFile.h"
#include "platform/Paths.h"
#include "platform/WriteAll.h"

#include <atomic>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <dirent.h>
#include <fcntl.h>
#include <functional>
#include <optional>
#include <string_view>
#include <sys/stat.h>
#include <unistd.h>

namespace corvane {

namespace {

constexpr std::string_view kTemporaryMark = ".tmp.";
constexpr int kMostLinksFollowed = 40;
constexpr std::size_t kCopyPiece = 64 * 1024;

ReplaceFault gFault = nullptr;

// Sets errno and answers false when the test seam makes step fail.
bool StepAllowed(ReplaceStep step) {
    const int error = gFault ? gFault(step) : 0;
    if (error != 0)
        errno = error;
    return error == 0;
}

std::string FolderOf(const std::string& path) {
    const auto slash = path.rfind('/');
    return slash == std::string::npos ? std::string(".") : path.substr(0, slash + 1);
}

// The path that path finally names once every symbolic link on its end is
// followed (relative links from their own folder); nothing for a link loop.
std::optional<std::string> FinalTarget(std::string path) {
    for (int depth = 0; depth < kMostLinksFollowed; ++depth) {
        struct stat info {};
        if (::lstat(path.c_str(), &info) != 0 || !S_ISLNK(info.st_mode))
            return path;
        std::string target(static_cast<std::size_t>(info.st_size) + 256, '\0');
        const ssize_t n = ::readlink(path.c_str(), target.data(), target.size());
        if (n <= 0 || static_cast<std::size_t>(n) >= target.size())
            return std::nullopt;
        target.resize(static_cast<std::size_t>(n));
        path = target.front() == '/' ? target : FolderOf(path) + target;
    }
    return std::nullopt;
}

// A name beside path that no other writer of this or another process uses:
// <path>.tmp.<process id>.<counter>.
std::string TemporaryNameBeside(const std::string& path) {
    static std::atomic<unsigned> counter{0};
    return path + std::string(kTemporaryMark) + std::to_string(::getpid()) + "." +
           std::to_string(counter++);
}

// Gives the new file what the operator set on the old one. Owner and group
// changes this user may not make are skipped; the mode is set last because
// a change of owner clears the set-id bits.
void KeepAttributes(int fd, const struct stat& old) {
    if (::fchown(fd, old.st_uid, old.st_gid) != 0)
        (void)::fchown(fd, static_cast<uid_t>(-1), old.st_gid);
    (void)::fchmod(fd, old.st_mode & 07777);
}

void SyncFolder(const std::string& folder) {
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        (void)::fsync(fd);
        ::close(fd);
    }
}

// The replace both writers share: fill writes the new content to the
// temporary file's descriptor.
FileStatus Replace(const std::string& path, const std::function<bool(int)>& fill) {
    const auto target = FinalTarget(path);
    if (!target)
        return FileStatus::NotAFile;
    struct stat old {};
    const bool hadFile = ::stat(target->c_str(), &old) == 0;
    if (hadFile && !S_ISREG(old.st_mode))
        return FileStatus::NotAFile;
    if (hadFile && !MayWriteFile(*target))
        return FileStatus::ReadOnly;

    const std::string temporary = TemporaryNameBeside(*target);
    const int fd = StepAllowed(ReplaceStep::CreateTemporary)
                       ? ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666)
                       : -1;
    if (fd < 0)
        return FileStatus::NoTemporary;
    bool ok = StepAllowed(ReplaceStep::WriteTemporary) && fill(fd);
    if (ok && hadFile)
        KeepAttributes(fd, old);
    ok = ok && ::fsync(fd) == 0;
    ok = (::close(fd) == 0) && ok;
    ok = ok && StepAllowed(ReplaceStep::Rename) &&
         std::rename(temporary.c_str(), target->c_str()) == 0;
    if (!ok) {
        ::unlink(temporary.c_str());
        return FileStatus::WriteFailed;
    }
    SyncFolder(FolderOf(*target));
    return FileStatus::Done;
}

// Copies every byte of from to the empty file to, piece by piece. Holes are
// skipped and the length set at the end, so a sparse file stays sparse.
bool CopyInPieces(int from, int to, std::uint64_t length) {
    std::vector<std::uint8_t> piece(kCopyPiece);
    off_t offset = 0;
    const auto end = static_cast<off_t>(length);
    while (offset < end) {
        const off_t data = ::lseek(from, offset, SEEK_DATA);
        if (data < 0)
            break; // only a hole is left (or holes cannot be told): the length covers it
        const off_t hole = ::lseek(from, data, SEEK_HOLE);
        const off_t stop = hole < 0 ? end : std::min(hole, end);
        for (offset = data; offset < stop;) {
            const auto want = static_cast<std::size_t>(
                std::min<off_t>(stop - offset, static_cast<off_t>(piece.size())));
            const ssize_t got = ::pread(from, piece.data(), want, offset);
            if (got < 0 && errno == EINTR)
                continue;
            if (got <= 0 || ::lseek(to, offset, SEEK_SET) < 0 ||
                !WriteAll(to, std::span(piece.data(), static_cast<std::size_t>(got))))
                return false;
            offset += got;
        }
    }
    return ::ftruncate(to, end) == 0;
}

// The process id in a temporary's name: <name>.tmp.<pid>.<counter>.
std::optional<pid_t> WriterOf(std::string_view entry, std::string_view prefix) {
    if (!entry.starts_with(prefix))
        return std::nullopt;
    entry.remove_prefix(prefix.size());
    const auto dot = entry.find('.');
    const auto digits = [](std::string_view text) {
        return !text.empty() && text.size() <= 9 &&
               text.find_first_not_of("0123456789") == std::string_view::npos;
    };
    if (dot == std::string_view::npos || !digits(entry.substr(0, dot)) ||
        !digits(entry.substr(dot + 1)))
        return std::nullopt;
    return static_cast<pid_t>(std::stol(std::string(entry.substr(0, dot))));
}

bool ProcessRuns(pid_t pid) {
    // This process has not begun a replace yet; another one runs unless the
    // system says there is no such process.
    return pid != ::getpid() && (::kill(pid, 0) == 0 || errno != ESRCH);
}

} // namespace

FileStatus WriteFileAtomically(const std::string& path, std::span<const std::uint8_t> bytes) {
    return Replace(path, [bytes](int fd) { return WriteAll(fd, bytes); });
}

FileStatus CopyFileAtomically(const std::string& sourcePath, const std::string& path) {
    auto source = BinaryFile::open(sourcePath, BinaryFile::Mode::ReadOnly);
    if (!source)
        return FileStatus::Unreadable;
    const auto length = source->length();
    if (!length)
        return FileStatus::Unreadable;
    return Replace(path, [&](int fd) { return CopyInPieces(source->descriptor(), fd, *length); });
}

bool MayWriteFile(const std::string& path) {
    // The effective ids decide, as they do when the file is opened; a read-only
    // mount or an immutable file counts as read-only even for the superuser.
    return ::faccessat(AT_FDCWD, path.c_str(), W_OK, AT_EACCESS) == 0;
}

void RemoveLeftoverTemporaries(const std::string& path) {
    const auto target = FinalTarget(path);
    if (!target)
        return;
    const std::string folder = FolderOf(*target);
    const std::string prefix = target->substr(folder.size()) + std::string(kTemporaryMark);
    DIR* dir = ::opendir(folder.c_str());
    if (dir == nullptr)
        return;
    while (const dirent* entry = ::readdir(dir)) {
        const auto writer = WriterOf(entry->d_name, prefix);
        struct stat info {};
        const std::string leftover = folder + entry->d_name;
        if (writer && !ProcessRuns(*writer) && ::lstat(leftover.c_str(), &info) == 0 &&
            S_ISREG(info.st_mode))
            ::unlink(leftover.c_str());
    }
    ::closedir(dir);
}

FileRead ReadFileUpTo(const std::string& path, std::uint64_t maxLength) {
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0)
        return {errno == ENOENT ? FileStatus::Missing : FileStatus::Unreadable, {}};
    if (!S_ISREG(info.st_mode))
        return {FileStatus::NotAFile, {}};
    auto file = BinaryFile::open(path, BinaryFile::Mode::ReadOnly);
    if (!file)
        return {FileStatus::Unreadable, {}};
    const auto length = file->length();
    if (!length)
        return {FileStatus::Unreadable, {}};
    if (*length > maxLength)
        return {FileStatus::TooLarge, {}};
    FileRead read;
    read.bytes.resize(static_cast<std::size_t>(*length));
    read.bytes.resize(file->read(read.bytes));
    // A file that grew meanwhile: take the rest as well, up to the limit.
    std::uint8_t chunk[4096];
    for (std::size_t n; (n = file->read(chunk)) > 0;) {
        if (read.bytes.size() + n > maxLength)
            return {FileStatus::TooLarge, {}};
        read.bytes.insert(read.bytes.end(), chunk, chunk + n);
    }
    return read;
}

void SetReplaceFaultForTesting(ReplaceFault fault) {
    gFault = fault;
}

} // namespace corvane

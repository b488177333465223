#include "events/EventFiles.h"

#include "platform/AtomicFile.h"
#include "platform/Paths.h"

#include <array>
#include <cerrno>
#include <sys/stat.h>

namespace corvane {

std::string EventFilePath(const std::string& folder, EventKind kind) {
    return JoinPath(folder, InfoOf(kind).fileName);
}

std::string DamagedCopyPath(const std::string& folder, EventKind kind) {
    return EventFilePath(folder, kind) + ".damaged";
}

std::optional<std::vector<std::uint8_t>> ReadEventFile(const std::string& folder, EventKind kind) {
    const std::string path = EventFilePath(folder, kind);
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0 && errno == ENOENT)
        return std::vector<std::uint8_t>{};
    return ReadWholeFile(path);
}

bool WriteEventFile(const std::string& folder, EventKind kind,
                    std::span<const std::uint8_t> bytes) {
    return WriteFileAtomically(EventFilePath(folder, kind), bytes);
}

bool ClearEventFile(const std::string& folder, EventKind kind) {
    const std::array<std::uint8_t, kEventFileHeaderSize> bareHeader{};
    return WriteEventFile(folder, kind, bareHeader);
}

} // namespace corvane

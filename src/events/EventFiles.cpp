#include "events/EventFiles.h"

#include "events/EventFileHeader.h"
#include "events/EventMessages.h"
#include "platform/AtomicFile.h"
#include "platform/Paths.h"

#include <array>

namespace corvane {

std::string EventFilePath(const std::string& folder, EventKind kind) {
    return JoinPath(folder, InfoOf(kind).fileName);
}

std::string DamagedCopyPath(const std::string& folder, EventKind kind) {
    return EventFilePath(folder, kind) + ".damaged";
}

std::optional<std::vector<std::uint8_t>> ReadEventFile(const std::string& folder, EventKind kind) {
    FileRead read = ReadFileUpTo(EventFilePath(folder, kind), kLargestEventFileLength);
    if (read.status == FileStatus::Missing)
        return std::vector<std::uint8_t>{};
    if (read.status != FileStatus::Done)
        return std::nullopt;
    return std::move(read.bytes);
}

FileStatus WriteEventFile(const std::string& folder, EventKind kind,
                          std::span<const std::uint8_t> bytes) {
    return WriteFileAtomically(EventFilePath(folder, kind), bytes);
}

FileStatus ClearEventFile(const std::string& folder, EventKind kind) {
    const std::array<std::uint8_t, kEventFileHeaderSize> bareHeader{};
    return WriteEventFile(folder, kind, bareHeader);
}

void RemoveInterruptedWrites(const std::string& folder) {
    for (EventKind kind : kAllEventKinds) {
        RemoveLeftoverTemporaries(EventFilePath(folder, kind));
        RemoveLeftoverTemporaries(DamagedCopyPath(folder, kind));
    }
}

std::string_view FileProblemMessage(FileStatus status) {
    switch (status) {
    case FileStatus::Done:
    case FileStatus::Missing:
        break;
    case FileStatus::NotAFile:
    case FileStatus::Unreadable:
        return messages::kEventFileUnreadable;
    case FileStatus::TooLarge:
        return messages::kFileTooLarge;
    case FileStatus::ReadOnly:
        return messages::kEventFileReadOnly;
    case FileStatus::NoTemporary:
        return messages::kNoTemporaryFile;
    case FileStatus::WriteFailed:
        return messages::kEventFileWriteFailed;
    }
    return {};
}

void ReportFileProblem(FileStatus status, Prompter& prompter) {
    if (const auto text = FileProblemMessage(status); !text.empty())
        prompter.showMessage(std::string(text));
}

} // namespace corvane

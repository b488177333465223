#include "events/EventList.h"

#include "events/EventDescription.h"
#include "events/EventFileHeader.h"
#include "events/EventFiles.h"
#include "platform/AtomicFile.h"

namespace corvane {

std::optional<std::vector<std::string>> EventListLines(std::span<const std::uint8_t> file,
                                                       EventKind kind, bool weeklyMode) {
    if (!IsValidEventFile(file, kind))
        return std::nullopt;
    const auto header = *EventFileHeader::decode(file);
    const std::size_t size = InfoOf(kind).recordSize;
    std::uint64_t first = 0;
    std::uint64_t end = header.totalEntries();
    if (HasDatedGroup(kind)) {
        if (weeklyMode)
            end = header.entryCount;
        else
            first = header.entryCount;
    }
    const bool weeklyView = HasDatedGroup(kind) && weeklyMode;
    std::vector<std::string> lines;
    lines.reserve(static_cast<std::size_t>(end - first));
    for (std::uint64_t i = first; i < end; ++i) {
        const auto record =
            file.subspan(kEventFileHeaderSize + static_cast<std::size_t>(i) * size, size);
        lines.push_back(DescribeEvent(kind, record, weeklyView));
    }
    return lines;
}

FileStatus FillEventList(const std::string& folder, EventKind kind, bool weeklyMode,
                         EventListView& list) {
    list.reset();
    const std::string path = EventFilePath(folder, kind);
    const FileRead read = ReadFileUpTo(path, kLargestEventFileLength);
    switch (read.status) {
    case FileStatus::Done:
        if (const auto lines = EventListLines(read.bytes, kind, weeklyMode)) {
            for (const auto& line : *lines)
                list.addLine(line);
            return FileStatus::Done;
        }
        break;
    case FileStatus::Missing:
        return ClearEventFile(folder, kind); // the kind's first fill makes its file
    case FileStatus::TooLarge:
        break;
    default:
        return read.status; // a pipe, a device or a file without permission: left alone
    }
    // Repair: keep what the damaged file held, then start the kind afresh. When
    // the file may not be written, or the copy cannot be kept, it is left alone
    // rather than lost.
    if (!MayWriteFile(path))
        return FileStatus::ReadOnly;
    FileStatus kept = FileStatus::Done;
    if (read.status == FileStatus::TooLarge)
        kept = CopyFileAtomically(path, DamagedCopyPath(folder, kind));
    else if (!read.bytes.empty())
        kept = WriteFileAtomically(DamagedCopyPath(folder, kind), read.bytes);
    return kept == FileStatus::Done ? ClearEventFile(folder, kind) : kept;
}

} // namespace corvane

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

void FillEventList(const std::string& folder, EventKind kind, bool weeklyMode,
                   EventListView& list) {
    list.reset();
    const auto bytes = ReadEventFile(folder, kind);
    if (!bytes)
        return;
    const auto lines = EventListLines(*bytes, kind, weeklyMode);
    if (lines) {
        for (const auto& line : *lines)
            list.addLine(line);
        return;
    }
    // Repair: keep what the damaged file held, then start the kind afresh. When
    // the copy cannot be kept the file is left alone rather than lost.
    if (!bytes->empty() && !WriteFileAtomically(DamagedCopyPath(folder, kind), *bytes))
        return;
    ClearEventFile(folder, kind);
}

} // namespace corvane

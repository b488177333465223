#pragma once

#include "events/EventFileHeader.h"
#include "events/EventKind.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace corvane {

// The content of one valid event file in memory while an operation edits it:
// the header bytes as read (reserved bytes are kept) and the records back to
// back. The counts are changed only through the setters; the caller keeps them
// in step with the records it inserts and removes.
class EventTable {
public:
    // Nothing when bytes break the validity rule for kind.
    static std::optional<EventTable> fromFile(std::span<const std::uint8_t> bytes, EventKind kind);
    // A table with a bare header: no records, all header bytes zero.
    static EventTable empty(EventKind kind);

    EventKind kind() const { return kind_; }
    std::size_t recordSize() const { return InfoOf(kind_).recordSize; }
    EventFileHeader header() const;
    void setEntryCount(std::uint32_t count);
    void setDatedEntryCount(std::uint32_t count);

    std::size_t size() const { return records_.size() / recordSize(); }
    std::span<const std::uint8_t> record(std::size_t index) const;

    // record holds exactly recordSize() bytes; position <= size() for insert,
    // < size() for the others.
    void insert(std::size_t position, std::span<const std::uint8_t> record);
    void overwrite(std::size_t position, std::span<const std::uint8_t> record);
    void remove(std::size_t position);

    // The file: header followed by the records.
    std::vector<std::uint8_t> bytes() const;

private:
    explicit EventTable(EventKind kind) : kind_(kind) {}

    EventKind kind_;
    std::array<std::uint8_t, kEventFileHeaderSize> header_{};
    std::vector<std::uint8_t> records_;
};

} // namespace corvane

#pragma once

#include "events/EventKind.h"

#include <array>
#include <cstdint>
#include <optional>
#include <span>

namespace corvane {

// The 16 bytes in front of the records of every event and exchange file:
// u32 entryCount at 0, u32 datedEntryCount at 4, 8 reserved bytes (written as
// zero, never read). In the week-clock file entryCount counts the weekly
// entries and datedEntryCount the dated ones; other kinds keep the second at 0
// but both counts make up the number of records in every kind.
struct EventFileHeader {
    std::uint32_t entryCount = 0;
    std::uint32_t datedEntryCount = 0;

    // All records of the file; 64 bits so that no pair of counts wraps.
    std::uint64_t totalEntries() const { return std::uint64_t{entryCount} + datedEntryCount; }

    // The only length a file with this header may have.
    std::uint64_t expectedLength(std::size_t recordSize) const {
        return kEventFileHeaderSize + totalEntries() * recordSize;
    }

    // Nothing when fewer than 16 bytes are given.
    static std::optional<EventFileHeader> decode(std::span<const std::uint8_t> bytes);
    std::array<std::uint8_t, kEventFileHeaderSize> encode() const;

    bool operator==(const EventFileHeader&) const = default;
};

// The longest event or exchange file there can be: the header and the largest
// table the controller takes. A longer file is refused before it is read.
inline constexpr std::uint64_t kLargestEventFileLength = kEventFileHeaderSize + kMaxTableLength;

// A file is valid when it holds a header and exactly the records its counts name.
bool IsValidEventFile(std::span<const std::uint8_t> bytes, EventKind kind);
bool IsValidEventFileLength(const EventFileHeader& header, std::uint64_t length, EventKind kind);

} // namespace corvane

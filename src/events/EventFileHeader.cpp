#include "events/EventFileHeader.h"

#include "platform/ByteOrder.h"

namespace corvane {

std::optional<EventFileHeader> EventFileHeader::decode(std::span<const std::uint8_t> bytes) {
    if (bytes.size() < kEventFileHeaderSize)
        return std::nullopt;
    return EventFileHeader{GetU32(bytes, 0), GetU32(bytes, 4)};
}

std::array<std::uint8_t, kEventFileHeaderSize> EventFileHeader::encode() const {
    std::array<std::uint8_t, kEventFileHeaderSize> bytes{};
    PutU32(bytes, 0, entryCount);
    PutU32(bytes, 4, datedEntryCount);
    return bytes;
}

bool IsValidEventFileLength(const EventFileHeader& header, std::uint64_t length, EventKind kind) {
    return length == header.expectedLength(InfoOf(kind).recordSize);
}

bool IsValidEventFile(std::span<const std::uint8_t> bytes, EventKind kind) {
    const auto header = EventFileHeader::decode(bytes);
    return header && IsValidEventFileLength(*header, bytes.size(), kind);
}

} // namespace corvane

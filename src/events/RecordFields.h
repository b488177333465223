#pragma once

#include "events/RecordName.h"
#include "platform/ByteOrder.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <utility>

namespace corvane {

// A record's layout as a table of fields by offset: single bytes, 16-bit
// little-endian words, and the event name at Record::kNameOffset.
template <typename Record> using ByteField = std::pair<std::size_t, std::uint8_t Record::*>;
template <typename Record> using WordField = std::pair<std::size_t, std::uint16_t Record::*>;

template <typename Record>
std::array<std::uint8_t, Record::kSize> EncodeFields(const Record& r,
                                                     std::span<const ByteField<Record>> bytes,
                                                     std::span<const WordField<Record>> words) {
    std::array<std::uint8_t, Record::kSize> b{};
    for (const auto& [offset, member] : bytes)
        b[offset] = r.*member;
    for (const auto& [offset, member] : words)
        PutU16(b, offset, r.*member);
    EncodeRecordName(b, Record::kNameOffset, r.name);
    return b;
}

// b holds at least Record::kSize bytes.
template <typename Record>
Record DecodeFields(std::span<const std::uint8_t> b, std::span<const ByteField<Record>> bytes,
                    std::span<const WordField<Record>> words) {
    Record r;
    for (const auto& [offset, member] : bytes)
        r.*member = b[offset];
    for (const auto& [offset, member] : words)
        r.*member = GetU16(b, offset);
    r.name = DecodeRecordName(b.first(Record::kSize), Record::kNameOffset);
    return r;
}

} // namespace corvane

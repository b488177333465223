#pragma once

#include "events/EventFileHeader.h"

#include <cstdint>
#include <vector>

namespace corvane::test {

// The bytes of an event file: a header with the given counts and the records
// back to back (any record type with encode()).
template <typename Record>
std::vector<std::uint8_t> FileOfRecords(std::uint32_t entryCount, std::uint32_t datedEntryCount,
                                        const std::vector<Record>& records) {
    const auto header = EventFileHeader{entryCount, datedEntryCount}.encode();
    std::vector<std::uint8_t> bytes(header.begin(), header.end());
    for (const auto& record : records) {
        const auto encoded = record.encode();
        bytes.insert(bytes.end(), encoded.begin(), encoded.end());
    }
    return bytes;
}

// A file of records of one group (entryCount = records.size()).
template <typename Record>
std::vector<std::uint8_t> FileOfRecords(const std::vector<Record>& records) {
    return FileOfRecords(static_cast<std::uint32_t>(records.size()), 0, records);
}

inline std::vector<std::uint8_t> BareHeader() {
    return std::vector<std::uint8_t>(16, 0);
}

} // namespace corvane::test

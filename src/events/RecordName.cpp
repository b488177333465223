#include "events/RecordName.h"

#include <algorithm>

namespace corvane {

std::string DecodeRecordName(std::span<const std::uint8_t> record, std::size_t offset) {
    const auto field =
        record.subspan(offset, std::min(kEventNameFieldSize, record.size() - offset));
    const auto end = std::find(field.begin(), field.end(), std::uint8_t{0});
    return std::string(field.begin(), end);
}

void EncodeRecordName(std::span<std::uint8_t> record, std::size_t offset, std::string_view name) {
    const auto tail = record.subspan(offset);
    std::fill(tail.begin(), tail.end(), std::uint8_t{0});
    const auto kept = name.substr(0, std::min({name.size(), kEventNameMaxLength, tail.size() - 1}));
    std::copy(kept.begin(), kept.end(), tail.begin());
}

} // namespace corvane

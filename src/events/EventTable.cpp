#include "events/EventTable.h"

#include "platform/ByteOrder.h"

#include <algorithm>

namespace corvane {

std::optional<EventTable> EventTable::fromFile(std::span<const std::uint8_t> bytes,
                                               EventKind kind) {
    if (!IsValidEventFile(bytes, kind))
        return std::nullopt;
    EventTable table(kind);
    std::copy_n(bytes.begin(), kEventFileHeaderSize, table.header_.begin());
    table.records_.assign(bytes.begin() + kEventFileHeaderSize, bytes.end());
    return table;
}

EventTable EventTable::empty(EventKind kind) {
    return EventTable(kind);
}

EventFileHeader EventTable::header() const {
    return *EventFileHeader::decode(header_);
}

void EventTable::setEntryCount(std::uint32_t count) {
    PutU32(header_, 0, count);
}

void EventTable::setDatedEntryCount(std::uint32_t count) {
    PutU32(header_, 4, count);
}

std::span<const std::uint8_t> EventTable::record(std::size_t index) const {
    return std::span(records_).subspan(index * recordSize(), recordSize());
}

void EventTable::insert(std::size_t position, std::span<const std::uint8_t> record) {
    records_.insert(records_.begin() + static_cast<std::ptrdiff_t>(position * recordSize()),
                    record.begin(), record.end());
}

void EventTable::overwrite(std::size_t position, std::span<const std::uint8_t> record) {
    std::copy(record.begin(), record.end(),
              records_.begin() + static_cast<std::ptrdiff_t>(position * recordSize()));
}

void EventTable::remove(std::size_t position) {
    const auto first = records_.begin() + static_cast<std::ptrdiff_t>(position * recordSize());
    records_.erase(first, first + static_cast<std::ptrdiff_t>(recordSize()));
}

std::vector<std::uint8_t> EventTable::bytes() const {
    std::vector<std::uint8_t> file(header_.begin(), header_.end());
    file.insert(file.end(), records_.begin(), records_.end());
    return file;
}

} // namespace corvane

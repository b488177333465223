#include "events/EventPlacement.h"

#include <algorithm>
#include <initializer_list>

namespace corvane {

namespace {

enum class Order { Less, Equal, Greater };

// Compares the bytes at the given offsets one after the other, unsigned.
Order CompareAt(std::span<const std::uint8_t> a, std::span<const std::uint8_t> b,
                std::initializer_list<std::size_t> offsets) {
    for (const std::size_t offset : offsets) {
        if (a[offset] != b[offset])
            return a[offset] < b[offset] ? Order::Less : Order::Greater;
    }
    return Order::Equal;
}

bool EqualRange(std::span<const std::uint8_t> a, std::span<const std::uint8_t> b, std::size_t first,
                std::size_t end) {
    return std::equal(a.begin() + static_cast<std::ptrdiff_t>(first),
                      a.begin() + static_cast<std::ptrdiff_t>(end),
                      b.begin() + static_cast<std::ptrdiff_t>(first));
}

// The sorted insert shared by timecode and both week-clock groups: scan records
// [begin, end) by the start bytes; at the first equal start, replace when the
// remaining key bytes match, else insert in front of it.
template <typename SameRest>
Placement PlaceSorted(const EventTable& table, std::span<const std::uint8_t> record,
                      std::size_t begin, std::size_t end,
                      std::initializer_list<std::size_t> startOffsets, SameRest sameRest) {
    for (std::size_t i = begin; i < end; ++i) {
        const auto existing = table.record(i);
        switch (CompareAt(existing, record, startOffsets)) {
        case Order::Less:
            continue;
        case Order::Greater:
            return {i, false};
        case Order::Equal:
            return {i, sameRest(existing)};
        }
    }
    return {end, false};
}

} // namespace

Placement PlaceByKey(const EventTable& table, std::span<const std::uint8_t> record) {
    const std::size_t keyLength = InfoOf(table.kind()).nameOffset;
    for (std::size_t i = 0; i < table.size(); ++i)
        if (EqualRange(table.record(i), record, 0, keyLength))
            return {i, true};
    return {table.size(), false};
}

Placement PlaceTimecode(const EventTable& table, std::span<const std::uint8_t> record) {
    return PlaceSorted(table, record, 0, table.size(), {0, 1, 2, 3},
                       [&](auto existing) { return EqualRange(existing, record, 4, 14); });
}

Placement PlaceWeekly(const EventTable& table, std::span<const std::uint8_t> record) {
    const std::size_t weekly = std::min<std::size_t>(table.header().entryCount, table.size());
    // End time, channels, increment and level: offsets 9..17.
    return PlaceSorted(table, record, 0, weekly, {2, 3, 4, 5},
                       [&](auto existing) { return EqualRange(existing, record, 9, 18); });
}

Placement PlaceDated(const EventTable& table, std::span<const std::uint8_t> record) {
    const std::size_t weekly = std::min<std::size_t>(table.header().entryCount, table.size());
    // End month and day, end time, channels, increment and level; not the weekdays.
    return PlaceSorted(table, record, weekly, table.size(), {0, 1, 3, 4, 5}, [&](auto existing) {
        return EqualRange(existing, record, 6, 8) && EqualRange(existing, record, 9, 18);
    });
}

StoreResult StoreAt(EventTable& table, Placement placement, std::span<const std::uint8_t> record,
                    bool dated) {
    if (placement.replaces) {
        table.overwrite(placement.position, record);
        return StoreResult::Replaced;
    }
    if (table.size() >= InfoOf(table.kind()).maxEntries)
        return StoreResult::TableFull;
    table.insert(placement.position, record);
    const auto header = table.header();
    if (dated)
        table.setDatedEntryCount(header.datedEntryCount + 1);
    else
        table.setEntryCount(header.entryCount + 1);
    return StoreResult::Stored;
}

} // namespace corvane

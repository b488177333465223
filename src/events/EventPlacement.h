#pragma once

#include "events/EventTable.h"

#include <cstddef>
#include <cstdint>
#include <span>

namespace corvane {

// Where an added record goes: in place of an entry with the same key, or
// inserted in front of `position` (position == end of its group: appended).
struct Placement {
    std::size_t position = 0;
    bool replaces = false;
};

// Midi, Audio, Relay, Sensor, Analog: the first record whose key part (the bytes
// in front of the name) equals record's is replaced; otherwise appended.
Placement PlaceByKey(const EventTable& table, std::span<const std::uint8_t> record);

// Timecode: ascending by start (hours, minutes, seconds, frames); in front of
// the first entry with an equal start unless that one has the same key.
Placement PlaceTimecode(const EventTable& table, std::span<const std::uint8_t> record);

// Week clock: weekly entries ascending by (weekday, hour, minute, second) in
// records 0 .. entryCount-1; dated entries ascending by (month, day, hour, minute,
// second) behind them. Equal start: replaced when the end, channels, increment
// and level match too, else inserted in front.
Placement PlaceWeekly(const EventTable& table, std::span<const std::uint8_t> record);
Placement PlaceDated(const EventTable& table, std::span<const std::uint8_t> record);

enum class StoreResult { Stored, Replaced, TableFull };

// Puts record into the table at placement and counts it in the group of
// entryCount (dated: datedEntryCount). A new entry beyond the kind's capacity is
// refused; a replacement always succeeds.
StoreResult StoreAt(EventTable& table, Placement placement, std::span<const std::uint8_t> record,
                    bool dated);

} // namespace corvane

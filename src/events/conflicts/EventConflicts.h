#pragma once

#include "events/EventTable.h"

#include <cstddef>
#include <vector>

namespace corvane {

// Two records of one event file (indices into the file's records, first <
// second) that can be active at the same time and drive the same output
// differently:
// - week clock: windows overlap in time (weekly with weekly on the same days,
//   weekly with the weekdays a dated window covers, dated with dated), the
//   channel sets share a channel and the levels differ;
// - timecode: windows overlap, channels shared, levels differ;
// - MIDI: the same note and note state on the same MIDI channel ("all" meets
//   every channel), channels shared, and action or level differ;
// - audio: the same band on overlapping sides (All meets Left and Right),
//   channels shared;
// - relay: the same relay on the same DMX channel, level windows overlapping,
//   opposite states;
// - sensor: the same contact driving shared channels with different levels,
//   the same relay to different states, or the audio input both ways;
// - analog: the same input with overlapping voltage windows, driving shared
//   channels with different levels or the same relay to different states.
// Windows that only touch do not overlap; a window past midnight counts on
// both days (Saturday's on Sunday), a dated one past the year's end on both
// years' dates.
struct EventConflict {
    std::size_t first = 0;
    std::size_t second = 0;

    bool operator==(const EventConflict&) const = default;
    auto operator<=>(const EventConflict&) const = default;
};

// Every conflicting pair of the table, sorted, each once.
std::vector<EventConflict> FindConflicts(const EventTable& table);

} // namespace corvane

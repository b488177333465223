#pragma once

#include "cli/EventListing.h"
#include "events/EventTable.h"

#include <cstddef>
#include <string>

namespace corvane::cli {

// How the commands name a record: its position in its list, 1-based ("event 3";
// the week clock's "weekly event 3" or "dated event 1"), and its list line.
std::string EventPosition(const EventTable& table, std::size_t record);
std::string EventLine(const EventTable& table, std::size_t record);

// `conflicts`: each conflicting pair as its two positions and list lines, then
// the count; status 1 when there is any, 0 for "no conflicts", 1 with the
// reason for a file that is not valid.
CommandOutput ListConflicts(std::span<const std::uint8_t> file, EventKind kind,
                            std::string_view label);

// The warnings `check` adds for a valid file, one line each.
std::string WarningLines(const EventTable& table);

} // namespace corvane::cli

#pragma once

#include "events/EventKind.h"

#include <cstdint>
#include <span>
#include <string>

namespace corvane {

// The event list line of one record: its event name followed by the kind's
// description. Week-clock records are described as weekly entries when
// weeklyView, else as dated ones (the list shows one group at a time). A
// selector value outside its range shows as its number. record holds at least
// the kind's record size.
std::string DescribeEvent(EventKind kind, std::span<const std::uint8_t> record, bool weeklyView);

} // namespace corvane

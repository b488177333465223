#pragma once

#include "events/EventTable.h"

#include <cstddef>
#include <string>
#include <vector>

namespace corvane {

// A record the controller will likely not run as the operator meant: a DMX
// channel 0 or above 512, a first channel above the last (where the kind's add
// accepts that), an increment of 0, relay number 0, or a relay level window
// whose low is above its high.
struct EventWarning {
    std::size_t record = 0; // index into the file's records
    std::string text;       // what is wrong, e.g. "first channel 0 is not a DMX channel"
};

std::vector<EventWarning> FindWarnings(const EventTable& table);

} // namespace corvane

#pragma once

#include "events/EventTable.h"

#include <cstddef>
#include <map>
#include <string>
#include <vector>

namespace corvane {

// The conflicts as the event list shows them: the list shows one week-clock
// group at a time (weeklyView: the weekly entries), so line i is record
// i of that group. others holds, for each conflicting line of the group, the
// list lines of the events it conflicts with (which may sit in the other
// group); pairs counts every conflicting pair of the kind.
struct ConflictLines {
    std::size_t pairs = 0;
    std::map<int, std::vector<std::string>> others;
};

ConflictLines ConflictsByLine(const EventTable& table, bool weeklyView);

} // namespace corvane

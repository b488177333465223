#include "events/conflicts/ConflictLines.h"

#include "events/EventDescription.h"
#include "events/conflicts/EventConflicts.h"

#include <algorithm>

namespace corvane {

ConflictLines ConflictsByLine(const EventTable& table, bool weeklyView) {
    const bool weekClock = table.kind() == EventKind::WeekClock;
    const std::size_t weekly = std::min<std::size_t>(table.header().entryCount, table.size());
    const bool datedShown = weekClock && !weeklyView;
    const std::size_t first = datedShown ? weekly : 0;
    const std::size_t end = weekClock && weeklyView ? weekly : table.size();
    const auto lineOf = [&](std::size_t record) {
        return DescribeEvent(table.kind(), table.record(record), !weekClock || record < weekly);
    };
    ConflictLines lines;
    const auto conflicts = FindConflicts(table);
    lines.pairs = conflicts.size();
    for (const auto& [a, b] : conflicts) {
        if (a >= first && a < end)
            lines.others[static_cast<int>(a - first)].push_back(lineOf(b));
        if (b >= first && b < end)
            lines.others[static_cast<int>(b - first)].push_back(lineOf(a));
    }
    return lines;
}

} // namespace corvane

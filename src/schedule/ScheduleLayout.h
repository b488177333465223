#pragma once

#include "events/EventTable.h"
#include "schedule/CivilDate.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

namespace corvane {

// One stretch of a week-clock entry within one day of the shown week.
struct ScheduleBar {
    int column = 0;         // 0..6, counted from the week's first day
    std::int32_t from = 0;  // seconds of the day, [from, to)
    std::int32_t to = 0;    // up to 86400
    int lane = 0;           // side by side with the bars it overlaps in its column
    std::size_t record = 0; // index into the file's records
    std::uint8_t level = 0; // DMX level, which colours the bar
    bool dated = false;     // a dated entry of the shown week
    bool continued = false; // the rest of a window that began the day before

    bool operator==(const ScheduleBar&) const = default;
};

struct ScheduleLayout {
    int firstWeekday = 1;               // the first column: 1 Sunday .. 7 Saturday
    std::optional<CivilDate> weekStart; // the first column's date when dated entries show
    std::array<int, 7> laneCounts{};    // lanes in each column
    std::vector<ScheduleBar> bars;      // by column, then start, then record
};

// The week-clock entries of table laid out on seven day columns starting at
// firstWeekday: each weekly entry on its weekday, continued on the next day
// (Saturday's on Sunday) when it runs past midnight. With week (any date of
// it) the dated entries that fall in that week's dates show too, cut to the
// days they cover. Bars that overlap in a column get lanes side by side.
ScheduleLayout LayOutSchedule(const EventTable& table, int firstWeekday,
                              std::optional<CivilDate> week);

} // namespace corvane

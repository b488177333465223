#include "schedule/ScheduleLayout.h"

#include "events/WeekClockRecord.h"
#include "events/conflicts/WeekClockTime.h"

#include <algorithm>
#include <tuple>

namespace corvane {

namespace {

constexpr auto kDay = static_cast<std::int32_t>(kSecondsPerDay);

// Cuts the stretches of one entry on a cycle of days into bars per day;
// columnOf gives the column of a day of the cycle, or -1 for a day not shown.
// A second stretch is the part that passed the cycle's end and continues the
// first at the cycle's start.
template <typename ColumnOf>
void AddBars(const std::vector<Stretch>& stretches, const ScheduleBar& pattern, ColumnOf columnOf,
             std::vector<ScheduleBar>& bars) {
    for (std::size_t i = 0; i < stretches.size(); ++i) {
        const Stretch& s = stretches[i];
        for (std::int64_t day = s.begin / kDay; day * kDay < s.end; ++day) {
            const int column = columnOf(day);
            if (column < 0)
                continue;
            ScheduleBar bar = pattern;
            bar.column = column;
            bar.from = static_cast<std::int32_t>(std::max(s.begin, day * kDay) - day * kDay);
            bar.to = static_cast<std::int32_t>(std::min(s.end, (day + 1) * kDay) - day * kDay);
            bar.continued = day * kDay > s.begin || (i > 0 && s.begin == 0 && day == 0);
            bars.push_back(bar);
        }
    }
}

// Greedy lanes per column: each bar takes the lowest lane free at its start.
void AssignLanes(ScheduleLayout& layout) {
    std::array<std::vector<std::int32_t>, 7> laneEnds;
    for (ScheduleBar& bar : layout.bars) {
        auto& ends = laneEnds[static_cast<std::size_t>(bar.column)];
        const auto free =
            std::ranges::find_if(ends, [&](std::int32_t end) { return end <= bar.from; });
        bar.lane = static_cast<int>(free - ends.begin());
        if (free == ends.end())
            ends.push_back(bar.to);
        else
            *free = bar.to;
    }
    for (std::size_t c = 0; c < 7; ++c)
        layout.laneCounts[c] = static_cast<int>(laneEnds[c].size());
}

} // namespace

ScheduleLayout LayOutSchedule(const EventTable& table, int firstWeekday,
                              std::optional<CivilDate> week) {
    ScheduleLayout layout;
    layout.firstWeekday = firstWeekday;
    const std::size_t weekly = std::min<std::size_t>(table.header().entryCount, table.size());
    // Day 0 of the week cycle is Sunday.
    const auto weekColumn = [&](std::int64_t day) {
        return static_cast<int>(((day % 7) - (firstWeekday - 1) + 7) % 7);
    };
    for (std::size_t i = 0; i < weekly; ++i) {
        const auto r = WeekClockRecord::decode(table.record(i));
        const ScheduleBar pattern{0, 0, 0, 0, i, r.level, false, false};
        AddBars(WeeklyStretches(r), pattern, weekColumn, layout.bars);
    }
    if (week) {
        const int back = (WeekdayOf(*week) - firstWeekday + 7) % 7;
        layout.weekStart = AddDays(*week, -back);
        // Each shown date's day in the 366-day year of the dated entries.
        std::array<std::int64_t, 7> dayOfYear{};
        for (int c = 0; c < 7; ++c) {
            const CivilDate date = AddDays(*layout.weekStart, c);
            dayOfYear[static_cast<std::size_t>(c)] = *DayOfYear(
                static_cast<std::uint8_t>(date.month), static_cast<std::uint8_t>(date.day));
        }
        const auto dateColumn = [&](std::int64_t day) {
            const auto found = std::ranges::find(dayOfYear, day);
            return found == dayOfYear.end() ? -1 : static_cast<int>(found - dayOfYear.begin());
        };
        for (std::size_t i = weekly; i < table.size(); ++i) {
            const auto r = WeekClockRecord::decode(table.record(i));
            const ScheduleBar pattern{0, 0, 0, 0, i, r.level, true, false};
            AddBars(DatedYearStretches(r), pattern, dateColumn, layout.bars);
        }
    }
    std::ranges::sort(layout.bars, [](const ScheduleBar& a, const ScheduleBar& b) {
        return std::tie(a.column, a.from, a.record) < std::tie(b.column, b.from, b.record);
    });
    AssignLanes(layout);
    return layout;
}

} // namespace corvane

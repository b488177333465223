#pragma once

#include "events/WeekClockRecord.h"

#include <cstdint>
#include <optional>
#include <vector>

namespace corvane {

// When week-clock entries are active, as stretches [begin, end) of seconds in
// two cycles: the week from Sunday 00:00 and the year from 1 January 00:00. The
// file stores no year, so the year has 366 days (29 February is a date) and a
// dated entry's weekdays are the ones stored with it.
inline constexpr std::int64_t kSecondsPerDay = 24 * 3600;
inline constexpr std::int64_t kSecondsPerWeek = 7 * kSecondsPerDay;
inline constexpr std::int64_t kSecondsPerYear = 366 * kSecondsPerDay;

// Which cycle a stretch lies in.
inline constexpr std::uint32_t kWeekDomain = 0;
inline constexpr std::uint32_t kYearDomain = 1;

struct Stretch {
    std::int64_t begin = 0;
    std::int64_t end = 0;

    bool operator==(const Stretch&) const = default;
};

// A weekly entry: from its weekday's start time to the end time, on the next
// day when the end is not after the start (so equal times make 24 hours). A
// stretch past Saturday midnight is split and continues on Sunday. None for a
// weekday outside 1..7.
std::vector<Stretch> WeeklyStretches(const WeekClockRecord& r);

// A dated entry in the year: from its start date and time to its end date and
// time, over the year's end when the end date comes before the start date
// (split there). None for a month or day that is no date.
std::vector<Stretch> DatedYearStretches(const WeekClockRecord& r);

// The weekdays and times a dated entry covers, laid on the week from its
// stored start weekday: the whole week when it lasts a week or longer.
std::vector<Stretch> DatedWeekStretches(const WeekClockRecord& r);

// The day of a month-day date in the 366-day year (0 = 1 January, 59 = 29
// February); nothing for a month or day that is no date.
std::optional<std::int64_t> DayOfYear(std::uint8_t month, std::uint8_t day);

// Seconds from midnight of a time of day.
std::int64_t SecondOfDay(std::uint8_t hour, std::uint8_t minute, std::uint8_t second);

} // namespace corvane

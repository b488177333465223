#pragma once

#include <cstdint>

namespace corvane {

// A calendar date of the proleptic Gregorian calendar.
struct CivilDate {
    int year = 1970;
    int month = 1; // 1..12
    int day = 1;   // 1..31

    bool operator==(const CivilDate&) const = default;
};

// Days since 1970-01-01 and back (Howard Hinnant's civil-from-days algorithms).
std::int64_t DaysFromCivil(const CivilDate& date);
CivilDate CivilFromDays(std::int64_t days);

// 1 = Sunday .. 7 = Saturday, as the week-clock records count.
int WeekdayOf(const CivilDate& date);

// The date `days` days after date (before, when negative).
CivilDate AddDays(const CivilDate& date, std::int64_t days);

} // namespace corvane

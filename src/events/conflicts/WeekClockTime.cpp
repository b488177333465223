#include "events/conflicts/WeekClockTime.h"

#include <optional>

namespace corvane {

namespace {

// [begin, begin + length) on a cycle of `cycle` seconds, split where it passes
// the cycle's end.
std::vector<Stretch> OnCycle(std::int64_t begin, std::int64_t length, std::int64_t cycle) {
    if (length >= cycle)
        return {{0, cycle}};
    if (begin + length <= cycle)
        return {{begin, begin + length}};
    return {{begin, cycle}, {0, begin + length - cycle}};
}

// How long a dated entry lasts; nothing when a date is none.
std::optional<std::int64_t> DatedLength(const WeekClockRecord& r) {
    const auto startDay = DayOfYear(r.startMonth, r.startDay);
    const auto endDay = DayOfYear(r.endMonth, r.endDay);
    if (!startDay || !endDay)
        return std::nullopt;
    const auto start =
        *startDay * kSecondsPerDay + SecondOfDay(r.startHour, r.startMinute, r.startSecond);
    auto end = *endDay * kSecondsPerDay + SecondOfDay(r.endHour, r.endMinute, r.endSecond);
    if (end <= start)
        end += kSecondsPerYear;
    return end - start;
}

bool IsWeekday(std::uint8_t weekday) {
    return weekday >= 1 && weekday <= 7;
}

} // namespace

std::optional<std::int64_t> DayOfYear(std::uint8_t month, std::uint8_t day) {
    constexpr int kDaysBefore[] = {0, 31, 60, 91, 121, 152, 182, 213, 244, 274, 305, 335};
    constexpr int kMonthDays[] = {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month < 1 || month > 12 || day < 1 || day > kMonthDays[month - 1])
        return std::nullopt;
    return kDaysBefore[month - 1] + day - 1;
}

std::int64_t SecondOfDay(std::uint8_t hour, std::uint8_t minute, std::uint8_t second) {
    return std::int64_t{hour} * 3600 + std::int64_t{minute} * 60 + second;
}

std::vector<Stretch> WeeklyStretches(const WeekClockRecord& r) {
    if (!IsWeekday(r.startWeekday))
        return {};
    const auto start = SecondOfDay(r.startHour, r.startMinute, r.startSecond);
    auto length = SecondOfDay(r.endHour, r.endMinute, r.endSecond) - start;
    if (length <= 0)
        length += kSecondsPerDay;
    return OnCycle((r.startWeekday - 1) * kSecondsPerDay + start, length, kSecondsPerWeek);
}

std::vector<Stretch> DatedYearStretches(const WeekClockRecord& r) {
    const auto length = DatedLength(r);
    if (!length)
        return {};
    const auto start = *DayOfYear(r.startMonth, r.startDay) * kSecondsPerDay +
                       SecondOfDay(r.startHour, r.startMinute, r.startSecond);
    return OnCycle(start, *length, kSecondsPerYear);
}

std::vector<Stretch> DatedWeekStretches(const WeekClockRecord& r) {
    const auto length = DatedLength(r);
    if (!length || !IsWeekday(r.startWeekday))
        return {};
    const auto start = (r.startWeekday - 1) * kSecondsPerDay +
                       SecondOfDay(r.startHour, r.startMinute, r.startSecond);
    return OnCycle(start, *length, kSecondsPerWeek);
}

} // namespace corvane

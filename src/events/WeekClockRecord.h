#pragma once

#include "events/EventKind.h"

#include <array>
#include <cstdint>
#include <span>
#include <string>

namespace corvane {

// A week-clock entry: weekly (entryFlag 0; months and days 0, weekdays 1 = Sunday
// .. 7 = Saturday) or dated (entryFlag 1). 48 bytes, 4 spare at the end.
struct WeekClockRecord {
    static constexpr EventKind kKind = EventKind::WeekClock;
    static constexpr std::size_t kSize = 48;
    static constexpr std::size_t kNameOffset = 19;

    std::uint8_t startMonth = 0;
    std::uint8_t startDay = 0;
    std::uint8_t startWeekday = 0;
    std::uint8_t startHour = 0;
    std::uint8_t startMinute = 0;
    std::uint8_t startSecond = 0;
    std::uint8_t endMonth = 0;
    std::uint8_t endDay = 0;
    std::uint8_t endWeekday = 0;
    std::uint8_t endHour = 0;
    std::uint8_t endMinute = 0;
    std::uint8_t endSecond = 0;
    std::uint16_t firstChannel = 0;
    std::uint16_t lastChannel = 0;
    std::uint8_t increment = 0;
    std::uint8_t level = 0;
    std::uint8_t entryFlag = 0;

    std::string name;

    std::array<std::uint8_t, kSize> encode() const;
    // bytes holds at least kSize bytes.
    static WeekClockRecord decode(std::span<const std::uint8_t> bytes);

    // The event list text behind the name; weeklyView picks the week clock's
    // weekly form over its dated one.
    std::string describe(bool weeklyView) const;

    bool operator==(const WeekClockRecord&) const = default;
};

} // namespace corvane

#pragma once

#include "events/FormFields.h"
#include "events/WeekClockRecord.h"

#include <array>

namespace corvane {

// A calendar date as a date picker shows it. weekday: 0 = Sunday .. 6 = Saturday.
struct PickerDate {
    int year = 1970;
    int month = 1;
    int day = 1;
    int weekday = 4;
};

// A time of day as a time picker shows it.
struct PickerTime {
    int hour = 0;
    int minute = 0;
    int second = 0;
};

// What the week-clock panel shows: its four pickers, its mode, its day boxes
// and its DMX block.
struct WeekClockForm {
    using Record = WeekClockRecord;

    PickerDate startDate{};
    PickerDate endDate{};
    PickerTime startTime{};
    PickerTime endTime{};
    bool weekly = true; // weekly mode, else dated
    // The checked day boxes, [0] Sunday (weekday 1) .. [6] Saturday (weekday 7).
    std::array<bool, 7> days{};
    ChannelTexts channels{};

    // The record of the pickers' dates and times; the add command sets the
    // weekdays and the entry flag for the mode. Acceptable when the last channel
    // is not below the first.
    Collected<WeekClockRecord> collect() const;
};

} // namespace corvane

#pragma once

#include "events/CollectRecord.h" // and through it every form and record type
#include "support/FileOfRecords.h"
#include "support/RecordingPrompter.h"
#include "support/TempFolder.h"
#include "support/VectorEventList.h"

#include <gtest/gtest.h>
#include <initializer_list>
#include <string>

namespace corvane::test {

// Forms filled the way an operator leaves the panels.

inline ChannelTexts Channels(int first, int last = 512) {
    return {std::to_string(first), std::to_string(last), "1", "255"};
}

inline MidiForm MidiNote(int note, int firstChannel = 1, int lastChannel = 512) {
    return {0, std::to_string(note), 0, 0, Channels(firstChannel, lastChannel)};
}

inline RelayForm RelayOn(int channel) {
    return {std::to_string(channel), "0", "255", "1", 0};
}

// Starts at h:m:s:f and ends at 23:59:59:29.
inline TimecodeForm TimecodeFrom(int h, int m, int s, int f, int firstChannel) {
    const auto text = [](int n) { return std::to_string(n); };
    return {{text(h), text(m), text(s), text(f), "23", "59", "59", "29"}, Channels(firstChannel)};
}

// Weekly mode with the given days checked (1 = Sunday).
inline WeekClockForm Weekly(PickerTime start, PickerTime end, std::initializer_list<int> days,
                            int firstChannel = 1) {
    WeekClockForm form{.startTime = start, .endTime = end, .channels = Channels(firstChannel)};
    for (const int day : days)
        form.days.at(day - 1) = true;
    return form;
}

inline WeekClockForm Dated(PickerDate startDate, PickerTime startTime, PickerDate endDate,
                           PickerTime endTime) {
    return {startDate, endDate, startTime, endTime, false, {}, Channels(1)};
}

} // namespace corvane::test

#pragma once

#include "events/CollectRecord.h" // and through it every record type
#include "support/EventFileBytes.h"
#include "support/RecordingPrompter.h"
#include "support/TablePanelValues.h"
#include "support/TempFolder.h"
#include "support/VectorEventList.h"

#include <gtest/gtest.h>
#include <string>

namespace corvane::test {

// Panels filled the way an operator leaves them, for the editing tests.
// clang-format off
inline TablePanelValues& SetNumbers(TablePanelValues& panel, std::initializer_list<std::pair<int, int>> values) {
    for (const auto& [id, value] : values)
        panel.setText(id, std::to_string(value));
    return panel;
}

inline TablePanelValues MidiPanel(int note, int firstChannel = 1, int lastChannel = 512) {
    TablePanelValues panel;
    panel.setSelection(ids::kMidiChannel, 0).setSelection(ids::kMidiOnOff, 0).setSelection(ids::kMidiAction, 0);
    return SetNumbers(panel, {{ids::kMidiNote, note}, {ids::kMidiFirstChannel, firstChannel},
                              {ids::kMidiLastChannel, lastChannel}, {ids::kMidiIncrement, 1}, {ids::kMidiLevel, 255}});
}

inline TablePanelValues RelayPanel(int channel, int relay = 1) {
    TablePanelValues panel;
    panel.setSelection(ids::kRelayStatus, 0);
    return SetNumbers(panel, {{ids::kRelayChannel, channel}, {ids::kRelayNumber, relay}, {ids::kRelayLow, 0}, {ids::kRelayHigh, 255}});
}

// Start h:m:s:f and the first channel; the end is fixed.
inline TablePanelValues TimecodePanel(int h, int m, int s, int f, int firstChannel) {
    TablePanelValues panel;
    const int values[] = {h, m, s, f, 23, 59, 59, 29};
    for (int i = 0; i < 8; ++i)
        panel.setText(ids::kTcStart + i, std::to_string(values[i]));
    return SetNumbers(panel, {{ids::kTcFirstChannel, firstChannel}, {ids::kTcLastChannel, 512}, {ids::kTcIncrement, 1}, {ids::kTcLevel, 255}});
}

// A weekly panel with the given days checked (1 = Sunday).
inline TablePanelValues WeekPanel(PickerTime start, PickerTime end, std::initializer_list<int> days = {}, int firstChannel = 1) {
    TablePanelValues panel;
    panel.pickerValues.startTime = start;
    panel.pickerValues.endTime = end;
    for (const int day : days)
        panel.checkDay(day);
    return SetNumbers(panel, {{ids::kWeekFirstChannel, firstChannel}, {ids::kWeekLastChannel, 512}, {ids::kWeekIncrement, 1}, {ids::kWeekLevel, 255}});
}

inline TablePanelValues DatedPanel(PickerDate startDate, PickerTime startTime, PickerDate endDate, PickerTime endTime) {
    TablePanelValues panel = WeekPanel(startTime, endTime);
    panel.weekly = false;
    panel.pickerValues.startDate = startDate;
    panel.pickerValues.endDate = endDate;
    return panel;
}
// clang-format on

} // namespace corvane::test

#pragma once

#include "events/CollectRecord.h"
#include "support/TablePanelValues.h"

#include <string>

namespace corvane::test {

// Panels filled the way an operator leaves them, for the editing tests.

inline TablePanelValues MidiPanel(int note, int firstChannel = 1, int lastChannel = 512) {
    TablePanelValues panel;
    panel.setSelection(ids::kMidiChannel, 0).setSelection(ids::kMidiOnOff, 0).setSelection(ids::kMidiAction, 0);
    panel.setText(ids::kMidiNote, std::to_string(note));
    panel.setText(ids::kMidiFirstChannel, std::to_string(firstChannel));
    panel.setText(ids::kMidiLastChannel, std::to_string(lastChannel));
    panel.setText(ids::kMidiIncrement, "1").setText(ids::kMidiLevel, "255");
    return panel;
}

inline TablePanelValues RelayPanel(int channel, int relay = 1) {
    TablePanelValues panel;
    panel.setText(ids::kRelayChannel, std::to_string(channel)).setText(ids::kRelayNumber, std::to_string(relay));
    panel.setText(ids::kRelayLow, "0").setText(ids::kRelayHigh, "255").setSelection(ids::kRelayStatus, 0);
    return panel;
}

// Start h:m:s:f and the first channel; the end is fixed.
inline TablePanelValues TimecodePanel(int h, int m, int s, int f, int firstChannel) {
    TablePanelValues panel;
    const int values[] = {h, m, s, f, 23, 59, 59, 29};
    for (int i = 0; i < 8; ++i)
        panel.setText(ids::kTcStart + i, std::to_string(values[i]));
    panel.setText(ids::kTcFirstChannel, std::to_string(firstChannel)).setText(ids::kTcLastChannel, "512");
    panel.setText(ids::kTcIncrement, "1").setText(ids::kTcLevel, "255");
    return panel;
}

inline TablePanelValues WeekPanel(PickerTime start, PickerTime end, int firstChannel = 1) {
    TablePanelValues panel;
    panel.pickerValues.startTime = start;
    panel.pickerValues.endTime = end;
    panel.setText(ids::kWeekFirstChannel, std::to_string(firstChannel)).setText(ids::kWeekLastChannel, "512");
    panel.setText(ids::kWeekIncrement, "1").setText(ids::kWeekLevel, "255");
    return panel;
}

inline TablePanelValues DatedPanel(PickerDate startDate, PickerTime startTime, PickerDate endDate,
                                   PickerTime endTime) {
    TablePanelValues panel = WeekPanel(startTime, endTime);
    panel.weekly = false;
    panel.pickerValues.startDate = startDate;
    panel.pickerValues.endDate = endDate;
    return panel;
}

} // namespace corvane::test

#pragma once

#include <array>
#include <string>

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

// The week-clock panel's four pickers: start date (104), end date (105),
// start time (106), end time (107).
struct PickerValues {
    PickerDate startDate;
    PickerDate endDate;
    PickerTime startTime;
    PickerTime endTime;
};

// What a record is collected from: the controls of the current kind's editor
// panel, reached by their ids. Panels implement it over their widgets; tests
// over a table of values.
class PanelValues {
public:
    virtual ~PanelValues() = default;

    // Brings the panel's exchanged values up to date with its controls before a
    // collect (the week-clock panel reloads its picker values here).
    virtual void refresh() {}

    // The window text of control id; empty when there is no such control.
    virtual std::string text(int controlId) const = 0;

    // The zero-based selected item of combo box id; -1 when nothing is selected.
    virtual int selection(int controlId) const = 0;

    // Week-clock panel only: its picker values, its mode and its day boxes.
    virtual PickerValues pickers() const { return {}; }
    virtual bool weeklyMode() const { return true; }
    // checkedDays()[0] is Sunday (weekday 1) .. [6] Saturday (weekday 7).
    virtual std::array<bool, 7> checkedDays() const { return {}; }
};

} // namespace corvane

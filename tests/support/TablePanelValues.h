#pragma once

#include "platform/PanelValues.h"

#include <array>
#include <map>
#include <string>

namespace corvane::test {

// PanelValues over tables filled by the test: texts and selections by control
// id (a missing text is "", a missing selection -1), the pickers, the week-clock
// mode and day boxes. refreshes counts the refresh() calls. The setters return
// *this so a panel reads as one expression.
// clang-format off
class TablePanelValues : public PanelValues {
public:
    void refresh() override { ++refreshes; }
    std::string text(int controlId) const override { return texts.contains(controlId) ? texts.at(controlId) : ""; }
    int selection(int controlId) const override { return selections.contains(controlId) ? selections.at(controlId) : -1; }
    PickerValues pickers() const override { return pickerValues; }
    bool weeklyMode() const override { return weekly; }
    std::array<bool, 7> checkedDays() const override { return days; }

    TablePanelValues& setText(int id, std::string value) { texts[id] = std::move(value); return *this; }
    TablePanelValues& setSelection(int id, int value) { selections[id] = value; return *this; }
    // day: 1 = Sunday .. 7 = Saturday.
    TablePanelValues& checkDay(int day, bool checked = true) { days.at(day - 1) = checked; return *this; }

    std::map<int, std::string> texts;
    std::map<int, int> selections;
    PickerValues pickerValues;
    bool weekly = true;
    std::array<bool, 7> days{};
    int refreshes = 0;
};
// clang-format on

} // namespace corvane::test

#pragma once

#include "panels/EventPanel.h"

class QDateEdit;
class QDateTimeEdit;
class QTimeEdit;

namespace corvane {

// Week-clock events: a time window that repeats on chosen weekdays (weekly
// mode) or runs between two calendar dates (dated mode). Besides the skinned
// day boxes, mode buttons and DMX block it owns four pickers: start date
// (104), end date (105), start time (106) and end time (107).
class WeekClockPanel : public EventPanel {
    Q_OBJECT

public:
    using EventPanel::EventPanel;

    // Reloads the picker values that pickers() reports.
    void refresh() override;
    // The picker values as of the last picker change or refresh().
    PickerValues pickers() const override;
    // Weekly mode: the check state of mode button 1029.
    bool weeklyMode() const override;
    // Day boxes, Sunday first: 1027, 1021, 1022 .. 1026.
    std::array<bool, 7> checkedDays() const override;

    void onCommand(int id, int notification) override;

protected:
    int SetSkinNumber() const override { return 1020; }
    bool createOwnControls() override;
    void fillControls() override;

private:
    QDateEdit* addDatePicker(int id, const QRect& rect);
    QTimeEdit* addTimePicker(int id, const QRect& rect);
    // At its fixed place, found by its id, refreshing the values on every change.
    void placePicker(QDateTimeEdit* picker, int id, const QRect& rect);
    void applyAllDays();

    QDateEdit* startDate_ = nullptr;
    QDateEdit* endDate_ = nullptr;
    QTimeEdit* startTime_ = nullptr;
    QTimeEdit* endTime_ = nullptr;
    PickerValues exchanged_;
};

} // namespace corvane

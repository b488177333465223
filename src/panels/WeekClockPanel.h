#pragma once

#include "panels/ControlIds.h"
#include "panels/EventPanel.h"

class QDateEdit;
class QDateTimeEdit;
class QTimeEdit;

namespace corvane {

// Week-clock events: a time window that repeats on chosen weekdays (weekly
// mode) or runs between two calendar dates (dated mode). Besides the skinned
// day boxes, mode buttons and DMX block it owns four pickers: start date,
// end date, start time and end time.
class WeekClockPanel : public EventPanel {
    Q_OBJECT

public:
    using Form = WeekClockForm;

    using EventPanel::EventPanel;

    EventForm form() const override;
    // Weekly mode: the check state of the weekly mode button.
    bool weeklyMode() const;
    // Day boxes, Sunday first.
    std::array<bool, 7> checkedDays() const;

    void onCommand(int id, int notification) override;

protected:
    int designatedSkinNumber() const override { return kSkinWeekClock; }
    bool createOwnControls() override;
    void fillControls() override;

private:
    QDateEdit* addDatePicker(int id, const QRect& rect);
    QTimeEdit* addTimePicker(int id, const QRect& rect);
    // At its fixed place, found by its id.
    void placePicker(QDateTimeEdit* picker, int id, const QRect& rect);
    void applyAllDays();

    QDateEdit* startDate_ = nullptr;
    QDateEdit* endDate_ = nullptr;
    QTimeEdit* startTime_ = nullptr;
    QTimeEdit* endTime_ = nullptr;
};

} // namespace corvane

#include "panels/WeekClockPanel.h"

#include "panels/ControlIds.h"
#include "panels/PickerStyle.h"

#include <QDateEdit>
#include <QDateTime>
#include <QTimeEdit>

namespace corvane {

namespace {

PickerDate ToPickerDate(const QDate& date) {
    // Qt counts Monday 1 .. Sunday 7; pickers count Sunday 0 .. Saturday 6.
    return {date.year(), date.month(), date.day(), date.dayOfWeek() % 7};
}

PickerTime ToPickerTime(const QTime& time) {
    return {time.hour(), time.minute(), time.second()};
}

// Left, top, right, bottom as the panel's layout gives them.
QRect Edges(int left, int top, int right, int bottom) {
    return QRect(left, top, right - left, bottom - top);
}

} // namespace

bool WeekClockPanel::createOwnControls() {
    startDate_ = addDatePicker(kIdStartDatePicker, Edges(192, 69, 312, 94));
    endDate_ = addDatePicker(kIdEndDatePicker, Edges(192, 115, 312, 140));
    startTime_ = addTimePicker(kIdStartTimePicker, Edges(94, 175, 219, 200));
    endTime_ = addTimePicker(kIdEndTimePicker, Edges(94, 204, 219, 229));
    return true;
}

QDateEdit* WeekClockPanel::addDatePicker(int id, const QRect& rect) {
    auto* picker = new QDateEdit(QDate::currentDate(), this);
    picker->setCalendarPopup(true);
    placePicker(picker, id, rect);
    return picker;
}

QTimeEdit* WeekClockPanel::addTimePicker(int id, const QRect& rect) {
    // Whole seconds, as the picker shows them: a hidden fraction would make
    // two times the operator sees as equal compare unequal.
    const QTime now = QTime::currentTime();
    auto* picker = new QTimeEdit(QTime(now.hour(), now.minute(), now.second()), this);
    picker->setDisplayFormat(QStringLiteral("HH:mm:ss"));
    placePicker(picker, id, rect);
    return picker;
}

void WeekClockPanel::placePicker(QDateTimeEdit* picker, int id, const QRect& rect) {
    picker->setGeometry(rect);
    ApplyPickerLook(*picker);
    SetControlId(picker, id);
    picker->show();
}

void WeekClockPanel::fillControls() {
    fillChannelBlock(kIdWcFirstChannel, kIdWcLastChannel, kIdWcIncrement, kIdWcLevel);
    setChecked(kIdWcWeekly, true);
}

EventForm WeekClockPanel::form() const {
    WeekClockForm form;
    if (startDate_) {
        form.startDate = ToPickerDate(startDate_->date());
        form.endDate = ToPickerDate(endDate_->date());
        form.startTime = ToPickerTime(startTime_->time());
        form.endTime = ToPickerTime(endTime_->time());
    }
    form.weekly = weeklyMode();
    form.days = checkedDays();
    form.channels = channelTexts(kIdWcFirstChannel, kIdWcLastChannel, kIdWcIncrement, kIdWcLevel);
    return form;
}

bool WeekClockPanel::weeklyMode() const {
    return isChecked(kIdWcWeekly);
}

std::array<bool, 7> WeekClockPanel::checkedDays() const {
    std::array<bool, 7> days{};
    days[0] = isChecked(kIdWcSunday);
    for (int day = 1; day < 7; ++day)
        days[day] = isChecked(kIdWcMonday + day - 1);
    return days;
}

void WeekClockPanel::onCommand(int id, int notification) {
    if (notification == kButtonClicked) {
        if (id == kIdWcAllDays)
            applyAllDays();
        else if (id == kIdWcWeekly || id == kIdWcDated)
            emit listRefillRequested();
    }
    EventPanel::onCommand(id, notification);
}

void WeekClockPanel::applyAllDays() {
    const bool all = isChecked(kIdWcAllDays);
    for (int id = kIdWcMonday; id <= kIdWcSunday; ++id)
        setChecked(id, all);
}

} // namespace corvane

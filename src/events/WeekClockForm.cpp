#include "events/WeekClockForm.h"

namespace corvane {

Collected<WeekClockRecord> WeekClockForm::collect() const {
    WeekClockRecord r;
    r.startMonth = LowByte(startDate.month);
    r.startDay = LowByte(startDate.day);
    r.startWeekday = LowByte(startDate.weekday + 1);
    r.startHour = LowByte(startTime.hour);
    r.startMinute = LowByte(startTime.minute);
    r.startSecond = LowByte(startTime.second);
    r.endMonth = LowByte(endDate.month);
    r.endDay = LowByte(endDate.day);
    r.endWeekday = LowByte(endDate.weekday + 1);
    r.endHour = LowByte(endTime.hour);
    r.endMinute = LowByte(endTime.minute);
    r.endSecond = LowByte(endTime.second);
    ReadChannelTexts(channels, r);
    return {r, r.lastChannel >= r.firstChannel};
}

} // namespace corvane

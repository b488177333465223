#include "events/TimecodeForm.h"

namespace corvane {

Collected<TimecodeRecord> TimecodeForm::collect() const {
    TimecodeRecord r;
    r.startHours = TextByte(times[0]);
    r.startMinutes = TextByte(times[1]);
    r.startSeconds = TextByte(times[2]);
    r.startFrames = TextByte(times[3]);
    r.endHours = TextByte(times[4]);
    r.endMinutes = TextByte(times[5]);
    r.endSeconds = TextByte(times[6]);
    r.endFrames = TextByte(times[7]);
    ReadChannelTexts(channels, r);
    return {r, r.lastChannel >= r.firstChannel};
}

} // namespace corvane

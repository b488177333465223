#include "events/SensorForm.h"

namespace corvane {

Collected<SensorRecord> SensorForm::collect() const {
    SensorRecord r;
    r.contact = LowByte(contactItem);
    r.firstSetting = TextByte(firstSetting);
    r.secondSetting = TextByte(secondSetting);
    r.actionType = LowByte(outputItem);
    ReadOutputTarget(outputItem, output, r);
    if (outputItem == 2) // Audio: item 0 enables, 1 disables
        r.target = LowWord(output.targetItem);
    return {r, true};
}

} // namespace corvane

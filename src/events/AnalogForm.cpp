#include "events/AnalogForm.h"

namespace corvane {

Collected<AnalogRecord> AnalogForm::collect() const {
    AnalogRecord r;
    r.action = LowByte(outputItem);
    ReadOutputTarget(outputItem, output, r);
    r.input = LowByte(inputItem);
    const Voltage low = TextToVoltage(lowVolts);
    const Voltage high = TextToVoltage(highVolts);
    r.lowVolts = low.whole;
    r.lowHundredths = low.hundredths;
    r.highVolts = high.whole;
    r.highHundredths = high.hundredths;

    const bool aboveLimit = r.highVolts > 10 || (r.highVolts == 10 && r.highHundredths > 0);
    const bool reversed = r.highVolts < r.lowVolts ||
                          (r.highVolts == r.lowVolts && r.lowHundredths > r.highHundredths);
    return {r, !aboveLimit && !reversed};
}

} // namespace corvane

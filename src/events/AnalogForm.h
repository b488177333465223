#pragma once

#include "events/AnalogRecord.h"
#include "events/FormFields.h"

#include <string>

namespace corvane {

// What the analog panel shows. Items are zero-based, -1 when none is chosen.
struct AnalogForm {
    using Record = AnalogRecord;

    int inputItem = -1; // "Analog1" .. "Analog4"
    std::string lowVolts{};
    std::string highVolts{};
    int outputItem = -1; // "DMX", "Relay"
    OutputTargetBoxes output{};

    // Acceptable when the window ends at 10.00 V at most and not below its start.
    Collected<AnalogRecord> collect() const;
};

} // namespace corvane

#pragma once

#include "events/FormFields.h"
#include "events/SensorRecord.h"

#include <string>

namespace corvane {

// What the sensor panel shows. Items are zero-based, -1 when none is chosen.
struct SensorForm {
    using Record = SensorRecord;

    int contactItem = -1; // "Contact1" .. "Contact8"
    std::string firstSetting{};
    std::string secondSetting{};
    int outputItem = -1; // "DMX", "Relay", "Audio"
    OutputTargetBoxes output{};

    // Always acceptable.
    Collected<SensorRecord> collect() const;
};

} // namespace corvane

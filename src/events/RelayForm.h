#pragma once

#include "events/FormFields.h"
#include "events/RelayRecord.h"

#include <string>

namespace corvane {

// What the relay panel shows. Items are zero-based, -1 when none is chosen.
struct RelayForm {
    using Record = RelayRecord;

    std::string channel{};
    std::string lowLevel{};
    std::string highLevel{};
    std::string relayNumber{};
    int statusItem = -1; // "On", "Off"

    // Always acceptable; a relay number above 8 is stored as 8.
    Collected<RelayRecord> collect() const;
};

} // namespace corvane

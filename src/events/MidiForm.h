#pragma once

#include "events/FormFields.h"
#include "events/MidiRecord.h"

#include <string>

namespace corvane {

// What the MIDI panel shows. Items are zero-based, -1 when none is chosen.
struct MidiForm {
    using Record = MidiRecord;

    int channelItem = -1; // "1" .. "16", then "All Channel"
    std::string note{};
    int noteStateItem = -1; // "ON", "OFF"
    int actionItem = -1;    // "Hold", "INC", "DEC", "Toggle"
    ChannelTexts channels{};

    // Acceptable when the last channel is not below the first.
    Collected<MidiRecord> collect() const;
};

} // namespace corvane

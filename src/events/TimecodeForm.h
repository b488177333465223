#pragma once

#include "events/FormFields.h"
#include "events/TimecodeRecord.h"

#include <array>
#include <string>

namespace corvane {

// What the timecode panel shows: the read-outs of its spin buttons and its DMX
// block.
struct TimecodeForm {
    using Record = TimecodeRecord;

    // Start hours, minutes, seconds, frames, then the same for the end.
    std::array<std::string, 8> times{};
    ChannelTexts channels{};

    // Acceptable when the last channel is not below the first.
    Collected<TimecodeRecord> collect() const;
};

} // namespace corvane

#pragma once

#include "events/AudioRecord.h"
#include "events/FormFields.h"

#include <string>

namespace corvane {

// What the audio panel shows. Items are zero-based, -1 when none is chosen.
struct AudioForm {
    using Record = AudioRecord;

    int sideItem = -1; // "Left", "Right", "All"
    int bandItem = -1; // highest band first: item i is band i + 1
    std::string firstChannel{};
    std::string lastChannel{};
    std::string increment{};
    int pixelModeItem = -1; // "One Pixel", "More Pixel"

    // Always acceptable.
    Collected<AudioRecord> collect() const;
};

} // namespace corvane

#pragma once

#include "skin/ControlDescription.h"

#include <optional>
#include <string_view>

namespace corvane::skingen {

// How a control looks behind its text. The UI file may name it with the
// renderer's own key "Face"; otherwise the control type decides.
enum class Face {
    None,          // plain label: the window background shows
    Button,        // command button
    Accent,        // command button of the controller group
    Tab,           // kind selector
    Chip,          // small toggle (day boxes)
    Segment,       // one half of a two-way switch
    TitleMinimise, // title bar glyph buttons
    TitleClose,
    Combo,   // drop-down list: light face with its arrow area
    Well,    // edit field
    Display, // dark read-out for values the panel shows
};

std::optional<Face> FaceFromName(std::string_view name);
Face DefaultFace(ControlType type);

} // namespace corvane::skingen

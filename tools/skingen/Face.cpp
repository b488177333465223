#include "Face.h"

#include <array>
#include <utility>

namespace corvane::skingen {

std::optional<Face> FaceFromName(std::string_view name) {
    static constexpr std::array<std::pair<std::string_view, Face>, 11> kNames{{
        {"None", Face::None},
        {"Button", Face::Button},
        {"Accent", Face::Accent},
        {"Tab", Face::Tab},
        {"Chip", Face::Chip},
        {"Segment", Face::Segment},
        {"TitleMinimise", Face::TitleMinimise},
        {"TitleClose", Face::TitleClose},
        {"Combo", Face::Combo},
        {"Well", Face::Well},
        {"Display", Face::Display},
    }};
    for (const auto& [word, face] : kNames) {
        if (word == name)
            return face;
    }
    return std::nullopt;
}

Face DefaultFace(ControlType type) {
    switch (type) {
    case ControlType::PushButton:
        return Face::Button;
    case ControlType::Check:
    case ControlType::Radio:
        return Face::Chip;
    case ControlType::ComboBox:
        return Face::Combo;
    case ControlType::Edit:
        return Face::Well;
    case ControlType::Static:
    case ControlType::Slider:
        return Face::None;
    }
    return Face::None;
}

} // namespace corvane::skingen

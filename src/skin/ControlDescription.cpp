#include "skin/ControlDescription.h"

#include "skin/TextRules.h"

namespace corvane {

namespace {

struct TypeName {
    ControlType type;
    std::string_view name;
};

// In the order a Type value is compared with them.
constexpr TypeName kTypeNames[] = {
    {ControlType::PushButton, "PUSHBUTTON"}, {ControlType::Check, "CHECK"},
    {ControlType::ComboBox, "COMBOBOX"},     {ControlType::Edit, "EDIT"},
    {ControlType::Radio, "RADIO"},           {ControlType::Slider, "SLIDER"},
    {ControlType::Static, "STATIC"},
};

} // namespace

std::optional<ControlType> ControlTypeFromName(std::string_view name) {
    for (const TypeName& entry : kTypeNames) {
        if (textrules::EqualsNoCase(name, entry.name))
            return entry.type;
    }
    return std::nullopt;
}

std::string_view CanonicalTypeName(ControlType type) {
    for (const TypeName& entry : kTypeNames) {
        if (entry.type == type)
            return entry.name;
    }
    return {};
}

StateImages StateImagesOf(ControlType type) {
    switch (type) {
    case ControlType::Slider:
        return StateImages::None;
    case ControlType::Static:
        return StateImages::NormalAndDisabled;
    default:
        return StateImages::All;
    }
}

const ControlCommon& CommonOf(const ControlDescription& description) {
    return std::visit([](const auto& d) -> const ControlCommon& { return d; }, description);
}

} // namespace corvane

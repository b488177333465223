#include "skin/ControlReader.h"

#include "skin/ResourceLookup.h"
#include "skin/SkinPaths.h"
#include "skin/UiFile.h"

#include <initializer_list>
#include <limits>

namespace corvane {

namespace {

constexpr std::size_t kTypeBuffer = 31;
constexpr std::size_t kRectBuffer = 16;
constexpr std::size_t kNameBuffer = 259;
constexpr std::size_t kToolTipBuffer = 519;
constexpr std::size_t kModeBuffer = 31;
constexpr std::size_t kStaticModeBuffer = 259;
constexpr char kStateLetters[4] = {'N', 'H', 'S', 'D'};

HorizontalMode HorizontalModeFromWord(std::string_view word) {
    // Compared with regard to case: "center" is the default mode.
    if (word == "LEFT")
        return HorizontalMode::Left;
    if (word == "RIGHT")
        return HorizontalMode::Right;
    if (word == "CENTER")
        return HorizontalMode::Center;
    return HorizontalMode::Default;
}

VerticalMode VerticalModeFromWord(std::string_view word) {
    if (word == "TOP")
        return VerticalMode::Top;
    if (word == "BOTTOM")
        return VerticalMode::Bottom;
    if (word == "CENTER")
        return VerticalMode::Center;
    return VerticalMode::Default;
}

// Reads the keys of one control section.
class SectionReader {
public:
    SectionReader(const SkinFiles& files, std::string_view section)
        : files_(files), ui_(files.uiFile), section_(section) {}

    std::string text(std::string_view key, std::string_view fallback, std::size_t buffer) const {
        return ui_.readString(section_, key, fallback, buffer);
    }
    std::int32_t number(std::string_view key, std::int32_t fallback) const {
        return ui_.readInt(section_, key, fallback);
    }
    bool flag(std::string_view key, bool fallback) const {
        return number(key, fallback ? 1 : 0) != 0;
    }
    std::uint32_t bit(std::string_view key, bool fallback, std::uint32_t value) const {
        return flag(key, fallback) ? value : 0;
    }
    // The style bits of the key's value 0, 1, 2, ...; none for any other value.
    std::uint32_t choice(std::string_view key, std::int32_t fallback,
                         std::initializer_list<std::uint32_t> bitsOfValue) const {
        const std::int32_t value = number(key, fallback);
        return value >= 0 && static_cast<std::size_t>(value) < bitsOfValue.size()
                   ? bitsOfValue.begin()[value]
                   : 0;
    }
    std::string imageFile(std::string_view key) const {
        return skinpath::SkinFile(files_.skinFolder, text(key, "", kNameBuffer));
    }
    // The image files of the keys prefix + N, H, S and D.
    PerState<std::string> stateImageFiles(std::string_view prefix) const {
        PerState<std::string> files;
        for (int s = 0; s < 4; ++s)
            files[s] = imageFile(std::string(prefix) + kStateLetters[s]);
        return files;
    }
    LOGFONTA font(std::string_view key) const {
        LOGFONTA font;
        ui_.readLogFont(section_, key, font);
        return font;
    }

    // Rect, IDs, IsVisible and IsDisabled, which every type has.
    void readCommon(ControlType type, ControlCommon& common) const {
        common.type = type;
        common.section = section_;
        common.rect = ParseRect(text("Rect", "0,0,0,0", kRectBuffer));
        common.idName = text("IDs", "", kNameBuffer);
        common.id = LookupResourceId(files_.resourceHeader, common.idName);
        common.style = style::kChild | bit("IsVisible", true, style::kVisible) |
                       bit("IsDisabled", false, style::kDisabled);
    }

    TextLayout layout(std::size_t modeBuffer) const {
        TextLayout layout;
        layout.horOffset = number("HorAlig", 0);
        layout.verOffset = number("VerAlig", 0);
        layout.horMode = HorizontalModeFromWord(text("HorAlignMode", "DEFAULT", modeBuffer));
        layout.verMode = VerticalModeFromWord(text("VerAlignMode", "DEFAULT", modeBuffer));
        return layout;
    }

    // A state other than N takes N's value while "Is<state>SameN<family>"
    // (default 1) is on, and reads its own key only when it is off.
    bool sameAsNormal(char state, std::string_view family) const {
        return flag(std::string("Is") + state + "SameN" + std::string(family), true);
    }
    LOGFONTA stateFont(char state, const LOGFONTA& normal) const {
        return sameAsNormal(state, "Font") ? normal : font(std::string("Font") + state);
    }
    ColorRef stateColor(char state, ColorRef normal) const {
        return sameAsNormal(state, "Color")
                   ? normal
                   : static_cast<ColorRef>(number(std::string("Color") + state, 0));
    }

    void toolTip(bool& has, std::string& text) const {
        has = flag("UseToolTip", false);
        if (has)
            text = this->text("ToolTips", "", kToolTipBuffer);
    }

private:
    const SkinFiles& files_;
    UiFile ui_;
    std::string section_;
};

ButtonDescription ReadButton(const SectionReader& in, ControlType type) {
    ButtonDescription d;
    d.caption = in.text("Caption", "", kNameBuffer);
    in.readCommon(type, d);
    const bool checkable = d.isCheckable();
    if (type == ControlType::Check)
        d.style |= style::kAutoCheckBox;
    if (type == ControlType::Radio)
        d.style |= style::kAutoRadioButton | in.bit("IsGroup", false, style::kGroup);
    d.style |= in.bit("IsTabStop", checkable, style::kTabStop);
    if (!checkable)
        d.style |= in.bit("IsDefPushButton", false, style::kDefPushButton);
    d.style |= in.bit("IsMultiline", false, style::kMultiline);

    if (checkable)
        d.checkedImageFiles = in.stateImageFiles("BKC");
    d.maskFile = in.imageFile("MaskBmp");

    d.fonts[kStateNormal] = in.font("FontN");
    d.colors[kStateNormal] = static_cast<ColorRef>(in.number("ColorN", 0));
    for (int s = kStateHover; s <= kStateDisabled; ++s) {
        d.fonts[s] = in.stateFont(kStateLetters[s], d.fonts[kStateNormal]);
        d.colors[s] = in.stateColor(kStateLetters[s], d.colors[kStateNormal]);
    }
    // The checked normal colour is black; owners that want another set it.
    d.checkedColors = d.colors;
    d.checkedColors[kStateNormal] = 0;

    d.layout = in.layout(kModeBuffer);
    in.toolTip(d.hasToolTip, d.toolTip);
    d.focusRectFlag = in.flag("IsTabStop", false);
    return d;
}

EditDescription ReadEdit(const SectionReader& in) {
    EditDescription d;
    in.readCommon(ControlType::Edit, d);
    d.style |= in.bit("IsTabStop", true, style::kTabStop) |
               in.bit("IsHScroll", false, style::kHScroll) |
               in.bit("IsVScroll", false, style::kVScroll) |
               in.bit("IsWantReturn", false, style::kEditWantReturn) |
               in.bit("IsAutoHScroll", true, style::kEditAutoHScroll) |
               in.bit("IsAutoVScroll", false, style::kEditAutoVScroll) |
               in.bit("IsLowerCase", false, style::kEditLowerCase) |
               in.bit("IsUpperCase", false, style::kEditUpperCase) |
               in.bit("IsNumber", false, style::kEditNumber) |
               in.bit("IsPassword", false, style::kEditPassword) |
               in.bit("IsReadOnly", false, style::kEditReadOnly) |
               in.bit("IsMultiline", true, style::kEditMultiline);
    d.style |= in.choice("HorAligMode", 0, {0, style::kEditCenter, style::kEditRight});
    d.font = in.font("FontN");
    return d;
}

ComboBoxDescription ReadComboBox(const SectionReader& in) {
    ComboBoxDescription d;
    in.readCommon(ControlType::ComboBox, d);
    d.style |= in.choice("ComboStyle", 1,
                         {style::kComboSimple, style::kComboDropDown, style::kComboDropDownList});
    d.dropListHeight = in.number("DropListHeight", 16);
    d.style |= in.bit("IsTabStop", true, style::kTabStop) |
               in.bit("IsVScroll", true, style::kVScroll) |
               in.bit("IsAutoHScroll", false, style::kComboAutoHScroll) |
               in.bit("IsDisableNoScroll", false, style::kComboDisableNoScroll) |
               in.bit("IsSort", true, style::kComboSort) |
               in.bit("IsUppercase", false, style::kComboUpperCase) |
               in.bit("IsLowercase", false, style::kComboLowerCase);
    d.font = in.font("FontN");
    d.horOffset = in.number("HorAlig", 0);
    d.verOffset = in.number("VerAlig", 0);
    d.buttonWidth = in.number("BtnWidth", 18);
    return d;
}

StaticDescription ReadStatic(const SectionReader& in) {
    StaticDescription d;
    in.readCommon(ControlType::Static, d);
    d.caption = in.text("Caption", "", kNameBuffer);
    d.style |= style::kStaticNotify;
    d.layout = in.layout(kStaticModeBuffer);
    d.noWrap = in.flag("NoWrap", false);
    in.toolTip(d.hasToolTip, d.toolTip);
    d.fonts[0] = in.font("FontN");
    d.fonts[1] = in.stateFont('D', d.fonts[0]);
    d.colors[0] = static_cast<ColorRef>(in.number("ColorN", 0));
    d.colors[1] = in.stateColor('D', d.colors[0]);
    return d;
}

SliderDescription ReadSlider(const SectionReader& in) {
    SliderDescription d;
    in.readCommon(ControlType::Slider, d);
    // Only exactly 1 makes the slider vertical.
    if (in.number("IsVertical", 0) == 1)
        d.style |= style::kSliderVertical;
    d.thumbFiles = in.stateImageFiles("Thumb");
    d.useMark = in.flag("IsUseMark", false);
    return d;
}

ControlDescription ReadOfType(const SectionReader& in, ControlType type) {
    switch (type) {
    case ControlType::PushButton:
    case ControlType::Check:
    case ControlType::Radio:
        return ReadButton(in, type);
    case ControlType::Edit:
        return ReadEdit(in);
    case ControlType::ComboBox:
        return ReadComboBox(in);
    case ControlType::Static:
        return ReadStatic(in);
    case ControlType::Slider:
        break;
    }
    return ReadSlider(in);
}

} // namespace

std::string ControlSectionName(std::string_view windowSection, int n) {
    return std::string(windowSection) + "_" + std::to_string(n);
}

std::optional<ControlDescription> ReadControlDescription(const SkinFiles& files,
                                                         std::string_view section) {
    const SectionReader in(files, section);
    const auto type = ControlTypeFromName(in.text("Type", "", kTypeBuffer));
    if (!type)
        return std::nullopt;
    return ReadOfType(in, *type);
}

std::vector<ControlDescription> ReadControlDescriptions(const SkinFiles& files,
                                                        std::string_view windowSection) {
    std::vector<ControlDescription> controls;
    const UiFile ui(files.uiFile);
    for (int n = 0; n < std::numeric_limits<int>::max(); ++n) {
        const std::string section = ControlSectionName(windowSection, n);
        const std::string typeName = ui.readString(section, "Type", "", kTypeBuffer);
        if (typeName.empty())
            break;
        const auto type = ControlTypeFromName(typeName);
        if (type)
            controls.push_back(ReadOfType(SectionReader(files, section), *type));
    }
    return controls;
}

} // namespace corvane

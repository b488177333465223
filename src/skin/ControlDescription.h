#pragma once

#include "skin/ColorRef.h"
#include "skin/LogFont.h"
#include "skin/SkinRect.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

namespace corvane {

// The seven control types of the UI file, in the order a Type value is
// compared with them.
enum class ControlType { PushButton, Check, ComboBox, Edit, Radio, Slider, Static };

// The type named by a Type value, compared without regard to case; nothing
// for an empty or unknown word.
std::optional<ControlType> ControlTypeFromName(std::string_view name);

// "PUSHBUTTON", "CHECK", "COMBOBOX", "EDIT", "RADIO", "SLIDER", "STATIC".
std::string_view CanonicalTypeName(ControlType type);

// Window style bits with the values of the Windows bits they stand for; the
// widgets give each one that bit's behaviour.
namespace style {
constexpr std::uint32_t kChild = 0x40000000;
constexpr std::uint32_t kVisible = 0x10000000;
constexpr std::uint32_t kDisabled = 0x08000000;
constexpr std::uint32_t kVScroll = 0x00200000;
constexpr std::uint32_t kHScroll = 0x00100000;
constexpr std::uint32_t kGroup = 0x00020000;
constexpr std::uint32_t kTabStop = 0x00010000;
// buttons
constexpr std::uint32_t kDefPushButton = 0x1;
constexpr std::uint32_t kAutoCheckBox = 0x3;
constexpr std::uint32_t kAutoRadioButton = 0x9;
constexpr std::uint32_t kButtonTypeMask = 0xF;
constexpr std::uint32_t kMultiline = 0x2000; // BS_MULTILINE
// edit boxes
constexpr std::uint32_t kEditCenter = 0x1;
constexpr std::uint32_t kEditRight = 0x2;
constexpr std::uint32_t kEditMultiline = 0x4;
constexpr std::uint32_t kEditUpperCase = 0x8;
constexpr std::uint32_t kEditLowerCase = 0x10;
constexpr std::uint32_t kEditPassword = 0x20;
constexpr std::uint32_t kEditAutoVScroll = 0x40;
constexpr std::uint32_t kEditAutoHScroll = 0x80;
constexpr std::uint32_t kEditReadOnly = 0x800;
constexpr std::uint32_t kEditWantReturn = 0x1000;
constexpr std::uint32_t kEditNumber = 0x2000;
// combo boxes
constexpr std::uint32_t kComboSimple = 0x1;
constexpr std::uint32_t kComboDropDown = 0x2;
constexpr std::uint32_t kComboDropDownList = 0x3;
constexpr std::uint32_t kComboStyleMask = 0x3;
constexpr std::uint32_t kComboAutoHScroll = 0x40;
constexpr std::uint32_t kComboSort = 0x100;
constexpr std::uint32_t kComboDisableNoScroll = 0x800;
constexpr std::uint32_t kComboUpperCase = 0x2000;
constexpr std::uint32_t kComboLowerCase = 0x4000;
// static texts
constexpr std::uint32_t kStaticNotify = 0x100;
// sliders
constexpr std::uint32_t kSliderVertical = 0x2;
} // namespace style

// Visual states, in the order every per-state array uses.
enum VisualState : int { kStateNormal = 0, kStateHover = 1, kStatePressed = 2, kStateDisabled = 3 };
template <typename T> using PerState = std::array<T, 4>;

enum class HorizontalMode : int { Default = 0, Left = 1, Right = 2, Center = 3 };
enum class VerticalMode : int { Default = 0, Top = 1, Bottom = 2, Center = 3 };

// Which pieces of the parent's state images a control is given.
enum class StateImages { None, All, NormalAndDisabled };
StateImages StateImagesOf(ControlType type);

// Caption offsets and alignment modes; one value for every state.
struct TextLayout {
    std::int32_t horOffset = 0; // HorAlig
    std::int32_t verOffset = 0; // VerAlig
    HorizontalMode horMode = HorizontalMode::Default;
    VerticalMode verMode = VerticalMode::Default;
};

// What every control section gives.
struct ControlCommon {
    ControlType type = ControlType::Static;
    std::string section;     // the control's section; the widget may read more keys
    SkinRect rect;           // Rect as parsed (the closed box for a combo box)
    std::string idName;      // IDs as written
    std::int32_t id = 0;     // IDs through Resource.h: 0 undefined, -1 no Resource.h
    std::uint32_t style = 0; // always includes style::kChild

    bool visible() const { return (style & style::kVisible) != 0; }
    bool disabled() const { return (style & style::kDisabled) != 0; }
    bool tabStop() const { return (style & style::kTabStop) != 0; }
};

// PUSHBUTTON, CHECK and RADIO.
struct ButtonDescription : ControlCommon {
    std::string caption;
    std::string maskFile;       // full path, "" when none is named; key colour kControlMaskColor
    PerState<LOGFONTA> fonts{}; // the checked set uses the same structures
    PerState<ColorRef> colors{};
    PerState<ColorRef> checkedColors{}; // check and radio: N is always 0 (black)
    TextLayout layout;                  // both sets
    bool hasToolTip = false;
    std::string toolTip;
    PerState<std::string> checkedImageFiles; // check and radio; "" when none is named
    bool focusRectFlag = false;              // IsTabStop as the button reads it itself (default 0)

    bool isCheckable() const { return type == ControlType::Check || type == ControlType::Radio; }
};

// EDIT.
struct EditDescription : ControlCommon {
    LOGFONTA font; // FontN
};

// COMBOBOX.
struct ComboBoxDescription : ControlCommon {
    std::int32_t dropListHeight = 16;
    LOGFONTA font; // FontN
    std::int32_t horOffset = 0;
    std::int32_t verOffset = 0;
    std::int32_t buttonWidth = 18;

    // The rectangle with the dropped list below it; the window is created with
    // it and the state images are cut at it.
    SkinRect openRect() const { return GrowBottom(rect, dropListHeight); }
};

// STATIC: two states, normal and disabled.
struct StaticDescription : ControlCommon {
    std::string caption;
    TextLayout layout;
    bool noWrap = false;
    bool hasToolTip = false;
    std::string toolTip;
    std::array<LOGFONTA, 2> fonts{};  // N, D
    std::array<ColorRef, 2> colors{}; // N, D
};

// SLIDER.
struct SliderDescription : ControlCommon {
    PerState<std::string> thumbFiles; // full paths; "" when none is named
    bool useMark = false;
    bool vertical() const { return (style & style::kSliderVertical) != 0; }
};

using ControlDescription = std::variant<ButtonDescription, EditDescription, ComboBoxDescription,
                                        StaticDescription, SliderDescription>;

const ControlCommon& CommonOf(const ControlDescription& description);

} // namespace corvane

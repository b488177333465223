#include "DefaultSkin.h"

#include "skin/ControlReader.h"
#include "skin/WindowSkin.h"

#include <algorithm>

namespace corvane::test {

SkinFiles DefaultSkinFiles() {
    return SkinFiles::forUiFile(CORVANE_TEST_SKIN_FILE);
}

const std::vector<ProgramWindow>& ProgramWindows() {
    static const std::vector<ProgramWindow> windows{
        {"main window", 1000}, {"week clock", 1020}, {"timecode", 1055}, {"midi", 1080},
        {"audio", 1098},       {"relay", 1114},      {"sensor", 1125},   {"analog", 1142},
    };
    return windows;
}

std::string TestNameOf(const ::testing::TestParamInfo<ProgramWindow>& info) {
    std::string name = info.param.name;
    std::replace(name.begin(), name.end(), ' ', '_');
    return name;
}

namespace {

void AddRange(std::vector<RequiredControl>& out, int window, int first, int last, ControlType type) {
    for (int id = first; id <= last; ++id) out.push_back({window, id, type});
}

std::vector<RequiredControl> MakeRequiredControls() {
    using T = ControlType;
    std::vector<RequiredControl> c;
    // Main window: commands, kind selectors (one radio group), event name.
    for (int id : {1001, 1003, 1004, 1005, 1006, 1007, 1012, 1013, 1014, 1018}) {
        c.push_back({1000, id, T::PushButton});
    }
    for (int id : {1008, 1009, 1010, 1011, 1016, 1017, 1019}) c.push_back({1000, id, T::Radio});
    c.push_back({1000, 1015, T::Edit});
    // Week clock: day boxes, all days, the mode pair, the channel block.
    AddRange(c, 1020, 1021, 1028, T::Check);
    AddRange(c, 1020, 1029, 1030, T::Radio);
    AddRange(c, 1020, 1031, 1034, T::ComboBox);
    // Timecode: channel block and the eight spin read-outs.
    AddRange(c, 1055, 1056, 1059, T::ComboBox);
    AddRange(c, 1055, 1060, 1067, T::Static);
    AddRange(c, 1080, 1081, 1088, T::ComboBox);
    AddRange(c, 1098, 1099, 1103, T::ComboBox);
    c.push_back({1098, 1105, T::ComboBox});
    c.push_back({1114, 1105, T::ComboBox});
    AddRange(c, 1114, 1115, 1118, T::ComboBox);
    // Sensor: the boxes, the labels the output type rewrites, the settings.
    AddRange(c, 1125, 1134, 1139, T::ComboBox);
    for (int id : {1128, 1130, 1131, 1132, 1140, 1015}) c.push_back({1125, id, T::Static});
    // Analog: the boxes, the labels, the voltage fields.
    c.push_back({1142, 1139, T::ComboBox});
    AddRange(c, 1142, 1152, 1156, T::ComboBox);
    AddRange(c, 1142, 1148, 1151, T::Static);
    for (int id : {1140, 1015}) c.push_back({1142, id, T::Edit});
    return c;
}

} // namespace

const std::vector<RequiredControl>& RequiredControls() {
    static const std::vector<RequiredControl> controls = MakeRequiredControls();
    return controls;
}

std::vector<SkinRect> CodeOwnedRects(int skinNumber) {
    switch (skinNumber) {
    case 1000:
        // Event list, progress bar and the largest panel area the window allows.
        return {{369, 77, 790, 573}, {15, 583, 780, 597}, {11, 173, 11 + 350, 173 + 400}};
    case 1020:  // date and time pickers
        return {{192, 69, 282, 94}, {192, 115, 282, 140}, {94, 175, 219, 200}, {94, 204, 219, 229}};
    case 1055:  // spin buttons
        return {{115, 55, 155, 78},  {115, 93, 155, 116},  {115, 132, 155, 155}, {115, 170, 155, 193},
                {202, 55, 242, 78},  {202, 93, 242, 116},  {202, 132, 242, 155}, {202, 170, 242, 193}};
    case 1125:  // spin buttons (created hidden, kept free all the same)
        return {{197, 146, 242, 169}, {197, 178, 242, 201}};
    default: return {};
    }
}

std::string SectionOf(int skinNumber) {
    return ResolveSkinSection(DefaultSkinFiles(), skinNumber);
}

std::vector<ControlDescription> ControlsOf(int skinNumber) {
    return ReadControlDescriptions(DefaultSkinFiles(), SectionOf(skinNumber));
}

} // namespace corvane::test

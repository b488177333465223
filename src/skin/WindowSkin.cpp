#include "skin/WindowSkin.h"

#include "skin/ResourceLookup.h"
#include "skin/SkinPaths.h"
#include "skin/UiFile.h"

namespace corvane {

namespace {
constexpr std::size_t kImageBuffer = 259;
} // namespace

std::string ResolveSkinSection(const SkinFiles& files, std::int32_t skinNumber) {
    return LookupResourceName(files.resourceHeader, skinNumber);
}

WindowSkin ReadWindowSkin(const SkinFiles& files, std::string_view section) {
    const UiFile ui(files.uiFile);
    auto image = [&](std::string_view key) {
        return skinpath::SkinFile(files.skinFolder, ui.readString(section, key, "", kImageBuffer));
    };
    WindowSkin skin;
    skin.section = std::string(section);
    skin.normalImage = image("BKN");
    skin.backgroundImage = image("BKNO");
    skin.hoverImage = image("BKH");
    skin.pressedImage = image("BKS");
    skin.disabledImage = image("BKD");
    skin.useMaskColor = ui.readInt(section, "IsUseMaskColor", 0) != 0;
    if (skin.useMaskColor) {
        skin.red = ui.readInt(section, "RValue", 255);
        skin.green = ui.readInt(section, "GValue", 0);
        skin.blue = ui.readInt(section, "BValue", 255);
    }
    return skin;
}

} // namespace corvane

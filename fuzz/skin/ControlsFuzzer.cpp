// Any bytes as a whole UI file beside the default skin's Resource.h: every
// window section in it read with its keys and all its controls, and every
// control's rectangle measured, must neither crash nor overflow.
#include "FuzzScratch.h"
#include "skin/ControlReader.h"
#include "skin/UiFile.h"
#include "skin/WindowSkin.h"

#include <cstdint>
#include <filesystem>
#include <string>

namespace {

// A folder per process with the Resource.h the default skin ships.
const std::string& ScratchFolder() {
    static const corvane::fuzz::ScratchFolder folder("fuzz_skin_controls");
    static const bool copied =
        std::filesystem::copy_file(CORVANE_SKIN_RESOURCE_HEADER, folder.path() + "/Resource.h");
    (void)copied;
    return folder.path();
}

// The names of the "[...]" headers that are no control section (NAME_<n>).
std::vector<std::string> WindowSections(std::string_view text) {
    std::vector<std::string> names;
    for (std::size_t at = 0;
         (at = text.find('[', at)) != std::string_view::npos && names.size() < 16;) {
        const std::size_t end = text.find_first_of("]\n", ++at);
        if (end == std::string_view::npos || text[end] != ']')
            continue;
        const std::string name(text.substr(at, end - at));
        const std::size_t underscore = name.rfind('_');
        const bool control =
            underscore != std::string::npos && underscore + 1 < name.size() &&
            name.find_first_not_of("0123456789", underscore + 1) == std::string::npos;
        if (!control)
            names.push_back(name);
    }
    return names;
}

// Keeps the reads from being optimised away.
volatile std::int64_t gSink = 0;

std::int64_t Measure(const corvane::SkinRect& rect) {
    return std::int64_t{rect.width()} + rect.height();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace corvane;
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const std::string& dir = ScratchFolder();
    const std::string uiPath = dir + "/the.ui";
    fuzz::WriteSettledFile(uiPath, data, size);
    UiFile::clearCache();
    const SkinFiles files{uiPath, dir + "/Resource.h", dir + "/"};
    std::int64_t sum = 0;
    for (const std::int32_t number : {1000, 1020, 1055, 1080, 1098, 1114, 1125, 1142})
        sum += static_cast<std::int64_t>(ResolveSkinSection(files, number).size());
    for (const std::string& section : WindowSections(text)) {
        const WindowSkin skin = ReadWindowSkin(files, section);
        sum += skin.maskColor();
        for (const ControlDescription& control : ReadControlDescriptions(files, section)) {
            sum += Measure(CommonOf(control).rect);
            if (const auto* combo = std::get_if<ComboBoxDescription>(&control))
                sum += Measure(combo->openRect());
        }
    }
    gSink = sum;
    return 0;
}

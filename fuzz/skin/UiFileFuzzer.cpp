// Any bytes as a UI file: parsing, string, integer and struct reads, and the
// control scan over it must neither crash nor misbehave.
#include "FuzzScratch.h"
#include "skin/ControlReader.h"
#include "skin/IniDocument.h"
#include "skin/SkinRect.h"
#include "skin/UiFile.h"

#include <cstdint>
#include <string>

namespace {

const std::string& ScratchFolder() {
    static const corvane::fuzz::ScratchFolder folder("fuzz_skin_uifile");
    return folder.path();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace corvane;
    const std::string_view text(reinterpret_cast<const char*>(data), size);

    const IniDocument document = IniDocument::parse(text);
    (void)document.find("W_0", "Type");
    (void)ParseRect(text.substr(0, 40));

    const std::string& dir = ScratchFolder();
    const std::string uiPath = dir + "/the.ui";
    fuzz::WriteSettledFile(uiPath, data, size);
    UiFile::clearCache();
    const UiFile ui(uiPath);
    (void)ui.readString("W", "BKN", "", 259);
    (void)ui.readInt("W", "RValue", 255);
    (void)ui.readStruct("W_0", "FontN", 60);
    SkinFiles files{uiPath, dir + "/Resource.h", dir + "/"};
    const auto controls = ReadControlDescriptions(files, "W");
    (void)controls;
    return 0;
}

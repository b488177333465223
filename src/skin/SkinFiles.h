#pragma once

#include <string>

namespace corvane {

// The three places a skin reader needs: the UI file, its Resource.h and the
// folder that image file names are relative to.
struct SkinFiles {
    std::string uiFile;
    std::string resourceHeader;
    std::string skinFolder; // ends in "/"

    // From the process-wide skin paths (SetUIPath).
    static SkinFiles current();

    // For a UI file given directly (build tools, tests): Resource.h and the
    // skin folder are derived from its folder.
    static SkinFiles forUiFile(const std::string& uiFilePath);
};

} // namespace corvane

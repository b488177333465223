#include "skin/SkinFiles.h"

#include "skin/SkinPaths.h"

namespace corvane {

SkinFiles SkinFiles::current() {
    return SkinFiles{GetUIPath(), GetResourceHeaderPath(), GetSkinFolder()};
}

SkinFiles SkinFiles::forUiFile(const std::string& uiFilePath) {
    const std::string uiFile = skinpath::ToFileSystemPath(uiFilePath);
    std::string folder = skinpath::FolderOf(uiFile);
    // A bare file name lies in the working folder.
    folder = folder.empty() ? std::string("./") : skinpath::WithTrailingSeparator(folder);
    return SkinFiles{uiFile, folder + "Resource.h", folder};
}

} // namespace corvane

#include "skin/SkinPaths.h"

#include "platform/Paths.h"

#include <mutex>

namespace corvane {

namespace {

struct PathStore {
    std::mutex mutex;
    std::string uiFile;
    std::string resourceHeader;
};

PathStore& Store() {
    static PathStore store;
    return store;
}

bool IsSeparator(char c) {
    return c == '/' || c == '\\';
}

} // namespace

namespace skinpath {

std::string ToFileSystemPath(std::string_view path) {
    return NativePath(path);
}

bool IsAbsolute(std::string_view path) {
    return IsAbsolutePath(path);
}

std::string FolderOf(std::string_view path) {
    const SplitPathParts parts = SplitPath(path);
    return parts.drive + parts.folder;
}

std::string WithTrailingSeparator(std::string_view folder) {
    std::string result(folder);
    if (result.empty() || !IsSeparator(result.back()))
        result += '/';
    return result;
}

std::string SkinFile(std::string_view skinFolder, std::string_view value) {
    if (value.empty())
        return {};
    return std::string(skinFolder) + ToFileSystemPath(value);
}

std::string ProgramFile() {
    return ProgramFilePath();
}

} // namespace skinpath

int SetUIPath(std::string_view path) {
    return SetUIPath(path, skinpath::ProgramFile());
}

int SetUIPath(std::string_view path, std::string_view programFile) {
    std::string full = skinpath::IsAbsolute(path)
                           ? std::string(path)
                           : skinpath::FolderOf(programFile) + std::string(path);
    full = skinpath::ToFileSystemPath(full);

    PathStore& store = Store();
    std::lock_guard lock(store.mutex);
    if (!PathExists(full)) {
        store.uiFile.clear();
        return 200;
    }
    store.uiFile = full;
    store.resourceHeader = skinpath::WithTrailingSeparator(skinpath::FolderOf(full)) + "Resource.h";
    return 0;
}

std::string GetUIPath() {
    PathStore& store = Store();
    std::lock_guard lock(store.mutex);
    return store.uiFile;
}

std::string GetResourceHeaderPath() {
    PathStore& store = Store();
    std::lock_guard lock(store.mutex);
    return store.resourceHeader;
}

std::string GetSkinFolder() {
    return skinpath::WithTrailingSeparator(skinpath::FolderOf(GetUIPath()));
}

} // namespace corvane

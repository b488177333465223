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
    // Only the path handed in is written with "\"; the program's folder is
    // the file system's own name and keeps any "\" in it.
    const std::string full = skinpath::IsAbsolute(path) ? skinpath::ToFileSystemPath(path)
                                                        : FileSystemFolderOf(programFile) +
                                                              skinpath::ToFileSystemPath(path);

    PathStore& store = Store();
    std::lock_guard lock(store.mutex);
    if (!PathExists(full)) {
        store.uiFile.clear();
        return 200;
    }
    store.uiFile = full;
    store.resourceHeader = FileSystemFolderOf(full) + "Resource.h";
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
    return skinpath::WithTrailingSeparator(FileSystemFolderOf(GetUIPath()));
}

} // namespace corvane

#include "skin/SkinPaths.h"

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
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

bool Exists(const std::string& path) {
    struct stat info {};
    return !path.empty() && ::stat(path.c_str(), &info) == 0;
}

} // namespace

namespace skinpath {

std::string ToFileSystemPath(std::string_view path) {
    std::string result(path);
    std::replace(result.begin(), result.end(), '\\', '/');
    return result;
}

bool IsAbsolute(std::string_view path) {
    return path.find(':') != std::string_view::npos || (!path.empty() && path.front() == '/');
}

std::string FolderOf(std::string_view path) {
    const std::size_t last = path.find_last_of("/\\");
    if (last != std::string_view::npos) return std::string(path.substr(0, last + 1));
    // A drive without a folder, as in "C:the.ui".
    if (path.size() >= 2 && path[1] == ':') return std::string(path.substr(0, 2));
    return {};
}

std::string WithTrailingSeparator(std::string_view folder) {
    std::string result(folder);
    if (result.empty() || !IsSeparator(result.back())) result += '/';
    return result;
}

std::string SkinFile(std::string_view skinFolder, std::string_view value) {
    if (value.empty()) return {};
    return std::string(skinFolder) + ToFileSystemPath(value);
}

std::string ProgramFile() {
    std::string buffer(4096, '\0');
    const ssize_t length = ::readlink("/proc/self/exe", buffer.data(), buffer.size());
    if (length <= 0 || static_cast<std::size_t>(length) >= buffer.size()) return {};
    buffer.resize(static_cast<std::size_t>(length));
    return buffer;
}

} // namespace skinpath

int SetUIPath(std::string_view path) {
    return SetUIPath(path, skinpath::ProgramFile());
}

int SetUIPath(std::string_view path, std::string_view programFile) {
    std::string full = skinpath::IsAbsolute(path) ? std::string(path)
                                                  : skinpath::FolderOf(programFile) + std::string(path);
    full = skinpath::ToFileSystemPath(full);

    PathStore& store = Store();
    std::lock_guard lock(store.mutex);
    if (!Exists(full)) {
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

#include "platform/Paths.h"

#include <algorithm>
#include <climits>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace corvane {

namespace {

bool IsSeparator(char c) {
    return c == '/' || c == '\\';
}

} // namespace

SplitPathParts SplitPath(std::string_view path) {
    SplitPathParts parts;
    if (path.size() >= 2 && path[1] == ':') {
        parts.drive = std::string(path.substr(0, 2));
        path.remove_prefix(2);
    }
    const auto last = std::find_if(path.rbegin(), path.rend(), IsSeparator);
    const auto folderLength = static_cast<std::size_t>(path.rend() - last);
    parts.folder = std::string(path.substr(0, folderLength));
    parts.name = std::string(path.substr(folderLength));
    return parts;
}

std::string ProgramFilePath() {
    std::vector<char> buffer(PATH_MAX + 1);
    const ssize_t n = ::readlink("/proc/self/exe", buffer.data(), buffer.size() - 1);
    if (n <= 0)
        return {};
    return std::string(buffer.data(), static_cast<std::size_t>(n));
}

std::string ProgramFolder() {
    return FileSystemFolderOf(ProgramFilePath());
}

std::string FileSystemFolderOf(std::string_view path) {
    const auto slash = path.rfind('/');
    return slash == std::string_view::npos ? std::string() : std::string(path.substr(0, slash + 1));
}

bool PathExists(const std::string& path) {
    struct stat info {};
    return !path.empty() && ::stat(path.c_str(), &info) == 0;
}

std::string NativePath(std::string_view path) {
    std::string native(path);
    std::replace(native.begin(), native.end(), '\\', '/');
    return native;
}

bool IsAbsolutePath(std::string_view path) {
    return path.find(':') != std::string_view::npos || (!path.empty() && path.front() == '/');
}

std::string JoinPath(std::string_view folder, std::string_view name) {
    // The folder is the file system's own name, byte for byte: a "\" in it is
    // part of a folder's name. Only the program's own name is written with "\".
    while (folder.size() > 1 && folder.back() == '/')
        folder.remove_suffix(1);
    while (!name.empty() && IsSeparator(name.front()))
        name.remove_prefix(1);
    std::string joined(folder);
    if (joined.empty() || joined.back() != '/')
        joined += '/';
    joined += NativePath(name);
    return joined;
}

} // namespace corvane

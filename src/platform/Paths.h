#pragma once

#include <string>
#include <string_view>

namespace corvane {

// A path split the way the program's own paths are written: both "\" and "/"
// separate folders, and a leading "X:" is a drive.
struct SplitPathParts {
    std::string drive;  // "C:" or empty
    std::string folder; // everything up to and including the last separator, or empty
    std::string name;   // the rest: the file name with its extension
};

SplitPathParts SplitPath(std::string_view path);

// The full path of the running program (/proc/self/exe); empty when unknown.
std::string ProgramFilePath();

// The program's folder with a trailing "/", from ProgramFilePath().
std::string ProgramFolder();

// The folder part of a path the file system gave, up to and including its last
// "/"; empty when there is none. A "\" there is part of a name, not a separator.
std::string FileSystemFolderOf(std::string_view path);

// True when path names an existing file or folder.
bool PathExists(const std::string& path);

// The file-system path of a path written with "\" separators.
std::string NativePath(std::string_view path);

// Absolute in the program's sense: contains ":" or starts with "/".
bool IsAbsolutePath(std::string_view path);

// folder + "/" + name without doubling or dropping the separator between them;
// a "\" or "/" in front of name counts as that separator. "\" in name becomes
// "/"; the folder is taken as the file system names it, "\" included.
std::string JoinPath(std::string_view folder, std::string_view name);

} // namespace corvane

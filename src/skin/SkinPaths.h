#pragma once

#include <string>
#include <string_view>

namespace corvane {

// The process-wide skin paths: the UI file and the Resource.h beside it. Set
// once at start-up, before any skinned window is made, and only read after.
//
// Paths accept "\" and "/" as separators; the stored paths use "/". A path is
// absolute when it contains ":" or starts with "/"; otherwise it is taken
// below the program's folder.

// 0 when a file or folder exists at the resulting path, else 200 with the UI
// file path emptied (the Resource.h path then stays as it was).
int SetUIPath(std::string_view path);

// The same with the program's file given, so tests can place the program.
int SetUIPath(std::string_view path, std::string_view programFile);

std::string GetUIPath();
std::string GetResourceHeaderPath();

// The folder of the UI file path, always ending in "/".
std::string GetSkinFolder();

// Path helpers the skin paths are built from; exposed for the readers.
namespace skinpath {

// "\" turned into "/".
std::string ToFileSystemPath(std::string_view path);

// ":" anywhere or a leading separator.
bool IsAbsolute(std::string_view path);

// Drive and folder of a path, keeping the trailing separator ("" when the
// path has neither).
std::string FolderOf(std::string_view path);

// The folder with a "/" appended unless it already ends in a separator.
std::string WithTrailingSeparator(std::string_view folder);

// A file named by the UI file: skin folder + value, or "" for an empty value
// (no file named).
std::string SkinFile(std::string_view skinFolder, std::string_view value);

// The running program's file (/proc/self/exe), "" when it cannot be read.
std::string ProgramFile();

} // namespace skinpath

} // namespace corvane

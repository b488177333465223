#pragma once

#include "platform/FileStatus.h"

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace corvane {

// Replaces the file that path names with bytes. A symbolic link is followed and
// its final target replaced; the bytes go to a new file in the target's folder,
// are flushed and renamed over the target, so it holds either its old or its new
// content, never a part. An existing file keeps its mode, and its owner and group
// where this user may give them. A file the system does not let this user write
// is left alone (ReadOnly), as is everything when no temporary file can be made
// (NoTemporary) or the write fails (WriteFailed).
FileStatus WriteFileAtomically(const std::string& path, std::span<const std::uint8_t> bytes);

// The same with a copy of the regular file at sourcePath as the new content,
// taken in pieces so that a file of any length costs little memory; holes of a
// sparse source stay holes. Unreadable when the source cannot be opened.
FileStatus CopyFileAtomically(const std::string& sourcePath, const std::string& path);

// True when path names an existing file the system lets this user write.
bool MayWriteFile(const std::string& path);

// Removes what replaces of path left when their process died between writing the
// temporary file and renaming it: the temporaries beside path's final target that
// belong to no running process. Called before this process replaces path.
void RemoveLeftoverTemporaries(const std::string& path);

// The content of a regular file of at most maxLength bytes. A longer file is
// TooLarge, judged by its length before anything is read; a pipe or a device is
// NotAFile, judged without opening it, so neither can block or exhaust memory.
struct FileRead {
    FileStatus status = FileStatus::Done;
    std::vector<std::uint8_t> bytes;
};
FileRead ReadFileUpTo(const std::string& path, std::uint64_t maxLength);

// Test seam: the steps of a replace at which a test may make it fail with an
// error number, as a full disk or a vanished folder would, or end the process.
enum class ReplaceStep { CreateTemporary, WriteTemporary, Rename };
// Answers 0 to go on or the errno the step fails with; nullptr (the default)
// goes on everywhere.
using ReplaceFault = int (*)(ReplaceStep step);
void SetReplaceFaultForTesting(ReplaceFault fault);

} // namespace corvane

#pragma once

#include "events/EventKind.h"
#include "platform/FileStatus.h"
#include "platform/Prompter.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace corvane {

// Event files live in the event folder, one per kind. Every operation reads the
// file, works on the bytes and writes the result through a temporary file that
// is renamed into place, so an interrupted write never leaves a damaged file.

// <folder>/<kind's file name>.
std::string EventFilePath(const std::string& folder, EventKind kind);

// Where the list fill keeps the bytes of a damaged file before repairing it.
std::string DamagedCopyPath(const std::string& folder, EventKind kind);

// The file's bytes; an empty vector when the file does not exist yet (it counts
// as an empty file); nothing when it exists but cannot be read, is no regular
// file, or is longer than any event file can be.
std::optional<std::vector<std::uint8_t>> ReadEventFile(const std::string& folder, EventKind kind);

// Replaces the kind's file with bytes. Anything but Done leaves it unchanged.
FileStatus WriteEventFile(const std::string& folder, EventKind kind,
                          std::span<const std::uint8_t> bytes);

// Rewrites the kind's file as a bare header: 16 zero bytes.
FileStatus ClearEventFile(const std::string& folder, EventKind kind);

// Start-up: removes the temporary files that writes of the event files (and of
// their damaged copies) left when the program died before renaming them.
void RemoveInterruptedWrites(const std::string& folder);

// What the operator is told when an event file could not be read or written;
// empty for Done and Missing.
std::string_view FileProblemMessage(FileStatus status);
void ReportFileProblem(FileStatus status, Prompter& prompter);

} // namespace corvane

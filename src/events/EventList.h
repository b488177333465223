#pragma once

#include "events/EventKind.h"
#include "platform/EventListView.h"
#include "platform/FileStatus.h"

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace corvane {

// Rebuilds list from the kind's event file in folder: one line per record in file
// order (week clock: the weekly group when weeklyMode, else the dated group;
// weeklyMode is ignored for the other kinds). A file that does not exist or
// whose length does not match its counts is repaired: its bytes, if any, are kept
// as <file>.damaged (copied in pieces when the file is longer than any event file
// can be), the file becomes a bare header and the list stays empty. Done when the
// list shows the file; else why not (FileProblemMessage says it to the operator):
// a file that is no regular file or cannot be read, or a repair that could not be
// written, leaves the file unchanged and the list empty.
FileStatus FillEventList(const std::string& folder, EventKind kind, bool weeklyMode,
                         EventListView& list);

// The lines FillEventList shows for the bytes of an event file, or nothing when
// they break the validity rule. Reads nothing from disk and repairs nothing.
std::optional<std::vector<std::string>> EventListLines(std::span<const std::uint8_t> file,
                                                       EventKind kind, bool weeklyMode);

} // namespace corvane

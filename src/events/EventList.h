#pragma once

#include "events/EventKind.h"
#include "platform/EventListView.h"

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace corvane {

// Rebuilds list from the kind's event file in folder: one line per record in file
// order (week clock: the weekly group when weeklyMode, else the dated group;
// weeklyMode is ignored for the other kinds). A file that does not exist or
// whose length does not match its counts is repaired: its bytes, if any, are kept
// as <file>.damaged, the file becomes a bare header and the list stays empty.
void FillEventList(const std::string& folder, EventKind kind, bool weeklyMode, EventListView& list);

// The lines FillEventList shows for the bytes of an event file, or nothing when
// they break the validity rule. Reads nothing from disk and repairs nothing.
std::optional<std::vector<std::string>> EventListLines(std::span<const std::uint8_t> file,
                                                       EventKind kind, bool weeklyMode);

} // namespace corvane

#pragma once

#include "events/EventKinds.h"
#include "platform/EventListView.h"
#include "platform/FileStatus.h"
#include "platform/Prompter.h"

#include <string>
#include <string_view>

namespace corvane {

// The add command: collects a record from form (what the kind's editor panel
// shows; the form's kind is the record's), names it with the first 24 characters of eventName (the
// text of the event-name field) and stores it in the kind's event file in folder: in place of an
// entry with the same key, else appended (timecode and week-clock entries in sorted order).
// Refusals are shown through prompter. list is emptied when the add meets a file too short for a
// header (which is then rewritten as a bare header). An event file that cannot be written is left
// as it was, and the operator is told why. The caller refills the list afterwards with
// FillEventList.
void AddEvent(const std::string& folder, const EventForm& form, std::string_view eventName,
              Prompter& prompter, EventListView& list);

// The delete command: removes the record shown on list line `line` (-1: none)
// and counts it out of the header group that held it. weeklyMode picks the
// week-clock group the list shows; the other kinds list every record, both
// counts' worth, and ignore it. A line the list does not show, or a damaged
// file, changes nothing. Anything but Done says why the file could not be
// written; it is then unchanged.
FileStatus DeleteEvent(const std::string& folder, EventKind kind, bool weeklyMode, int line);

} // namespace corvane

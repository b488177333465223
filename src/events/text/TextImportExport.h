#pragma once

#include "events/EventKind.h"
#include "platform/EventListView.h"
#include "platform/Prompter.h"

#include <string>

namespace corvane {

// The window's import and export commands with the text form beside the
// kind's exchange files: the dialogs offer "Events as JSON (*.json)" too, and
// a chosen file whose name ends in ".json" is read or written as JSON text.
// Other files go the exchange-file way of ImportEventFile and ExportEventFile.

// The kind's dialog request with the JSON filter after the kind's own.
FileDialogRequest ImportExportDialog(EventKind kind);

// A refused text (not JSON, a field out of range, ...) is shown through
// prompter and leaves the event file as it was; an accepted one replaces it
// and refills list (weeklyMode as for FillEventList). True when the event file
// was replaced.
bool ImportEventsWithText(const std::string& folder, EventKind kind, bool weeklyMode,
                          Prompter& prompter, EventListView& list);

// An event file the text form cannot carry, or a target that cannot be
// written, is reported through prompter. True when the target was written.
bool ExportEventsWithText(const std::string& folder, EventKind kind, Prompter& prompter);

} // namespace corvane

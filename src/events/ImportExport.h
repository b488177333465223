#pragma once

#include "events/EventKind.h"
#include "platform/EventListView.h"
#include "platform/FileStatus.h"
#include "platform/Prompter.h"

#include <cstdint>
#include <string>

namespace corvane {

enum class ReplaceCheck {
    AnyContent,   // copy whatever the source holds; the list fill repairs a bad file
    RequireValid, // refuse a source whose length does not fit the kind
};

enum class ReplaceResult {
    Replaced,
    SourceMissing,    // the path names no existing file
    SourceNotAFile,   // a folder, pipe or device: never opened
    SourceUnreadable, // it exists but cannot be read (no permission)
    SourceTooLarge,   // longer than any event file can be: not read
    NotValidForKind,  // RequireValid only: length does not match header and record size
    WriteFailed,      // the event file could not be written; it is unchanged
};

struct ReplaceOutcome {
    ReplaceResult result;
    FileStatus write = FileStatus::Done; // WriteFailed only: why the write was refused

    bool operator==(ReplaceResult other) const { return result == other; }
};

enum class TableFileCheck {
    Sendable,        // a valid file of the kind with at least one event
    Unreadable,      // missing or unreadable; the send itself reports it
    NotValidForKind, // its length does not fit the kind's header and records
    NoEvents,        // valid, but its header counts no events
};

// Whether the file at path may go to the controller as the kind's table, so
// that a file of another kind is refused before anything is written.
TableFileCheck CheckTableFile(const std::string& path, EventKind kind);

// The number of events the header of the file at path counts; 0 when it has
// no header or cannot be read.
std::uint64_t EventCountOfFile(const std::string& path);

// Makes the bytes of sourcePath the kind's event file in folder. Used by the
// import command and by the receive exchange; callers refill the list after.
ReplaceOutcome ReplaceEventFile(const std::string& sourcePath, const std::string& folder,
                                EventKind kind, ReplaceCheck check = ReplaceCheck::AnyContent);

// Writes the bytes of the kind's event file to targetPath (an empty file when
// the event file does not exist). False when the target cannot be written.
bool CopyOutEventFile(const std::string& folder, EventKind kind, const std::string& targetPath);

// The kind's open/save dialog request: its filter, extension and "EventFile".
FileDialogRequest ExchangeFileDialog(EventKind kind);

// The import command: asks for a file, refuses a missing file ("The file does
// not exist!"), one that is no regular file or not a valid file of this kind
// ("The file is not a valid event file for this kind!") or one longer than any
// event file ("The file is too large to be an event file!"), else replaces the
// event file and refills list (weeklyMode as for FillEventList). An event file
// that cannot be written is left as it was, and the operator is told why. True
// when the event file was replaced.
bool ImportEventFile(const std::string& folder, EventKind kind, bool weeklyMode, Prompter& prompter,
                     EventListView& list);

// The import of a file the operator already chose, with the checks and
// messages of ImportEventFile. True when the event file was replaced.
bool ImportChosenEventFile(const std::string& source, const std::string& folder, EventKind kind,
                           bool weeklyMode, Prompter& prompter, EventListView& list);

// The export command: asks for a target and copies the event file there; true
// when it was written.
bool ExportEventFile(const std::string& folder, EventKind kind, Prompter& prompter);

} // namespace corvane

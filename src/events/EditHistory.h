#pragma once

#include "events/EventKind.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace corvane {

// The content of an event file at one moment; nothing when there was no file.
using FileContent = std::optional<std::vector<std::uint8_t>>;

// Undo and redo of the changes to the event files, kept per kind for the
// whole run. Each change is remembered as the file's content before and after
// it; undo puts the earlier content back and redo the later one, but only
// while the file still holds what this program last wrote, so a file another
// program changed in between is never overwritten.
class EditHistory {
public:
    enum class Outcome {
        Done,           // the file holds the earlier (undo) or later (redo) content
        Nothing,        // no change to undo or redo for the kind
        ChangedOutside, // the file is not what this program left; nothing written
        WriteFailed,    // the file could not be written; the history is unchanged
    };

    explicit EditHistory(std::string folder) : folder_(std::move(folder)) {}

    // The file's content now, as a change's "before" is taken.
    FileContent read(EventKind kind) const;
    // Remembers a change made to the kind's file since before was read; a
    // command that changed nothing leaves no step. Clears what could be redone.
    void recordChange(EventKind kind, FileContent before);

    Outcome undo(EventKind kind);
    Outcome redo(EventKind kind);

    bool canUndo(EventKind kind) const { return !steps(kind).undo.empty(); }
    bool canRedo(EventKind kind) const { return !steps(kind).redo.empty(); }

private:
    struct Step {
        FileContent before;
        FileContent after;
    };
    struct Steps {
        std::vector<Step> undo;
        std::vector<Step> redo;
    };
    Steps& steps(EventKind kind) { return steps_[static_cast<std::size_t>(kind)]; }
    const Steps& steps(EventKind kind) const { return steps_[static_cast<std::size_t>(kind)]; }
    // Moves the last step of from to to, writing its from-side content.
    Outcome move(EventKind kind, std::vector<Step>& from, std::vector<Step>& to, bool backwards);
    bool write(EventKind kind, const FileContent& content) const;

    std::string folder_;
    std::array<Steps, kEventKindCount> steps_;
};

} // namespace corvane

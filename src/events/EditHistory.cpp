#include "events/EditHistory.h"

#include "events/EventFileHeader.h"
#include "events/EventFiles.h"
#include "platform/AtomicFile.h"

#include <filesystem>
#include <system_error>

namespace corvane {

FileContent EditHistory::read(EventKind kind) const {
    const std::string path = EventFilePath(folder_, kind);
    std::error_code error;
    if (!std::filesystem::exists(path, error))
        return std::nullopt;
    // A file that exists but cannot be read counts as empty, so that a later
    // step never claims to know it.
    return ReadFileUpTo(path, kLargestEventFileLength).bytes;
}

void EditHistory::recordChange(EventKind kind, FileContent before) {
    FileContent after = read(kind);
    if (after == before)
        return;
    Steps& kindSteps = steps(kind);
    kindSteps.undo.push_back({std::move(before), std::move(after)});
    kindSteps.redo.clear();
}

EditHistory::Outcome EditHistory::undo(EventKind kind) {
    Steps& kindSteps = steps(kind);
    return move(kind, kindSteps.undo, kindSteps.redo, true);
}

EditHistory::Outcome EditHistory::redo(EventKind kind) {
    Steps& kindSteps = steps(kind);
    return move(kind, kindSteps.redo, kindSteps.undo, false);
}

EditHistory::Outcome EditHistory::move(EventKind kind, std::vector<Step>& from,
                                       std::vector<Step>& to, bool backwards) {
    if (from.empty())
        return Outcome::Nothing;
    const Step& step = from.back();
    const FileContent& expected = backwards ? step.after : step.before;
    const FileContent& wanted = backwards ? step.before : step.after;
    if (read(kind) != expected)
        return Outcome::ChangedOutside;
    if (!write(kind, wanted))
        return Outcome::WriteFailed;
    to.push_back(step);
    from.pop_back();
    return Outcome::Done;
}

bool EditHistory::write(EventKind kind, const FileContent& content) const {
    const std::string path = EventFilePath(folder_, kind);
    if (content)
        return WriteFileAtomically(path, *content) == FileStatus::Done;
    std::error_code error;
    std::filesystem::remove(path, error);
    return !error;
}

} // namespace corvane

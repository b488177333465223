#include "events/ImportExport.h"

#include "events/EventFileHeader.h"
#include "events/EventFiles.h"
#include "events/EventList.h"
#include "events/EventMessages.h"
#include "platform/AtomicFile.h"
#include "platform/BinaryFile.h"
#include "platform/Paths.h"

namespace corvane {

ReplaceOutcome ReplaceEventFile(const std::string& sourcePath, const std::string& folder,
                                EventKind kind, ReplaceCheck check) {
    const FileRead source = ReadFileUpTo(sourcePath, kLargestEventFileLength);
    switch (source.status) {
    case FileStatus::Done:
        break;
    case FileStatus::Missing:
        return {ReplaceResult::SourceMissing};
    case FileStatus::NotAFile:
        return {ReplaceResult::SourceNotAFile};
    case FileStatus::TooLarge:
        return {ReplaceResult::SourceTooLarge};
    default:
        return {ReplaceResult::SourceUnreadable};
    }
    if (check == ReplaceCheck::RequireValid && !IsValidEventFile(source.bytes, kind))
        return {ReplaceResult::NotValidForKind};
    const FileStatus written = WriteEventFile(folder, kind, source.bytes);
    if (written != FileStatus::Done)
        return {ReplaceResult::WriteFailed, written};
    return {ReplaceResult::Replaced};
}

bool CopyOutEventFile(const std::string& folder, EventKind kind, const std::string& targetPath) {
    // Read before the target is cut, so that exporting onto the event file
    // itself keeps its content.
    const FileRead event = ReadFileUpTo(EventFilePath(folder, kind), kLargestEventFileLength);
    if (event.status != FileStatus::Done && event.status != FileStatus::Missing)
        return false;
    auto target = BinaryFile::open(targetPath, BinaryFile::Mode::Fresh);
    if (!target)
        return false;
    return event.bytes.empty() || target->write(event.bytes);
}

FileDialogRequest ExchangeFileDialog(EventKind kind) {
    const auto& info = InfoOf(kind);
    return {std::string(info.dialogFilter), std::string(info.extension), "EventFile"};
}

void ImportEventFile(const std::string& folder, EventKind kind, bool weeklyMode, Prompter& prompter,
                     EventListView& list) {
    const auto source = prompter.chooseOpenFile(ExchangeFileDialog(kind));
    if (!source)
        return;
    const ReplaceOutcome outcome =
        ReplaceEventFile(*source, folder, kind, ReplaceCheck::RequireValid);
    switch (outcome.result) {
    case ReplaceResult::SourceMissing:
        prompter.showMessage(std::string(messages::kFileMissing));
        return;
    case ReplaceResult::SourceNotAFile:
    case ReplaceResult::NotValidForKind:
        prompter.showMessage(std::string(messages::kFileNotValid));
        return;
    case ReplaceResult::SourceTooLarge:
        prompter.showMessage(std::string(messages::kFileTooLarge));
        return;
    case ReplaceResult::SourceUnreadable:
        return;
    case ReplaceResult::WriteFailed:
        ReportFileProblem(outcome.write, prompter);
        return;
    case ReplaceResult::Replaced:
        ReportFileProblem(FillEventList(folder, kind, weeklyMode, list), prompter);
        return;
    }
}

void ExportEventFile(const std::string& folder, EventKind kind, Prompter& prompter) {
    const auto target = prompter.chooseSaveFile(ExchangeFileDialog(kind));
    if (target)
        CopyOutEventFile(folder, kind, *target);
}

} // namespace corvane

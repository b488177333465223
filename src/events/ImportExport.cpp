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

bool ImportEventFile(const std::string& folder, EventKind kind, bool weeklyMode, Prompter& prompter,
                     EventListView& list) {
    const auto source = prompter.chooseOpenFile(ExchangeFileDialog(kind));
    return source && ImportChosenEventFile(*source, folder, kind, weeklyMode, prompter, list);
}

bool ImportChosenEventFile(const std::string& source, const std::string& folder, EventKind kind,
                           bool weeklyMode, Prompter& prompter, EventListView& list) {
    const ReplaceOutcome outcome =
        ReplaceEventFile(source, folder, kind, ReplaceCheck::RequireValid);
    switch (outcome.result) {
    case ReplaceResult::SourceMissing:
        prompter.showMessage(std::string(messages::kFileMissing));
        return false;
    case ReplaceResult::SourceNotAFile:
    case ReplaceResult::NotValidForKind:
        prompter.showMessage(std::string(messages::kFileNotValid));
        return false;
    case ReplaceResult::SourceTooLarge:
        prompter.showMessage(std::string(messages::kFileTooLarge));
        return false;
    case ReplaceResult::SourceUnreadable:
        return false;
    case ReplaceResult::WriteFailed:
        ReportFileProblem(outcome.write, prompter);
        return false;
    case ReplaceResult::Replaced:
        ReportFileProblem(FillEventList(folder, kind, weeklyMode, list), prompter);
        return true;
    }
    return false;
}

TableFileCheck CheckTableFile(const std::string& path, EventKind kind) {
    const FileRead read = ReadFileUpTo(path, kLargestEventFileLength);
    if (read.status == FileStatus::Missing || read.status == FileStatus::Unreadable)
        return TableFileCheck::Unreadable;
    // A pipe, a device or a file longer than any table is no table of the kind.
    if (read.status != FileStatus::Done || !IsValidEventFile(read.bytes, kind))
        return TableFileCheck::NotValidForKind;
    const auto header = EventFileHeader::decode(read.bytes);
    return header && header->totalEntries() > 0 ? TableFileCheck::Sendable
                                                : TableFileCheck::NoEvents;
}

std::uint64_t EventCountOfFile(const std::string& path) {
    const FileRead read = ReadFileUpTo(path, kLargestEventFileLength);
    const auto header = EventFileHeader::decode(read.bytes);
    return header ? header->totalEntries() : 0;
}

bool ExportEventFile(const std::string& folder, EventKind kind, Prompter& prompter) {
    const auto target = prompter.chooseSaveFile(ExchangeFileDialog(kind));
    return target && CopyOutEventFile(folder, kind, *target);
}

} // namespace corvane

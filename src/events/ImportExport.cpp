#include "events/ImportExport.h"

#include "events/EventFileHeader.h"
#include "events/EventFiles.h"
#include "events/EventList.h"
#include "events/EventMessages.h"
#include "platform/AtomicFile.h"
#include "platform/BinaryFile.h"
#include "platform/Paths.h"

namespace corvane {

ReplaceResult ReplaceEventFile(const std::string& sourcePath, const std::string& folder,
                               EventKind kind, ReplaceCheck check) {
    if (!PathExists(sourcePath))
        return ReplaceResult::SourceMissing;
    const auto bytes = ReadWholeFile(sourcePath);
    if (!bytes)
        return ReplaceResult::SourceUnreadable;
    if (check == ReplaceCheck::RequireValid && !IsValidEventFile(*bytes, kind))
        return ReplaceResult::NotValidForKind;
    return WriteEventFile(folder, kind, *bytes) ? ReplaceResult::Replaced
                                                : ReplaceResult::WriteFailed;
}

bool CopyOutEventFile(const std::string& folder, EventKind kind, const std::string& targetPath) {
    // Read before the target is cut, so that exporting onto the event file
    // itself keeps its content.
    const auto bytes = ReadWholeFile(EventFilePath(folder, kind));
    auto target = BinaryFile::open(targetPath, BinaryFile::Mode::Fresh);
    if (!target)
        return false;
    if (!bytes || bytes->empty())
        return true;
    return target->write(*bytes);
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
    switch (ReplaceEventFile(source, folder, kind, ReplaceCheck::RequireValid)) {
    case ReplaceResult::SourceMissing:
        prompter.showMessage(std::string(messages::kFileMissing));
        return false;
    case ReplaceResult::NotValidForKind:
        prompter.showMessage(std::string(messages::kFileNotValid));
        return false;
    case ReplaceResult::SourceUnreadable:
    case ReplaceResult::WriteFailed:
        return false;
    case ReplaceResult::Replaced:
        FillEventList(folder, kind, weeklyMode, list);
        return true;
    }
    return false;
}

TableFileCheck CheckTableFile(const std::string& path, EventKind kind) {
    const auto bytes = ReadWholeFile(path);
    if (!bytes)
        return TableFileCheck::Unreadable;
    if (!IsValidEventFile(*bytes, kind))
        return TableFileCheck::NotValidForKind;
    const auto header = EventFileHeader::decode(*bytes);
    return header && header->totalEntries() > 0 ? TableFileCheck::Sendable
                                                : TableFileCheck::NoEvents;
}

std::uint64_t EventCountOfFile(const std::string& path) {
    const auto bytes = ReadWholeFile(path);
    const auto header = bytes ? EventFileHeader::decode(*bytes) : std::nullopt;
    return header ? header->totalEntries() : 0;
}

bool ExportEventFile(const std::string& folder, EventKind kind, Prompter& prompter) {
    const auto target = prompter.chooseSaveFile(ExchangeFileDialog(kind));
    return target && CopyOutEventFile(folder, kind, *target);
}

} // namespace corvane

#include "events/text/TextImportExport.h"

#include "events/EventFiles.h"
#include "events/EventList.h"
#include "events/EventMessages.h"
#include "events/ImportExport.h"
#include "events/text/EventJson.h"
#include "platform/AtomicFile.h"
#include "platform/Paths.h"

#include <algorithm>

namespace corvane {

namespace {

// Far more than the text of the largest table takes.
constexpr std::uint64_t kLongestEventText = 16 << 20;

constexpr std::string_view kJsonFilter = "Events as JSON (*.json)|*.json|";

bool IsJsonPath(std::string_view path) {
    constexpr std::string_view kSuffix = ".json";
    if (path.size() < kSuffix.size())
        return false;
    const auto tail = path.substr(path.size() - kSuffix.size());
    return std::ranges::equal(tail, kSuffix, [](char a, char b) {
        return (a >= 'A' && a <= 'Z' ? char(a - 'A' + 'a') : a) == b;
    });
}

} // namespace

FileDialogRequest ImportExportDialog(EventKind kind) {
    FileDialogRequest request = ExchangeFileDialog(kind);
    // In front of "All Files", which closes every filter list.
    const auto all = request.filter.find("All Files");
    request.filter.insert(all == std::string::npos ? request.filter.size() : all, kJsonFilter);
    return request;
}

bool ImportEventsWithText(const std::string& folder, EventKind kind, bool weeklyMode,
                          Prompter& prompter, EventListView& list) {
    const auto source = prompter.chooseOpenFile(ImportExportDialog(kind));
    if (!source)
        return false;
    if (!IsJsonPath(*source))
        return ImportChosenEventFile(*source, folder, kind, weeklyMode, prompter, list);
    if (!PathExists(*source)) {
        prompter.showMessage(std::string(messages::kFileMissing));
        return false;
    }
    // A pipe or a device is refused unopened, a text of absurd length unread.
    const FileRead read = ReadFileUpTo(*source, kLongestEventText);
    if (read.status != FileStatus::Done)
        return false;
    const auto file = text::EventFileFromJson(
        std::string_view(reinterpret_cast<const char*>(read.bytes.data()), read.bytes.size()),
        kind);
    if (!file) {
        prompter.showMessage(file.error());
        return false;
    }
    if (const FileStatus written = WriteEventFile(folder, kind, *file);
        written != FileStatus::Done) {
        ReportFileProblem(written, prompter);
        return false;
    }
    ReportFileProblem(FillEventList(folder, kind, weeklyMode, list), prompter);
    return true;
}

bool ExportEventsWithText(const std::string& folder, EventKind kind, Prompter& prompter) {
    const auto target = prompter.chooseSaveFile(ImportExportDialog(kind));
    if (!target)
        return false;
    if (!IsJsonPath(*target))
        return CopyOutEventFile(folder, kind, *target);
    const auto bytes = ReadEventFile(folder, kind);
    if (!bytes)
        return false;
    // A missing event file counts as an empty one.
    const auto text = text::EventFileToJson(
        bytes->empty() ? std::vector<std::uint8_t>(kEventFileHeaderSize, 0) : *bytes, kind);
    if (!text) {
        prompter.showMessage(text.error());
        return false;
    }
    const auto* begin = reinterpret_cast<const std::uint8_t*>(text->data());
    if (WriteFileAtomically(*target, std::span(begin, text->size())) == FileStatus::Done)
        return true;
    prompter.showMessage("The file " + *target + " cannot be written.");
    return false;
}

} // namespace corvane

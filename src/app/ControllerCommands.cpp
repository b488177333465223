#include "app/ControllerCommands.h"

#include "events/EventFiles.h"
#include "events/EventList.h"
#include "events/EventMessages.h"
#include "events/ImportExport.h"
#include "platform/Prompter.h"

#include <filesystem>

namespace corvane {

namespace {

// The file the table is received into. When the operator picked the kind's event
// file itself, the table goes to a file beside it first, so that a receive that
// breaks off cannot leave the event file cut.
std::string ReceivingFile(const std::string& chosen, const std::string& eventFile) {
    std::error_code error;
    return std::filesystem::equivalent(chosen, eventFile, error) ? eventFile + ".receiving"
                                                                 : chosen;
}

} // namespace

SendOutcome SendTableCommand(ControllerProtocol& protocol, Prompter& prompter, EventKind kind,
                             Progress& progress) {
    const std::optional<std::string> path = prompter.chooseOpenFile(ExchangeFileDialog(kind));
    if (!path)
        return {};
    switch (CheckTableFile(*path, kind)) {
    case TableFileCheck::NotValidForKind:
        prompter.showMessage(std::string(messages::kFileNotValid));
        return {.refused = true};
    case TableFileCheck::NoEvents:
        prompter.showMessage(std::string(messages::kNoEventsToSend));
        return {.refused = true};
    case TableFileCheck::Sendable:
    case TableFileCheck::Unreadable: // the protocol reports what it cannot open
        break;
    }
    const SendResult result = protocol.sendTable(kind, *path, progress);
    if (result == SendResult::ChunkFailed)
        prompter.showMessage(std::string(kSendBrokeOffMessage));
    return {result, false, EventCountOfFile(*path)};
}

ReceiveOutcome ReceiveTableCommand(ControllerProtocol& protocol, Prompter& prompter, EventKind kind,
                                   const std::string& eventFolder, bool weeklyMode,
                                   EventListView& list) {
    ReceiveOutcome outcome{ReceiveResult::Cancelled};
    if (const std::optional<std::string> chosen =
            prompter.chooseSaveFile(ExchangeFileDialog(kind))) {
        const std::string path = ReceivingFile(*chosen, EventFilePath(eventFolder, kind));
        outcome = protocol.receiveTable(kind, path);
        switch (outcome.result) {
        case ReceiveResult::Received:
            ReportFileProblem(
                ReplaceEventFile(path, eventFolder, kind, ReplaceCheck::RequireValid).write,
                prompter);
            break;
        case ReceiveResult::EmptyTable:
            ReportFileProblem(ClearEventFile(eventFolder, kind), prompter);
            break;
        case ReceiveResult::Incomplete:
            prompter.showMessage(std::string(kIncompleteTableMessage));
            break;
        case ReceiveResult::FileUnwritable:
            prompter.showMessage(std::string(kReceiveUnwritableMessage));
            break;
        default:
            break; // the exchange ended before a table came; nothing to say
        }
        if (path != *chosen) {
            std::error_code ignored;
            std::filesystem::remove(path, ignored);
        }
    }
    ReportFileProblem(FillEventList(eventFolder, kind, weeklyMode, list), prompter);
    return outcome;
}

} // namespace corvane

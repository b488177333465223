#include "device/ControllerCommands.h"

#include "device/DeviceLink.h"
#include "events/EventFiles.h"
#include "events/EventList.h"
#include "events/ImportExport.h"
#include "platform/Pacer.h"
#include "platform/Prompter.h"

#include <filesystem>

namespace corvane {

ClockResult ConnectAndSetClock(ControllerProtocol& protocol, const ClockTime& time) {
    protocol.link().OpenController(kControllerBaudRate);
    protocol.pacer().sleep(10);
    return protocol.setClock(time);
}

SendResult SendTableCommand(ControllerProtocol& protocol, EventKind kind, Progress& progress) {
    const std::optional<std::string> path =
        protocol.prompter().chooseOpenFile(ExchangeFileDialog(kind));
    if (!path)
        return SendResult::Cancelled;
    const SendResult result = protocol.sendTable(kind, *path, progress);
    if (result == SendResult::ChunkFailed)
        protocol.prompter().showMessage(std::string(kSendBrokeOffMessage));
    return result;
}

EmptyResult EmptyTableCommand(ControllerProtocol& protocol, EventKind kind) {
    return protocol.emptyTable(kind);
}

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

ReceiveOutcome ReceiveTableCommand(ControllerProtocol& protocol, EventKind kind,
                                   const std::string& eventFolder, bool weeklyMode,
                                   EventListView& list) {
    ReceiveOutcome outcome{ReceiveResult::Cancelled};
    if (const std::optional<std::string> chosen =
            protocol.prompter().chooseSaveFile(ExchangeFileDialog(kind))) {
        const std::string path = ReceivingFile(*chosen, EventFilePath(eventFolder, kind));
        outcome = protocol.receiveTable(kind, path);
        switch (outcome.result) {
        case ReceiveResult::Received:
            ReportFileProblem(
                ReplaceEventFile(path, eventFolder, kind, ReplaceCheck::RequireValid).write,
                protocol.prompter());
            break;
        case ReceiveResult::EmptyTable:
            ReportFileProblem(ClearEventFile(eventFolder, kind), protocol.prompter());
            break;
        case ReceiveResult::Incomplete:
            protocol.prompter().showMessage(std::string(kIncompleteTableMessage));
            break;
        case ReceiveResult::FileUnwritable:
            protocol.prompter().showMessage(std::string(kReceiveUnwritableMessage));
            break;
        default:
            break; // the exchange ended before a table came; nothing to say
        }
        if (path != *chosen) {
            std::error_code ignored;
            std::filesystem::remove(path, ignored);
        }
    }
    ReportFileProblem(FillEventList(eventFolder, kind, weeklyMode, list), protocol.prompter());
    return outcome;
}

} // namespace corvane

// corvanectl's controller commands. They run the exchanges the main window runs,
// with real pauses, messages on stderr and an exit status that tells whether
// the exchange completed.

#include "cli/CliCommand.h"
#include "cli/DeviceCliSupport.h"
#include "device/ControllerProtocol.h"
#include "device/LinkChoice.h"
#include "events/ImportExport.h"
#include "platform/SystemPacer.h"

#include <cstdio>
#include <filesystem>
#include <string>

namespace corvane::cli {

namespace {

// The device --device chose, when it was given.
std::string& ChosenDevice() {
    static std::string device;
    return device;
}

// The environment's choice of link, with --device in place of CORVANE_DEVICE.
LinkRequest CommandLinkRequest() {
    LinkRequest request = LinkRequest::fromEnvironment();
    if (!ChosenDevice().empty())
        request.device = ChosenDevice();
    return request;
}

// The link and the protocol one command works with.
struct Session {
    StderrPrompter prompter;
    SystemPacer pacer;
    std::unique_ptr<ControllerLink> link = MakeControllerLink(CommandLinkRequest(), prompter);
    ControllerProtocol protocol{*link, pacer, prompter};
};

void Say(const std::string& text) {
    std::fprintf(stderr, "%s\n", text.c_str());
}

int Devices(std::span<const std::string_view> args) {
    if (!args.empty())
        return kExitUsage;
    StderrPrompter prompter;
    const auto field = [](const std::string& text) { return text.empty() ? "-" : text.c_str(); };
    for (const FoundDevice& found : FindDevices(CommandLinkRequest(), prompter))
        std::printf("%s\t%s\t%s\t%s\t%s\n", found.link.c_str(), found.location.c_str(),
                    field(found.description), field(found.serialNumber), field(found.latency));
    return 0; // finding nothing is an answer too
}

int Clock(std::span<const std::string_view> args) {
    if (!args.empty())
        return kExitUsage;
    Session session;
    return session.protocol.connectAndSetClock() == ClockResult::Set ? 0 : 1;
}

std::string SendFailure(SendResult result, const std::string& file) {
    switch (result) {
    case SendResult::FileUnopenable:
        return "cannot open " + file;
    case SendResult::NoRecords:
        return file + " holds no records; nothing was sent";
    case SendResult::FileTooShort:
        return file + " is shorter than its header counts say; nothing was sent";
    case SendResult::TooLarge:
        return ""; // the exchange has said why
    case SendResult::AnnounceFailed:
        return "the table announce could not be written";
    case SendResult::NoReply:
        return "the controller did not answer the table announce";
    case SendResult::ChunkFailed:
        return "the transfer broke off; the controller holds part of the table";
    case SendResult::Sent:
    case SendResult::Cancelled:
        break;
    }
    return "";
}

int Send(std::span<const std::string_view> args) {
    const auto kind = args.size() == 2 ? ParseEventKind(args[0]) : std::nullopt;
    if (!kind)
        return kExitUsage;
    const std::string file(args[1]);
    switch (CheckTableFile(file, *kind)) {
    case TableFileCheck::Unreadable:
        Say(file + " cannot be read");
        return 1;
    case TableFileCheck::NotValidForKind:
        // A file of another kind would fill the controller's table with garbage.
        Say(file + " is not a valid " + std::string(InfoOf(*kind).cliName) +
            " event file; nothing was sent");
        return 1;
    case TableFileCheck::NoEvents:
        Say(SendFailure(SendResult::NoRecords, file));
        return 1;
    case TableFileCheck::Sendable:
        break;
    }
    Session session;
    TerminalProgress progress;
    const SendResult result = session.protocol.sendTable(*kind, file, progress);
    if (result == SendResult::Sent)
        return 0;
    if (const std::string why = SendFailure(result, file); !why.empty())
        Say(why);
    return 1;
}

std::string ReceiveFailure(const ReceiveOutcome& outcome, const std::string& file) {
    switch (outcome.result) {
    case ReceiveResult::RequestFailed:
        return "the table request could not be written";
    case ReceiveResult::FileUnwritable:
        return "cannot write " + file;
    case ReceiveResult::NoReply:
        return "the controller did not answer the table request";
    case ReceiveResult::Incomplete:
        return std::string(kIncompleteTableMessage) + " (" + std::to_string(outcome.bytesReceived) +
               " of " + std::to_string(outcome.announcedLength) + " bytes arrived; they are in " +
               file + ")";
    case ReceiveResult::Received:
    case ReceiveResult::EmptyTable:
    case ReceiveResult::Cancelled:
        break;
    }
    return "";
}

int Receive(std::span<const std::string_view> args) {
    const auto kind = args.size() == 2 ? ParseEventKind(args[0]) : std::nullopt;
    if (!kind)
        return kExitUsage;
    const std::string file(args[1]);
    Session session;
    const ReceiveOutcome outcome = session.protocol.receiveTable(*kind, file);
    if (outcome.result == ReceiveResult::Received || outcome.result == ReceiveResult::EmptyTable)
        return 0;
    Say(ReceiveFailure(outcome, file));
    return 1;
}

int Empty(std::span<const std::string_view> args) {
    const auto kind = args.size() == 1 ? ParseEventKind(args[0]) : std::nullopt;
    if (!kind)
        return kExitUsage;
    Session session;
    if (session.protocol.emptyTable(*kind) == EmptyResult::Announced)
        return 0;
    Say("the empty-table announce could not be written");
    return 1;
}

constexpr CliCommand kDeviceCommands[] = {
    {"devices", "devices", &Devices},  {"clock", "clock", &Clock},
    {"send", "send KIND FILE", &Send}, {"receive", "receive KIND FILE", &Receive},
    {"empty", "empty KIND", &Empty},
};

} // namespace

void ChooseDevice(std::string_view device) {
    ChosenDevice() = device;
}

std::span<const CliCommand> DeviceCommands() {
    return kDeviceCommands;
}

} // namespace corvane::cli

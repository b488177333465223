#pragma once

#include "device/ControllerProtocol.h"
#include "events/EventKind.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace corvane {

class EventListView;
class Progress;
class Prompter;

// The controller commands of the main window that need the operator or the event
// folder. Each runs over a ControllerProtocol built on the window's link, Pacer
// and Prompter; the file dialogs go to the same Prompter.

inline constexpr std::string_view kReceiveUnwritableMessage =
    "Receive failed: the chosen file could not be written!";
inline constexpr std::string_view kSendBrokeOffMessage =
    "Send failed: the transfer broke off; the controller holds part of the table!";

struct SendOutcome {
    SendResult result = SendResult::Cancelled;
    // The file is not a table of the kind ("The file is not a valid event file
    // for this kind!") or holds no events ("There are no events to send."); it
    // was refused before anything went to the controller.
    bool refused = false;
    std::uint64_t events = 0; // the events the chosen file holds
};

// Send: asks for an exchange file of the kind and sends it as the kind's table
// unless it is refused; the progress bar advances once per chunk. A transfer that
// breaks off after the announce is reported.
SendOutcome SendTableCommand(ControllerProtocol& protocol, Prompter& prompter, EventKind kind,
                             Progress& progress);

// Receive: asks for a file to keep the controller's table in, receives the kind's
// table into it and makes it the kind's event file in eventFolder when it is
// complete (an empty table empties the kind; an incomplete one leaves the event
// file as it was and says so; the chosen file keeps what arrived unless it is the
// event file itself). The list is refilled in every case, weeklyMode choosing the
// week-clock group it shows.
ReceiveOutcome ReceiveTableCommand(ControllerProtocol& protocol, Prompter& prompter, EventKind kind,
                                   const std::string& eventFolder, bool weeklyMode,
                                   EventListView& list);

} // namespace corvane

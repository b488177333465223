#pragma once

#include "device/ControllerProtocol.h"
#include "events/EventKind.h"

#include <string>
#include <string_view>

namespace corvane {

class EventListView;
class Progress;

inline constexpr std::string_view kIncompleteTableMessage =
    "Receive failed: the table from the controller is incomplete!";
inline constexpr std::string_view kReceiveUnwritableMessage =
    "Receive failed: the chosen file could not be written!";
inline constexpr std::string_view kSendBrokeOffMessage =
    "Send failed: the transfer broke off; the controller holds part of the table!";

// What the main window runs on the controller. Each takes a ControllerProtocol
// built over the window's DeviceLink, Pacer and Prompter:
//   ControllerProtocol protocol(deviceLink, pacer, prompter);

// Start-up: opens the controller, pauses 10 ms and sets its clock to `time`.
ClockResult ConnectAndSetClock(ControllerProtocol& protocol,
                               const ClockTime& time = LocalClockTime());

// Command 1007: asks for an exchange file of the kind and sends it as the
// kind's table; the progress bar advances once per chunk. A transfer that
// breaks off after the announce is reported.
SendResult SendTableCommand(ControllerProtocol& protocol, EventKind kind, Progress& progress);

// Command 1018: empties the kind's table on the controller.
EmptyResult EmptyTableCommand(ControllerProtocol& protocol, EventKind kind);

// Command 1006: asks for a file to keep the controller's table in, receives the
// kind's table into it and makes it the kind's event file in eventFolder when it
// is complete (an empty table empties the kind; an incomplete one leaves the
// event file as it was and says so; the chosen file keeps what arrived unless it
// is the event file itself). The list is refilled in every case, weeklyMode
// choosing the week-clock group it shows.
ReceiveOutcome ReceiveTableCommand(ControllerProtocol& protocol, EventKind kind,
                                   const std::string& eventFolder, bool weeklyMode,
                                   EventListView& list);

} // namespace corvane

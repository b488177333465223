#pragma once

#include "device/ControllerPackets.h"
#include "events/EventKind.h"

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace corvane {

class BinaryFile;
class ControllerLink;
class Pacer;
class Progress;
class Prompter;

inline constexpr std::string_view kClockErrorMessage = "Time Set is Error!";
inline constexpr std::string_view kTableTooLargeMessage = "The event table is too large to send!";
inline constexpr std::string_view kIncompleteTableMessage =
    "Receive failed: the table from the controller is incomplete!";

enum class ClockResult {
    Set,         // the controller answered with 20 bytes
    WriteFailed, // silent: no controller, or the link is gone
    ReadFailed,  // silent
    WrongReply,  // "Time Set is Error!" was shown
};

enum class SendResult {
    Sent,           // every chunk went out whole
    Cancelled,      // the operator closed the file dialog
    FileUnopenable, // the chosen file could not be opened
    NoRecords,      // its header counts no records
    FileTooShort,   // it holds fewer bytes than its counts need
    TooLarge,       // "The event table is too large to send!" was shown
    AnnounceFailed, // the announce packet could not be written
    NoReply,        // the controller did not answer the announce with 20 bytes
    ChunkFailed,    // a data chunk could not be written; the controller holds part of the table
};

enum class EmptyResult { Announced, WriteFailed };

enum class ReceiveResult {
    Received,       // the announced length arrived and passes the kind's validity rule
    EmptyTable,     // the controller announced 16 bytes or less: it holds no events
    Cancelled,      // the operator closed the file dialog
    RequestFailed,  // the request packet could not be written
    FileUnwritable, // the chosen file could not be created or written
    NoReply,        // no 20-byte reply came
    Incomplete,     // fewer bytes than announced arrived, or they are no valid table
};

struct ReceiveOutcome {
    ReceiveResult result = ReceiveResult::RequestFailed;
    std::uint16_t announcedLength = 0;
    std::uint64_t bytesReceived = 0;
};

// The four exchanges with the controller. Each pauses through the Pacer so the
// controller keeps up, shows its few messages through the Prompter and never
// retries: a failed write or read ends the exchange.
class ControllerProtocol {
public:
    ControllerProtocol(ControllerLink& link, Pacer& pacer, Prompter& prompter);

    // Start-up: opens the controller, pauses 10 ms, then reads the time and sets
    // the controller's clock to it.
    ClockResult connectAndSetClock(const std::function<ClockTime()>& readTime = LocalClockTime);

    // Sets the controller's clock; the controller is open and has had its pause.
    ClockResult setClock(const ClockTime& time);

    // Sends the file at path as the kind's table in 512-byte chunks, advancing
    // progress once per chunk. Only the bytes the header counts are sent.
    SendResult sendTable(EventKind kind, const std::string& path, Progress& progress);

    // Announces an empty table of the kind.
    EmptyResult emptyTable(EventKind kind);

    // Reads the kind's table into a new file at path; every byte that arrived is
    // kept there. The event folder is not touched.
    ReceiveOutcome receiveTable(EventKind kind, const std::string& path);

private:
    void openAndPause();
    void openAndDrain(std::uint32_t drainBytes);
    void drain(std::uint32_t bytes);
    bool sendChunks(BinaryFile& file, std::uint64_t length, Progress& progress);

    ControllerLink& link_;
    Pacer& pacer_;
    Prompter& prompter_;
};

} // namespace corvane

#pragma once

#include "device/ControllerLink.h"
#include "device/SerialDiscovery.h"
#include "device/SerialPort.h"

#include <optional>
#include <string>

namespace corvane {

class Prompter;

// Which serial port a link may open. With neither field set it takes the first
// USB serial port whose product string is one of the two device descriptions.
struct SerialPortChoice {
    std::string port;         // only this device node (any tty, a pseudo-terminal too)
    std::string serialNumber; // only the USB port whose device has this serial number
};

// The controller link over the kernel's serial driver (ftdi_sio's /dev/ttyUSBn,
// or any tty). Reads and writes keep the D2XX timing: a read waits for the count
// it asks for or the read timeout; a write returns once its bytes had the time
// to cross the 1 Mbaud line, as FT_Write does, so the pauses between chunks reach
// the controller as gaps. A port that fails or hangs up (unplugged) is closed, so
// the next exchange looks for it again.
class SerialLink final : public ControllerLink {
public:
    enum class OpenAttempt {
        Opened,
        NoneFound, // no port qualified; nothing was shown
        Refused,   // a port qualified but did not open; the reason was shown
    };

    SerialLink(Prompter& prompter, SystemRoots roots, SerialPortChoice choice = {});

    // As openController(), but without "No Device Found!" when no port
    // qualifies, so that another link can be tried next.
    OpenAttempt tryOpen();

    void openController() override;
    bool isOpen() const override { return port_.has_value(); }
    void close() override;
    bool write(std::span<const std::uint8_t> bytes) override;
    std::optional<std::size_t> read(std::span<std::uint8_t> buffer) override;
    bool purge() override;
    std::optional<std::uint32_t> queuedBytes() override;

    // The open port's path, and whether its driver took the low-latency request.
    const std::string& portPath() const { return portPath_; }
    bool lowLatency() const { return lowLatency_; }

private:
    struct Candidate {
        std::string port;
        bool controller; // set up the controller's line; the other device keeps its own
    };
    std::vector<Candidate> candidates() const;
    std::optional<std::string> openCandidate(const Candidate& candidate);

    Prompter& prompter_;
    SystemRoots roots_;
    SerialPortChoice choice_;
    std::optional<SerialPort> port_;
    std::string portPath_;
    bool lowLatency_ = false;
    bool pacedLine_ = false;
    SerialPort::Clock::time_point lineFreeAt_{};
};

} // namespace corvane

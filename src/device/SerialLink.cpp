#include "device/SerialLink.h"

#include "platform/Prompter.h"

#include <algorithm>
#include <cstring>
#include <thread>

namespace corvane {

namespace {

using Clock = SerialPort::Clock;

// One byte on the controller's line: start bit, 8 data bits, 2 stop bits at 1 Mbaud.
constexpr auto kControllerByteTime = std::chrono::microseconds(11);

std::string OpenFailureMessage(const std::string& port, const SerialOpenFailure& failure) {
    switch (failure.error) {
    case SerialOpenError::Missing:
        return "No serial port at " + port + ".";
    case SerialOpenError::PermissionDenied:
        return "Permission denied for " + port +
               ". Add your user to the dialout group (sudo usermod -aG dialout $USER) and log "
               "in again.";
    case SerialOpenError::Busy:
        return port + " is in use: another program has it open.";
    case SerialOpenError::NotATerminal:
        return port + " is not a serial port.";
    case SerialOpenError::SetupFailed:
        return port + " does not take the controller's line settings (1,000,000 baud, 8N2).";
    case SerialOpenError::Other:
        break;
    }
    return "Cannot open " + port + ": " + std::strerror(failure.errorNumber) + ".";
}

} // namespace

SerialLink::SerialLink(Prompter& prompter, SystemRoots roots, SerialPortChoice choice)
    : prompter_(prompter), roots_(std::move(roots)), choice_(std::move(choice)) {}

std::vector<SerialLink::Candidate> SerialLink::candidates() const {
    if (!choice_.port.empty())
        return {{choice_.port, true}};
    std::vector<Candidate> found;
    for (const SerialPortInfo& info : ListUsbSerialPorts(roots_)) {
        if (!choice_.serialNumber.empty() && info.serialNumber != choice_.serialNumber)
            continue;
        if (info.description == kControllerDescription)
            found.push_back({info.port, true});
        else if (info.description == kSecondDeviceDescription)
            found.push_back({info.port, false});
    }
    return found;
}

// Nothing when the port is open and set up, otherwise why not.
std::optional<std::string> SerialLink::openCandidate(const Candidate& candidate) {
    auto opened = SerialPort::open(candidate.port);
    if (!opened)
        return OpenFailureMessage(candidate.port, opened.error());
    if (candidate.controller && !opened->setControllerLine())
        return OpenFailureMessage(candidate.port, {SerialOpenError::SetupFailed});
    lowLatency_ = opened->requestLowLatency(); // a pseudo-terminal refuses; 16 ms still works
    pacedLine_ = candidate.controller;
    lineFreeAt_ = Clock::now();
    portPath_ = candidate.port;
    port_ = std::move(*opened);
    return std::nullopt;
}

// Ports are tried in order; the first that opens wins silently. When none opens,
// the first refusal is shown (it tells the operator what to change).
SerialLink::OpenAttempt SerialLink::tryOpen() {
    if (port_)
        return OpenAttempt::Opened;
    const std::vector<Candidate> found = candidates();
    std::optional<std::string> firstRefusal;
    for (const Candidate& candidate : found) {
        std::optional<std::string> refusal = openCandidate(candidate);
        if (!refusal)
            return OpenAttempt::Opened;
        if (!firstRefusal)
            firstRefusal = std::move(refusal);
    }
    if (!firstRefusal)
        return OpenAttempt::NoneFound;
    prompter_.showMessage(*firstRefusal);
    return OpenAttempt::Refused;
}

void SerialLink::openController() {
    if (tryOpen() == OpenAttempt::NoneFound)
        prompter_.showMessage("No Device Found!");
}

void SerialLink::close() {
    port_.reset();
    portPath_.clear();
    lowLatency_ = false;
}

bool SerialLink::write(std::span<const std::uint8_t> bytes) {
    if (!port_)
        return false;
    const Clock::time_point start = Clock::now();
    const Clock::time_point deadline = start + std::chrono::milliseconds(kLinkWriteTimeoutMs);
    if (!port_->write(bytes, deadline)) {
        close();
        return false;
    }
    if (pacedLine_) {
        lineFreeAt_ = std::max(start, lineFreeAt_) +
                      kControllerByteTime * static_cast<std::int64_t>(bytes.size());
        std::this_thread::sleep_until(std::min(lineFreeAt_, deadline));
    }
    return true;
}

std::optional<std::size_t> SerialLink::read(std::span<std::uint8_t> buffer) {
    if (!port_)
        return std::nullopt;
    const auto received =
        port_->read(buffer, Clock::now() + std::chrono::milliseconds(kLinkReadTimeoutMs));
    if (!received)
        close();
    return received;
}

bool SerialLink::purge() {
    return port_ && port_->purge();
}

std::optional<std::uint32_t> SerialLink::queuedBytes() {
    return port_ ? port_->queuedBytes() : std::nullopt;
}

} // namespace corvane

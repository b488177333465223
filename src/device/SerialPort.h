#pragma once

#include "platform/Expected.h"

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>

namespace corvane {

// Why a serial port did not open.
enum class SerialOpenError {
    Missing,          // nothing at that path
    PermissionDenied, // the user may not open it (not in the dialout group)
    Busy,             // another program holds it
    NotATerminal,     // the path is no serial device
    SetupFailed,      // it opened, but refused the line settings
    Other,            // any other refusal; errorNumber says which
};

struct SerialOpenFailure {
    SerialOpenError error;
    int errorNumber = 0;
};

// One open serial device (a kernel tty: /dev/ttyUSBn, a pseudo-terminal). It is
// opened non-blocking, never as the controlling terminal, and held exclusively:
// TIOCEXCL keeps other opens out and an advisory lock (flock) makes a second
// program that uses the same convention give up instead of interleaving bytes.
// The port is in raw mode: every byte passes unchanged, no flow control.
class SerialPort {
public:
    using Clock = std::chrono::steady_clock;

    static Expected<SerialPort, SerialOpenFailure> open(const std::string& path);

    SerialPort(SerialPort&& other) noexcept;
    SerialPort& operator=(SerialPort&& other) noexcept;
    SerialPort(const SerialPort&) = delete;
    SerialPort& operator=(const SerialPort&) = delete;
    ~SerialPort();

    // 1,000,000 baud, 8 data bits, 2 stop bits, no parity; false when the port
    // refuses any of it.
    bool setControllerLine();

    // Asks the driver to hand over received bytes at once (ftdi_sio: a 1 ms
    // latency timer instead of 16 ms). False where the driver refuses, as
    // pseudo-terminals do.
    bool requestLowLatency();

    // True once every byte was handed to the driver before the deadline.
    bool write(std::span<const std::uint8_t> bytes, Clock::time_point deadline);

    // Waits until buffer.size() bytes arrived or the deadline passed and answers
    // how many arrived; nothing when the port failed or went away (hung up).
    std::optional<std::size_t> read(std::span<std::uint8_t> buffer, Clock::time_point deadline);

    // The bytes received and not read yet, or nothing when the driver cannot tell.
    std::optional<std::uint32_t> queuedBytes() const;

    // Drops unread input and unsent output.
    bool purge();

private:
    explicit SerialPort(int fd) : fd_(fd) {}
    void release();

    int fd_ = -1;
    bool exclusive_ = false;
};

} // namespace corvane

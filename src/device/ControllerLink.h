#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace corvane {

// The line the controller speaks: 1 Mbaud, 8 data bits, 2 stop bits, no parity,
// no flow control.
inline constexpr std::uint32_t kControllerBaudRate = 1000000;

// USB descriptions of the two devices a link opens, in the order it looks for them.
inline constexpr std::string_view kControllerDescription = "Velmora";
inline constexpr std::string_view kSecondDeviceDescription = "tarnel_20";

// How long a read waits for the bytes it asks for, and a write for the line.
inline constexpr std::uint32_t kLinkReadTimeoutMs = 500;
inline constexpr std::uint32_t kLinkWriteTimeoutMs = 150;

// A controller found on this machine, as `corvanectl devices` lists it.
struct FoundDevice {
    std::string link;         // "serial" or "d2xx"
    std::string location;     // a port path, or the D2XX index as text
    std::string description;  // the USB product string
    std::string serialNumber; // empty when unknown
    std::string latency;      // "1ms", "16ms", or empty when unknown
};

// What the exchanges with the controller need from the wire. The D2XX driver
// binding is one implementation, the kernel's serial device another; every
// implementation passes the same contract tests. Messages an implementation
// shows (a missing driver entry point, "No Device Found!", a port it may not
// open) go to the Prompter it was built with.
class ControllerLink {
public:
    virtual ~ControllerLink() = default;

    // Finds the controller ("Velmora", else "tarnel_20"), opens it and sets up its
    // line and timeouts; shows "No Device Found!" when none opens. Does nothing
    // while a device is open.
    virtual void openController() = 0;
    virtual bool isOpen() const = 0;

    // Releases the device; a later openController() finds it again.
    virtual void close() = 0;

    // True only when every byte was taken within the write timeout.
    virtual bool write(std::span<const std::uint8_t> bytes) = 0;

    // Waits up to the read timeout for buffer.size() bytes and answers how many
    // arrived (possibly 0), or nothing when the read itself failed.
    virtual std::optional<std::size_t> read(std::span<std::uint8_t> buffer) = 0;

    // Drops what waits in the receive and transmit queues.
    virtual bool purge() = 0;

    // The bytes waiting to be read, or nothing when the link cannot tell.
    virtual std::optional<std::uint32_t> queuedBytes() = 0;
};

} // namespace corvane

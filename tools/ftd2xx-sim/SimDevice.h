#pragma once

#include <chrono>
#include <cstdint>
#include <deque>
#include <string>

namespace corvane::sim {

// One FTDI device on the simulated bus: its description, whether a program has
// it open, its line settings and the bytes on their way to the host, each with
// the moment it has fully arrived.
struct SimDevice {
    using Clock = std::chrono::steady_clock;

    struct ArrivingByte {
        std::uint8_t value;
        Clock::time_point arrival;
    };

    std::string description;
    bool open = false;

    // The chip's defaults after an open: 9600 baud, 8N1. Without a read timeout
    // the real driver waits forever; the simulation waits at most 5 s.
    std::uint32_t baudRate = 9600;
    std::uint8_t wordLength = 8;
    std::uint8_t stopBits = 0;
    std::uint8_t parity = 0;
    std::uint32_t readTimeoutMs = 5000;
    std::uint32_t writeTimeoutMs = 5000;

    std::deque<ArrivingByte> toHost;
    Clock::time_point lineFreeAt{}; // when the host-to-device direction is idle again

    void resetForOpen();
    bool hasController() const { return description == "Velmora"; }
    // The controller only understands the host at 1 Mbaud 8N2, no parity.
    bool speaksControllerLine() const;
    // Start bit, data bits, parity and stop bits at the current baud rate.
    Clock::duration byteTime() const;
    // Queues the controller's answer behind whatever is still on its way.
    void sendToHost(const std::uint8_t* bytes, std::size_t count, Clock::time_point from,
                    bool realTiming);
};

} // namespace corvane::sim

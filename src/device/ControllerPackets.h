#pragma once

#include <array>
#include <cstdint>

namespace corvane {

// Every request and reply on the controller link is a 20-byte packet that starts
// AA 55 and a command byte.
inline constexpr std::size_t kPacketSize = 20;
using Packet = std::array<std::uint8_t, kPacketSize>;

inline constexpr std::uint8_t kClockCommand = 0xA8;

// A local date and time as the controller's clock takes it.
// weekday: 1 = Sunday .. 7 = Saturday.
struct ClockTime {
    int year = 2000;
    int month = 1;
    int day = 1;
    int weekday = 7;
    int hour = 0;
    int minute = 0;
    int second = 0;
};

// One reading of the computer's local time.
ClockTime LocalClockTime();

Packet BuildSetClockRequest(const ClockTime& time);
// A table announce carries the length of the data that follows (0: empty the table).
Packet BuildTableAnnounce(std::uint8_t announceCommand, std::uint16_t tableLength);
Packet BuildTableRequest(std::uint8_t requestCommand);

// The table length a controller puts into bytes 3 (low) and 4 (high) of its
// reply to a table request.
std::uint16_t ReplyTableLength(const Packet& reply);

} // namespace corvane

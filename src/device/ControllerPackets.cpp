#include "device/ControllerPackets.h"

#include <chrono>
#include <ctime>

namespace corvane {

namespace {

Packet Header(std::uint8_t command) {
    Packet packet{};
    packet[0] = 0xAA;
    packet[1] = 0x55;
    packet[2] = command;
    return packet;
}

std::uint8_t Byte(int value) {
    return static_cast<std::uint8_t>(value & 0xFF);
}

} // namespace

ClockTime LocalClockTime() {
    const std::time_t now = std::chrono::system_clock::to_time_t(std::chrono::system_clock::now());
    std::tm local{};
    localtime_r(&now, &local);
    return {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_wday + 1,
            local.tm_hour,        local.tm_min,     local.tm_sec};
}

Packet BuildSetClockRequest(const ClockTime& time) {
    Packet packet = Header(kClockCommand);
    packet[3] = Byte(time.year % 100);
    packet[4] = Byte(time.month);
    packet[5] = Byte(time.day);
    packet[6] = Byte(time.weekday);
    packet[7] = Byte(time.hour);
    packet[8] = Byte(time.minute);
    packet[9] = Byte(time.second);
    return packet;
}

Packet BuildTableAnnounce(std::uint8_t announceCommand, std::uint16_t tableLength) {
    Packet packet = Header(announceCommand);
    packet[3] = Byte(tableLength);
    packet[4] = Byte(tableLength >> 8);
    return packet;
}

Packet BuildTableRequest(std::uint8_t requestCommand) {
    return Header(requestCommand);
}

std::uint16_t ReplyTableLength(const Packet& reply) {
    return static_cast<std::uint16_t>(reply[3] | (reply[4] << 8));
}

} // namespace corvane

#include "SimController.h"

#include "SimSettings.h"

#include <algorithm>

namespace corvane::sim {

namespace {

constexpr std::size_t kPacketSize = 20;
constexpr std::uint8_t kClockCommand = 0xA8;
// A table transfer that stalls this long is abandoned, as the controller would.
constexpr auto kTransferTimeout = std::chrono::milliseconds(1000);

struct CommandPair {
    std::uint8_t announce;
    std::uint8_t request;
};
constexpr std::array<CommandPair, 7> kCommands{{{0xA4, 0xA0},
                                                {0xA5, 0xA1},
                                                {0xA6, 0xA2},
                                                {0xA7, 0xA3},
                                                {0xAA, 0xA9},
                                                {0xAC, 0xAB},
                                                {0xAE, 0xAD}}};

SimController::Bytes Reply(std::uint8_t command, std::size_t size) {
    SimController::Bytes reply(size, 0);
    const std::uint8_t header[3] = {0xAA, 0x55, command};
    std::copy_n(header, std::min<std::size_t>(3, size), reply.begin());
    return reply;
}

} // namespace

std::uint8_t SimRequestCommandFor(std::uint8_t announceCommand) {
    for (const auto& pair : kCommands)
        if (pair.announce == announceCommand)
            return pair.request;
    return 0;
}

std::uint8_t SimAnnounceCommandFor(std::uint8_t requestCommand) {
    for (const auto& pair : kCommands)
        if (pair.request == requestCommand)
            return pair.announce;
    return 0;
}

SimController::Bytes SimController::receive(const std::uint8_t* data, std::size_t count,
                                            Clock::time_point now, const SimSettings& settings) {
    if (receivingTable_ && count > 0 && now - lastByte_ > kTransferTimeout)
        resetLink();
    if (count > 0)
        lastByte_ = now;
    Bytes answer;
    for (std::size_t i = 0; i < count; ++i) {
        const std::uint8_t byte = data[i];
        if (receivingTable_) {
            takeTableByte(byte);
            continue;
        }
        // Resynchronise on AA 55 so that stray bytes do not shift every later packet.
        if ((packet_.empty() && byte != 0xAA) || (packet_.size() == 1 && byte != 0x55)) {
            packet_.clear();
            if (byte == 0xAA)
                packet_.push_back(byte);
            continue;
        }
        packet_.push_back(byte);
        if (packet_.size() == kPacketSize) {
            Bytes reply = handlePacket(settings);
            answer.insert(answer.end(), reply.begin(), reply.end());
            packet_.clear();
        }
    }
    return answer;
}

SimController::Bytes SimController::handlePacket(const SimSettings& settings) {
    const std::uint8_t command = packet_[2];
    if (command == kClockCommand) {
        std::copy_n(packet_.begin() + 3, clock_.size(), clock_.begin());
        changed_ = true;
        return settings.noReply ? Bytes{} : Reply(command, settings.clockReplyBytes);
    }
    if (SimRequestCommandFor(command) != 0) {
        const std::size_t length = std::size_t{packet_[3]} | (std::size_t{packet_[4]} << 8);
        if (length == 0) {
            tables_[command].clear();
            changed_ = true;
        } else {
            receivingTable_ = true;
            tableCommand_ = command;
            tableRemaining_ = length;
            pendingTable_.clear();
        }
        return settings.noReply ? Bytes{} : Reply(command, kPacketSize);
    }
    if (const std::uint8_t announce = SimAnnounceCommandFor(command); announce != 0) {
        if (settings.noReply)
            return {};
        const Bytes& table = tables_[announce];
        Bytes reply = Reply(command, kPacketSize);
        reply[3] = static_cast<std::uint8_t>(table.size() & 0xFF);
        reply[4] = static_cast<std::uint8_t>((table.size() >> 8) & 0xFF);
        reply.insert(reply.end(), table.begin(), table.end());
        return reply;
    }
    return {}; // unknown commands go unanswered
}

void SimController::takeTableByte(std::uint8_t byte) {
    pendingTable_.push_back(byte);
    if (--tableRemaining_ > 0)
        return;
    tables_[tableCommand_] = std::move(pendingTable_);
    pendingTable_.clear();
    receivingTable_ = false;
    changed_ = true;
}

void SimController::resetLink() {
    packet_.clear();
    receivingTable_ = false;
    tableRemaining_ = 0;
    pendingTable_.clear();
}

bool SimController::takeChanged() {
    const bool changed = changed_;
    changed_ = false;
    return changed;
}

} // namespace corvane::sim

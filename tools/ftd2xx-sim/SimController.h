#pragma once

#include <array>
#include <chrono>
#include <cstdint>
#include <map>
#include <vector>

namespace corvane::sim {

struct SimSettings;

// The controller behind a "Velmora" device: it reads 20-byte packets from the
// host, answers each with a 20-byte reply and keeps one table per event kind and
// the clock it was last given.
class SimController {
public:
    using Clock = std::chrono::steady_clock;
    using Bytes = std::vector<std::uint8_t>;

    // Takes bytes the host wrote at time `now`; returns the controller's answer.
    Bytes receive(const std::uint8_t* data, std::size_t count, Clock::time_point now,
                  const SimSettings& settings);

    // Forgets a packet or table transfer in progress (the link was reset).
    void resetLink();

    // Tables keyed by the kind's announce command; the clock as the seven bytes
    // of the clock packet (year .. second). changed() tells whether either changed
    // since the last call.
    std::map<std::uint8_t, Bytes>& tables() { return tables_; }
    std::array<std::uint8_t, 7>& clock() { return clock_; }
    bool takeChanged();

private:
    Bytes handlePacket(const SimSettings& settings);
    void takeTableByte(std::uint8_t byte);

    std::vector<std::uint8_t> packet_;
    bool receivingTable_ = false;
    std::uint8_t tableCommand_ = 0;
    std::size_t tableRemaining_ = 0;
    Bytes pendingTable_;
    Clock::time_point lastByte_{};

    std::map<std::uint8_t, Bytes> tables_;
    std::array<std::uint8_t, 7> clock_{};
    bool changed_ = false;
};

// The request command that reads the table a given announce command writes, or 0.
std::uint8_t SimRequestCommandFor(std::uint8_t announceCommand);
// The announce command a request command belongs to, or 0.
std::uint8_t SimAnnounceCommandFor(std::uint8_t requestCommand);

} // namespace corvane::sim

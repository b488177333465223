#pragma once

#include "events/EventKind.h"

#include <array>
#include <cstdint>
#include <span>
#include <string>

namespace corvane {

// A relay switched by a window of one DMX channel's level: relay 1..8, status
// 0 On, 1 Off. 32 bytes.
struct RelayRecord {
    static constexpr EventKind kKind = EventKind::Relay;
    static constexpr std::size_t kSize = 32;
    static constexpr std::size_t kNameOffset = 6;

    std::uint16_t channel = 0;
    std::uint8_t levelLow = 0;
    std::uint8_t levelHigh = 0;
    std::uint8_t relayNumber = 0;
    std::uint8_t relayStatus = 0;

    std::string name;

    std::array<std::uint8_t, kSize> encode() const;
    // bytes holds at least kSize bytes.
    static RelayRecord decode(std::span<const std::uint8_t> bytes);

    // The event list text behind the name.
    std::string describe(bool weeklyView = true) const;

    bool operator==(const RelayRecord&) const = default;
};

} // namespace corvane

#pragma once

#include "events/EventKind.h"

#include <array>
#include <cstdint>
#include <span>
#include <string>

namespace corvane {

// A contact input (0..7) and what it drives, by actionType: 0 DMX (target is the
// first channel), 1 Relay (target is the relay 1..8, increment holds the relay
// state 0 Off, 1 On), 2 Audio (target 0 Enable, 1 Disable). 36 bytes.
struct SensorRecord {
    static constexpr EventKind kKind = EventKind::Sensor;
    static constexpr std::size_t kSize = 36;
    static constexpr std::size_t kNameOffset = 10;

    std::uint8_t contact = 0;
    std::uint8_t firstSetting = 0;
    std::uint8_t secondSetting = 0;
    std::uint8_t actionType = 0;
    std::uint16_t target = 0;
    std::uint16_t lastChannel = 0;
    std::uint8_t increment = 0;
    std::uint8_t level = 0;

    std::string name;

    std::array<std::uint8_t, kSize> encode() const;
    // bytes holds at least kSize bytes.
    static SensorRecord decode(std::span<const std::uint8_t> bytes);

    // The event list text behind the name.
    std::string describe(bool weeklyView = true) const;

    bool operator==(const SensorRecord&) const = default;
};

} // namespace corvane

#pragma once

#include "events/EventKind.h"

#include <array>
#include <cstdint>
#include <span>
#include <string>

namespace corvane {

// A voltage window on analog input 0..3 and what it drives, by action: 0 DMX
// (target is the first channel), 1 Relay (target is the relay 1..8, increment
// holds the relay state 0 OFF, 1 ON). Volts are whole + hundredths. 40 bytes.
struct AnalogRecord {
    static constexpr EventKind kKind = EventKind::Analog;
    static constexpr std::size_t kSize = 40;
    static constexpr std::size_t kNameOffset = 12;

    std::uint8_t input = 0;
    std::uint8_t lowVolts = 0;
    std::uint8_t lowHundredths = 0;
    std::uint8_t highVolts = 0;
    std::uint8_t highHundredths = 0;
    std::uint8_t action = 0;
    std::uint16_t target = 0;
    std::uint16_t lastChannel = 0;
    std::uint8_t increment = 0;
    std::uint8_t level = 0;

    std::string name;

    std::array<std::uint8_t, kSize> encode() const;
    // bytes holds at least kSize bytes.
    static AnalogRecord decode(std::span<const std::uint8_t> bytes);

    // The event list text behind the name.
    std::string describe(bool weeklyView = true) const;

    bool operator==(const AnalogRecord&) const = default;
};

} // namespace corvane

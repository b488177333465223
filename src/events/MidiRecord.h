#pragma once

#include "events/EventKind.h"

#include <array>
#include <cstdint>
#include <span>
#include <string>

namespace corvane {

// A MIDI note event: channel 1..16 or 17 for all, noteState 0xFF on / 0 off,
// action 0 Hold, 1 INC, 2 DEC, 3 Toggle. 36 bytes.
struct MidiRecord {
    static constexpr EventKind kKind = EventKind::Midi;
    static constexpr std::size_t kSize = 36;
    static constexpr std::size_t kNameOffset = 10;

    std::uint8_t channel = 0;
    std::uint8_t note = 0;
    std::uint8_t noteState = 0;
    std::uint8_t action = 0;
    std::uint16_t firstChannel = 0;
    std::uint16_t lastChannel = 0;
    std::uint8_t increment = 0;
    std::uint8_t level = 0;

    std::string name;

    std::array<std::uint8_t, kSize> encode() const;
    // bytes holds at least kSize bytes.
    static MidiRecord decode(std::span<const std::uint8_t> bytes);

    // The event list text behind the name.
    std::string describe(bool weeklyView = true) const;

    bool operator==(const MidiRecord&) const = default;
};

} // namespace corvane

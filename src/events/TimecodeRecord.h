#pragma once

#include "events/EventKind.h"

#include <array>
#include <cstdint>
#include <span>
#include <string>

namespace corvane {

// A window of incoming timecode. 40 bytes.
struct TimecodeRecord {
    static constexpr EventKind kKind = EventKind::Timecode;
    static constexpr std::size_t kSize = 40;
    static constexpr std::size_t kNameOffset = 14;

    std::uint8_t startHours = 0;
    std::uint8_t startMinutes = 0;
    std::uint8_t startSeconds = 0;
    std::uint8_t startFrames = 0;
    std::uint8_t endHours = 0;
    std::uint8_t endMinutes = 0;
    std::uint8_t endSeconds = 0;
    std::uint8_t endFrames = 0;
    std::uint16_t firstChannel = 0;
    std::uint16_t lastChannel = 0;
    std::uint8_t increment = 0;
    std::uint8_t level = 0;

    std::string name;

    std::array<std::uint8_t, kSize> encode() const;
    // bytes holds at least kSize bytes.
    static TimecodeRecord decode(std::span<const std::uint8_t> bytes);

    // The event list text behind the name.
    std::string describe(bool weeklyView = true) const;

    bool operator==(const TimecodeRecord&) const = default;
};

} // namespace corvane

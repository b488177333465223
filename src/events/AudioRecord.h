#pragma once

#include "events/EventKind.h"

#include <array>
#include <cstdint>
#include <span>
#include <string>

namespace corvane {

// An event on one band of the audio input: side 0 Left, 1 Right, 2 All; band
// 1 (16kHz) .. 14 (42Hz); pixel mode 0 One Pixel, 1 More Pixel, held twice. 36 bytes.
struct AudioRecord {
    static constexpr EventKind kKind = EventKind::Audio;
    static constexpr std::size_t kSize = 36;
    static constexpr std::size_t kNameOffset = 9;

    std::uint8_t side = 0;
    std::uint8_t band = 0;
    std::uint16_t firstChannel = 0;
    std::uint16_t lastChannel = 0;
    std::uint8_t increment = 0;
    std::uint8_t pixelMode = 0;
    std::uint8_t pixelModeCopy = 0;

    std::string name;

    std::array<std::uint8_t, kSize> encode() const;
    // bytes holds at least kSize bytes.
    static AudioRecord decode(std::span<const std::uint8_t> bytes);

    // The event list text behind the name.
    std::string describe(bool weeklyView = true) const;

    bool operator==(const AudioRecord&) const = default;
};

} // namespace corvane

#pragma once

#include <cstdint>

namespace corvane {

// A colour as the UI file writes it: 0x00BBGGRR, red in the low byte
// (white is 16777215).
using ColorRef = std::uint32_t;

constexpr ColorRef MakeColorRef(std::uint32_t red, std::uint32_t green, std::uint32_t blue) {
    return (red & 0xFFu) | ((green & 0xFFu) << 8) | ((blue & 0xFFu) << 16);
}
constexpr int RedOf(ColorRef c) {
    return static_cast<int>(c & 0xFFu);
}
constexpr int GreenOf(ColorRef c) {
    return static_cast<int>((c >> 8) & 0xFFu);
}
constexpr int BlueOf(ColorRef c) {
    return static_cast<int>((c >> 16) & 0xFFu);
}

// Pixels of this colour are cut out of control mask images and thumbs.
constexpr ColorRef kControlMaskColor = 0xFF00FF;

} // namespace corvane

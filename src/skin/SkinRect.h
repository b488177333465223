#pragma once

#include <algorithm>
#include <cstdint>
#include <limits>
#include <string_view>

namespace corvane {

// A rectangle in the client coordinates of the window that owns a control:
// left, top, right and bottom edge in pixels (right and bottom exclusive).
struct SkinRect {
    std::int32_t left = 0;
    std::int32_t top = 0;
    std::int32_t right = 0;
    std::int32_t bottom = 0;

    // Saturated at the int32 range: the edges come from any text of a UI file.
    std::int32_t width() const { return Saturated(std::int64_t{right} - left); }
    std::int32_t height() const { return Saturated(std::int64_t{bottom} - top); }
    bool operator==(const SkinRect&) const = default;

    static std::int32_t Saturated(std::int64_t value) {
        return static_cast<std::int32_t>(
            std::clamp<std::int64_t>(value, std::numeric_limits<std::int32_t>::min(),
                                     std::numeric_limits<std::int32_t>::max()));
    }
};

// Reads "left,top,right,bottom". Each field is taken like atoi (leading
// blanks skipped, stops at the first non-digit); the fields after the first
// missing one are 0, and text after a fourth comma is ignored.
SkinRect ParseRect(std::string_view text);

// The rectangle grown downwards by extra pixels (a combo box and its dropped
// list); saturates instead of overflowing.
SkinRect GrowBottom(const SkinRect& rect, std::int32_t extra);

} // namespace corvane

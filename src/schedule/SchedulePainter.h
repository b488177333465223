#pragma once

#include <cstdint>
#include <string_view>

namespace corvane {

struct Rgb {
    std::uint8_t r = 0;
    std::uint8_t g = 0;
    std::uint8_t b = 0;

    bool operator==(const Rgb&) const = default;
};

// What the schedule picture is drawn on: the SVG and PNG writers of the core
// and the window's view each implement it, so all draw the same picture.
class SchedulePainter {
public:
    virtual ~SchedulePainter() = default;
    virtual void fillRect(int x, int y, int width, int height, Rgb colour) = 0;
    // Capital letters, digits and ":-/" in cells of kGlyphWidth by kGlyphHeight
    // pixels, the text's top left at x, y.
    virtual void text(int x, int y, std::string_view text, Rgb colour) = 0;
};

inline constexpr int kGlyphWidth = 8;
inline constexpr int kGlyphHeight = 10;

} // namespace corvane

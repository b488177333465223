#pragma once

#include "schedule/SchedulePainter.h"

#include <cstdint>
#include <vector>

namespace corvane {

// Paints into an RGB image in memory (rows top to bottom, 3 bytes a pixel),
// clipped to its size; text in a small built-in font.
class RasterPainter : public SchedulePainter {
public:
    RasterPainter(int width, int height);

    void fillRect(int x, int y, int width, int height, Rgb colour) override;
    void text(int x, int y, std::string_view text, Rgb colour) override;

    int width() const { return width_; }
    int height() const { return height_; }
    const std::vector<std::uint8_t>& pixels() const { return pixels_; }
    Rgb pixel(int x, int y) const;

private:
    int width_;
    int height_;
    std::vector<std::uint8_t> pixels_;
};

// The image as a PNG file: 8-bit RGB, no interlace, deflated by zlib.
std::vector<std::uint8_t> EncodePng(const RasterPainter& image);

} // namespace corvane

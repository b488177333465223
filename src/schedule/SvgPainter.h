#pragma once

#include "schedule/SchedulePainter.h"

#include <string>

namespace corvane {

// Collects the picture as an SVG document of width by height pixels.
class SvgPainter : public SchedulePainter {
public:
    SvgPainter(int width, int height);

    void fillRect(int x, int y, int width, int height, Rgb colour) override;
    void text(int x, int y, std::string_view text, Rgb colour) override;

    // The whole document, closed.
    std::string document() const;

private:
    int width_;
    int height_;
    std::string body_;
};

} // namespace corvane

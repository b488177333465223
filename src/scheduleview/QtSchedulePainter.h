#pragma once

#include "schedule/SchedulePainter.h"

class QPainter;

namespace corvane {

// The schedule picture on a QPainter: rectangles as they are, text in the
// built-in glyph font, so the window shows what corvanectl writes to a PNG.
class QtSchedulePainter final : public SchedulePainter {
public:
    explicit QtSchedulePainter(QPainter& painter) : painter_(painter) {}

    void fillRect(int x, int y, int width, int height, Rgb colour) override;
    void text(int x, int y, std::string_view text, Rgb colour) override;

private:
    QPainter& painter_;
};

} // namespace corvane

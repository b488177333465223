#include "scheduleview/QtSchedulePainter.h"

#include "schedule/GlyphFont.h"

#include <QColor>
#include <QPainter>

namespace corvane {

void QtSchedulePainter::fillRect(int x, int y, int width, int height, Rgb colour) {
    painter_.fillRect(x, y, width, height, QColor(colour.r, colour.g, colour.b));
}

void QtSchedulePainter::text(int x, int y, std::string_view text, Rgb colour) {
    DrawGlyphText(*this, x, y, text, colour);
}

} // namespace corvane

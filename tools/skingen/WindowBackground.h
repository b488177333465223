#pragma once

#include "WindowDecor.h"

#include <QImage>

namespace corvane::skingen {

// Paints a window's own surface: the body (with rounded corners in the mask
// colour for a top-level window), the caption strip, cards, wells and group
// headings. Control faces are added on top by the window renderer.
class WindowBackground {
public:
    explicit WindowBackground(const WindowDecor& decor) : decor_(decor) {}

    QImage paint() const;

private:
    void paintBody(QPainter& painter) const;
    void cutCorners(QImage& image) const;
    void paintTitleBar(QPainter& painter) const;
    void paintLogo(QPainter& painter, const QPointF& centre) const;
    void paintHeading(QPainter& painter, const Heading& heading) const;
    void paintPanelTitle(QPainter& painter) const;

    const WindowDecor& decor_;
};

} // namespace corvane::skingen

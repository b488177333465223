#pragma once

#include "WindowRenderer.h"

#include <QImage>

namespace corvane::skingen {

// The review picture of a window: its normal image with every control's text
// drawn as the control would draw it (captions, sample values in fields, the
// checked look where the control asks for it with PreviewChecked).
class PreviewPainter {
public:
    explicit PreviewPainter(const RenderedWindow& window) : window_(window) {}

    QImage paint() const;

    // All four state images side by side with their state letter, for
    // checking hover, pressed and disabled looks at once.
    QImage paintStateSheet() const;

private:
    void paintControl(QPainter& painter, const RenderControl& control) const;

    const RenderedWindow& window_;
};

} // namespace corvane::skingen

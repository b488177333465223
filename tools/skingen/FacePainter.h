#pragma once

#include "Face.h"
#include "skin/ControlDescription.h"

#include <QRect>

class QBrush;
class QColor;
class QPainter;

namespace corvane::skingen {

// A 1-pixel outline sits on pixel centres, so boxes are inset by half a pixel.
QRectF OutlineBox(const QRectF& rect);

// A rounded box with a 1-pixel border, as the faces and the window cards use.
void FillRounded(QPainter& painter, const QRectF& box, qreal radius, const QBrush& fill,
                 const QColor& border);

// Draws the face of one control in one visual state at its rectangle. The
// controls copy these pixels back out of the window images, so everything a
// control shows behind its text is drawn here.
class FacePainter {
public:
    // buttonWidth: the arrow area of a combo box at its right edge.
    FacePainter(Face face, VisualState state, bool checked, int buttonWidth = 18);

    void paint(QPainter& painter, const QRect& rect) const;

private:
    void paintButton(QPainter& painter, const QRectF& box, bool accent) const;
    void paintToggle(QPainter& painter, const QRectF& box, qreal radius) const;
    void paintTitleButton(QPainter& painter, const QRectF& box, bool close) const;
    void paintCombo(QPainter& painter, const QRectF& box) const;
    void paintWell(QPainter& painter, const QRectF& box) const;
    void paintDisplay(QPainter& painter, const QRectF& box) const;

    Face face_;
    VisualState state_;
    bool checked_;
    int buttonWidth_;
};

} // namespace corvane::skingen

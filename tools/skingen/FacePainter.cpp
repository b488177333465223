#include "FacePainter.h"

#include "SkinTheme.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace corvane::skingen {

QRectF OutlineBox(const QRectF& rect) {
    return rect.adjusted(0.5, 0.5, -0.5, -0.5);
}

void FillRounded(QPainter& painter, const QRectF& box, qreal radius, const QBrush& fill,
                 const QColor& border) {
    painter.setPen(QPen(border, 1.0));
    painter.setBrush(fill);
    painter.drawRoundedRect(box, radius, radius);
}

namespace {

QBrush VerticalShade(const QRectF& box, const QColor& colour, int lighter = 108) {
    QLinearGradient gradient(box.topLeft(), box.bottomLeft());
    gradient.setColorAt(0.0, colour.lighter(lighter));
    gradient.setColorAt(1.0, colour);
    return gradient;
}

} // namespace

FacePainter::FacePainter(Face face, VisualState state, bool checked, int buttonWidth)
    : face_(face), state_(state), checked_(checked), buttonWidth_(buttonWidth) {}

void FacePainter::paint(QPainter& painter, const QRect& rect) const {
    if (rect.isEmpty())
        return;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    const QRectF box = OutlineBox(rect);
    switch (face_) {
    case Face::None:
        break;
    case Face::Button:
        paintButton(painter, box, false);
        break;
    case Face::Accent:
        paintButton(painter, box, true);
        break;
    case Face::Tab:
        paintToggle(painter, box, 5.0);
        break;
    case Face::Chip:
    case Face::Segment:
        paintToggle(painter, box, 4.0);
        break;
    case Face::TitleMinimise:
        paintTitleButton(painter, box, false);
        break;
    case Face::TitleClose:
        paintTitleButton(painter, box, true);
        break;
    case Face::Combo:
        paintCombo(painter, box);
        break;
    case Face::Well:
        paintWell(painter, box);
        break;
    case Face::Display:
        paintDisplay(painter, box);
        break;
    }
    painter.restore();
}

void FacePainter::paintButton(QPainter& painter, const QRectF& box, bool accent) const {
    // The controller commands wear a blue tint so they read as one group.
    const QColor normal = accent ? theme::kAccentFace : theme::kFace;
    const QColor hover = accent ? theme::kAccentFaceHover : theme::kFaceHover;
    switch (state_) {
    case kStateNormal:
        FillRounded(painter, box, 4, VerticalShade(box, normal),
                    accent ? theme::kAccentMuted : theme::kFaceBorder);
        break;
    case kStateHover:
        FillRounded(painter, box, 4, VerticalShade(box, hover),
                    accent ? theme::kAccent : theme::kFaceHoverBorder);
        break;
    case kStatePressed:
        FillRounded(painter, box, 4, theme::kAccentPressed, theme::kAccent);
        break;
    case kStateDisabled:
        FillRounded(painter, box, 4, theme::kFaceDisabled, theme::kFaceDisabledBorder);
        break;
    }
}

void FacePainter::paintToggle(QPainter& painter, const QRectF& box, qreal radius) const {
    if (!checked_) {
        switch (state_) {
        case kStateNormal:
            FillRounded(painter, box, radius, theme::kFace.darker(115), theme::kFaceBorder);
            break;
        case kStateHover:
            FillRounded(painter, box, radius, theme::kFaceHover, theme::kFaceHoverBorder);
            break;
        case kStatePressed:
            FillRounded(painter, box, radius, theme::kAccentPressed, theme::kAccent);
            break;
        case kStateDisabled:
            FillRounded(painter, box, radius, theme::kFaceDisabled, theme::kFaceDisabledBorder);
            break;
        }
        return;
    }
    // Checked chips show black text at rest (the framework's checked colour),
    // so they rest on a light accent; tabs get white text from their window.
    const bool lightRest = face_ != Face::Tab;
    switch (state_) {
    case kStateNormal:
        if (lightRest)
            FillRounded(painter, box, radius, VerticalShade(box, theme::kAccentSoft, 106),
                        theme::kAccent);
        else
            FillRounded(painter, box, radius, VerticalShade(box, theme::kAccent, 112),
                        theme::kAccentHover);
        break;
    case kStateHover:
        FillRounded(painter, box, radius, VerticalShade(box, theme::kAccentHover, 110),
                    theme::kAccentLight);
        break;
    case kStatePressed:
        FillRounded(painter, box, radius, theme::kAccentPressed, theme::kAccent);
        break;
    case kStateDisabled:
        FillRounded(painter, box, radius, theme::kCheckedDisabled,
                    theme::kCheckedDisabled.lighter(115));
        break;
    }
    if (face_ == Face::Tab && state_ != kStateDisabled) {
        // The selected kind carries a bright bar along its bottom edge.
        painter.setPen(Qt::NoPen);
        painter.setBrush(theme::kAccentLight);
        painter.drawRoundedRect(QRectF(box.left() + 8, box.bottom() - 3.5, box.width() - 16, 3),
                                1.5, 1.5);
    }
}

void FacePainter::paintTitleButton(QPainter& painter, const QRectF& box, bool close) const {
    QColor glyph = theme::kGlyph;
    if (state_ == kStateHover || state_ == kStatePressed) {
        const QColor fill =
            close ? (state_ == kStateHover ? theme::kDanger : theme::kDangerPressed)
                  : (state_ == kStateHover ? theme::kFaceHover : theme::kAccentPressed);
        FillRounded(painter, box, 4, fill, fill);
        glyph = Qt::white;
    } else if (state_ == kStateDisabled) {
        glyph = theme::kFaceDisabledBorder;
    }
    painter.setPen(QPen(glyph, 1.6, Qt::SolidLine, Qt::RoundCap));
    const QPointF c = box.center();
    if (close) {
        painter.drawLine(c + QPointF(-4.5, -4.5), c + QPointF(4.5, 4.5));
        painter.drawLine(c + QPointF(-4.5, 4.5), c + QPointF(4.5, -4.5));
    } else {
        painter.drawLine(c + QPointF(-5, 3.5), c + QPointF(5, 3.5));
    }
}

void FacePainter::paintCombo(QPainter& painter, const QRectF& box) const {
    QColor fill = theme::kField;
    QColor border = theme::kFieldBorder;
    switch (state_) {
    case kStateNormal:
        break;
    case kStateHover:
        fill = theme::kFieldHover;
        border = theme::kAccent;
        break;
    case kStatePressed:
        fill = theme::kFieldPressed;
        border = theme::kAccentPressed;
        break;
    case kStateDisabled:
        fill = theme::kFieldDisabled;
        border = theme::kFaceBorder;
        break;
    }
    FillRounded(painter, box, 3, VerticalShade(box, fill, 104), border);

    // The arrow area: a slightly darker strip with a chevron.
    const qreal arrowLeft = box.right() - buttonWidth_ + 1;
    QPainterPath strip;
    strip.addRoundedRect(box.adjusted(1, 1, -1, -1), 2, 2);
    QPainterPath right;
    right.addRect(QRectF(arrowLeft, box.top(), box.right() - arrowLeft + 1, box.height() + 1));
    painter.setPen(Qt::NoPen);
    painter.setBrush(state_ == kStateDisabled ? fill.darker(108) : theme::kFieldButton);
    painter.drawPath(strip.intersected(right));
    painter.setPen(QPen(border.lighter(105), 1.0));
    painter.drawLine(QPointF(arrowLeft, box.top() + 1), QPointF(arrowLeft, box.bottom() - 1));

    const QPointF c(arrowLeft + (box.right() - arrowLeft) / 2.0 + 0.5, box.center().y() + 0.5);
    painter.setPen(QPen(state_ == kStateDisabled ? theme::kFaceBorder : theme::kFieldGlyph, 1.6,
                        Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(Qt::NoBrush);
    QPolygonF chevron;
    chevron << c + QPointF(-4, -2) << c + QPointF(0, 2) << c + QPointF(4, -2);
    painter.drawPolyline(chevron);
}

void FacePainter::paintWell(QPainter& painter, const QRectF& box) const {
    QColor fill = theme::kField;
    QColor border = theme::kFieldBorder;
    if (state_ == kStateHover)
        border = theme::kAccent;
    if (state_ == kStatePressed)
        border = theme::kAccentPressed;
    if (state_ == kStateDisabled) {
        fill = theme::kFieldDisabled;
        border = theme::kFaceBorder;
    }
    FillRounded(painter, box, 3, fill, border);
    // A soft inner shadow along the top makes the field read as sunken.
    painter.setPen(QPen(fill.darker(112), 1.0));
    painter.drawLine(QPointF(box.left() + 2, box.top() + 1),
                     QPointF(box.right() - 2, box.top() + 1));
}

void FacePainter::paintDisplay(QPainter& painter, const QRectF& box) const {
    FillRounded(painter, box, 3, theme::kDisplay,
                state_ == kStateDisabled ? theme::kFaceDisabledBorder : theme::kDisplayBorder);
}

} // namespace corvane::skingen

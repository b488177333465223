#include "skin/controls/UIStatic.h"

#include "skin/controls/Drawing.h"

#include <QMouseEvent>
#include <QPainter>

namespace corvane {

UIStatic::UIStatic(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_NoSystemBackground);
    fonts_.fill(font());
}

void UIStatic::setText(const QString& text) {
    if (text == text_)
        return;
    text_ = text;
    update();
}

void UIStatic::setImages(const std::array<QImage, 2>& images) {
    images_ = images;
    update();
}

void UIStatic::setTextFonts(const std::array<QFont, 2>& fonts) {
    fonts_ = fonts;
    update();
}

void UIStatic::setTextColors(const std::array<QRgb, 2>& colors) {
    colors_ = colors;
    update();
}

void UIStatic::setTextLayouts(const std::array<TextLayout, 2>& layouts) {
    layouts_ = layouts;
    update();
}

void UIStatic::setNoWrap(bool noWrap) {
    noWrap_ = noWrap;
    update();
}

TextBox UIStatic::captionBox(Look look) const {
    return LayoutStaticText(rect(), noWrap_, layouts_[look], fonts_[look], text_);
}

bool UIStatic::paintFace(QPainter& painter, Look look) const {
    if (images_[kLookNormal].isNull())
        return false;
    // A disabled look without its own image keeps the normal background.
    DrawPiece(painter, images_[look].isNull() ? images_[kLookNormal] : images_[look]);
    painter.setFont(fonts_[look]);
    painter.setPen(QColor(colors_[look]));
    const TextBox box = captionBox(look);
    DrawFormattedText(painter, box.rect, text_, box.format);
    return true;
}

QImage UIStatic::renderFace(Look look) const {
    return RenderFace(size(), [&](QPainter& painter) { return paintFace(painter, look); });
}

void UIStatic::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    paintFace(painter, currentLook());
}

void UIStatic::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
    QWidget::mouseReleaseEvent(event);
}

} // namespace corvane

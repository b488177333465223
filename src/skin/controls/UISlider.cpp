#include "skin/controls/UISlider.h"

#include "skin/ColorRef.h"
#include "skin/controls/Drawing.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyleOptionSlider>

namespace corvane {

namespace {

// The thumb image stretched (nearest pixel) to the thumb's size, its key-colour
// pixels made transparent.
QImage KeyedThumb(const QImage& thumb, QSize size) {
    if (size.isEmpty())
        return {};
    QImage keyed = thumb.size() == size
                       ? thumb
                       : thumb.scaled(size, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    keyed = keyed.convertToFormat(QImage::Format_ARGB32);
    const QRgb key = RgbFromColorRef(kControlMaskColor) & 0x00FFFFFF;
    for (int y = 0; y < keyed.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(keyed.scanLine(y));
        for (int x = 0; x < keyed.width(); ++x) {
            if ((line[x] & 0x00FFFFFF) == key)
                line[x] = 0;
        }
    }
    return keyed;
}

} // namespace

UISlider::UISlider(Qt::Orientation orientation, QWidget* parent) : QSlider(orientation, parent) {
    setMouseTracking(true);
    setTickPosition(QSlider::NoTicks);
    setAttribute(Qt::WA_NoSystemBackground);
    setInvertedAppearance(orientation == Qt::Vertical);
    setInvertedControls(orientation == Qt::Vertical);
}

void UISlider::setBackgroundImages(const QImage& normal, const QImage& hover) {
    normal_ = normal;
    hover_ = hover;
    update();
}

void UISlider::setThumbImages(const PerState<QImage>& thumbs) {
    thumbs_ = thumbs;
    update();
}

void UISlider::setMarkEnabled(bool enabled) {
    mark_ = enabled;
    update();
}

QRect UISlider::thumbRect() const {
    QStyleOptionSlider option;
    initStyleOption(&option);
    return style()->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderHandle, this);
}

VisualState UISlider::thumbState() const {
    if (!isEnabled())
        return kStateDisabled;
    if (isSliderDown())
        return kStatePressed;
    if (thumbRect().contains(cursor_))
        return kStateHover;
    return kStateNormal;
}

void UISlider::paintFace(QPainter& painter, VisualState thumb) const {
    painter.fillRect(rect(), Qt::white);
    DrawPiece(painter, normal_);
    const QRect handle = thumbRect();
    if (mark_ && !hover_.isNull()) {
        // The hover image fills from the start up to the thumb's centre.
        const QRect marked = orientation() == Qt::Horizontal
                                 ? QRect(0, 0, handle.center().x(), height())
                                 : QRect(0, 0, width(), handle.center().y());
        const QRect source = marked.translated(-hover_.offset()).intersected(hover_.rect());
        painter.drawImage(source.topLeft() + hover_.offset(), hover_, source);
    }
    if (thumbs_[kStateNormal].isNull()) {
        QStyleOptionSlider option;
        initStyleOption(&option);
        option.subControls = QStyle::SC_SliderHandle;
        style()->drawComplexControl(QStyle::CC_Slider, &option, &painter, this);
        return;
    }
    // A state without its own thumb shows the normal one. Only the thumb is
    // composed off screen, never the whole control.
    const QImage& image = thumbs_[thumb].isNull() ? thumbs_[kStateNormal] : thumbs_[thumb];
    painter.drawImage(handle.topLeft(), KeyedThumb(image, handle.size()));
}

QImage UISlider::renderFace(VisualState thumb) const {
    QImage face(size(), QImage::Format_RGB32);
    QPainter painter(&face);
    paintFace(painter, thumb);
    return face;
}

void UISlider::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    paintFace(painter, thumbState());
}

void UISlider::keyPressEvent(QKeyEvent* event) {
    SliderAction action = SliderNoAction;
    switch (event->key()) {
    case Qt::Key_Left:
    case Qt::Key_Up:
        action = SliderSingleStepSub;
        break;
    case Qt::Key_Right:
    case Qt::Key_Down:
        action = SliderSingleStepAdd;
        break;
    case Qt::Key_PageUp:
        action = SliderPageStepSub;
        break;
    case Qt::Key_PageDown:
        action = SliderPageStepAdd;
        break;
    case Qt::Key_Home:
        action = SliderToMinimum;
        break;
    case Qt::Key_End:
        action = SliderToMaximum;
        break;
    default:
        QSlider::keyPressEvent(event);
        return;
    }
    triggerAction(action);
    event->accept();
}

void UISlider::mouseMoveEvent(QMouseEvent* event) {
    const bool wasOver = thumbRect().contains(cursor_);
    cursor_ = event->position().toPoint();
    if (wasOver != thumbRect().contains(cursor_))
        update();
    QSlider::mouseMoveEvent(event);
}

void UISlider::leaveEvent(QEvent* event) {
    cursor_ = QPoint(-1, -1);
    update();
    QSlider::leaveEvent(event);
}

} // namespace corvane

#include "skin/controls/UISlider.h"

#include "skin/ColorRef.h"
#include "skin/controls/Drawing.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyleOptionSlider>

namespace corvane {

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

QImage UISlider::renderFace(VisualState thumb) const {
    QImage face(size(), QImage::Format_RGB32);
    face.fill(Qt::white);
    QPainter painter(&face);
    painter.drawImage(0, 0, normal_);
    const QRect handle = thumbRect();
    if (mark_ && !hover_.isNull()) {
        // The hover image fills from the start up to the thumb's centre.
        const QRect marked = orientation() == Qt::Horizontal
                                 ? QRect(0, 0, handle.center().x(), height())
                                 : QRect(0, 0, width(), handle.center().y());
        painter.drawImage(marked.topLeft(), hover_, marked);
    }
    if (thumbs_[kStateNormal].isNull()) {
        QStyleOptionSlider option;
        initStyleOption(&option);
        option.subControls = QStyle::SC_SliderHandle;
        style()->drawComplexControl(QStyle::CC_Slider, &option, &painter, this);
        return face;
    }
    painter.end();
    // A state without its own thumb shows the normal one.
    const QImage& image = thumbs_[thumb].isNull() ? thumbs_[kStateNormal] : thumbs_[thumb];
    DrawTransparent(face, handle, image, image.rect(), RgbFromColorRef(kControlMaskColor));
    return face;
}

void UISlider::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawImage(0, 0, renderFace(thumbState()));
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

#include "skin/controls/SpinButton.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyleOption>

namespace corvane {

SpinButton::SpinButton(QWidget* parent) : QWidget(parent) {
    setFocusPolicy(Qt::StrongFocus);
    connect(&repeatTimer_, &QTimer::timeout, this, &SpinButton::repeat);
}

void SpinButton::setRange(int lower, int upper) {
    lower_ = lower;
    upper_ = upper;
    position_ = clamp(position_);
    update();
}

void SpinButton::setPosition(int position) {
    position_ = clamp(position);
    update();
}

void SpinButton::setAutoRepeat(int delayMs, int intervalMs) {
    repeatDelay_ = delayMs;
    repeatInterval_ = intervalMs;
}

int SpinButton::clamp(int position) const {
    return qBound(qMin(lower_, upper_), position, qMax(lower_, upper_));
}

void SpinButton::step(bool up) {
    const int towards = up ? upper_ : lower_;
    const int next = position_ + (towards > position_ ? 1 : towards < position_ ? -1 : 0);
    if (next == position_)
        return;
    position_ = next;
    update();
    emit scrolled(position_);
}

QSize SpinButton::sizeHint() const {
    return {16, 24};
}

void SpinButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), palette().button());
    // The two halves are drawn as the style's arrow buttons.
    const int half = height() / 2;
    QStyleOption arrow;
    arrow.initFrom(this);
    arrow.rect = QRect(0, 0, width(), half);
    style()->drawPrimitive(QStyle::PE_IndicatorArrowUp, &arrow, &painter, this);
    arrow.rect = QRect(0, half, width(), height() - half);
    style()->drawPrimitive(QStyle::PE_IndicatorArrowDown, &arrow, &painter, this);
    if (held_ != Held::None) {
        const QRect pressed = held_ == Held::Up ? QRect(0, 0, width(), half)
                                                : QRect(0, half, width(), height() - half);
        painter.fillRect(pressed, QColor(0, 0, 0, 40));
    }
    painter.setPen(palette().dark().color());
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
    painter.drawLine(0, half, width() - 1, half);
}

void SpinButton::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton)
        return;
    held_ = event->position().y() < height() / 2 ? Held::Up : Held::Down;
    step(held_ == Held::Up);
    repeatTimer_.start(repeatDelay_);
    update();
}

void SpinButton::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton)
        return;
    held_ = Held::None;
    repeatTimer_.stop();
    update();
}

void SpinButton::repeat() {
    if (held_ == Held::None) {
        repeatTimer_.stop();
        return;
    }
    repeatTimer_.setInterval(repeatInterval_);
    step(held_ == Held::Up);
}

void SpinButton::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Up:
        step(true);
        break;
    case Qt::Key_Down:
        step(false);
        break;
    default:
        QWidget::keyPressEvent(event);
    }
}

} // namespace corvane

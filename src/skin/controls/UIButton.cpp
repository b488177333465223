#include "skin/controls/UIButton.h"

#include "skin/controls/Drawing.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

namespace corvane {

ButtonLook ChooseButtonLook(bool checked, bool enabled, bool heldWithMouse, bool hover) {
    if (!enabled)
        return {checked, kStateDisabled};
    if (heldWithMouse)
        return {checked, hover ? kStatePressed : kStateHover};
    return {checked, hover ? kStateHover : kStateNormal};
}

UIButton::UIButton(ButtonKind kind, QWidget* parent) : QAbstractButton(parent), kind_(kind) {
    setCheckable(kind != ButtonKind::Push);
    setMouseTracking(true);
    setAttribute(Qt::WA_NoSystemBackground);
    fonts_[0].fill(font());
    fonts_[1].fill(font());
}

void UIButton::setStateImages(const PerState<QImage>& images) {
    images_[0] = images;
    update();
}

void UIButton::setCheckedImages(const PerState<QImage>& images) {
    images_[1] = images;
    update();
}

void UIButton::setTextFonts(const PerState<QFont>& fonts) {
    fonts_[0] = fonts;
    update();
}

void UIButton::setCheckedTextFonts(const PerState<QFont>& fonts) {
    fonts_[1] = fonts;
    update();
}

void UIButton::setTextColors(const PerState<QRgb>& colors) {
    colors_[0] = colors;
    update();
}

void UIButton::setCheckedTextColors(const PerState<QRgb>& colors) {
    colors_[1] = colors;
    update();
}

void UIButton::setTextLayouts(const PerState<TextLayout>& layouts) {
    layouts_[0] = layouts;
    update();
}

void UIButton::setCheckedTextLayouts(const PerState<TextLayout>& layouts) {
    layouts_[1] = layouts;
    update();
}

void UIButton::setFocusRectEnabled(bool enabled) {
    focusRect_ = enabled;
    update();
}

void UIButton::setMultiline(bool multiline) {
    multiline_ = multiline;
    update();
}

ButtonLook UIButton::currentLook() const {
    const bool leftDown = QGuiApplication::mouseButtons() & Qt::LeftButton;
    return ChooseButtonLook(isCheckable() && isChecked(), isEnabled(), pressed_ && leftDown,
                            hover_);
}

TextBox UIButton::captionBox(ButtonLook look) const {
    return LayoutButtonText(rect(), multiline_, layouts_[look.checked][look.state],
                            fonts_[look.checked][look.state], text());
}

bool UIButton::paintFace(QPainter& painter, ButtonLook look) const {
    const QImage& image = images_[look.checked][look.state];
    if (image.isNull())
        return false;
    DrawPiece(painter, image);
    painter.setFont(fonts_[look.checked][look.state]);
    painter.setPen(QColor(colors_[look.checked][look.state]));
    const TextBox box = captionBox(look);
    DrawFormattedText(painter, box.rect, text(), box.format);
    if (focusRect_ && (focusPolicy() & Qt::TabFocus) && hasFocus())
        DrawFocusRect(painter, rect());
    return true;
}

QImage UIButton::renderFace(ButtonLook look) const {
    return RenderFace(size(), [&](QPainter& painter) { return paintFace(painter, look); });
}

QSize UIButton::sizeHint() const {
    return images_[0][kStateNormal].isNull() ? QSize(75, 23) : images_[0][kStateNormal].size();
}

void UIButton::paintEvent(QPaintEvent*) {
    // A look without an image draws nothing: whatever lies behind shows.
    QPainter painter(this);
    paintFace(painter, currentLook());
}

void UIButton::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        pressed_ = true;
        hover_ = rect().contains(event->position().toPoint());
        update();
    }
    QAbstractButton::mousePressEvent(event);
}

void UIButton::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        pressed_ = false;
        update();
    }
    QAbstractButton::mouseReleaseEvent(event);
}

void UIButton::mouseMoveEvent(QMouseEvent* event) {
    const bool inside = rect().contains(event->position().toPoint());
    if (pressed_) {
        if (hover_ != inside) {
            hover_ = inside;
            update();
        }
    } else if (!hover_) {
        hover_ = true;
        update();
    }
    QAbstractButton::mouseMoveEvent(event);
}

void UIButton::leaveEvent(QEvent* event) {
    hover_ = false;
    update();
    QAbstractButton::leaveEvent(event);
}

void UIButton::focusOutEvent(QFocusEvent* event) {
    pressed_ = false;
    update();
    QAbstractButton::focusOutEvent(event);
}

void UIButton::nextCheckState() {
    if (kind_ != ButtonKind::Radio) {
        QAbstractButton::nextCheckState();
        return;
    }
    setChecked(true);
    uncheckGroupPeers();
}

// The radio buttons of this one's group, this one included, in creation order.
std::vector<UIButton*> UIButton::groupPeers() const {
    std::vector<UIButton*> peers;
    if (!parentWidget())
        return peers;
    const auto siblings = parentWidget()->findChildren<UIButton*>(Qt::FindDirectChildrenOnly);
    for (UIButton* peer : siblings) {
        if (peer->kind_ == ButtonKind::Radio && peer->radioGroup_ == radioGroup_)
            peers.push_back(peer);
    }
    return peers;
}

void UIButton::uncheckGroupPeers() {
    for (UIButton* peer : groupPeers()) {
        if (peer != this)
            peer->setChecked(false);
    }
}

void UIButton::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    const bool forward = key == Qt::Key_Down || key == Qt::Key_Right;
    const bool arrow = forward || key == Qt::Key_Up || key == Qt::Key_Left;
    if (kind_ == ButtonKind::Radio && arrow && moveInGroup(forward))
        return;
    QAbstractButton::keyPressEvent(event);
}

// Focuses and clicks the next usable radio button of the group, wrapping at
// its ends; false when there is no other.
bool UIButton::moveInGroup(bool forward) {
    const std::vector<UIButton*> peers = groupPeers();
    const auto self = std::find(peers.begin(), peers.end(), this);
    const int count = int(peers.size());
    for (int step = 1; step < count; ++step) {
        const int at = int(self - peers.begin()) + (forward ? step : -step);
        UIButton* next = peers[std::size_t((at % count + count) % count)];
        if (next->isVisible() && next->isEnabled()) {
            next->setFocus(Qt::TabFocusReason);
            next->click();
            return true;
        }
    }
    return false;
}

} // namespace corvane

#include "skin/UIWnd.h"

#include "skin/ControlFactory.h"
#include "skin/ControlReader.h"
#include "skin/SkinFiles.h"
#include "skin/WindowSkin.h"
#include "skin/controls/Drawing.h"
#include "skin/controls/UIButton.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QVariant>

namespace corvane {

namespace {

constexpr char kControlIdProperty[] = "corvaneControlId";

QString LocalPath(const std::string& path) {
    return QString::fromStdString(path);
}

} // namespace

void SetControlId(QWidget* control, int id) {
    control->setProperty(kControlIdProperty, id);
}

int ControlId(const QWidget* control) {
    const QVariant id = control->property(kControlIdProperty);
    return id.isValid() ? id.toInt() : -1;
}

UIWnd::UIWnd(QWidget* parent) : QWidget(parent) {}

UIWnd::~UIWnd() {
    // The controls go first, in creation order, then the images (members).
    for (ControlEntry& entry : controls_) {
        delete entry.control;
        entry.control = nullptr;
    }
    controls_.clear();
}

bool UIWnd::createSkin() {
    const SkinFiles files = SkinFiles::current();
    skinNumber_ = designatedSkinNumber();
    sectionName_ = QString::fromStdString(ResolveSkinSection(files, skinNumber_));
    const WindowSkin skin = ReadWindowSkin(files, sectionName_.toStdString());
    normal_ = sectionName_.isEmpty() ? QImage() : LoadSkinImage(LocalPath(skin.normalImage));
    if (normal_.isNull()) {
        skinError_ = 2;
        return false;
    }
    skinError_ = 0;
    resize(normal_.size());
    background_ = LoadSkinImage(LocalPath(skin.backgroundImage));
    if (background_.isNull())
        background_ = normal_;
    disabled_ = LoadSkinImage(LocalPath(skin.disabledImage));
    hover_ = LoadSkinImage(LocalPath(skin.hoverImage));
    pressed_ = LoadSkinImage(LocalPath(skin.pressedImage));
    // Pixels of the mask colour in the normal image are neither drawn nor hit.
    if (skin.useMaskColor)
        SetWidgetShape(this, MaskRegion(normal_, size(), RgbFromColorRef(skin.maskColor())));

    ControlFactory factory(*this);
    controls_ = factory.createControls(ReadControlDescriptions(files, sectionName_.toStdString()));
    return true;
}

QImage UIWnd::image(int code) const {
    switch (code) {
    case kImageBackground:
        return background_;
    case kImageNormal:
        return normal_;
    case kImageHover:
        return hover_;
    case kImagePressed:
        return pressed_;
    case kImageDisabled:
        return disabled_;
    default:
        return {};
    }
}

QWidget* UIWnd::control(int id) const {
    for (QObject* child : children()) {
        auto* widget = qobject_cast<QWidget*>(child);
        // Widgets without an id are never found, not even as id -1.
        if (widget && widget->property(kControlIdProperty).isValid() && ControlId(widget) == id)
            return widget;
    }
    return nullptr;
}

void UIWnd::onCommand(int, int) {}

void UIWnd::drawBackground(QPainter& painter) {
    if (!normal_.isNull())
        painter.drawImage(0, 0, background_);
}

void UIWnd::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    drawBackground(painter);
}

// Tab and the arrow keys walk the controls that are tab stops, in creation
// order, wrapping at the ends, as in a dialog box.
bool UIWnd::focusNextPrevChild(bool next) {
    std::vector<QWidget*> stops;
    QWidget* current = nullptr;
    QWidget* focus = QApplication::focusWidget();
    for (QObject* child : children()) {
        auto* widget = qobject_cast<QWidget*>(child);
        if (!widget || widget->isWindow() || !widget->isVisibleTo(this) || !widget->isEnabled() ||
            !(widget->focusPolicy() & Qt::TabFocus))
            continue;
        stops.push_back(widget);
        if (focus && (widget == focus || widget->isAncestorOf(focus)))
            current = widget;
    }
    if (stops.empty())
        return false;
    auto at = std::find(stops.begin(), stops.end(), current);
    QWidget* target = nullptr;
    if (at == stops.end())
        target = next ? stops.front() : stops.back();
    else if (next)
        target = (at + 1 == stops.end()) ? stops.front() : *(at + 1);
    else
        target = (at == stops.begin()) ? stops.back() : *(at - 1);
    target->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
    return true;
}

void UIWnd::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Right:
    case Qt::Key_Down:
        focusNextPrevChild(true);
        return;
    case Qt::Key_Left:
    case Qt::Key_Up:
        focusNextPrevChild(false);
        return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        // Return presses the window's default button.
        for (QObject* child : children()) {
            auto* button = qobject_cast<UIButton*>(child);
            if (button && button->isDefault() && button->isVisibleTo(this) && button->isEnabled()) {
                button->click();
                return;
            }
        }
        break;
    default:
        break;
    }
    QWidget::keyPressEvent(event);
}

} // namespace corvane

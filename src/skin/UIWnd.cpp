#include "skin/UIWnd.h"

#include "skin/ControlFactory.h"
#include "skin/ControlReader.h"
#include "skin/SkinFiles.h"
#include "skin/WindowSkin.h"
#include "skin/controls/Drawing.h"
#include "skin/controls/UIButton.h"

#include <QAbstractButton>
#include <QApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QVariant>
#include <algorithm>
#include <utility>

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
    // The controls go first, then the images (members) they share.
    destroyControls();
}

void UIWnd::destroyControls() {
    for (ControlEntry& entry : controls_) {
        delete entry.control;
        entry.control = nullptr;
    }
    controls_.clear();
}

bool UIWnd::createSkin() {
    // Controls share the pixels of the window's images: a second creation
    // replaces them before the images change.
    destroyControls();
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
    if (skin.useMaskColor) {
        const QRgb key = RgbFromColorRef(skin.maskColor());
        SetWidgetShape(this, MaskRegion(normal_, size(), key));
        // Where the mask only limits the input (Wayland), a top-level window
        // still leaves those pixels out: its surface starts fully transparent
        // and only the shape is painted.
        if (isWindow())
            setAttribute(Qt::WA_TranslucentBackground);
    }

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
    if (testAttribute(Qt::WA_TranslucentBackground) && !mask().isEmpty())
        painter.setClipRegion(mask());
    drawBackground(painter);
}

namespace {

// The tab stops of a window and of the skinned child windows shown in it (the
// main window's panels), in reading order: top to bottom, then left to right.
void CollectTabStops(const QWidget& window, std::vector<QWidget*>& stops) {
    for (QObject* child : window.children()) {
        auto* widget = qobject_cast<QWidget*>(child);
        if (!widget || widget->isWindow() || !widget->isVisibleTo(&window) || !widget->isEnabled())
            continue;
        if (qobject_cast<UIWnd*>(widget))
            CollectTabStops(*widget, stops);
        else if (widget->focusPolicy() & Qt::TabFocus)
            stops.push_back(widget);
    }
}

std::vector<QWidget*> TabStopsInReadingOrder(QWidget& window) {
    std::vector<QWidget*> stops;
    CollectTabStops(window, stops);
    const auto place = [&window](const QWidget* widget) {
        const QPoint at = widget->mapTo(&window, QPoint(0, 0));
        return std::pair(at.y(), at.x());
    };
    std::stable_sort(stops.begin(), stops.end(),
                     [&](const QWidget* a, const QWidget* b) { return place(a) < place(b); });
    return stops;
}

} // namespace

// Tab walks the tab stops of the whole top-level skinned window, its panels
// included, in reading order, wrapping at the ends, as in a dialog box. A
// skinned child window hands the walk to the window it sits in.
bool UIWnd::focusNextPrevChild(bool next) {
    if (auto* outer = parentWidget() ? qobject_cast<UIWnd*>(parentWidget()) : nullptr;
        outer && !isWindow())
        return outer->focusNextPrevChild(next);
    const std::vector<QWidget*> stops = TabStopsInReadingOrder(*this);
    if (stops.empty())
        return false;
    QWidget* focus = QApplication::focusWidget();
    const auto at = std::find_if(stops.begin(), stops.end(), [focus](QWidget* stop) {
        return focus && (stop == focus || stop->isAncestorOf(focus));
    });
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

// Arrow keys a button passes on move the focus between buttons; those a list,
// an edit or a combo box had no use for (at its first or last line, say) stay
// where they are, so that the next key still goes to the same control.
void UIWnd::keyPressEvent(QKeyEvent* event) {
    const bool fromButton = qobject_cast<QAbstractButton*>(QApplication::focusWidget()) != nullptr;
    switch (event->key()) {
    case Qt::Key_Right:
    case Qt::Key_Down:
        if (fromButton)
            focusNextPrevChild(true);
        return;
    case Qt::Key_Left:
    case Qt::Key_Up:
        if (fromButton)
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

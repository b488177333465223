#include "skin/controls/UIComboBox.h"

#include "skin/controls/CaptionLayout.h"
#include "skin/controls/Drawing.h"
#include "skin/controls/UIEdit.h"

#include <QAbstractItemModel>
#include <QAbstractItemView>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QProxyStyle>
#include <QStandardItemModel>

namespace corvane {

namespace {

// The role items are sorted by: their text in lower case.
constexpr int kSortKeyRole = Qt::UserRole + 77;

// The combo box case styles as the edit style bits the typing rules know.
std::uint32_t TypingStyle(std::uint32_t comboStyle) {
    std::uint32_t typing = 0;
    if (comboStyle & style::kComboUpperCase)
        typing |= style::kEditUpperCase;
    if (comboStyle & style::kComboLowerCase)
        typing |= style::kEditLowerCase;
    return typing;
}

// Styles that open a combo box as a menu (Fusion, for one) line the list up
// on the current item and ignore the visible-item limit, so a long list
// covers the screen. The skinned combo boxes always drop a plain list below
// the face, whatever the application's style, and their arrow is the skin's:
// the button width at the right edge, where any click opens the list.
class DropListStyle : public QProxyStyle {
public:
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returnData) const override {
        if (hint == SH_ComboBox_Popup)
            return 0;
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }
    QRect subControlRect(ComplexControl control, const QStyleOptionComplex* option, SubControl part,
                         const QWidget* widget) const override {
        const auto* combo = qobject_cast<const UIComboBox*>(widget);
        if (control == CC_ComboBox && part == SC_ComboBoxArrow && combo != nullptr) {
            const QRect face = option->rect;
            const int width = qBound(0, combo->buttonWidth(), face.width());
            return QRect(face.right() + 1 - width, face.top(), width, face.height());
        }
        return QProxyStyle::subControlRect(control, option, part, widget);
    }
};

// One style serves every combo box; it lives as long as the application.
QStyle* SharedDropListStyle() {
    static QPointer<QStyle> shared;
    if (!shared && QCoreApplication::instance()) {
        shared = new DropListStyle;
        shared->setParent(QCoreApplication::instance());
    }
    return shared;
}

} // namespace

UIComboBox::UIComboBox(std::uint32_t comboStyle, QWidget* parent)
    : QComboBox(parent), style_(comboStyle) {
    setMouseTracking(true);
    setAttribute(Qt::WA_NoSystemBackground);
    setInsertPolicy(QComboBox::NoInsert);
    if (QStyle* dropList = SharedDropListStyle())
        setStyle(dropList);
    const std::uint32_t kind = style_ & style::kComboStyleMask;
    if (kind == style::kComboDropDown || kind == style::kComboSimple)
        createEditLine();
    // The dropped list scrolls with a bar only with the scroll style; the
    // no-scroll-disabling style keeps the bar even when all items fit.
    if (style_ & style::kComboDisableNoScroll)
        view()->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    else if (!(style_ & style::kVScroll))
        view()->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    connect(model(), &QAbstractItemModel::rowsAboutToBeInserted, this,
            [this] { itemsAboutToBeAdded(); });
    connect(model(), &QAbstractItemModel::rowsInserted, this,
            [this](const QModelIndex&, int first, int last) { itemsAdded(first, last); });
    connect(this, &QComboBox::activated, this, [this](int index) {
        if (index != indexBeforeUser_)
            emit selectionChangedByUser();
        indexBeforeUser_ = index;
    });
}

// The editable line draws only its text, over the combo box's face.
void UIComboBox::createEditLine() {
    setEditable(true);
    QPalette palette = lineEdit()->palette();
    palette.setColor(QPalette::Base, Qt::transparent);
    palette.setColor(QPalette::Text, Qt::black);
    lineEdit()->setPalette(palette);
    lineEdit()->setAutoFillBackground(false);
    lineEdit()->installEventFilter(this);
    // What the operator types stays as typed: no item completes it inline.
    setCompleter(nullptr);
    // Pasted and programmatically set text follows the case style too.
    connect(lineEdit(), &QLineEdit::textChanged, this, [this](const QString& text) {
        const QString converted = CaseConverted(text, TypingStyle(style_));
        if (converted == text)
            return;
        const int cursor = lineEdit()->cursorPosition();
        lineEdit()->setText(converted);
        lineEdit()->setCursorPosition(cursor);
    });
}

void UIComboBox::itemsAboutToBeAdded() {
    if (!arranging_)
        wasUnselected_ = currentIndex() < 0;
}

void UIComboBox::itemsAdded(int first, int last) {
    if (arranging_)
        return;
    arranging_ = true;
    auto* items = qobject_cast<QStandardItemModel*>(model());
    for (int row = first; row <= last; ++row) {
        QString text = itemText(row);
        if (style_ & style::kComboUpperCase)
            text = text.toUpper();
        else if (style_ & style::kComboLowerCase)
            text = text.toLower();
        if (text != itemText(row))
            setItemText(row, text);
        if (items)
            items->setData(items->index(row, 0), text.toLower(), kSortKeyRole);
    }
    if ((style_ & style::kComboSort) && items) {
        items->setSortRole(kSortKeyRole);
        items->sort(0);
    }
    if (wasUnselected_ && currentIndex() >= 0)
        setCurrentIndex(-1);
    arranging_ = false;
}

void UIComboBox::setStateImages(const PerState<QImage>& images) {
    images_ = images;
    update();
}

void UIComboBox::setTextFont(const QFont& font) {
    setFont(font);
    update();
}

void UIComboBox::setTextOffsets(int horizontal, int vertical) {
    horizontalOffset_ = horizontal;
    verticalOffset_ = vertical;
    update();
}

void UIComboBox::setButtonWidth(int width) {
    buttonWidth_ = width;
    placeEditLine();
    update();
}

VisualState UIComboBox::currentState() const {
    if (!hover_)
        return kStateNormal;
    return (QGuiApplication::mouseButtons() & Qt::LeftButton) ? kStatePressed : kStateHover;
}

QRect UIComboBox::textRect() const {
    return rect().adjusted(horizontalOffset_, verticalOffset_, -buttonWidth_, -2);
}

QRect UIComboBox::focusRect() const {
    return rect().adjusted(1, 1, -buttonWidth_, -2);
}

QRect UIComboBox::editRect() const {
    return rect().adjusted(3, 3, -3 - buttonWidth_, -3);
}

bool UIComboBox::paintFace(QPainter& painter, VisualState state) const {
    const std::uint32_t kind = style_ & style::kComboStyleMask;
    if (kind == style::kComboSimple || images_[state].isNull())
        return false;
    DrawPiece(painter, images_[state]);
    if (lineEdit())
        return true; // the editable line shows the text
    painter.setFont(font());
    painter.setPen(Qt::black);
    DrawFormattedText(painter, textRect(), currentText(), kTextNoPrefix);
    if ((focusPolicy() & Qt::TabFocus) && hasFocus())
        DrawFocusRect(painter, focusRect());
    return true;
}

QImage UIComboBox::renderFace(VisualState state) const {
    return RenderFace(size(), [&](QPainter& painter) { return paintFace(painter, state); });
}

void UIComboBox::showPopup() {
    indexBeforeUser_ = currentIndex();
    // The list is as tall as the drop list height taken twice, the room the
    // skins were drawn for.
    const int itemHeight = count() > 0 ? view()->sizeHintForRow(0) : fontMetrics().height();
    setMaxVisibleItems(qMax(1, 2 * dropListHeight_ / qMax(1, itemHeight)));
    QComboBox::showPopup();
}

void UIComboBox::keyPressEvent(QKeyEvent* event) {
    indexBeforeUser_ = currentIndex();
    QComboBox::keyPressEvent(event);
}

void UIComboBox::wheelEvent(QWheelEvent* event) {
    indexBeforeUser_ = currentIndex();
    QComboBox::wheelEvent(event);
}

void UIComboBox::hidePopup() {
    QComboBox::hidePopup();
    update();
}

bool UIComboBox::event(QEvent* event) {
    const bool result = QComboBox::event(event);
    // Qt places the editable line on many occasions; keep it where the skin
    // leaves room for the arrow.
    if (event->type() != QEvent::Paint)
        placeEditLine();
    return result;
}

void UIComboBox::placeEditLine() {
    QLineEdit* line = lineEdit();
    if (line && line->geometry() != editRect())
        line->setGeometry(editRect());
}

void UIComboBox::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    paintFace(painter, currentState());
}

void UIComboBox::mouseMoveEvent(QMouseEvent* event) {
    if (!hover_) {
        hover_ = true;
        update();
    }
    QComboBox::mouseMoveEvent(event);
}

void UIComboBox::mousePressEvent(QMouseEvent* event) {
    hover_ = true;
    update();
    QComboBox::mousePressEvent(event);
}

void UIComboBox::mouseReleaseEvent(QMouseEvent* event) {
    update();
    QComboBox::mouseReleaseEvent(event);
}

void UIComboBox::leaveEvent(QEvent* event) {
    hover_ = false;
    update();
    QComboBox::leaveEvent(event);
}

void UIComboBox::focusOutEvent(QFocusEvent* event) {
    update();
    QComboBox::focusOutEvent(event);
}

bool UIComboBox::eventFilter(QObject* watched, QEvent* event) {
    if (watched == lineEdit() && event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        const QString typed = key->text();
        if (!typed.isEmpty() && typed.at(0).isPrint() &&
            !(key->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
            const std::optional<QString> accepted = TypedTextFor(typed, TypingStyle(style_));
            if (!(style_ & style::kComboAutoHScroll) &&
                !TypedTextFits(*lineEdit(), accepted.value_or(typed), editRect().width()))
                return true;
            if (accepted && *accepted != typed) {
                lineEdit()->insert(*accepted);
                return true;
            }
        }
    }
    return QComboBox::eventFilter(watched, event);
}

} // namespace corvane

#include "panels/EventPanel.h"

#include "skin/controls/UIEdit.h"
#include "skin/controls/UIStatic.h"

#include <QAbstractButton>
#include <QComboBox>

namespace corvane {

namespace {

// The window text of the kinds of control a panel holds.
QString WidgetText(const QWidget* widget) {
    if (auto* label = qobject_cast<const UIStatic*>(widget))
        return label->text();
    if (auto* combo = qobject_cast<const QComboBox*>(widget))
        return combo->currentText();
    if (auto* button = qobject_cast<const QAbstractButton*>(widget))
        return button->text();
    if (auto* edit = qobject_cast<const UIEdit*>(widget))
        return edit->text();
    return QString();
}

void SetWidgetText(QWidget* widget, const QString& text) {
    if (auto* label = qobject_cast<UIStatic*>(widget))
        return label->setText(text);
    if (auto* combo = qobject_cast<QComboBox*>(widget)) {
        if (combo->isEditable())
            combo->setEditText(text);
        return;
    }
    if (auto* button = qobject_cast<QAbstractButton*>(widget))
        return button->setText(text);
    if (auto* edit = qobject_cast<UIEdit*>(widget))
        return edit->setText(text);
}

} // namespace

QString SpinDisplayText(int position) {
    return QStringLiteral("%1").arg(position, 2, 10, QLatin1Char(' '));
}

EventPanel::EventPanel(QWidget* parent) : UIWnd(parent) {}

EventPanel::~EventPanel() = default;

bool EventPanel::create(QWidget* parent) {
    if (parent && parent != parentWidget())
        setParent(parent);
    if (!createSkin())
        return false;
    if (!createOwnControls())
        return false;
    fillControls();
    return true;
}

std::string EventPanel::text(int controlId) const {
    const QWidget* widget = control(controlId);
    return widget ? WidgetText(widget).toStdString() : std::string();
}

int EventPanel::selection(int controlId) const {
    const auto* combo = controlAs<QComboBox>(controlId);
    return combo ? combo->currentIndex() : -1;
}

void EventPanel::appendNumbers(std::initializer_list<int> ids, int first, int last) {
    QStringList numbers;
    numbers.reserve(last - first + 1);
    for (int n = first; n <= last; ++n)
        numbers.append(QString::number(n));
    for (int id : ids)
        appendItems(id, numbers);
}

void EventPanel::appendItems(int id, const QStringList& items) {
    if (auto* combo = controlAs<QComboBox>(id))
        combo->addItems(items);
}

void EventPanel::clearItems(int id) {
    if (auto* combo = controlAs<QComboBox>(id))
        combo->clear();
}

void EventPanel::selectItem(int id, int index) {
    if (auto* combo = controlAs<QComboBox>(id))
        combo->setCurrentIndex(index);
}

QString EventPanel::controlText(int id) const {
    const QWidget* widget = control(id);
    return widget ? WidgetText(widget) : QString();
}

void EventPanel::setControlText(int id, const QString& text) {
    if (QWidget* widget = control(id))
        SetWidgetText(widget, text);
}

bool EventPanel::isChecked(int id) const {
    const auto* button = controlAs<QAbstractButton>(id);
    return button && button->isChecked();
}

void EventPanel::setChecked(int id, bool checked) {
    if (auto* button = controlAs<QAbstractButton>(id))
        button->setChecked(checked);
}

void EventPanel::setControlsVisible(std::initializer_list<int> ids, bool visible) {
    for (int id : ids)
        if (QWidget* widget = control(id))
            widget->setVisible(visible);
}

void EventPanel::fillChannelBlock(int firstId, int lastId, int incrementId, int levelId) {
    appendNumbers({firstId, lastId}, 1, 512);
    selectItem(firstId, 0);
    selectItem(lastId, 511);
    appendNumbers({incrementId}, 1, 255);
    if (levelId != 0) {
        appendNumbers({levelId}, 0, 255);
        selectItem(levelId, 0);
    }
    selectItem(incrementId, 0);
}

ChannelTexts EventPanel::channelTexts(int firstId, int lastId, int incrementId, int levelId) const {
    return {text(firstId), text(lastId), text(incrementId), text(levelId)};
}

OutputTargetBoxes EventPanel::outputBoxes(int targetId, int secondId, int lastId,
                                          int levelId) const {
    return {text(targetId),      selection(targetId), text(secondId),
            selection(secondId), text(lastId),        text(levelId)};
}

} // namespace corvane

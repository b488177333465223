#include "scheduleview/ScheduleView.h"

#include "events/EventDescription.h"
#include "schedule/ScheduleDrawing.h"
#include "scheduleview/QtSchedulePainter.h"

#include <QHelpEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>

namespace corvane {

ScheduleView::ScheduleView(QWidget* parent) : QWidget(parent) {
    setFixedSize(sizeHint());
    setMouseTracking(true);
}

QSize ScheduleView::sizeHint() const {
    return {kScheduleWidth, kScheduleHeight};
}

void ScheduleView::showTable(const EventTable& table, int firstWeekday, CivilDate week) {
    layout_ = LayOutSchedule(table, firstWeekday, week);
    weeklyCount_ = std::min<std::size_t>(table.header().entryCount, table.size());
    descriptions_.clear();
    descriptions_.reserve(table.size());
    for (std::size_t i = 0; i < table.size(); ++i) {
        // The list describes each group in its own words, as the list shows it.
        const std::string text = DescribeEvent(table.kind(), table.record(i), i < weeklyCount_);
        descriptions_.push_back(
            QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size())));
    }
    update();
}

void ScheduleView::showEmpty(int firstWeekday, CivilDate week) {
    showTable(EventTable::empty(EventKind::WeekClock), firstWeekday, week);
}

std::optional<ScheduleLine> ScheduleView::lineAt(QPoint point) const {
    const auto record = BarAt(layout_, point.x(), point.y());
    if (!record)
        return std::nullopt;
    if (*record < weeklyCount_)
        return ScheduleLine{false, static_cast<int>(*record)};
    return ScheduleLine{true, static_cast<int>(*record - weeklyCount_)};
}

QString ScheduleView::toolTipAt(QPoint point) const {
    const auto record = BarAt(layout_, point.x(), point.y());
    return record && *record < descriptions_.size() ? descriptions_[*record] : QString();
}

void ScheduleView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    QtSchedulePainter schedulePainter(painter);
    DrawSchedule(layout_, schedulePainter);
}

void ScheduleView::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        QWidget::mousePressEvent(event);
        return;
    }
    if (const auto line = lineAt(event->position().toPoint()))
        emit barClicked(*line);
    event->accept();
}

bool ScheduleView::event(QEvent* event) {
    if (event->type() != QEvent::ToolTip)
        return QWidget::event(event);
    const auto* help = static_cast<QHelpEvent*>(event);
    const QString tip = toolTipAt(help->pos());
    if (tip.isEmpty())
        QToolTip::hideText();
    else
        QToolTip::showText(help->globalPos(), tip, this);
    return true;
}

} // namespace corvane

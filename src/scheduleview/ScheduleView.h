#pragma once

#include "events/EventTable.h"
#include "schedule/CivilDate.h"
#include "schedule/ScheduleLayout.h"

#include <QString>
#include <QWidget>
#include <optional>
#include <vector>

namespace corvane {

// The event-list line a bar stands for: the week-clock group the list shows
// (weekly or dated) and the line's index in that group.
struct ScheduleLine {
    bool dated = false;
    int line = 0;

    bool operator==(const ScheduleLine&) const = default;
};

// The week clock's schedule as DrawSchedule draws it, at its natural size.
// Hovering a bar shows the event's list line; a click on a bar reports which
// line it is.
class ScheduleView : public QWidget {
    Q_OBJECT

public:
    explicit ScheduleView(QWidget* parent = nullptr);

    // Lays out the entries of table (a week-clock table) for the week that
    // holds week, its first column firstWeekday (1 Sunday .. 7 Saturday).
    void showTable(const EventTable& table, int firstWeekday, CivilDate week);
    // The grid without bars, for a file that cannot be read.
    void showEmpty(int firstWeekday, CivilDate week);

    const ScheduleLayout& layout() const { return layout_; }
    // The list line of the bar at point, nothing where no bar is drawn.
    std::optional<ScheduleLine> lineAt(QPoint point) const;
    // The event-list text of the bar at point, empty where no bar is drawn.
    QString toolTipAt(QPoint point) const;

    QSize sizeHint() const override;

signals:
    void barClicked(corvane::ScheduleLine line);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    bool event(QEvent* event) override;

private:
    ScheduleLayout layout_;
    std::size_t weeklyCount_ = 0;
    // The list text of each record of the table, in file order.
    std::vector<QString> descriptions_;
};

} // namespace corvane

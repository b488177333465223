#include "scheduleview/ScheduleWindow.h"

#include "events/EventFiles.h"

#include <QDateEdit>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QVBoxLayout>

namespace corvane {

namespace {

constexpr int kDaysPerWeek = 7;

CivilDate CivilOf(QDate date) {
    return {date.year(), date.month(), date.day()};
}

// The table of an event file's bytes; a file that does not exist yet reads as
// no bytes and holds no events. Nothing when the bytes are no valid file.
std::optional<EventTable> WeekClockTable(const std::vector<std::uint8_t>& bytes) {
    if (bytes.empty())
        return EventTable::empty(EventKind::WeekClock);
    return EventTable::fromFile(bytes, EventKind::WeekClock);
}

// Qt counts Monday 1 .. Sunday 7; the week clock Sunday 1 .. Saturday 7.
int WeekClockWeekday(Qt::DayOfWeek day) {
    return static_cast<int>(day) % kDaysPerWeek + 1;
}

} // namespace

ScheduleWindow::ScheduleWindow(const std::string& eventFolder, QWidget* parent)
    : QWidget(parent, Qt::Tool), folder_(eventFolder),
      eventFile_(QString::fromStdString(EventFilePath(eventFolder, EventKind::WeekClock))),
      firstWeekday_(WeekClockWeekday(QLocale().firstDayOfWeek())) {
    setWindowTitle(QStringLiteral("Week schedule - Corvane"));
    createControls();
    watchEventFile();
}

void ScheduleWindow::createControls() {
    auto* previous = new QPushButton(QStringLiteral("< Previous week"), this);
    auto* next = new QPushButton(QStringLiteral("Next week >"), this);
    auto* thisWeek = new QPushButton(QStringLiteral("This week"), this);
    weekField_ = new QDateEdit(QDate::currentDate(), this);
    weekField_->setCalendarPopup(true);
    weekField_->setToolTip(QStringLiteral("Dated events show for the week of this date"));
    problem_ = new QLabel(QStringLiteral("The week-clock event file cannot be read."), this);
    problem_->hide();
    view_ = new ScheduleView(this);

    auto* chooser = new QHBoxLayout;
    chooser->addWidget(previous);
    chooser->addWidget(weekField_);
    chooser->addWidget(next);
    chooser->addWidget(thisWeek);
    chooser->addStretch();
    chooser->addWidget(problem_);
    auto* column = new QVBoxLayout(this);
    column->addLayout(chooser);
    column->addWidget(view_);
    column->setSizeConstraint(QLayout::SetFixedSize);

    connect(previous, &QPushButton::clicked, this,
            [this] { showWeekOf(shownDate().addDays(-kDaysPerWeek)); });
    connect(next, &QPushButton::clicked, this,
            [this] { showWeekOf(shownDate().addDays(kDaysPerWeek)); });
    connect(thisWeek, &QPushButton::clicked, this, [this] { showWeekOf(QDate::currentDate()); });
    connect(weekField_, &QDateEdit::dateChanged, this, [this] { redraw(); });
    connect(view_, &ScheduleView::barClicked, this, &ScheduleWindow::lineChosen);
}

// The event file is replaced by renaming a new file over it, which ends the
// watch on the old one; the folder's watch notices the new file and the file
// is watched again. A file that does not exist yet is picked up the same way.
void ScheduleWindow::watchEventFile() {
    watcher_.addPath(QString::fromStdString(folder_));
    const auto follow = [this] {
        if (!watcher_.files().contains(eventFile_) && QFileInfo::exists(eventFile_))
            watcher_.addPath(eventFile_);
        reload();
    };
    connect(&watcher_, &QFileSystemWatcher::fileChanged, this, follow);
    connect(&watcher_, &QFileSystemWatcher::directoryChanged, this, follow);
    follow();
}

void ScheduleWindow::showWeekOf(QDate date) {
    weekField_->setDate(date); // redraws through dateChanged
}

QDate ScheduleWindow::shownDate() const {
    return weekField_->date();
}

void ScheduleWindow::reload() {
    auto bytes = ReadEventFile(folder_, EventKind::WeekClock);
    if (drawn_ && bytes == shownBytes_)
        return;
    shownBytes_ = std::move(bytes);
    redraw();
}

void ScheduleWindow::redraw() {
    drawn_ = true;
    const CivilDate week = CivilOf(shownDate());
    const auto table = shownBytes_ ? WeekClockTable(*shownBytes_) : std::nullopt;
    if (table)
        view_->showTable(*table, firstWeekday_, week);
    else
        view_->showEmpty(firstWeekday_, week);
    problem_->setVisible(!table);
}

} // namespace corvane

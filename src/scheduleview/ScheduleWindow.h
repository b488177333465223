#pragma once

#include "scheduleview/ScheduleView.h"

#include <QDate>
#include <QFileSystemWatcher>
#include <QWidget>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

class QDateEdit;
class QLabel;

namespace corvane {

// A tool window with the week clock's schedule: weekly entries on their days,
// the dated entries of the week chosen with the week buttons or the date
// field. It follows the week-clock event file of the event folder: the main
// window asks for a reload whenever it refills its list, and a change made
// by another program reaches it through a file watcher.
class ScheduleWindow : public QWidget {
    Q_OBJECT

public:
    // Columns begin on the locale's first day of the week.
    explicit ScheduleWindow(const std::string& eventFolder, QWidget* parent = nullptr);

    // Reads the event file again and redraws when its bytes changed.
    void reload();
    // Shows the dated entries of the week that holds date.
    void showWeekOf(QDate date);
    QDate shownDate() const;

    ScheduleView& view() const { return *view_; }

signals:
    // The operator clicked the bar of that list line.
    void lineChosen(corvane::ScheduleLine line);

private:
    void createControls();
    void watchEventFile();
    void redraw();

    std::string folder_;
    QString eventFile_;
    int firstWeekday_ = 1;
    QFileSystemWatcher watcher_;
    ScheduleView* view_ = nullptr;
    QDateEdit* weekField_ = nullptr;
    QLabel* problem_ = nullptr;
    // The file's bytes as last drawn; nothing when it could not be read.
    std::optional<std::vector<std::uint8_t>> shownBytes_;
    bool drawn_ = false;
};

} // namespace corvane

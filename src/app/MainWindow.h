#pragma once

#include "device/ControllerLink.h"
#include "events/EditHistory.h"
#include "events/EventKind.h"
#include "panels/ControlIds.h"
#include "skin/UIWnd.h"

#include <QPoint>
#include <array>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

class QListWidget;
class QProgressBar;

namespace corvane {

class EventPanel;
class Pacer;
class Prompter;
class ListWidgetEventView;
class ProgressBarView;
class ScheduleWindow;
struct ScheduleLine;
class StatusNote;

inline constexpr std::string_view kChangedOutsideMessage =
    "The event file was changed by another program; undo and redo leave it as it is.";
inline constexpr std::string_view kUndoWriteFailedMessage = "The event file could not be written!";

// The program's only top-level window: the seven editor panels, the event
// list of the current kind, the progress bar and the controller link. Every
// button of the skin reaches onCommand; the work is done by the event and
// device code, which ask the operator through the prompter.
class MainWindow : public UIWnd {
    Q_OBJECT

public:
    MainWindow(Prompter& prompter, Pacer& pacer, QWidget* parent = nullptr);
    ~MainWindow() override;

    // Builds the window: skin, list, progress bar and panels, then the driver
    // and the current kind's list. False only when the window's own skin
    // cannot be loaded. The controller and its clock follow from the event
    // loop once the window is first painted; device trouble is reported to
    // the operator then.
    bool create();
    // True once the start-up's controller search and clock setting ran.
    bool controllerChecked() const { return controllerChecked_; }

    EventKind currentKind() const { return currentKind_; }
    const std::string& eventFolder() const { return eventFolder_; }
    QListWidget* eventList() const { return eventList_; }
    // The short note after a command ("Sent 12 events."), empty when none shows.
    QString statusNote() const;
    QProgressBar* progressBar() const { return progressBar_; }
    // The panel of the kind; null when its skin section failed to make it.
    EventPanel* panel(EventKind kind) const;
    // The week schedule's tool window; null until the operator first opens it.
    ScheduleWindow* scheduleWindow() const { return scheduleWindow_; }

    void onCommand(int id, int notification) override;

protected:
    int designatedSkinNumber() const override { return kSkinMain; }

    void paintEvent(QPaintEvent* event) override;

    // The window has no caption: a press on its own surface drags it.
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void createEventList();
    void createProgressBar();
    void createStatusNote();
    void createUndoKeys();
    void createScheduleKey();
    void watchSelectors();
    void showNote(const QString& text);
    std::uint64_t eventCount() const;
    void createPanels();
    void createPanel(EventKind kind);
    void markSelectorColours();
    void centreOnScreen();
    void readEventFolder();

    void switchKind(EventKind kind);
    void refillList();
    void listRefilled();
    QString withConflictCount(const QString& note) const;
    bool weeklyMode() const;
    std::string eventName() const;

    void addEvent();
    void deleteEvent();
    void clearEvents();
    void importEvents();
    void undoChange();
    void redoChange();
    void reportHistory(EditHistory::Outcome outcome, const QString& done, const QString& nothing);
    void connectController();
    void sendTable();
    void receiveTable();
    void emptyTable();
    void openSchedule();
    void chooseScheduleLine(const ScheduleLine& line);

    Prompter& prompter_;
    // Built on first use (panel()); empty where the kind has no panel.
    mutable std::array<std::unique_ptr<EventPanel>, kEventKindCount> panels_;
    mutable std::array<bool, kEventKindCount> panelTried_{};
    std::array<bool, kEventKindCount> panelCreated_{};
    EventKind currentKind_ = EventKind::WeekClock;
    std::string eventFolder_;
    QProgressBar* progressBar_ = nullptr;
    QListWidget* eventList_ = nullptr;
    std::unique_ptr<ListWidgetEventView> listView_;
    std::unique_ptr<ProgressBarView> progressView_;
    StatusNote* statusNote_ = nullptr;
    // The conflicting pairs of the current kind as of the last list refill.
    std::size_t conflictPairs_ = 0;
    ScheduleWindow* scheduleWindow_ = nullptr;
    std::unique_ptr<EditHistory> history_;
    Pacer& pacer_;
    std::unique_ptr<ControllerLink> device_; // chosen from the environment at creation
    QPoint panelOrigin_{11, 173};
    QSize panelSize_;
    std::optional<QPoint> dragOffset_;
    bool connectPending_ = false;
    bool controllerChecked_ = false;
};

} // namespace corvane

#pragma once

#include "device/D2xxLink.h"
#include "events/EventKind.h"
#include "panels/ControlIds.h"
#include "skin/UIWnd.h"

#include <QPoint>
#include <array>
#include <memory>
#include <optional>
#include <string>

class QListWidget;
class QProgressBar;

namespace corvane {

class EventPanel;
class Pacer;
class Prompter;
class ListWidgetEventView;
class ProgressBarView;

// The program's only top-level window: the seven editor panels, the event
// list of the current kind, the progress bar and the controller link. Every
// button of the skin reaches onCommand; the work is done by the event and
// device code, which ask the operator through the prompter.
class MainWindow : public UIWnd {
    Q_OBJECT

public:
    MainWindow(Prompter& prompter, Pacer& pacer, QWidget* parent = nullptr);
    ~MainWindow() override;

    // Builds the window: skin, list, progress bar and panels, then the driver,
    // the current kind's list, the controller and its clock. False only when
    // the window's own skin cannot be loaded; device trouble is reported to the
    // operator and the window opens anyway.
    bool create();

    EventKind currentKind() const { return currentKind_; }
    const std::string& eventFolder() const { return eventFolder_; }
    QListWidget* eventList() const { return eventList_; }
    QProgressBar* progressBar() const { return progressBar_; }
    // The panel of the kind; null when its skin section failed to make it.
    EventPanel* panel(EventKind kind) const;

    void onCommand(int id, int notification) override;

protected:
    int designatedSkinNumber() const override { return kSkinMain; }

    // The window has no caption: a press on its own surface drags it.
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void createEventList();
    void createProgressBar();
    void createPanels();
    void markSelectorColours();
    void centreOnScreen();
    void readEventFolder();

    void switchKind(EventKind kind);
    void refillList();
    bool weeklyMode() const;
    std::string eventName() const;

    void addEvent();
    void deleteEvent();
    void clearEvents();
    void connectController();
    void sendTable();
    void receiveTable();
    void emptyTable();

    Prompter& prompter_;
    std::array<std::unique_ptr<EventPanel>, kEventKindCount> panels_;
    EventKind currentKind_ = EventKind::WeekClock;
    std::string eventFolder_;
    QProgressBar* progressBar_ = nullptr;
    QListWidget* eventList_ = nullptr;
    std::unique_ptr<ListWidgetEventView> listView_;
    std::unique_ptr<ProgressBarView> progressView_;
    Pacer& pacer_;
    D2xxLink device_;
    QPoint panelOrigin_{11, 173};
    QSize panelSize_;
    std::optional<QPoint> dragOffset_;
};

} // namespace corvane

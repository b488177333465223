#include "app/MainWindow.h"

#include "app/ConflictMarks.h"
#include "app/ControllerCommands.h"
#include "app/ListWidgetEventView.h"
#include "app/ProgressBarView.h"
#include "app/StandardWidgetStyle.h"
#include "app/StatusNote.h"
#include "device/LinkChoice.h"
#include "events/EditHistory.h"
#include "events/EventEditing.h"
#include "events/EventFiles.h"
#include "events/EventList.h"
#include "events/EventMessages.h"
#include "events/ImportExport.h"
#include "events/text/TextImportExport.h"
#include "panels/EventPanel.h"
#include "panels/PanelFactory.h"
#include "panels/WeekClockPanel.h"
#include "platform/Pacer.h"
#include "platform/Prompter.h"
#include "scheduleview/ScheduleWindow.h"
#include "skin/controls/UIButton.h"
#include "skin/controls/UIEdit.h"

#include <QAbstractButton>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QListWidget>
#include <QMouseEvent>
#include <QProgressBar>
#include <QScreen>
#include <QShortcut>
#include <QTimer>
#include <QWindow>
#include <algorithm>
#include <filesystem>
#include <string_view>
#include <system_error>
#include <utility>

namespace corvane {

namespace {

// The rectangles of the widgets the window makes itself.
const QRect kProgressBarRect(QPoint(15, 583), QPoint(779, 596));
const QRect kEventListRect(QPoint(369, 77), QPoint(789, 572));

// Add without the panel of the kind, which its skin section failed to make.
constexpr std::string_view kPanelMissingMessage =
    "The panel for this kind could not be loaded from the skin!";

// The longest event name a record holds.
constexpr qsizetype kEventNameLength = 24;

std::optional<EventKind> KindOfSelector(int id) {
    for (std::size_t i = 0; i < std::size(kSelectorIds); ++i) {
        if (kSelectorIds[i] == id)
            return kAllEventKinds[i];
    }
    return std::nullopt;
}

QString Events(std::uint64_t count) {
    return count == 1 ? QStringLiteral("1 event") : QStringLiteral("%1 events").arg(count);
}

// The end of the note that counts the current kind's conflicts.
const QString kConflictNoteEnd = QStringLiteral(" in this kind.");

QString ConflictCount(std::size_t pairs) {
    return (pairs == 1 ? QStringLiteral("1 conflict") : QStringLiteral("%1 conflicts").arg(pairs)) +
           kConflictNoteEnd;
}

// The key that opens the week schedule from the main window.
const QKeySequence kScheduleKey(Qt::Key_F7);

bool IsArrowKey(int key) {
    return key == Qt::Key_Left || key == Qt::Key_Right || key == Qt::Key_Up || key == Qt::Key_Down;
}

} // namespace

MainWindow::MainWindow(Prompter& prompter, Pacer& pacer, QWidget* parent)
    : UIWnd(parent), prompter_(prompter), pacer_(pacer) {
    // A caption-less top-level window with a minimise command of its own.
    setWindowFlags(Qt::Window | Qt::FramelessWindowHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint);
}

MainWindow::~MainWindow() = default;

// A panel is built (its images loaded, its controls made) when it is first
// needed, which for the operator is when its kind is first chosen.
EventPanel* MainWindow::panel(EventKind kind) const {
    const auto index = static_cast<std::size_t>(kind);
    if (!panelTried_[index]) {
        panelTried_[index] = true;
        const_cast<MainWindow*>(this)->createPanel(kind);
    }
    return panels_[index].get();
}

bool MainWindow::create() {
    if (!createSkin())
        return false;
    centreOnScreen();
    if (auto* name = controlAs<UIEdit>(kIdEventName))
        name->setText(QStringLiteral("Event"));
    markSelectorColours();
    createProgressBar();
    createStatusNote();
    createEventList();
    createPanels();
    watchSelectors();
    createUndoKeys();
    createScheduleKey();

    device_ = MakeControllerLink(LinkRequest::fromEnvironment(), prompter_);
    if (auto* selector = controlAs<QAbstractButton>(kIdSelectWeekClock))
        selector->setChecked(true);
    readEventFolder();
    RemoveInterruptedWrites(eventFolder_);
    history_ = std::make_unique<EditHistory>(eventFolder_);
    refillList();
    // The controller and its clock are reached once the window is on the
    // screen: the operator sees it at once, while the clock reply may take
    // half a second.
    connectPending_ = true;
    return true;
}

// The exchange with the controller blocks for up to half a second; it starts a
// moment after the first paint, once the window has reached the screen and
// whatever else that paint queued (a snapshot) has run.
void MainWindow::paintEvent(QPaintEvent* event) {
    UIWnd::paintEvent(event);
    if (!std::exchange(connectPending_, false))
        return;
    constexpr int kConnectDelayMilliseconds = 50;
    QTimer::singleShot(kConnectDelayMilliseconds, this, [this] {
        connectController();
        controllerChecked_ = true;
    });
}

void MainWindow::createProgressBar() {
    progressBar_ = new QProgressBar(this);
    progressBar_->setObjectName(kProgressBarObjectName);
    progressBar_->setStyleSheet(ProgressBarStyleSheet());
    progressBar_->setGeometry(kProgressBarRect);
    progressBar_->setTextVisible(false);
    progressBar_->setRange(0, 100);
    progressBar_->setValue(0);
    SetControlId(progressBar_, kIdProgressBar);
    progressBar_->hide();
    progressView_ = std::make_unique<ProgressBarView>(*progressBar_);
}

void MainWindow::createStatusNote() {
    statusNote_ = new StatusNote(this);
    statusNote_->setObjectName(kStatusNoteObjectName);
    statusNote_->setStyleSheet(StatusNoteStyleSheet());
    statusNote_->setGeometry(kProgressBarRect.adjusted(0, -3, 0, 3));
}

QString MainWindow::statusNote() const {
    return statusNote_->isHidden() ? QString() : statusNote_->text();
}

void MainWindow::showNote(const QString& text) {
    statusNote_->showNote(text);
}

// Ctrl+Z and Ctrl+Shift+Z reach the window from anywhere in it except an
// edit, which keeps them for its own text.
void MainWindow::createUndoKeys() {
    auto* undo = new QShortcut(QKeySequence::Undo, this);
    connect(undo, &QShortcut::activated, this, [this] { undoChange(); });
    auto* redo = new QShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), this);
    connect(redo, &QShortcut::activated, this, [this] { redoChange(); });
}

// The schedule's key works from anywhere in the window; the button's tooltip
// names it.
void MainWindow::createScheduleKey() {
    auto* open = new QShortcut(kScheduleKey, this);
    connect(open, &QShortcut::activated, this, [this] { openSchedule(); });
    if (QWidget* button = control(kIdSchedule)) {
        const QString key = kScheduleKey.toString(QKeySequence::NativeText);
        const QString tip = button->toolTip();
        button->setToolTip(tip.isEmpty() ? key : QStringLiteral("%1 (%2)").arg(tip, key));
    }
}

// The kind selectors take arrow keys as a row of tabs does: the focus moves
// to the neighbouring selector without choosing it; Space or Return chooses.
void MainWindow::watchSelectors() {
    for (int id : kSelectorIds) {
        if (QWidget* selector = control(id))
            selector->installEventFilter(this);
    }
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress)
        return UIWnd::eventFilter(watched, event);
    auto* selector = qobject_cast<QAbstractButton*>(watched);
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (selector == nullptr || !KindOfSelector(ControlId(selector)))
        return UIWnd::eventFilter(watched, event);
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        selector->click();
        return true;
    }
    if (!IsArrowKey(key))
        return UIWnd::eventFilter(watched, event);
    const bool forward = key == Qt::Key_Right || key == Qt::Key_Down;
    const auto at =
        std::find(std::begin(kSelectorIds), std::end(kSelectorIds), ControlId(selector));
    const std::size_t index = static_cast<std::size_t>(at - std::begin(kSelectorIds));
    const std::size_t count = std::size(kSelectorIds);
    for (std::size_t step = 1; step < count; ++step) {
        const std::size_t next = (index + (forward ? step : count - step)) % count;
        QWidget* neighbour = control(kSelectorIds[next]);
        if (neighbour && neighbour->isVisible() && neighbour->isEnabled()) {
            neighbour->setFocus(Qt::TabFocusReason);
            break;
        }
    }
    return true;
}

void MainWindow::createEventList() {
    eventList_ = new QListWidget(this);
    eventList_->setObjectName(kEventListObjectName);
    eventList_->setStyleSheet(EventListStyleSheet());
    eventList_->setGeometry(kEventListRect);
    eventList_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    eventList_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    eventList_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    // Lines are only shown: a double-click must not open an editor.
    eventList_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    eventList_->setUniformItemSizes(true);
    SetControlId(eventList_, kIdEventList);
    eventList_->show();
    listView_ = std::make_unique<ListWidgetEventView>(*eventList_);
}

void MainWindow::createPanels() {
    currentKind_ = EventKind::WeekClock;
    if (EventPanel* first = panel(EventKind::WeekClock))
        first->setVisible(panelCreated_[static_cast<std::size_t>(EventKind::WeekClock)]);
}

void MainWindow::createPanel(EventKind kind) {
    auto& slot = panels_[static_cast<std::size_t>(kind)];
    slot = MakePanel(kind, this);
    if (!slot)
        return;
    panelCreated_[static_cast<std::size_t>(kind)] = slot->create(this);
    if (kind == EventKind::WeekClock)
        panelSize_ = slot->size();
    if (!panelCreated_[static_cast<std::size_t>(kind)]) {
        // A panel whose skin fails is dropped: its kind shows no panel and Add
        // refuses, instead of storing what its empty controls read. The window
        // still opens so that the operator can use the other kinds.
        slot.reset();
        return;
    }
    slot->setGeometry(QRect(panelOrigin_, panelSize_));
    slot->hide();
    connect(slot.get(), &EventPanel::listRefillRequested, this, [this, kind] {
        // The week-clock mode buttons choose which of its groups the list shows.
        if (kind == currentKind_)
            refillList();
    });
}

void MainWindow::markSelectorColours() {
    // The selected kind shows white text (black while disabled); the analog
    // selector keeps the colours of its own section.
    constexpr PerState<QRgb> kCheckedColours = {0xFFFFFFFF, 0xFFFFFFFF, 0xFFFFFFFF, 0xFF000000};
    for (int id : {kIdSelectWeekClock, kIdSelectTimecode, kIdSelectMidi, kIdSelectAudio,
                   kIdSelectRelay, kIdSelectSensor}) {
        if (auto* selector = controlAs<UIButton>(id))
            selector->setCheckedTextColors(kCheckedColours);
    }
}

void MainWindow::centreOnScreen() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (screen == nullptr)
        return;
    QRect frame(QPoint(0, 0), size());
    frame.moveCenter(screen->availableGeometry().center());
    move(frame.topLeft());
}

void MainWindow::readEventFolder() {
    // The folder's name as the file system spells it, byte for byte. When the
    // working folder cannot be named (it was removed), "." still reaches it
    // and the file operations then fail quietly.
    std::error_code error;
    const std::filesystem::path folder = std::filesystem::current_path(error);
    eventFolder_ = error ? std::string(".") : folder.string();
}

void MainWindow::onCommand(int id, int notification) {
    if (notification != kButtonClicked) {
        UIWnd::onCommand(id, notification);
        return;
    }
    if (const auto kind = KindOfSelector(id)) {
        switchKind(*kind);
        return;
    }
    switch (id) {
    case kIdMinimise:
        showMinimized();
        break;
    case kIdClose:
        close();
        break;
    case kIdAdd:
        addEvent();
        break;
    case kIdDelete:
        deleteEvent();
        break;
    case kIdReceive:
        receiveTable();
        break;
    case kIdSend:
        sendTable();
        break;
    case kIdClear:
        clearEvents();
        break;
    case kIdImport:
        importEvents();
        break;
    case kIdExport:
        if (ExportEventsWithText(eventFolder_, currentKind_, prompter_))
            showNote(QStringLiteral("Exported %1.").arg(Events(eventCount())));
        break;
    case kIdEmpty:
        emptyTable();
        break;
    case kIdSchedule:
        openSchedule();
        break;
    default:
        UIWnd::onCommand(id, notification);
        break;
    }
}

void MainWindow::switchKind(EventKind kind) {
    if (kind != currentKind_) {
        if (auto* current = panel(currentKind_))
            current->hide();
        if (auto* next = panel(kind))
            next->show();
    }
    currentKind_ = kind;
    refillList();
}

void MainWindow::refillList() {
    ReportFileProblem(FillEventList(eventFolder_, currentKind_, weeklyMode(), *listView_),
                      prompter_);
    listRefilled();
}

// Whatever refilled the list (a command, a kind or mode switch, a receive),
// the conflict marks, the note of their count and the schedule follow the file.
// A count that no longer holds leaves the note.
void MainWindow::listRefilled() {
    conflictPairs_ = MarkConflicts(*eventList_, eventFolder_, currentKind_, weeklyMode());
    if (conflictPairs_ > 0)
        showNote(ConflictCount(conflictPairs_));
    else if (statusNote_->text().endsWith(kConflictNoteEnd))
        statusNote_->hide();
    // Only the week clock's file is drawn; outside changes reach it through its watch.
    if (scheduleWindow_ != nullptr && currentKind_ == EventKind::WeekClock)
        scheduleWindow_->reload();
}

// A command's own note, followed by the conflict count of the refill it made.
QString MainWindow::withConflictCount(const QString& note) const {
    return conflictPairs_ > 0 ? note + QStringLiteral(" ") + ConflictCount(conflictPairs_) : note;
}

bool MainWindow::weeklyMode() const {
    const auto* weekClock = qobject_cast<const WeekClockPanel*>(panel(EventKind::WeekClock));
    return weekClock == nullptr || weekClock->weeklyMode();
}

std::string MainWindow::eventName() const {
    const auto* field = controlAs<UIEdit>(kIdEventName);
    if (field == nullptr)
        return {};
    // Records hold names as single bytes; characters outside Latin-1 become '?'.
    return field->text().left(kEventNameLength).toLatin1().toStdString();
}

std::uint64_t MainWindow::eventCount() const {
    return EventCountOfFile(EventFilePath(eventFolder_, currentKind_));
}

void MainWindow::addEvent() {
    EventPanel* current = panel(currentKind_);
    if (current == nullptr) {
        prompter_.showMessage(std::string(kPanelMissingMessage));
        return;
    }
    const EventForm form = current->form();
    if (const auto* week = std::get_if<WeekClockForm>(&form); week && week->weekly) {
        if (std::none_of(week->days.begin(), week->days.end(),
                         [](bool ticked) { return ticked; })) {
            showNote(QStringLiteral("Tick at least one day."));
            return;
        }
    }
    FileContent before = history_->read(currentKind_);
    AddEvent(eventFolder_, form, eventName(), prompter_, *listView_);
    history_->recordChange(currentKind_, std::move(before));
    refillList();
}

// Every selected line goes, the lowest last so that the lines still to go
// keep their numbers.
void MainWindow::deleteEvent() {
    std::vector<int> lines;
    for (const QModelIndex& index : eventList_->selectionModel()->selectedRows())
        lines.push_back(index.row());
    if (lines.empty())
        lines.push_back(listView_->currentLine());
    std::sort(lines.begin(), lines.end(), std::greater<>());
    FileContent before = history_->read(currentKind_);
    // A delete that cannot write stops the others and says why.
    FileStatus status = FileStatus::Done;
    for (int line : lines) {
        if (status == FileStatus::Done)
            status = DeleteEvent(eventFolder_, currentKind_, weeklyMode(), line);
    }
    ReportFileProblem(status, prompter_);
    history_->recordChange(currentKind_, std::move(before));
    refillList();
}

void MainWindow::clearEvents() {
    FileContent before = history_->read(currentKind_);
    listView_->reset();
    ReportFileProblem(ClearEventFile(eventFolder_, currentKind_), prompter_);
    history_->recordChange(currentKind_, std::move(before));
    listRefilled();
}

void MainWindow::importEvents() {
    FileContent before = history_->read(currentKind_);
    if (!ImportEventsWithText(eventFolder_, currentKind_, weeklyMode(), prompter_, *listView_))
        return;
    listRefilled();
    history_->recordChange(currentKind_, std::move(before));
    showNote(withConflictCount(QStringLiteral("Imported %1.").arg(Events(eventCount()))));
}

void MainWindow::undoChange() {
    reportHistory(history_->undo(currentKind_), QStringLiteral("Undone."),
                  QStringLiteral("Nothing to undo."));
}

void MainWindow::redoChange() {
    reportHistory(history_->redo(currentKind_), QStringLiteral("Redone."),
                  QStringLiteral("Nothing to redo."));
}

void MainWindow::reportHistory(EditHistory::Outcome outcome, const QString& done,
                               const QString& nothing) {
    switch (outcome) {
    case EditHistory::Outcome::Done:
        refillList();
        showNote(withConflictCount(done + QStringLiteral(" %1 now.").arg(Events(eventCount()))));
        break;
    case EditHistory::Outcome::Nothing:
        showNote(nothing);
        break;
    case EditHistory::Outcome::ChangedOutside:
        prompter_.showMessage(std::string(kChangedOutsideMessage));
        break;
    case EditHistory::Outcome::WriteFailed:
        prompter_.showMessage(std::string(kUndoWriteFailedMessage));
        break;
    }
}

void MainWindow::connectController() {
    ControllerProtocol(*device_, pacer_, prompter_).connectAndSetClock();
}

void MainWindow::sendTable() {
    ControllerProtocol protocol(*device_, pacer_, prompter_);
    const SendOutcome outcome = SendTableCommand(protocol, prompter_, currentKind_, *progressView_);
    if (outcome.result == SendResult::Sent)
        showNote(QStringLiteral("Sent %1.").arg(Events(outcome.events)));
}

void MainWindow::receiveTable() {
    ControllerProtocol protocol(*device_, pacer_, prompter_);
    FileContent before = history_->read(currentKind_);
    const ReceiveOutcome outcome = ReceiveTableCommand(protocol, prompter_, currentKind_,
                                                       eventFolder_, weeklyMode(), *listView_);
    history_->recordChange(currentKind_, std::move(before));
    // The command refilled the list itself; the marks and the schedule follow.
    listRefilled();
    if (outcome.result == ReceiveResult::Received)
        showNote(withConflictCount(QStringLiteral("Received %1.").arg(Events(eventCount()))));
    else if (outcome.result == ReceiveResult::EmptyTable)
        showNote(QStringLiteral("Received an empty table: no events."));
}

void MainWindow::emptyTable() {
    if (ControllerProtocol(*device_, pacer_, prompter_).emptyTable(currentKind_) ==
        EmptyResult::Announced)
        showNote(QStringLiteral("Emptied the controller's table."));
}

void MainWindow::openSchedule() {
    if (scheduleWindow_ == nullptr) {
        scheduleWindow_ = new ScheduleWindow(eventFolder_, this);
        connect(scheduleWindow_, &ScheduleWindow::lineChosen, this,
                &MainWindow::chooseScheduleLine);
    }
    scheduleWindow_->show();
    scheduleWindow_->raise();
    scheduleWindow_->activateWindow();
}

// A click on a bar of the schedule shows its event in the list: the week
// clock's selector and the mode button of the entry's group are clicked as the
// operator would click them (the other buttons of their groups clear, the list
// is refilled), then the line is selected.
void MainWindow::chooseScheduleLine(const ScheduleLine& line) {
    if (currentKind_ != EventKind::WeekClock) {
        if (auto* selector = controlAs<QAbstractButton>(kIdSelectWeekClock))
            selector->click();
        if (currentKind_ != EventKind::WeekClock)
            switchKind(EventKind::WeekClock); // the skin lacks the selector
    }
    if (weeklyMode() == line.dated) {
        const int modeId = line.dated ? kIdWcDated : kIdWcWeekly;
        const EventPanel* weekClock = panel(EventKind::WeekClock);
        if (auto* mode = weekClock ? weekClock->controlAs<QAbstractButton>(modeId) : nullptr)
            mode->click();
    }
    if (weeklyMode() == line.dated)
        return; // the skin lacks the week clock's panel or its mode buttons
    if (QListWidgetItem* item = eventList_->item(line.line)) {
        eventList_->setCurrentItem(item, QItemSelectionModel::ClearAndSelect);
        eventList_->scrollToItem(item);
    }
}

void MainWindow::mousePressEvent(QMouseEvent* event) {
    // Presses on a control or a panel arrive here only when that child ignored
    // them; they must not drag.
    if (event->button() != Qt::LeftButton || childAt(event->position().toPoint()) != nullptr) {
        UIWnd::mousePressEvent(event);
        return;
    }
    event->accept();
    QWindow* window = windowHandle();
    if (window != nullptr && window->startSystemMove())
        return;
    dragOffset_ = event->globalPosition().toPoint() - frameGeometry().topLeft();
}

void MainWindow::mouseMoveEvent(QMouseEvent* event) {
    if (!dragOffset_ || !(event->buttons() & Qt::LeftButton)) {
        UIWnd::mouseMoveEvent(event);
        return;
    }
    move(event->globalPosition().toPoint() - *dragOffset_);
    event->accept();
}

void MainWindow::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton)
        dragOffset_.reset();
    UIWnd::mouseReleaseEvent(event);
}

} // namespace corvane

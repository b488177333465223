// The event commands through the real buttons: add, delete, clear, import,
// export, the kind switch and the week-clock mode buttons.
#include "AppHarness.h"
#include "panels/EventPanel.h"
#include "skin/controls/SpinButton.h"

#include <QComboBox>
#include <QDateEdit>
#include <QListWidget>
#include <QTest>
#include <QTimeEdit>

namespace corvane::test {
namespace {

// Panel controls the scenarios set.
constexpr int kWeekMonday = 1021;
constexpr int kWeekFriday = 1025;
constexpr int kWeekWeeklyMode = 1029;
constexpr int kWeekDatedMode = 1030;
constexpr int kWeekStartDate = 104;
constexpr int kWeekEndDate = 105;
constexpr int kWeekStartTime = 106;
constexpr int kWeekEndTime = 107;
constexpr int kTimecodeStartSecondsSpin = 112;
constexpr int kTimecodeFirstChannel = 1056;
constexpr int kMidiNote = 1082;
constexpr int kMidiFirstChannel = 1084;
constexpr int kMidiLastChannel = 1085;
constexpr int kRelayChannel = 1105;

using CommandsTest = AppHarness;

TEST_F(CommandsTest, TimecodeEntriesAreSortedByStartAndSameSettingsReplaceTheName) {
    ASSERT_TRUE(start());
    selectKind(EventKind::Timecode);
    auto* seconds =
        qobject_cast<SpinButton*>(panelControl(EventKind::Timecode, kTimecodeStartSecondsSpin));
    ASSERT_NE(seconds, nullptr);
    struct Entry {
        const char* name;
        int seconds;
        int firstChannel;
    };
    // D has the settings of C, the first line of its start: it takes C's place.
    for (const Entry& e :
         {Entry{"A", 10, 0}, Entry{"B", 5, 0}, Entry{"C", 10, 1}, Entry{"D", 10, 1}}) {
        // The operator steps the spin button up or down to the value.
        while (seconds->position() != e.seconds)
            seconds->step(seconds->position() < e.seconds);
        selectItem(EventKind::Timecode, kTimecodeFirstChannel, e.firstChannel);
        setEventName(e.name);
        click(kIdAdd);
    }
    const QStringList lines = listLines();
    ASSERT_EQ(lines.size(), 3) << lines.join("\n").toStdString();
    EXPECT_TRUE(lines[0].startsWith("B:T(0/0/5:0"));
    EXPECT_TRUE(lines[1].startsWith("D:T(0/0/10:0 to 0/0/0:0)-DMX(ch:2to512"));
    EXPECT_TRUE(lines[2].startsWith("A:T(0/0/10:0"));
    EXPECT_EQ(eventFile(EventKind::Timecode).size(),
              16 + 3 * static_cast<qsizetype>(InfoOf(EventKind::Timecode).recordSize));
}

TEST_F(CommandsTest, ChannelsOutOfOrderAreRefusedAndStoreNothing) {
    ASSERT_TRUE(start());
    selectKind(EventKind::Midi);
    selectItem(EventKind::Midi, kMidiFirstChannel, 9);
    selectItem(EventKind::Midi, kMidiLastChannel, 0);
    click(kIdAdd);
    EXPECT_TRUE(listLines().isEmpty());
    EXPECT_EQ(prompter.messages,
              std::vector<std::string>{"Setting data is error,please change setting"});
    EXPECT_EQ(eventFile(EventKind::Midi), QByteArray(16, '\0'));
}

class RelayListTest : public AppHarness {
protected:
    void addRelays(const QStringList& names) {
        ASSERT_TRUE(start());
        selectKind(EventKind::Relay);
        for (int i = 0; i < names.size(); ++i) {
            selectItem(EventKind::Relay, kRelayChannel, i);
            setEventName(names[i]);
            click(kIdAdd);
        }
        ASSERT_EQ(listLines().size(), names.size());
    }
    QStringList names() const {
        QStringList result;
        for (const QString& line : listLines())
            result << line.section(':', 0, 0);
        return result;
    }
};

TEST_F(RelayListTest, DeleteActsOnlyOnTheLineTheOperatorChose) {
    addRelays({"A", "B", "C"});
    click(kIdDelete);
    EXPECT_EQ(names(), QStringList({"A", "B", "C"}));
    // A double click on a line changes nothing.
    const QByteArray before = eventFile(EventKind::Relay);
    clickLine(0, true);
    EXPECT_EQ(names(), QStringList({"A", "B", "C"}));
    EXPECT_EQ(eventFile(EventKind::Relay), before);

    clickLine(1);
    click(kIdDelete);
    EXPECT_EQ(names(), QStringList({"A", "C"}));
    EXPECT_EQ(eventFile(EventKind::Relay).size(), 16 + 2 * 32);
    // The refill leaves no line chosen: a second delete does nothing.
    click(kIdDelete);
    EXPECT_EQ(names(), QStringList({"A", "C"}));
}

TEST_F(RelayListTest, ImportRefusesMissingAndForeignFiles) {
    addRelays({"A"});
    const QByteArray stored = eventFile(EventKind::Relay);
    // A sensor table of three entries: 16 + 3 * 36 bytes do not fit relay records.
    QByteArray sensorTable(16 + 3 * 36, '\0');
    sensorTable[0] = 3;
    writeFile(folderPath("three.sen"), sensorTable);

    prompter.answerOpen(folderPath("missing.rel"));
    click(kIdImport);
    prompter.answerOpen(folderPath("three.sen"));
    click(kIdImport);
    prompter.answerOpen(std::nullopt);
    click(kIdImport);

    EXPECT_EQ(prompter.messages,
              (std::vector<std::string>{"The file does not exist!",
                                        "The file is not a valid event file for this kind!"}));
    EXPECT_EQ(eventFile(EventKind::Relay), stored);
    EXPECT_EQ(names(), QStringList({"A"}));
}

TEST_F(CommandsTest, KindSwitchKeepsEachPanelAndRefillsTheList) {
    ASSERT_TRUE(start());
    selectKind(EventKind::Midi);
    selectItem(EventKind::Midi, kMidiNote, 59);
    click(kIdAdd);
    selectKind(EventKind::Audio);
    EXPECT_TRUE(listLines().isEmpty());
    EXPECT_FALSE(window().panel(EventKind::Midi)->isVisible());
    EXPECT_TRUE(window().panel(EventKind::Audio)->isVisible());

    selectKind(EventKind::Midi);
    EXPECT_EQ(listLines().size(), 1);
    EXPECT_EQ(qobject_cast<QComboBox*>(panelControl(EventKind::Midi, kMidiNote))->currentIndex(),
              59);
    // Selecting the current kind again only rebuilds the list.
    selectKind(EventKind::Midi);
    EXPECT_EQ(listLines().size(), 1);
    EXPECT_TRUE(window().panel(EventKind::Midi)->isVisible());
    int visible = 0;
    for (EventKind kind : kAllEventKinds)
        visible += window().panel(kind)->isVisible() ? 1 : 0;
    EXPECT_EQ(visible, 1);
}

TEST_F(CommandsTest, WeekClockModeButtonsSwitchBetweenWeeklyAndDatedEntries) {
    ASSERT_TRUE(start());
    clickPanel(EventKind::WeekClock, kWeekMonday);
    clickPanel(EventKind::WeekClock, kWeekFriday);
    setEventName("Weekly");
    click(kIdAdd);
    ASSERT_EQ(listLines().size(), 2);
    EXPECT_TRUE(listLines()[0].startsWith("Weekly:(MON/"));
    EXPECT_TRUE(listLines()[1].startsWith("Weekly:(FRI/"));

    clickPanel(EventKind::WeekClock, kWeekDatedMode);
    EXPECT_TRUE(listLines().isEmpty());
    auto* startDate = qobject_cast<QDateEdit*>(panelControl(EventKind::WeekClock, kWeekStartDate));
    auto* endDate = qobject_cast<QDateEdit*>(panelControl(EventKind::WeekClock, kWeekEndDate));
    auto* startTime = qobject_cast<QTimeEdit*>(panelControl(EventKind::WeekClock, kWeekStartTime));
    auto* endTime = qobject_cast<QTimeEdit*>(panelControl(EventKind::WeekClock, kWeekEndTime));
    ASSERT_TRUE(startDate && endDate && startTime && endTime);
    // A dated window that ends before it starts is refused.
    startDate->setDate(QDate(2031, 12, 24));
    endDate->setDate(QDate(2031, 12, 24));
    startTime->setTime(QTime(10, 0));
    endTime->setTime(QTime(9, 0));
    setEventName("Dated");
    click(kIdAdd);
    EXPECT_TRUE(listLines().isEmpty());
    EXPECT_EQ(prompter.messages, std::vector<std::string>{"Time is Error!"});

    endDate->setDate(QDate(2031, 12, 26));
    click(kIdAdd);
    ASSERT_EQ(listLines().size(), 1);
    EXPECT_TRUE(listLines()[0].startsWith("Dated:(12/24/")) << listLines()[0].toStdString();

    clickPanel(EventKind::WeekClock, kWeekWeeklyMode);
    EXPECT_EQ(listLines().size(), 2);
    EXPECT_EQ(prompter.messages.size(), 1u);
}

TEST_F(CommandsTest, PressOnTheWindowSurfaceDragsItButNotOnAChild) {
    ASSERT_TRUE(start());
    MainWindow& w = window();
    QPoint surface(-1, -1);
    for (int y = 4; y < w.height() && surface.x() < 0; y += 4) {
        for (int x = 4; x < w.width(); x += 4) {
            if (w.childAt(x, y) == nullptr &&
                (w.mask().isEmpty() || w.mask().contains(QPoint(x, y)))) {
                surface = QPoint(x, y);
                break;
            }
        }
    }
    ASSERT_GE(surface.x(), 0);
    const QPoint start = w.pos();
    QTest::mousePress(&w, Qt::LeftButton, {}, surface);
    QTest::mouseMove(&w, surface + QPoint(30, 20));
    QTest::mouseRelease(&w, Qt::LeftButton, {}, surface + QPoint(30, 20));
    EXPECT_EQ(w.pos(), start + QPoint(30, 20));

    EventPanel* panel = w.panel(EventKind::WeekClock);
    const QPoint moved = w.pos();
    QPoint onPanel(2, 2);
    QTest::mousePress(panel, Qt::LeftButton, {}, onPanel);
    QTest::mouseMove(panel, onPanel + QPoint(30, 20));
    QTest::mouseRelease(panel, Qt::LeftButton, {}, onPanel + QPoint(30, 20));
    EXPECT_EQ(w.pos(), moved);
}

} // namespace
} // namespace corvane::test

// The event commands through the real buttons: add, delete, clear, import,
// export, the kind switch and the week-clock mode buttons.
#include "AppHarness.h"
#include "skin/controls/SpinButton.h"

#include <QDateTimeEdit>

namespace corvane::test {
namespace {

using CommandsTest = AppHarness;

TEST_F(CommandsTest, TimecodeEntriesAreSortedByStartAndSameSettingsReplaceTheName) {
    ASSERT_TRUE(start());
    selectKind(EventKind::Timecode);
    auto* seconds = qobject_cast<SpinButton*>(panelControl(EventKind::Timecode, 112));
    ASSERT_NE(seconds, nullptr);
    // D has the settings of C, the first line of its start: it takes C's place.
    // clang-format off
    const struct { const char* name; int seconds, firstChannel; } entries[] = {{"A", 10, 0}, {"B", 5, 0}, {"C", 10, 1}, {"D", 10, 1}};
    // clang-format on
    for (const auto& e : entries) {
        while (seconds->position() != e.seconds) // the operator steps the spin button
            seconds->step(seconds->position() < e.seconds);
        selectItem(EventKind::Timecode, 1056, e.firstChannel);
        setEventName(e.name);
        click(kIdAdd);
    }
    const QStringList lines = listLines();
    ASSERT_EQ(lines.size(), 3) << lines.join("\n").toStdString();
    EXPECT_TRUE(lines[0].startsWith("B:T(0/0/5:0"));
    EXPECT_TRUE(lines[1].startsWith("D:T(0/0/10:0 to 0/0/0:0)-DMX(ch:2to512"));
    EXPECT_TRUE(lines[2].startsWith("A:T(0/0/10:0"));
    EXPECT_EQ(eventFile(EventKind::Timecode).size(),
              16 + 3 * qsizetype(InfoOf(EventKind::Timecode).recordSize));
}

TEST_F(CommandsTest, ChannelsOutOfOrderAreRefusedAndStoreNothing) {
    ASSERT_TRUE(start());
    selectKind(EventKind::Midi);
    selectItem(EventKind::Midi, 1084, 9); // first channel after the last
    selectItem(EventKind::Midi, 1085, 0);
    click(kIdAdd);
    EXPECT_TRUE(listLines().isEmpty());
    EXPECT_EQ(prompter.messages,
              std::vector<std::string>{"Setting data is error,please change setting"});
    EXPECT_EQ(eventFile(EventKind::Midi), QByteArray(16, '\0'));
}

class RelayListTest : public AppHarness {
protected:
    void SetUp() override {
        AppHarness::SetUp();
        ASSERT_TRUE(start());
        selectKind(EventKind::Relay);
    }
    void addRelays(const QStringList& names) {
        for (int i = 0; i < names.size(); ++i) {
            selectItem(EventKind::Relay, 1105, i);
            setEventName(names[i]);
            click(kIdAdd);
        }
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
    const QByteArray before = eventFile(EventKind::Relay);
    clickLine(0, true); // a double click on a line changes nothing
    EXPECT_EQ(names(), QStringList({"A", "B", "C"}));
    EXPECT_EQ(eventFile(EventKind::Relay), before);

    clickLine(1);
    click(kIdDelete);
    EXPECT_EQ(names(), QStringList({"A", "C"}));
    EXPECT_EQ(eventFile(EventKind::Relay).size(), 16 + 2 * 32);
    click(kIdDelete); // the refill leaves no line chosen: a second delete does nothing
    EXPECT_EQ(names(), QStringList({"A", "C"}));
}

TEST_F(RelayListTest, ImportRefusesMissingAndForeignFiles) {
    addRelays({"A"});
    const QByteArray stored = eventFile(EventKind::Relay);
    // A sensor table of three entries: 16 + 3 * 36 bytes do not fit relay records.
    QByteArray sensorTable(16 + 3 * 36, '\0');
    sensorTable[0] = 3;
    QFile sensorFile(QString::fromStdString(folderPath("three.sen")));
    ASSERT_TRUE(sensorFile.open(QIODevice::WriteOnly) &&
                sensorFile.write(sensorTable) == sensorTable.size());
    sensorFile.close();
    for (const auto& answer :
         {std::optional(folderPath("missing.rel")), std::optional(folderPath("three.sen")),
          std::optional<std::string>()}) {
        prompter.answerOpen(answer);
        click(kIdImport);
    }
    EXPECT_EQ(prompter.messages,
              (std::vector<std::string>{"The file does not exist!",
                                        "The file is not a valid event file for this kind!"}));
    EXPECT_EQ(eventFile(EventKind::Relay), stored);
    EXPECT_EQ(names(), QStringList({"A"}));
}

TEST_F(CommandsTest, KindSwitchKeepsEachPanelAndRefillsTheList) {
    ASSERT_TRUE(start());
    selectKind(EventKind::Midi);
    selectItem(EventKind::Midi, 1082, 59); // the note
    click(kIdAdd);
    selectKind(EventKind::Audio);
    EXPECT_TRUE(listLines().isEmpty());
    EXPECT_FALSE(window().panel(EventKind::Midi)->isVisible());
    selectKind(EventKind::Midi);
    EXPECT_EQ(listLines().size(), 1);
    EXPECT_EQ(qobject_cast<QComboBox*>(panelControl(EventKind::Midi, 1082))->currentIndex(), 59);
    selectKind(EventKind::Midi); // the current kind again only rebuilds the list
    EXPECT_EQ(listLines().size(), 1);
    EXPECT_TRUE(window().panel(EventKind::Midi)->isVisible());
    EXPECT_FALSE(window().panel(EventKind::Audio)->isVisible());
}

TEST_F(CommandsTest, AKindWithoutItsPanelShowsNoPanelAndAddStoresNothing) {
    // The default skin with the MIDI panel's window section renamed away.
    const QDir source(QString(CORVANE_PROGRAM_DIR) + "/Skins/Corvane");
    const QDir skin(folder.filePath("skin"));
    ASSERT_TRUE(skin.mkpath("."));
    for (const QString& name : source.entryList(QDir::Files))
        ASSERT_TRUE(QFile::copy(source.filePath(name), skin.filePath(name)));
    QFile ui(skin.filePath("the.ui"));
    ASSERT_TRUE(ui.open(QIODevice::ReadOnly));
    const QByteArray text = ui.readAll().replace("[SKIN_MIDI]", "[GONE]");
    ui.close();
    ASSERT_TRUE(ui.open(QIODevice::WriteOnly | QIODevice::Truncate) && ui.write(text) > 0);
    ui.close();

    ASSERT_TRUE(app.initInstance(ui.fileName().toStdString()));
    selectKind(EventKind::Midi);
    EXPECT_EQ(window().panel(EventKind::Midi), nullptr);
    for (const EventPanel* panel : window().findChildren<EventPanel*>())
        EXPECT_FALSE(panel->isVisible()) << panel->metaObject()->className();
    const QByteArray before = eventFile(EventKind::Midi);
    click(kIdAdd);
    EXPECT_EQ(prompter.messages, std::vector<std::string>{
                                     "The panel for this kind could not be loaded from the skin!"});
    EXPECT_EQ(eventFile(EventKind::Midi), before);
    EXPECT_TRUE(listLines().isEmpty());
}

TEST_F(CommandsTest, WeekClockModeButtonsSwitchBetweenWeeklyAndDatedEntries) {
    ASSERT_TRUE(start());
    const EventKind week = EventKind::WeekClock;
    clickPanel(week, 1021); // Monday
    clickPanel(week, 1025); // Friday
    setEventName("Weekly");
    click(kIdAdd);
    ASSERT_EQ(listLines().size(), 2);
    EXPECT_TRUE(listLines()[0].startsWith("Weekly:(MON/"));
    EXPECT_TRUE(listLines()[1].startsWith("Weekly:(FRI/"));

    clickPanel(week, 1030); // dated
    EXPECT_TRUE(listLines().isEmpty());
    // The start and end dates and times.
    auto edit = [&](int id) { return qobject_cast<QDateTimeEdit*>(panelControl(week, id)); };
    ASSERT_TRUE(edit(104) && edit(105) && edit(106) && edit(107));
    // A dated window that ends before it starts is refused.
    edit(104)->setDate(QDate(2031, 12, 24));
    edit(105)->setDate(QDate(2031, 12, 24));
    edit(106)->setTime(QTime(10, 0));
    edit(107)->setTime(QTime(9, 0));
    setEventName("Dated");
    click(kIdAdd);
    EXPECT_TRUE(listLines().isEmpty());
    EXPECT_EQ(prompter.messages, std::vector<std::string>{"Time is Error!"});
    edit(105)->setDate(QDate(2031, 12, 26));
    click(kIdAdd);
    ASSERT_EQ(listLines().size(), 1);
    EXPECT_TRUE(listLines()[0].startsWith("Dated:(12/24/")) << listLines()[0].toStdString();

    clickPanel(week, 1029); // weekly
    EXPECT_EQ(listLines().size(), 2);
    EXPECT_EQ(prompter.messages.size(), 1u);
}

} // namespace
} // namespace corvane::test

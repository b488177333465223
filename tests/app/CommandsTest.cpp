// The event commands through the real buttons: add, the kind switch, the
// week-clock mode buttons and a skin that lacks a panel.
#include "AppHarness.h"

#include <QDateTimeEdit>
#include <filesystem>

namespace corvane::test {
namespace {

using CommandsTest = AppHarness;

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
    std::filesystem::copy(CORVANE_PROGRAM_DIR "/Skins/Corvane", folderPath("skin"));
    const std::string ui = folderPath("skin/the.ui");
    writeFile(ui, readFile(ui).replace("[SKIN_MIDI]", "[GONE]"));
    ASSERT_TRUE(start(ui));
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
    EXPECT_TRUE(listLines()[1].startsWith("Weekly:(FRI/"));

    clickPanel(week, 1030); // dated
    EXPECT_TRUE(listLines().isEmpty());
    auto date = [&](int id) { return qobject_cast<QDateTimeEdit*>(panelControl(week, id)); };
    date(104)->setDate(QDate(2031, 12, 24)); // start
    date(105)->setDate(QDate(2031, 12, 26)); // end
    setEventName("Dated");
    click(kIdAdd);
    ASSERT_EQ(listLines().size(), 1);
    EXPECT_TRUE(listLines()[0].startsWith("Dated:(12/24/")) << listLines()[0].toStdString();

    clickPanel(week, 1029); // weekly
    EXPECT_EQ(listLines().size(), 2);
    EXPECT_TRUE(prompter.messages.empty());
}

} // namespace
} // namespace corvane::test

// The panels' reactions to operator input.
#include "PanelTestSupport.h"

#include "panels/AnalogPanel.h"
#include "panels/SensorPanel.h"
#include "panels/TimecodePanel.h"
#include "panels/WeekClockPanel.h"
#include "skin/controls/SpinButton.h"

#include <QAbstractButton>
#include <QDateEdit>
#include <QTimeEdit>
#include <QTest>

#include <gtest/gtest.h>

#include <cstdlib>

namespace corvane::test {
namespace {

const int kDayBoxes[] = {1021, 1022, 1023, 1024, 1025, 1026, 1027};

std::array<bool, 7> AllDays(bool value)
{
    std::array<bool, 7> days;
    days.fill(value);
    return days;
}

TEST(WeekClockRules, AllDaysChecksAndClearsEverySevenBoxes)
{
    auto panel = Created<WeekClockPanel>();
    ASSERT_NE(panel, nullptr);
    EXPECT_EQ(panel->checkedDays(), AllDays(false));

    Click(panel->control(1023)); // Wednesday by hand
    std::array<bool, 7> wednesday{};
    wednesday[3] = true;
    EXPECT_EQ(panel->checkedDays(), wednesday);

    Click(panel->control(1028));
    EXPECT_EQ(panel->checkedDays(), AllDays(true));
    Click(panel->control(1028));
    EXPECT_EQ(panel->checkedDays(), AllDays(false));
    for (int id : kDayBoxes)
        EXPECT_FALSE(panel->controlAs<QAbstractButton>(id)->isChecked()) << id;
}

TEST(WeekClockRules, DayBoxesReportSundayFirst)
{
    auto panel = Created<WeekClockPanel>();
    ASSERT_NE(panel, nullptr);
    Click(panel->control(1027)); // Sunday
    Click(panel->control(1026)); // Saturday
    std::array<bool, 7> weekend{};
    weekend[0] = weekend[6] = true;
    EXPECT_EQ(panel->checkedDays(), weekend);
}

TEST(WeekClockRules, ModeButtonsAskForARefillWithTheModeOfThatMoment)
{
    auto panel = Created<WeekClockPanel>();
    ASSERT_NE(panel, nullptr);
    EXPECT_TRUE(panel->weeklyMode());
    std::vector<bool> modesSeen;
    QObject::connect(panel.get(), &EventPanel::listRefillRequested,
                     [&] { modesSeen.push_back(panel->weeklyMode()); });

    Click(panel->control(1030));
    Click(panel->control(1029));
    EXPECT_EQ(modesSeen, (std::vector<bool>{false, true}));
}

TEST(WeekClockRules, PickersStartAtCreationAndFollowEveryChange)
{
    auto panel = Created<WeekClockPanel>();
    ASSERT_NE(panel, nullptr);
    const QDate today = QDate::currentDate();
    const PickerValues initial = panel->pickers();
    // Around midnight the creation may fall on the day before.
    EXPECT_LE(std::abs(QDate(initial.startDate.year, initial.startDate.month, initial.startDate.day)
                           .daysTo(today)),
              1);
    EXPECT_EQ(initial.startDate.weekday, initial.endDate.weekday);
    // The time pickers hold whole seconds, exactly what they show.
    for (int id : {106, 107})
        EXPECT_EQ(panel->controlAs<QTimeEdit>(id)->time().msec(), 0) << id;

    auto* endTime = panel->controlAs<QTimeEdit>(107);
    ASSERT_NE(endTime, nullptr);
    StepTo(endTime, QTime(23, 45, 6));
    const PickerTime end = panel->pickers().endTime;
    EXPECT_EQ(end.hour, 23);
    EXPECT_EQ(end.minute, 45);
    EXPECT_EQ(end.second, 6);
}

struct SpinCase {
    int spinId;
    int displayId;
    int upPresses;
    const char* shown;
};

class TimecodeSpin : public ::testing::TestWithParam<SpinCase> {};

TEST_P(TimecodeSpin, ShowsItsPositionInItsOwnDisplayText)
{
    const SpinCase& c = GetParam();
    auto panel = Created<TimecodePanel>();
    ASSERT_NE(panel, nullptr);
    SpinButton* spin = panel->spin(c.spinId);
    ASSERT_NE(spin, nullptr);
    for (int i = 0; i < c.upPresses; ++i)
        QTest::keyClick(spin, Qt::Key_Up);
    for (int id = 1060; id <= 1067; ++id)
        EXPECT_EQ(panel->text(id), id == c.displayId ? c.shown : " 0") << id;
}

INSTANTIATE_TEST_SUITE_P(
    PositionsAndRanges, TimecodeSpin,
    ::testing::Values(SpinCase{110, 1060, 7, " 7"}, SpinCase{110, 1060, 23, "23"},
                      SpinCase{110, 1060, 40, "23"}, SpinCase{111, 1061, 75, "59"},
                      SpinCase{112, 1062, 75, "59"}, SpinCase{113, 1063, 40, "29"},
                      SpinCase{114, 1064, 30, "23"}, SpinCase{115, 1065, 5, " 5"},
                      SpinCase{116, 1066, 75, "59"}, SpinCase{117, 1067, 40, "29"}));

TEST(TimecodeSpin, GoesBackDownToZero)
{
    auto panel = Created<TimecodePanel>();
    ASSERT_NE(panel, nullptr);
    SpinButton* spin = panel->spin(113);
    for (int i = 0; i < 3; ++i)
        QTest::keyClick(spin, Qt::Key_Up);
    for (int i = 0; i < 5; ++i)
        QTest::keyClick(spin, Qt::Key_Down);
    EXPECT_EQ(panel->text(1063), " 0");
}

bool Shown(const EventPanel& panel, int id)
{
    return panel.control(id)->isVisibleTo(&panel);
}

TEST(SensorRules, OutputTypeRelabelsRefillsAndHides)
{
    auto panel = Created<SensorPanel>();
    ASSERT_NE(panel, nullptr);
    auto* type = panel->controlAs<QComboBox>(1139);
    // The operator's last channel and level, which no type change may touch.
    ChooseText(panel->controlAs<QComboBox>(1137), "300");
    ChooseText(panel->controlAs<QComboBox>(1138), "77");
    ChooseText(panel->controlAs<QComboBox>(1135), "9");

    ChooseText(type, "Relay");
    EXPECT_EQ(panel->text(1128), "    Relay No.:");
    EXPECT_EQ(panel->text(1130), "Relay Status:");
    EXPECT_EQ(Items(panel->controlAs<QComboBox>(1135)),
              QStringList({"1", "2", "3", "4", "5", "6", "7", "8"}));
    EXPECT_EQ(panel->selection(1135), 0);
    EXPECT_EQ(Items(panel->controlAs<QComboBox>(1136)), QStringList({"Off", "On"}));
    EXPECT_EQ(panel->text(1136), "Off");
    for (int id : {1128, 1130, 1135, 1136})
        EXPECT_TRUE(Shown(*panel, id)) << id;
    for (int id : {1131, 1132, 1137, 1138})
        EXPECT_FALSE(Shown(*panel, id)) << id;

    ChooseText(type, "Audio");
    EXPECT_EQ(panel->text(1128), "      Audio In:");
    EXPECT_EQ(Items(panel->controlAs<QComboBox>(1135)), QStringList({"Enable", "Disable"}));
    EXPECT_EQ(panel->text(1135), "Disable");
    EXPECT_TRUE(Shown(*panel, 1128));
    EXPECT_TRUE(Shown(*panel, 1135));
    for (int id : {1130, 1131, 1132, 1136, 1137, 1138})
        EXPECT_FALSE(Shown(*panel, id)) << id;

    ChooseText(type, "DMX");
    EXPECT_EQ(panel->text(1128), "DMX First Ch:");
    EXPECT_EQ(panel->text(1130), "Increment Ch:");
    EXPECT_EQ(panel->controlAs<QComboBox>(1135)->count(), 512);
    EXPECT_EQ(panel->text(1135), "1");
    EXPECT_EQ(panel->controlAs<QComboBox>(1136)->count(), 255);
    EXPECT_EQ(panel->text(1136), "1");
    for (int id : {1130, 1131, 1132, 1135, 1136, 1137, 1138})
        EXPECT_TRUE(Shown(*panel, id)) << id;
    EXPECT_EQ(panel->text(1137), "300");
    EXPECT_EQ(panel->text(1138), "77");
}

TEST(SensorRules, SettingSpinsStayHiddenAndTheSettingsKeepTheirValues)
{
    auto panel = Created<SensorPanel>();
    ASSERT_NE(panel, nullptr);
    for (int id : {111, 112}) {
        ASSERT_NE(panel->spin(id), nullptr);
        EXPECT_FALSE(panel->spin(id)->isVisibleTo(panel.get())) << id;
    }
    ChooseText(panel->controlAs<QComboBox>(1139), "Relay");
    ChooseText(panel->controlAs<QComboBox>(1139), "DMX");
    EXPECT_EQ(panel->text(1140), "0");
    EXPECT_EQ(panel->text(1015), "30");
}

TEST(AnalogRules, RelayOutputAndBackToDmx)
{
    auto panel = Created<AnalogPanel>();
    ASSERT_NE(panel, nullptr);
    auto* type = panel->controlAs<QComboBox>(1152);
    ChooseText(panel->controlAs<QComboBox>(1155), "400");
    ChooseText(panel->controlAs<QComboBox>(1156), "128");

    ChooseText(type, "Relay");
    EXPECT_EQ(panel->text(1148), "Relay:");
    EXPECT_EQ(panel->text(1149), "Relay State:");
    EXPECT_EQ(panel->text(1150), "");
    EXPECT_EQ(panel->text(1151), "");
    EXPECT_EQ(Items(panel->controlAs<QComboBox>(1153)),
              QStringList({"Relay1", "Relay2", "Relay3", "Relay4", "Relay5", "Relay6", "Relay7",
                           "Relay8"}));
    EXPECT_EQ(panel->text(1153), "Relay1");
    EXPECT_EQ(Items(panel->controlAs<QComboBox>(1154)), QStringList({"OFF", "ON"}));
    EXPECT_EQ(panel->text(1154), "OFF");
    EXPECT_FALSE(Shown(*panel, 1155));
    EXPECT_FALSE(Shown(*panel, 1156));

    ChooseText(type, "DMX");
    EXPECT_EQ(panel->text(1148), "DMX First Ch:");
    EXPECT_EQ(panel->text(1149), "Increment Ch:");
    EXPECT_EQ(panel->text(1150), "DMX Last Ch:");
    EXPECT_EQ(panel->text(1151), "DMX Level:");
    EXPECT_EQ(panel->controlAs<QComboBox>(1153)->count(), 512);
    EXPECT_EQ(panel->text(1153), "1");
    EXPECT_EQ(panel->controlAs<QComboBox>(1154)->count(), 255);
    EXPECT_EQ(panel->text(1154), "1");
    EXPECT_TRUE(Shown(*panel, 1155));
    EXPECT_TRUE(Shown(*panel, 1156));
    EXPECT_EQ(panel->text(1155), "400");
    EXPECT_EQ(panel->text(1156), "128");
}

// The main window hides a panel when another kind is chosen and shows it
// again when its kind comes back; the operator's settings must survive.
TEST(PanelSwitching, HidingAndShowingKeepsTheValues)
{
    struct Setting {
        int kind;
        int comboId;
        const char* choice;
    };
    const Setting settings[] = {{0, 1032, "100"}, {1, 1059, "200"}, {2, 1088, "Toggle"},
                                {3, 1100, "1kHz"}, {4, 1117, "6"},  {5, 1139, "Relay"},
                                {6, 1152, "Relay"}};
    for (const Setting& s : settings) {
        auto panel = CreatedPanel(s.kind);
        ASSERT_NE(panel, nullptr) << s.kind;
        ChooseText(panel->controlAs<QComboBox>(s.comboId), s.choice);
        const std::string before1015 = panel->text(1015);
        panel->hide();
        panel->show();
        EXPECT_EQ(panel->text(s.comboId), s.choice) << s.kind;
        EXPECT_EQ(panel->text(1015), before1015) << s.kind;
    }
}

} // namespace
} // namespace corvane::test

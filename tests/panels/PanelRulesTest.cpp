// The panels' reactions to operator input.
#include "PanelTestSupport.h"

#include <gtest/gtest.h>

#include <array>
#include <tuple>
#include <vector>

namespace corvane::test {
namespace {

using Days = std::array<bool, 7>;  // Sunday first

TEST(WeekClockRules, AllDaysChecksAndClearsTheSevenDayBoxes)
{
    auto panel = CreatedPanel(0);
    ASSERT_NE(panel, nullptr);
    Operate(*panel, 1023);  // Wednesday by hand
    EXPECT_EQ(panel->checkedDays(), (Days{false, false, false, true, false, false, false}));
    Operate(*panel, 1028);
    EXPECT_EQ(panel->checkedDays(), (Days{true, true, true, true, true, true, true}));
    Operate(*panel, 1028);
    EXPECT_EQ(panel->checkedDays(), Days{});
    Operate(*panel, 1027);
    Operate(*panel, 1026);
    EXPECT_EQ(panel->checkedDays(), (Days{true, false, false, false, false, false, true}));
}

TEST(WeekClockRules, ModeButtonsAskForARefillWithTheModeOfThatMoment)
{
    auto panel = CreatedPanel(0);
    ASSERT_NE(panel, nullptr);
    EXPECT_TRUE(panel->weeklyMode());
    std::vector<bool> modesSeen;
    QObject::connect(panel.get(), &EventPanel::listRefillRequested,
                     [&] { modesSeen.push_back(panel->weeklyMode()); });
    Operate(*panel, 1030);
    Operate(*panel, 1029);
    EXPECT_EQ(modesSeen, (std::vector<bool>{false, true}));
}

// Each spin shows "%2d" of its position in its own display text and stops
// at the top of its range; the other seven texts keep their initial " 0".
TEST(TimecodeRules, SpinsShowTheirPositionInTheirOwnTextUpToTheirRange)
{
    const std::tuple<int, int, const char*> cases[] = {
        {110, 7, " 7"},  {110, 40, "23"}, {111, 75, "59"}, {112, 75, "59"}, {113, 40, "29"},
        {114, 30, "23"}, {115, 5, " 5"},  {116, 75, "59"}, {117, 40, "29"}};
    for (const auto& [spin, ups, shown] : cases) {
        SCOPED_TRACE(spin);
        auto panel = CreatedPanel(1);
        ASSERT_NE(panel, nullptr);
        Operate(*panel, spin, QString::number(ups));
        for (int text = 1060; text <= 1067; ++text)
            EXPECT_EQ(panel->text(text), text - 1060 == spin - 110 ? shown : " 0") << text;
    }
}

// One output-type choice and what the block below it shows afterwards.
struct TypeStep {
    const char* type;
    std::vector<std::pair<int, const char*>> texts;
    std::vector<std::pair<int, QStringList>> items;  // first and last item
    std::vector<int> shown;
    std::vector<int> hidden;
};

void RunTypeSteps(int kind, int typeId, const std::vector<std::pair<int, QString>>& settings,
                  const std::vector<TypeStep>& steps)
{
    auto panel = CreatedPanel(kind);
    ASSERT_NE(panel, nullptr);
    for (const auto& [id, value] : settings)  // the operator's, before the first choice
        Operate(*panel, id, value);
    for (const TypeStep& step : steps) {
        SCOPED_TRACE(step.type);
        Operate(*panel, typeId, step.type);
        for (const auto& [id, text] : step.texts)
            EXPECT_EQ(panel->text(id), text) << id;
        for (const auto& [id, ends] : step.items) {
            const QStringList items = Items(*panel, id);
            EXPECT_EQ((QStringList{items.value(0), items.value(items.size() - 1)}), ends) << id;
        }
        for (int id : step.shown)
            EXPECT_TRUE(Shown(*panel, id)) << id;
        for (int id : step.hidden)
            EXPECT_FALSE(Shown(*panel, id)) << id;
    }
}

TEST(SensorRules, OutputTypeRelabelsRefillsAndHidesButKeepsLastChannelAndLevel)
{
    RunTypeSteps(5, 1139, {{1137, "300"}, {1138, "77"}, {1135, "9"}},
                 {{"Relay",
                   {{1128, "    Relay No.:"}, {1130, "Relay Status:"}, {1135, "1"}, {1136, "Off"}},
                   {{1135, {"1", "8"}}, {1136, {"Off", "On"}}},
                   {1128, 1130, 1135, 1136}, {1131, 1132, 1137, 1138, 111, 112}},
                  {"Audio",
                   {{1128, "      Audio In:"}, {1135, "Disable"}},
                   {{1135, {"Enable", "Disable"}}},
                   {1128, 1135}, {1130, 1131, 1132, 1136, 1137, 1138}},
                  {"DMX",
                   {{1128, "DMX First Ch:"}, {1130, "Increment Ch:"}, {1135, "1"}, {1136, "1"},
                    {1137, "300"}, {1138, "77"}, {1140, "0"}, {1015, "30"}},
                   {{1135, {"1", "512"}}, {1136, {"1", "255"}}},
                   {1128, 1130, 1131, 1132, 1135, 1136, 1137, 1138}, {111, 112}}});
}

TEST(AnalogRules, RelayOutputAndBackToDmx)
{
    RunTypeSteps(6, 1152, {{1155, "400"}, {1156, "128"}},
                 {{"Relay",
                   {{1148, "Relay:"}, {1149, "Relay State:"}, {1150, ""}, {1151, ""},
                    {1153, "Relay1"}, {1154, "OFF"}},
                   {{1153, {"Relay1", "Relay8"}}, {1154, {"OFF", "ON"}}},
                   {1148, 1149, 1153, 1154}, {1155, 1156}},
                  {"DMX",
                   {{1148, "DMX First Ch:"}, {1149, "Increment Ch:"}, {1150, "DMX Last Ch:"},
                    {1151, "DMX Level:"}, {1153, "1"}, {1154, "1"}, {1155, "400"}, {1156, "128"}},
                   {{1153, {"1", "512"}}, {1154, {"1", "255"}}},
                   {1150, 1151, 1155, 1156}, {}}});
}

// The main window hides a panel when another kind is chosen and shows it
// again when its kind comes back; the operator's settings must survive.
TEST(PanelSwitching, HidingAndShowingKeepsTheValues)
{
    const std::pair<int, const char*> settings[] = {
        {1032, "100"}, {1059, "200"}, {1088, "Toggle"}, {1100, "1kHz"},
        {1117, "6"},   {1139, "Relay"}, {1152, "Relay"}};
    for (int kind = 0; kind < 7; ++kind) {
        auto panel = CreatedPanel(kind);
        ASSERT_NE(panel, nullptr) << kind;
        const auto [id, choice] = settings[kind];
        Operate(*panel, id, choice);
        panel->hide();
        panel->show();
        EXPECT_EQ(panel->text(id), choice) << kind;
    }
}

} // namespace
} // namespace corvane::test

// The seven panels created from the default skin on the offscreen platform:
// what a fresh panel shows, its reactions to operator input, and the records
// collected from the real widgets, byte for byte against the record layouts.
#include "events/CollectRecord.h"
#include "panels/EventPanel.h"
#include "panels/PanelFactory.h"
#include "skin/SkinPaths.h"
#include "skin/controls/SpinButton.h"
#include "skin/controls/UIEdit.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDateEdit>
#include <QTest>
#include <QTimeEdit>
#include <array>
#include <cstdlib>
#include <gtest/gtest.h>
#include <map>
#include <vector>

namespace corvane::test {
namespace {

// A panel of the kind (0..6), created and shown; the skin paths are set up
// on first use.
std::unique_ptr<EventPanel> CreatedPanel(int kind) {
    static const bool skinSet = SetUIPath(CORVANE_TEST_SKIN_FILE) == 0;
    EXPECT_TRUE(skinSet) << CORVANE_TEST_SKIN_FILE;
    auto panel = MakePanel(kind);
    if (!panel || !panel->create())
        return nullptr;
    panel->show();
    return panel;
}

QStringList Items(const EventPanel& panel, int comboId) {
    QStringList items;
    if (const auto* combo = panel.controlAs<QComboBox>(comboId))
        for (int i = 0; i < combo->count(); ++i)
            items.append(combo->itemText(i));
    return items;
}

bool Shown(const EventPanel& panel, int id) {
    return panel.control(id) && panel.control(id)->isVisibleTo(&panel);
}

void Press(QWidget* widget, Qt::Key key, int times) {
    for (int i = 0; i < times; ++i)
        QTest::keyClick(widget, key);
}

// Steps a date or time picker to the target with the arrow keys, part by part.
void Step(QDateTimeEdit* picker, const QDateTime& target) {
    using S = QDateTimeEdit;
    const std::pair<S::Section, const char*> parts[] = {
        {S::YearSection, "yyyy"}, {S::MonthSection, "M"},  {S::DaySection, "d"},
        {S::HourSection, "H"},    {S::MinuteSection, "m"}, {S::SecondSection, "s"}};
    picker->setFocus();
    for (const auto& [section, format] : parts) {
        if (!(picker->displayedSections() & section))
            continue;
        picker->setCurrentSection(section);
        const int from = picker->dateTime().toString(format).toInt(),
                  to = target.toString(format).toInt();
        Press(picker, to > from ? Qt::Key_Up : Qt::Key_Down, std::abs(to - from));
    }
    ASSERT_EQ(picker->dateTime(), target); // to the millisecond: the pickers hold whole seconds
}

// Operator input on control id, by its kind: a click on a button; the item
// with this text chosen with the keys in a combo box; the text typed over an
// edit field's; a spin button pressed up that many times; a date (yyyy-MM-dd)
// or time (HH:mm:ss) picker stepped with the arrow keys.
void Operate(EventPanel& panel, int id, const QString& input = {}) {
    QWidget* control = panel.control(id);
    ASSERT_NE(control, nullptr) << id;
    if (auto* combo = qobject_cast<QComboBox*>(control)) {
        const int index = combo->findText(input);
        ASSERT_GE(index, 0) << input.toStdString();
        QTest::keyClick(combo, Qt::Key_Home);
        Press(combo, Qt::Key_Down, index);
        ASSERT_EQ(combo->currentIndex(), index) << input.toStdString();
    } else if (auto* edit = qobject_cast<UIEdit*>(control)) {
        edit->editor()->setFocus();
        QTest::keyClick(edit->editor(), Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(edit->editor(), input);
    } else if (auto* spin = qobject_cast<SpinButton*>(control)) {
        Press(spin, Qt::Key_Up, input.toInt());
    } else if (auto* date = qobject_cast<QDateEdit*>(control)) {
        Step(date, QDateTime(QDate::fromString(input, Qt::ISODate), date->time()));
    } else if (auto* time = qobject_cast<QTimeEdit*>(control)) {
        Step(time, QDateTime(time->date(), QTime::fromString(input, Qt::ISODate)));
    } else if (qobject_cast<QAbstractButton*>(control)) {
        QTest::mouseClick(control, Qt::LeftButton, Qt::NoModifier, control->rect().center());
    } else {
        FAIL() << "no operator input for control " << id;
    }
}

struct Initial {
    int kind, id;
    int count; // items of a combo box; 0 for a text
    const char *first, *last;
    int selected;
    const char* text; // what the collect reads
};

// First 1..512 on "1", last 1..512 on "512", increment 1..255 on "1", level 0..255 on "0".
#define CHANNEL_BLOCK(kind, first, last, increment, level)                                         \
    {kind, first, 512, "1", "512", 0, "1"}, {kind, last, 512, "1", "512", 511, "512"},             \
        {kind, increment, 255, "1", "255", 0, "1"}, {                                              \
        kind, level, 256, "0", "255", 0, "0"                                                       \
    }

TEST(PanelCreation, EveryPanelShowsTheInitialContentsOfItsLayout) {
    // clang-format off
    const Initial cases[] = {
        CHANNEL_BLOCK(0, 1031, 1032, 1033, 1034), CHANNEL_BLOCK(1, 1056, 1057, 1058, 1059),
        CHANNEL_BLOCK(2, 1084, 1085, 1086, 1087), CHANNEL_BLOCK(5, 1135, 1137, 1136, 1138),
        {2, 1081, 17, "1", "All Channel", 0, "1"}, {2, 1082, 128, "1", "128", 0, "1"},
        {2, 1083, 2, "ON", "OFF", 0, "ON"}, {2, 1088, 4, "Hold", "Toggle", 0, "Hold"},
        {3, 1101, 512, "1", "512", 0, "1"}, {3, 1102, 512, "1", "512", 511, "512"},
        {3, 1103, 255, "1", "255", 0, "1"}, {3, 1099, 3, "Left", "All", 0, "Left"},
        {3, 1100, 14, "16kHz", "42Hz", 0, "16kHz"}, {3, 1105, 2, "One Pixel", "More Pixel", 0, "One Pixel"},
        {4, 1105, 512, "1", "512", 0, "1"}, {4, 1115, 256, "0", "255", 0, "0"},
        {4, 1116, 256, "0", "255", 255, "255"}, {4, 1117, 8, "1", "8", 0, "1"},
        {4, 1118, 2, "On", "Off", 1, "Off"}, {5, 1134, 8, "Contact1", "Contact8", 0, "Contact1"},
        {5, 1139, 3, "DMX", "Audio", 0, "DMX"}, {6, 1139, 4, "Analog1", "Analog4", 0, "Analog1"},
        {6, 1152, 2, "DMX", "Relay", 0, "DMX"}, {6, 1153, 512, "1", "512", 0, "1"},
        {6, 1155, 512, "1", "512", 511, "512"}, {6, 1154, 255, "1", "255", 0, "1"},
        {6, 1156, 255, "1", "255", 0, "1"},
        // The timecode and sensor display texts are checked by their rules' tests.
        {6, 1140, 0, "", "", 0, "0.05v"}, {6, 1015, 0, "", "", 0, "10.00v"}};
    // clang-format on
    std::map<int, std::unique_ptr<EventPanel>> panels; // one per kind, read only
    for (const Initial& c : cases) {
        SCOPED_TRACE(testing::Message() << "kind " << c.kind << ", control " << c.id);
        auto& panel = panels[c.kind];
        if (!panel)
            panel = CreatedPanel(c.kind);
        ASSERT_NE(panel, nullptr);
        EXPECT_EQ(panel->text(c.id), c.text);
        if (c.count == 0)
            continue;
        const QStringList items = Items(*panel, c.id);
        EXPECT_EQ(items.size(), c.count);
        EXPECT_EQ((QStringList{items.value(0), items.value(items.size() - 1)}),
                  (QStringList{c.first, c.last}));
        EXPECT_EQ(panel->selection(c.id), c.selected);
    }
}

TEST(PanelCreation, FailsWithoutItsSkinSectionBeforeFillingAnything) {
    class Unskinned : public EventPanel {
    protected:
        int designatedSkinNumber() const override { return 4242; }
        void fillControls() override { ADD_FAILURE() << "filled after a failed skin"; }
    };
    ASSERT_NE(CreatedPanel(0), nullptr); // the application and skin paths
    EXPECT_FALSE(Unskinned().create());
}

TEST(WeekClockRules, AllDaysChecksAndClearsTheSevenDayBoxesAndModesAskForARefill) {
    using Days = std::array<bool, 7>; // Sunday first
    auto panel = CreatedPanel(0);
    ASSERT_NE(panel, nullptr);
    Operate(*panel, 1023); // Wednesday by hand
    EXPECT_EQ(panel->checkedDays(), (Days{false, false, false, true, false, false, false}));
    Operate(*panel, 1028);
    EXPECT_EQ(panel->checkedDays(), (Days{true, true, true, true, true, true, true}));
    Operate(*panel, 1028);
    EXPECT_EQ(panel->checkedDays(), Days{});
    Operate(*panel, 1027);
    Operate(*panel, 1026);
    EXPECT_EQ(panel->checkedDays(), (Days{true, false, false, false, false, false, true}));

    // The mode buttons ask the main window for a refill with the mode of that moment.
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
TEST(TimecodeRules, SpinsShowTheirPositionInTheirOwnTextUpToTheirRange) {
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
    std::vector<std::pair<int, QStringList>> items; // first and last item
    std::vector<int> shown, hidden;
};

void RunTypeSteps(int kind, int typeId, const std::vector<std::pair<int, QString>>& settings,
                  const std::vector<TypeStep>& steps) {
    auto panel = CreatedPanel(kind);
    ASSERT_NE(panel, nullptr);
    for (const auto& [id, value] : settings)
        Operate(*panel, id, value); // before the first choice
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

// clang-format off
TEST(SensorRules, OutputTypeRelabelsRefillsAndHidesButKeepsLastChannelAndLevel) {
    RunTypeSteps(5, 1139, {{1137, "300"}, {1138, "77"}, {1135, "9"}},
        {{"Relay", {{1128, "    Relay No.:"}, {1130, "Relay Status:"}, {1135, "1"}, {1136, "Off"}},
          {{1135, {"1", "8"}}, {1136, {"Off", "On"}}}, {1128, 1130, 1135, 1136}, {1131, 1132, 1137, 1138, 111, 112}},
         {"Audio", {{1128, "      Audio In:"}, {1135, "Disable"}},
          {{1135, {"Enable", "Disable"}}}, {1128, 1135}, {1130, 1131, 1132, 1136, 1137, 1138}},
         {"DMX", {{1128, "DMX First Ch:"}, {1130, "Increment Ch:"}, {1135, "1"}, {1136, "1"},
                  {1137, "300"}, {1138, "77"}, {1140, "0"}, {1015, "30"}},
          {{1135, {"1", "512"}}, {1136, {"1", "255"}}}, {1128, 1130, 1131, 1132, 1135, 1136, 1137, 1138}, {111, 112}}});
}

TEST(AnalogRules, RelayOutputAndBackToDmx) {
    RunTypeSteps(6, 1152, {{1155, "400"}, {1156, "128"}},
        {{"Relay", {{1148, "Relay:"}, {1149, "Relay State:"}, {1150, ""}, {1151, ""}, {1153, "Relay1"}, {1154, "OFF"}},
          {{1153, {"Relay1", "Relay8"}}, {1154, {"OFF", "ON"}}}, {1148, 1149, 1153, 1154}, {1155, 1156}},
         {"DMX", {{1148, "DMX First Ch:"}, {1149, "Increment Ch:"}, {1150, "DMX Last Ch:"},
                  {1151, "DMX Level:"}, {1153, "1"}, {1154, "1"}, {1155, "400"}, {1156, "128"}},
          {{1153, {"1", "512"}}, {1154, {"1", "255"}}}, {1150, 1151, 1155, 1156}, {}}});
}
// clang-format on

// The main window hides a panel when another kind is chosen and shows it
// again when its kind comes back; the operator's settings must survive.
TEST(PanelSwitching, HidingAndShowingKeepsTheValues) {
    const std::pair<int, const char*> settings[] = {{1032, "100"},  {1059, "200"}, {1088, "Toggle"},
                                                    {1100, "1kHz"}, {1117, "6"},   {1139, "Relay"},
                                                    {1152, "Relay"}};
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

struct CollectCase {
    int kind;
    std::vector<std::pair<int, QString>> inputs; // in the operator's order
    std::vector<int> keyBytes;                   // then zeros up to the record size
    std::size_t size;
};

TEST(PanelCollect, EveryKindGivesTheRecordOfTheLayout) {
    // clang-format off
    const CollectCase cases[] = {
        // 2026-03-14 is a Saturday (7), 2026-04-02 a Thursday (5).
        {0, {{104, "2026-03-14"}, {105, "2026-04-02"}, {106, "08:30:15"}, {107, "22:05:00"},
             {1031, "10"}, {1032, "300"}, {1033, "2"}, {1034, "255"}},
         {3, 14, 7, 8, 30, 15, 4, 2, 5, 22, 5, 0, 10, 0, 44, 1, 2, 255, 0}, 48},
        {1, {{110, "1"}, {111, "12"}, {112, "59"}, {113, "29"}, {114, "23"}, {116, "7"},
             {117, "3"}, {1056, "17"}, {1057, "512"}, {1058, "255"}, {1059, "128"}},
         {1, 12, 59, 29, 23, 0, 7, 3, 17, 0, 0, 2, 255, 128}, 40},
        {2, {{1081, "All Channel"}, {1082, "60"}, {1083, "OFF"}, {1084, "5"}, {1085, "12"},
             {1086, "3"}, {1087, "200"}, {1088, "DEC"}}, {17, 60, 0x00, 2, 5, 0, 12, 0, 3, 200}, 36},
        {3, {{1099, "Right"}, {1100, "1kHz"}, {1101, "33"}, {1102, "44"}, {1103, "5"}, {1105, "More Pixel"}},
         {1, 7, 33, 0, 44, 0, 5, 1, 1}, 36},
        {4, {{1105, "300"}, {1115, "10"}, {1116, "200"}, {1117, "6"}, {1118, "On"}}, {0x2C, 0x01, 10, 200, 6, 0}, 32},
        {5, {{1134, "Contact8"}, {1135, "257"}, {1136, "9"}, {1137, "260"}}, {7, 0, 30, 0, 1, 1, 4, 1, 9, 0}, 36},
        {5, {{1134, "Contact3"}, {1139, "Relay"}, {1135, "4"}, {1136, "On"}}, {2, 0, 30, 1, 4, 0, 0, 0, 1, 0}, 36},
        {6, {{1139, "Analog2"}, {1140, "1.25v"}, {1015, "7.5"}, {1153, "100"}, {1155, "200"}, {1154, "4"}, {1156, "9"}},
         {1, 1, 25, 7, 5, 0, 100, 0, 200, 0, 4, 9}, 40},
        {6, {{1152, "Relay"}, {1153, "Relay8"}, {1154, "ON"}}, {0, 0, 5, 10, 0, 1, 8, 0, 0, 0, 1, 0}, 40}};
    // clang-format on
    for (const CollectCase& c : cases) {
        SCOPED_TRACE(testing::Message() << "kind " << c.kind << ", case " << &c - cases);
        auto panel = CreatedPanel(c.kind);
        ASSERT_NE(panel, nullptr);
        for (const auto& [id, input] : c.inputs)
            Operate(*panel, id, input);
        std::vector<std::uint8_t> expected(c.size, 0);
        std::copy(c.keyBytes.begin(), c.keyBytes.end(), expected.begin());
        const CollectedBytes collected = CollectRecord(static_cast<EventKind>(c.kind), *panel);
        EXPECT_TRUE(collected.acceptable);
        EXPECT_EQ(collected.bytes, expected);
    }
}

} // namespace
} // namespace corvane::test

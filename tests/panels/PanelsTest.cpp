// The seven panels created from the default skin on the offscreen platform:
// their reactions to operator input, and the records collected from the forms
// of the real widgets, byte for byte.
#include "events/CollectRecord.h"
#include "panels/ControlIds.h"
#include "panels/EventPanel.h"
#include "panels/PanelFactory.h"
#include "panels/WeekClockPanel.h"
#include "skin/SkinPaths.h"
#include "skin/controls/SpinButton.h"
#include "skin/controls/UIEdit.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QDateEdit>
#include <QTest>
#include <QTimeEdit>
#include <gtest/gtest.h>
#include <vector>

namespace corvane::test {
namespace {

using enum EventKind;
using Bytes = std::vector<std::uint8_t>;

// A panel of the kind, created and shown; the skin paths are set up on first use.
std::unique_ptr<EventPanel> CreatedPanel(EventKind kind) {
    static const bool skinSet = SetUIPath(CORVANE_TEST_SKIN_FILE) == 0;
    EXPECT_TRUE(skinSet) << CORVANE_TEST_SKIN_FILE;
    auto panel = MakePanel(kind);
    if (!panel || !panel->create())
        return nullptr;
    panel->show();
    return panel;
}

// The key bytes of the record of the panel's form (those before the name).
Bytes CollectedKey(const EventPanel& panel) {
    const CollectedBytes collected = CollectRecord(panel.form());
    EXPECT_TRUE(collected.acceptable);
    Bytes key = collected.bytes;
    key.resize(InfoOf(KindOf(panel.form())).nameOffset);
    return key;
}

bool Shown(const EventPanel& panel, int id) {
    return panel.control(id) && panel.control(id)->isVisibleTo(&panel);
}

void Press(QWidget* widget, Qt::Key key, int times) {
    for (int i = 0; i < times; ++i)
        QTest::keyClick(widget, key);
}

// Operator input on control id: a combo box item chosen by its text with the
// keys, a spin button pressed up that many times, a date or time in ISO form.
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
        date->setDate(QDate::fromString(input, Qt::ISODate));
    } else if (auto* time = qobject_cast<QTimeEdit*>(control)) {
        time->setTime(QTime::fromString(input, Qt::ISODate));
    } else if (qobject_cast<QAbstractButton*>(control)) {
        QTest::mouseClick(control, Qt::LeftButton, Qt::NoModifier, control->rect().center());
    } else {
        FAIL() << "no operator input for control " << id;
    }
}

TEST(WeekClockRules, AllDaysChecksAndClearsTheDayBoxes) {
    using Days = std::array<bool, 7>; // Sunday first
    auto created = CreatedPanel(WeekClock);
    auto* panel = qobject_cast<WeekClockPanel*>(created.get());
    ASSERT_NE(panel, nullptr);
    Operate(*panel, kIdWcWednesday);
    EXPECT_EQ(panel->checkedDays(), (Days{false, false, false, true, false, false, false}));
    Operate(*panel, kIdWcAllDays);
    EXPECT_EQ(panel->checkedDays(), (Days{true, true, true, true, true, true, true}));
    Operate(*panel, kIdWcAllDays);
    EXPECT_EQ(panel->checkedDays(), Days{});
}

// One output-type choice and what the boxes below it show afterwards.
struct TypeStep {
    const char* type;
    std::vector<std::pair<int, const char*>> texts;
    std::vector<int> shown, hidden;
};

void RunTypeSteps(EventKind kind, int typeId, const std::vector<std::pair<int, QString>>& settings,
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
        for (int id : step.shown)
            EXPECT_TRUE(Shown(*panel, id)) << id;
        for (int id : step.hidden)
            EXPECT_FALSE(Shown(*panel, id)) << id;
    }
}

TEST(SensorRules, OutputTypeRelabelsRefillsAndHidesButKeepsLastChannelAndLevel) {
    const int label = kIdSensorLabelA, label2 = kIdSensorLabelB, target = kIdSensorFieldA,
              second = kIdSensorFieldB, last = kIdSensorLastChannel, level = kIdSensorLevel;
    const std::vector<int> dmxOnly = {kIdSensorLabelC, kIdSensorLabelD, last, level};
    RunTypeSteps(
        Sensor, kIdSensorOutput, {{last, "300"}, {level, "77"}, {target, "9"}},
        {{"Relay",
          {{label, "    Relay No.:"}, {label2, "Relay Status:"}, {target, "1"}, {second, "Off"}},
          {label2, second},
          dmxOnly},
         {"Audio", {{label, "      Audio In:"}, {target, "Disable"}}, {target}, {label2, second}},
         {"DMX",
          {{label, "DMX First Ch:"}, {label2, "Increment Ch:"}, {last, "300"}, {level, "77"}},
          dmxOnly,
          {}}});
}

TEST(AnalogRules, RelayOutputAndBackToDmx) {
    const std::vector<int> dmxOnly = {kIdAnalogLastChannel, kIdAnalogLevel};
    RunTypeSteps(
        Analog, kIdAnalogOutput, {{kIdAnalogLastChannel, "400"}, {kIdAnalogLevel, "128"}},
        {{"Relay",
          {{kIdAnalogLabelA, "Relay:"}, {kIdAnalogLabelC, ""}, {kIdAnalogFieldA, "Relay1"}},
          {},
          dmxOnly},
         {"DMX",
          {{kIdAnalogLabelA, "DMX First Ch:"},
           {kIdAnalogLabelC, "DMX Last Ch:"},
           {kIdAnalogLastChannel, "400"},
           {kIdAnalogLevel, "128"}},
          dmxOnly,
          {}}});
}

TEST(PanelCollect, EveryKindGivesTheRecordOfItsForm) {
    struct Input {
        int caseNumber, id;
        const char* text;
    };
    struct Expected {
        EventKind kind;
        Bytes key;
    };
    // 2026-03-14 is a Saturday (7), 2026-04-02 a Thursday (5).
    const Expected expected[] = {
        {WeekClock, {3, 14, 7, 8, 30, 15, 4, 2, 5, 22, 5, 0, 1, 0, 44, 1, 1, 0, 0}},
        {Timecode, {1, 0, 0, 29, 0, 0, 0, 3, 17, 0, 0, 2, 1, 128}},
        {Midi, {17, 60, 0x00, 2, 1, 0, 12, 0, 1, 0}},
        {Audio, {1, 7, 1, 0, 44, 0, 1, 1, 1}},
        {Relay, {0x2C, 0x01, 0, 200, 6, 0}},
        {Sensor, {7, 0, 30, 0, 1, 1, 4, 1, 1, 0}},
        {Sensor, {0, 0, 30, 1, 4, 0, 0, 0, 1, 0}},
        {Analog, {1, 1, 25, 7, 5, 0, 100, 0, 200, 0, 1, 1}},
        {Analog, {0, 0, 5, 10, 0, 1, 8, 0, 0, 0, 1, 0}},
    };
    const Input inputs[] = {
        {0, kIdStartDatePicker, "2026-03-14"},
        {0, kIdEndDatePicker, "2026-04-02"},
        {0, kIdStartTimePicker, "08:30:15"},
        {0, kIdEndTimePicker, "22:05:00"},
        {0, kIdWcLastChannel, "300"},
        {1, kIdTcFirstSpin, "1"},
        {1, kIdTcFirstSpin + 3, "40"}, // stops at the top of its range, 29
        {1, kIdTcFirstSpin + 7, "3"},
        {1, kIdTcFirstChannel, "17"},
        {1, kIdTcLevel, "128"},
        {2, kIdMidiChannel, "All Channel"},
        {2, kIdMidiNote, "60"},
        {2, kIdMidiNoteState, "OFF"},
        {2, kIdMidiLastChannel, "12"},
        {2, kIdMidiAction, "DEC"},
        {3, kIdAudioSide, "Right"},
        {3, kIdAudioBand, "1kHz"},
        {3, kIdAudioLastChannel, "44"},
        {3, kIdAudioPixelMode, "More Pixel"},
        {4, kIdRelayChannel, "300"},
        {4, kIdRelayHighLevel, "200"},
        {4, kIdRelayNumber, "6"},
        {4, kIdRelayState, "On"},
        {5, kIdSensorContact, "Contact8"},
        {5, kIdSensorFieldA, "257"},
        {5, kIdSensorLastChannel, "260"},
        {6, kIdSensorOutput, "Relay"},
        {6, kIdSensorFieldA, "4"},
        {6, kIdSensorFieldB, "On"},
        {7, kIdAnalogInput, "Analog2"},
        {7, kIdAnalogLowVolts, "1.25v"},
        {7, kIdAnalogHighVolts, "7.5"},
        {7, kIdAnalogFieldA, "100"},
        {7, kIdAnalogLastChannel, "200"},
        {8, kIdAnalogOutput, "Relay"},
        {8, kIdAnalogFieldA, "Relay8"},
        {8, kIdAnalogFieldB, "ON"},
    };
    for (int number = 0; number < static_cast<int>(std::size(expected)); ++number) {
        SCOPED_TRACE(number);
        auto panel = CreatedPanel(expected[number].kind);
        ASSERT_NE(panel, nullptr);
        for (const Input& input : inputs)
            if (input.caseNumber == number)
                Operate(*panel, input.id, input.text);
        panel->hide(); // the main window hides a panel when another kind is chosen
        panel->show();
        EXPECT_EQ(CollectedKey(*panel), expected[number].key);
    }
}

} // namespace
} // namespace corvane::test

// Records collected from the real widgets after operator input, byte for
// byte against the record layouts.
#include "PanelTestSupport.h"

#include "events/CollectRecord.h"
#include "panels/TimecodePanel.h"
#include "skin/controls/SpinButton.h"

#include <QDateEdit>
#include <QTest>
#include <QTimeEdit>

#include <gtest/gtest.h>

#include <vector>

namespace corvane::test {
namespace {

// The key bytes of a record followed by zeros up to its size (an empty name).
std::vector<std::uint8_t> Record(std::initializer_list<int> key, std::size_t size)
{
    std::vector<std::uint8_t> bytes(size, 0);
    std::size_t offset = 0;
    for (int value : key)
        bytes[offset++] = static_cast<std::uint8_t>(value);
    return bytes;
}

void SetDate(QDateEdit* picker, QDate date)
{
    ASSERT_NE(picker, nullptr);
    StepTo(picker, date);
    ASSERT_EQ(picker->date(), date);
}

void SetTime(QTimeEdit* picker, QTime time)
{
    ASSERT_NE(picker, nullptr);
    StepTo(picker, time);
    ASSERT_EQ(picker->time(), time);
}

void Choose(const EventPanel& panel, int id, const QString& text)
{
    auto* combo = panel.controlAs<QComboBox>(id);
    ASSERT_NE(combo, nullptr) << id;
    ChooseText(combo, text);
}

void ExpectCollects(EventPanel& panel, int kind, const std::vector<std::uint8_t>& expected)
{
    const CollectedBytes collected = CollectRecord(static_cast<EventKind>(kind), panel);
    EXPECT_TRUE(collected.acceptable);
    EXPECT_EQ(collected.bytes, expected);
}

TEST(CollectFromWidgets, WeekClock)
{
    auto panel = CreatedPanel(0);
    ASSERT_NE(panel, nullptr);
    SetDate(panel->controlAs<QDateEdit>(104), QDate(2026, 3, 14)); // a Saturday
    SetDate(panel->controlAs<QDateEdit>(105), QDate(2026, 4, 2));  // a Thursday
    SetTime(panel->controlAs<QTimeEdit>(106), QTime(8, 30, 15));
    SetTime(panel->controlAs<QTimeEdit>(107), QTime(22, 5, 0));
    Choose(*panel, 1031, "10");
    Choose(*panel, 1032, "300");
    Choose(*panel, 1033, "2");
    Choose(*panel, 1034, "255");
    ExpectCollects(*panel, 0,
                   Record({3, 14, 7, 8, 30, 15, 4, 2, 5, 22, 5, 0, 10, 0, 44, 1, 2, 255, 0}, 48));
}

TEST(CollectFromWidgets, Timecode)
{
    auto panel = CreatedPanel(1);
    ASSERT_NE(panel, nullptr);
    auto& timecode = static_cast<TimecodePanel&>(*panel);
    const int ups[8] = {1, 12, 59, 29, 23, 0, 7, 3};
    for (int i = 0; i < 8; ++i)
        for (int n = 0; n < ups[i]; ++n)
            QTest::keyClick(timecode.spin(110 + i), Qt::Key_Up);
    Choose(*panel, 1056, "17");
    Choose(*panel, 1057, "512");
    Choose(*panel, 1058, "255");
    Choose(*panel, 1059, "128");
    ExpectCollects(*panel, 1, Record({1, 12, 59, 29, 23, 0, 7, 3, 17, 0, 0, 2, 255, 128}, 40));
}

TEST(CollectFromWidgets, Midi)
{
    auto panel = CreatedPanel(2);
    ASSERT_NE(panel, nullptr);
    Choose(*panel, 1081, "All Channel");
    Choose(*panel, 1082, "60");
    Choose(*panel, 1083, "OFF");
    Choose(*panel, 1084, "5");
    Choose(*panel, 1085, "12");
    Choose(*panel, 1086, "3");
    Choose(*panel, 1087, "200");
    Choose(*panel, 1088, "DEC");
    ExpectCollects(*panel, 2, Record({17, 60, 0x00, 2, 5, 0, 12, 0, 3, 200}, 36));
}

TEST(CollectFromWidgets, Audio)
{
    auto panel = CreatedPanel(3);
    ASSERT_NE(panel, nullptr);
    Choose(*panel, 1099, "Right");
    Choose(*panel, 1100, "1kHz");
    Choose(*panel, 1101, "33");
    Choose(*panel, 1102, "44");
    Choose(*panel, 1103, "5");
    Choose(*panel, 1105, "More Pixel");
    ExpectCollects(*panel, 3, Record({1, 7, 33, 0, 44, 0, 5, 1, 1}, 36));
}

TEST(CollectFromWidgets, Relay)
{
    auto panel = CreatedPanel(4);
    ASSERT_NE(panel, nullptr);
    Choose(*panel, 1105, "300");
    Choose(*panel, 1115, "10");
    Choose(*panel, 1116, "200");
    Choose(*panel, 1117, "6");
    Choose(*panel, 1118, "On");
    ExpectCollects(*panel, 4, Record({0x2C, 0x01, 10, 200, 6, 0}, 32));
}

TEST(CollectFromWidgets, SensorRelay)
{
    auto panel = CreatedPanel(5);
    ASSERT_NE(panel, nullptr);
    Choose(*panel, 1134, "Contact3");
    Choose(*panel, 1139, "Relay");
    Choose(*panel, 1135, "4");
    Choose(*panel, 1136, "On");
    ExpectCollects(*panel, 5, Record({2, 0, 30, 1, 4, 0, 0, 0, 1, 0}, 36));
}

TEST(CollectFromWidgets, SensorDmx)
{
    auto panel = CreatedPanel(5);
    ASSERT_NE(panel, nullptr);
    Choose(*panel, 1134, "Contact8");
    Choose(*panel, 1135, "257");
    Choose(*panel, 1136, "9");
    Choose(*panel, 1137, "260");
    Choose(*panel, 1138, "0");
    ExpectCollects(*panel, 5, Record({7, 0, 30, 0, 1, 1, 4, 1, 9, 0}, 36));
}

TEST(CollectFromWidgets, AnalogWithTypedVoltages)
{
    auto panel = CreatedPanel(6);
    ASSERT_NE(panel, nullptr);
    Choose(*panel, 1139, "Analog2");
    TypeInto(panel->control(1140), "1.25v");
    TypeInto(panel->control(1015), "7.5");
    Choose(*panel, 1153, "100");
    Choose(*panel, 1155, "200");
    Choose(*panel, 1154, "4");
    Choose(*panel, 1156, "9");
    ExpectCollects(*panel, 6, Record({1, 1, 25, 7, 5, 0, 100, 0, 200, 0, 4, 9}, 40));
}

TEST(CollectFromWidgets, AnalogRelay)
{
    auto panel = CreatedPanel(6);
    ASSERT_NE(panel, nullptr);
    Choose(*panel, 1152, "Relay");
    Choose(*panel, 1153, "Relay8");
    Choose(*panel, 1154, "ON");
    ExpectCollects(*panel, 6, Record({0, 0, 5, 10, 0, 1, 8, 0, 0, 0, 1, 0}, 40));
}

} // namespace
} // namespace corvane::test

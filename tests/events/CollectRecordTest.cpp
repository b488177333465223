#include "events/CollectRecord.h"

#include "events/TextNumbers.h"
#include "support/TablePanelValues.h"

#include <gtest/gtest.h>
#include <tuple>

namespace corvane {
namespace {

using test::TablePanelValues;

TEST(TextToNumber, ReadsLikeAtoiAndHugeNumbersKeepTheirLowBits) {
    struct Case {
        const char* text;
        std::int64_t value;
    };
    const Case cases[] = {
        {"42", 42}, {"  42abc", 42}, {"\t\n\v\f\r7", 7}, {"-5", -5}, {"+7", 7},   {"", 0},
        {"abc", 0}, {"1 2", 1},      {"- 3", 0},         {"--3", 0}, {"0x10", 0}, {"007", 7},
    };
    for (const auto& c : cases)
        EXPECT_EQ(TextToNumber(c.text), c.value) << '"' << c.text << '"';
    // 2^64 + 300: the low 16 bits are those of 300.
    EXPECT_EQ(static_cast<std::uint16_t>(TextToNumber("18446744073709551916")), 300);
    EXPECT_EQ(static_cast<std::uint16_t>(TextToNumber("70000")), 4464);
}

TEST(TextToVoltage, SplitsWholeVoltsAndHundredths) {
    struct Case {
        const char* text;
        int whole, hundredths;
    };
    const Case cases[] = {
        {"0.05v", 0, 5}, {"10.00V", 10, 0}, {"2.5", 2, 5},  {"2.50", 2, 50},
        {"3", 3, 0},     {"3v", 3, 0},      {"v", 0, 0},    {"", 0, 0},
        {".7", 0, 7},    {"1.2.3", 1, 2},   {"1.vv", 1, 0}, {"300.300", 44, 44},
    };
    for (const auto& c : cases) {
        const Voltage v = TextToVoltage(c.text);
        EXPECT_EQ(v.whole, c.whole) << c.text;
        EXPECT_EQ(v.hundredths, c.hundredths) << c.text;
    }
}

TEST(CollectMidi, MapsChannelNoteStateAndAction) {
    struct Case {
        int channelItem, onOffItem;
        int channel, noteState;
    };
    const Case cases[] = {
        {-1, -1, 1, 0xFF}, {0, 0, 1, 0xFF}, {1, 1, 2, 0x00}, {15, 0, 16, 0xFF}, {16, 1, 17, 0x00},
    };
    for (const auto& c : cases) {
        TablePanelValues panel;
        panel.setSelection(ids::kMidiChannel, c.channelItem)
            .setSelection(ids::kMidiOnOff, c.onOffItem)
            .setSelection(ids::kMidiAction, 3)
            .setText(ids::kMidiNote, "60")
            .setText(ids::kMidiFirstChannel, "1")
            .setText(ids::kMidiLastChannel, "512");
        const auto collected = CollectMidi(panel);
        EXPECT_EQ(collected.record.channel, c.channel) << c.channelItem;
        EXPECT_EQ(collected.record.noteState, c.noteState) << c.onOffItem;
        EXPECT_EQ(collected.record.action, 3);
        EXPECT_EQ(collected.record.note, 60);
    }
}

TEST(CollectRelay, CapsTheRelayNumberAtEightAfterKeepingItsLowByte) {
    struct Case {
        const char* text;
        int relay;
    };
    const Case cases[] = {{"12", 8}, {"264", 8}, {"0", 0},  {"7", 7},
                          {"8", 8},  {"-1", 8},  {"256", 0}};
    for (const auto& c : cases) {
        TablePanelValues panel;
        panel.setText(ids::kRelayNumber, c.text);
        EXPECT_EQ(CollectRelay(panel).record.relayNumber, c.relay) << c.text;
    }
}

TEST(Collect, ChannelOrderDecidesOnlyForWeekClockTimecodeAndMidi) {
    struct Case {
        EventKind kind;
        int firstId, lastId;
        bool acceptableWhenReversed;
    };
    const Case cases[] = {
        {EventKind::WeekClock, ids::kWeekFirstChannel, ids::kWeekLastChannel, false},
        {EventKind::Timecode, ids::kTcFirstChannel, ids::kTcLastChannel, false},
        {EventKind::Midi, ids::kMidiFirstChannel, ids::kMidiLastChannel, false},
        {EventKind::Audio, ids::kAudioFirstChannel, ids::kAudioLastChannel, true},
        {EventKind::Sensor, ids::kSensorTarget, ids::kSensorLastChannel, true},
    };
    for (const auto& c : cases) {
        TablePanelValues panel;
        panel.setSelection(ids::kSensorAction, 0);
        panel.setText(c.firstId, "10").setText(c.lastId, "9");
        EXPECT_EQ(CollectRecord(c.kind, panel).acceptable, c.acceptableWhenReversed)
            << InfoOf(c.kind).cliName;
        panel.setText(c.lastId, "10");
        EXPECT_TRUE(CollectRecord(c.kind, panel).acceptable) << InfoOf(c.kind).cliName;
        // Compared as stored: 65536 is 0, below 10.
        panel.setText(c.lastId, "65536");
        EXPECT_EQ(CollectRecord(c.kind, panel).acceptable, c.acceptableWhenReversed)
            << InfoOf(c.kind).cliName;
    }
    TablePanelValues relay;
    relay.setText(ids::kRelayLow, "200").setText(ids::kRelayHigh, "1");
    EXPECT_TRUE(CollectRelay(relay).acceptable);
}

TEST(CollectAudio, BandIsOneBasedAndPixelModeIsHeldTwice) {
    TablePanelValues panel;
    panel.setSelection(ids::kAudioSide, 2)
        .setSelection(ids::kAudioBand, 13)
        .setSelection(ids::kAudioPixelMode, 1);
    panel.setText(ids::kAudioFirstChannel, "5")
        .setText(ids::kAudioLastChannel, "6")
        .setText(ids::kAudioIncrement, "2");
    const auto r = CollectAudio(panel).record;
    EXPECT_EQ(r.side, 2);
    EXPECT_EQ(r.band, 14);
    EXPECT_EQ(r.pixelMode, 1);
    EXPECT_EQ(r.pixelModeCopy, 1);

    TablePanelValues empty;
    const auto none = CollectAudio(empty).record;
    EXPECT_EQ(none.side, 0xFF);
    EXPECT_EQ(none.band, 0);
    EXPECT_EQ(none.pixelMode, none.pixelModeCopy);
}

TEST(Collect, SensorAndAnalogFillTheTargetFieldsByAction) {
    using Fields = std::tuple<int, int, int, int>; // target, last channel, increment, level
    struct Case {
        EventKind kind;
        int action;
        Fields fields;
    };
    const Case cases[] = {
        // DMX: the texts; Relay: target item 4 is relay 5, state item 1 is On.
        {EventKind::Sensor, 0, {100, 200, 3, 250}}, {EventKind::Sensor, 1, {5, 0, 1, 0}},
        {EventKind::Sensor, 2, {4, 0, 0, 0}}, // Audio: the target item as is
        {EventKind::Sensor, -1, {0, 0, 0, 0}},      {EventKind::Sensor, 7, {0, 0, 0, 0}},
        {EventKind::Analog, 0, {100, 200, 3, 250}}, {EventKind::Analog, 1, {5, 0, 1, 0}},
        {EventKind::Analog, 2, {0, 0, 0, 0}},       {EventKind::Analog, -1, {0, 0, 0, 0}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << InfoOf(c.kind).cliName << " " << c.action);
        const bool sensor = c.kind == EventKind::Sensor;
        TablePanelValues panel;
        panel.setSelection(sensor ? ids::kSensorAction : ids::kAnalogAction, c.action);
        const int target = sensor ? ids::kSensorTarget : ids::kAnalogTarget;
        const int second = sensor ? ids::kSensorSecond : ids::kAnalogSecond;
        panel.setText(target, "100")
            .setText(second, "3")
            .setSelection(target, 4)
            .setSelection(second, 1);
        panel.setText(sensor ? ids::kSensorLastChannel : ids::kAnalogLastChannel, "200");
        panel.setText(sensor ? ids::kSensorLevel : ids::kAnalogLevel, "250");
        if (sensor) {
            panel.setSelection(ids::kSensorContact, 3);
            panel.setText(ids::kSensorFirstSetting, "59").setText(ids::kSensorSecondSetting, "30");
            const auto collected = CollectSensor(panel);
            const auto& r = collected.record;
            EXPECT_TRUE(collected.acceptable);
            EXPECT_EQ(std::tuple(r.contact, r.firstSetting, r.secondSetting),
                      std::tuple(3, 59, 30));
            EXPECT_EQ(r.actionType, static_cast<std::uint8_t>(c.action));
            EXPECT_EQ(Fields(r.target, r.lastChannel, r.increment, r.level), c.fields);
        } else {
            panel.setSelection(ids::kAnalogInput, 2);
            const auto r = CollectAnalog(panel).record;
            EXPECT_EQ(r.input, 2);
            EXPECT_EQ(Fields(r.target, r.lastChannel, r.increment, r.level), c.fields);
        }
    }
}

TEST(CollectAnalog, VoltageRule) {
    struct Case {
        const char* low;
        const char* high;
        bool acceptable;
        std::array<std::uint8_t, 4> bytes;
    };
    const Case cases[] = {
        {"0.05v", "10.00v", true, {0, 5, 10, 0}}, {"0.05v", "10.01v", false, {0, 5, 10, 1}},
        {"0", "11", false, {0, 0, 11, 0}},        {"3.5", "3.10", true, {3, 5, 3, 10}},
        {"3.50", "3.10", false, {3, 50, 3, 10}},  {"3.10", "3.10", true, {3, 10, 3, 10}},
        {"4", "3.99", false, {4, 0, 3, 99}},      {"", "", true, {0, 0, 0, 0}},
        {"-1", "5", false, {255, 0, 5, 0}},
    };
    for (const auto& c : cases) {
        TablePanelValues panel;
        panel.setText(ids::kAnalogLow, c.low).setText(ids::kAnalogHigh, c.high);
        const auto collected = CollectAnalog(panel);
        const auto bytes = collected.record.encode();
        EXPECT_EQ(collected.acceptable, c.acceptable) << c.low << " " << c.high;
        EXPECT_EQ((std::array<std::uint8_t, 4>{bytes[1], bytes[2], bytes[3], bytes[4]}), c.bytes)
            << c.low << " " << c.high;
    }
}

TEST(CollectWeekClock, TakesDatesAndTimesFromThePickers) {
    TablePanelValues panel;
    panel.pickerValues = {{2026, 12, 24, 4}, {2026, 12, 26, 6}, {18, 30, 15}, {6, 0, 59}};
    panel.setText(ids::kWeekFirstChannel, "1").setText(ids::kWeekLastChannel, "10");
    panel.setText(ids::kWeekIncrement, "1").setText(ids::kWeekLevel, "255");
    const auto collected = CollectWeekClock(panel);
    const auto bytes = collected.record.encode();
    EXPECT_TRUE(collected.acceptable);
    EXPECT_EQ(std::vector<std::uint8_t>(bytes.begin(), bytes.begin() + 19),
              (std::vector<std::uint8_t>{12, 24, 5, 18, 30, 15, 12, 26, 7, 6, 0, 59, 1, 0, 10, 0, 1,
                                         255, 0}));
    EXPECT_EQ(panel.refreshes, 1);
}

} // namespace
} // namespace corvane

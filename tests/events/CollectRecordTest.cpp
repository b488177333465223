#include "events/CollectRecord.h"

#include "EventTestPanels.h"
#include "events/TextNumbers.h"

namespace corvane {
namespace {

using test::TablePanelValues;

TEST(TextToNumber, ReadsLikeAtoiAndHugeNumbersKeepTheirLowBits) {
    const std::pair<const char*, std::int64_t> cases[] = {
        {"42", 42}, {"  42abc", 42}, {"\t\n\v\f\r7", 7}, {"-5", -5}, {"+7", 7},   {"", 0},
        {"abc", 0}, {"1 2", 1},      {"- 3", 0},         {"--3", 0}, {"0x10", 0}, {"007", 7}};
    for (const auto& [text, value] : cases)
        EXPECT_EQ(TextToNumber(text), value) << '"' << text << '"';
    // 2^64 + 300: the low 16 bits are those of 300.
    EXPECT_EQ(static_cast<std::uint16_t>(TextToNumber("18446744073709551916")), 300);
}

TEST(CollectMidi, MapsChannelNoteStateAndAction) {
    // channel item, on/off item -> channel, note state
    const std::array<int, 4> cases[] = {
        {-1, -1, 1, 0xFF}, {0, 0, 1, 0xFF}, {1, 1, 2, 0x00}, {16, 1, 17, 0x00}};
    for (const auto& [channelItem, onOffItem, channel, noteState] : cases) {
        auto panel = test::MidiPanel(60);
        panel.setSelection(ids::kMidiChannel, channelItem).setSelection(ids::kMidiOnOff, onOffItem);
        const auto r = CollectMidi(panel.setSelection(ids::kMidiAction, 3)).record;
        EXPECT_EQ(std::tuple(int{r.channel}, int{r.noteState}, int{r.action}, int{r.note}),
                  std::tuple(channel, noteState, 3, 60))
            << channelItem;
    }
}

TEST(CollectRelay, CapsTheRelayNumberAtEightAfterKeepingItsLowByte) {
    const std::pair<const char*, int> cases[] = {{"12", 8}, {"264", 8}, {"0", 0},
                                                 {"8", 8},  {"-1", 8},  {"256", 0}};
    for (const auto& [text, relay] : cases) {
        TablePanelValues panel;
        EXPECT_EQ(CollectRelay(panel.setText(ids::kRelayNumber, text)).record.relayNumber, relay)
            << text;
    }
}

TEST(Collect, ChannelOrderDecidesOnlyForWeekClockTimecodeAndMidi) {
    // clang-format off
    const std::tuple<EventKind, int, int, bool> cases[] = {
        {EventKind::WeekClock, ids::kWeekFirstChannel, ids::kWeekLastChannel, false}, {EventKind::Timecode, ids::kTcFirstChannel, ids::kTcLastChannel, false},
        {EventKind::Midi, ids::kMidiFirstChannel, ids::kMidiLastChannel, false}, {EventKind::Audio, ids::kAudioFirstChannel, ids::kAudioLastChannel, true},
        {EventKind::Sensor, ids::kSensorTarget, ids::kSensorLastChannel, true}};
    // clang-format on
    for (const auto& [kind, firstId, lastId, acceptableWhenReversed] : cases) {
        SCOPED_TRACE(InfoOf(kind).cliName);
        TablePanelValues panel;
        panel.setSelection(ids::kSensorAction, 0).setText(firstId, "10").setText(lastId, "9");
        EXPECT_EQ(CollectRecord(kind, panel).acceptable, acceptableWhenReversed);
        EXPECT_TRUE(CollectRecord(kind, panel.setText(lastId, "10")).acceptable);
        // Compared as stored: 65536 is 0, below 10.
        EXPECT_EQ(CollectRecord(kind, panel.setText(lastId, "65536")).acceptable,
                  acceptableWhenReversed);
    }
    TablePanelValues relay;
    EXPECT_TRUE(CollectRelay(relay.setText(ids::kRelayLow, "200").setText(ids::kRelayHigh, "1"))
                    .acceptable);
}

TEST(CollectAudio, BandIsOneBasedAndPixelModeIsHeldTwice) {
    TablePanelValues panel;
    panel.setSelection(ids::kAudioSide, 2)
        .setSelection(ids::kAudioBand, 13)
        .setSelection(ids::kAudioPixelMode, 1);
    const auto r = CollectAudio(panel).record;
    EXPECT_EQ(std::tuple(r.side, r.band, r.pixelMode, r.pixelModeCopy), std::tuple(2, 14, 1, 1));
    const auto none = CollectAudio(panel = {}).record; // nothing chosen
    EXPECT_EQ(std::tuple(none.side, none.band, none.pixelMode),
              std::tuple(0xFF, 0, none.pixelModeCopy));
}

TEST(Collect, SensorAndAnalogFillTheTargetFieldsByAction) {
    using Fields = std::tuple<int, int, int, int>; // target, last channel, increment, level
    // DMX: the texts; Relay: target item 4 is relay 5, state item 1 is On; Sensor Audio: the target
    // item as is.
    // clang-format off
    const std::tuple<EventKind, int, Fields> cases[] = {
        {EventKind::Sensor, 0, {100, 200, 3, 250}}, {EventKind::Sensor, 1, {5, 0, 1, 0}}, {EventKind::Sensor, 2, {4, 0, 0, 0}},
        {EventKind::Sensor, 7, {0, 0, 0, 0}}, {EventKind::Analog, 0, {100, 200, 3, 250}}, {EventKind::Analog, 1, {5, 0, 1, 0}},
        {EventKind::Analog, 2, {0, 0, 0, 0}}, {EventKind::Analog, -1, {0, 0, 0, 0}}};
    // clang-format on
    for (const auto& [kind, action, fields] : cases) {
        SCOPED_TRACE(testing::Message() << InfoOf(kind).cliName << " " << action);
        const bool sensor = kind == EventKind::Sensor;
        const int target = sensor ? ids::kSensorTarget : ids::kAnalogTarget,
                  second = sensor ? ids::kSensorSecond : ids::kAnalogSecond;
        const int last = sensor ? ids::kSensorLastChannel : ids::kAnalogLastChannel,
                  level = sensor ? ids::kSensorLevel : ids::kAnalogLevel;
        TablePanelValues panel;
        panel.setSelection(sensor ? ids::kSensorAction : ids::kAnalogAction, action)
            .setSelection(target, 4)
            .setSelection(second, 1);
        panel.setText(target, "100")
            .setText(second, "3")
            .setText(last, "200")
            .setText(level, "250");
        if (sensor) {
            panel.setSelection(ids::kSensorContact, 3)
                .setText(ids::kSensorFirstSetting, "59")
                .setText(ids::kSensorSecondSetting, "30");
            const auto r = CollectSensor(panel).record;
            EXPECT_EQ(std::tuple(r.contact, r.firstSetting, r.secondSetting, r.actionType),
                      std::tuple(3, 59, 30, action));
            EXPECT_EQ(Fields(r.target, r.lastChannel, r.increment, r.level), fields);
        } else {
            const auto r = CollectAnalog(panel.setSelection(ids::kAnalogInput, 2)).record;
            EXPECT_EQ(r.input, 2);
            EXPECT_EQ(Fields(r.target, r.lastChannel, r.increment, r.level), fields);
        }
    }
}

TEST(CollectAnalog, VoltageRule) {
    // clang-format off
    const std::tuple<const char*, const char*, bool, std::array<std::uint8_t, 4>> cases[] = {
        {"0.05v", "10.00v", true, {0, 5, 10, 0}}, {"0.05v", "10.01v", false, {0, 5, 10, 1}}, {"0", "11", false, {0, 0, 11, 0}},
        {"3.5", "3.10", true, {3, 5, 3, 10}}, {"3.50", "3.10", false, {3, 50, 3, 10}}, {"3.10", "3.10", true, {3, 10, 3, 10}},
        {"4", "3.99", false, {4, 0, 3, 99}}, {"", "", true, {0, 0, 0, 0}}, {"-1", "5", false, {255, 0, 5, 0}},
        // The texts read like numbers: the first two dot-separated parts, hundredths as written, each kept to a byte.
        {".7", "1.vv", true, {0, 7, 1, 0}}, {"1.2.3", "300.300", false, {1, 2, 44, 44}}, {"v", "10.00V", true, {0, 0, 10, 0}}};
    // clang-format on
    for (const auto& [low, high, acceptable, expected] : cases) {
        TablePanelValues panel;
        const auto collected =
            CollectAnalog(panel.setText(ids::kAnalogLow, low).setText(ids::kAnalogHigh, high));
        const auto b = collected.record.encode();
        EXPECT_EQ(collected.acceptable, acceptable) << low << " " << high;
        EXPECT_EQ((std::array<std::uint8_t, 4>{b[1], b[2], b[3], b[4]}), expected)
            << low << " " << high;
    }
}

TEST(CollectWeekClock, TakesDatesAndTimesFromThePickers) {
    auto panel = test::WeekPanel({18, 30, 15}, {6, 0, 59});
    panel.pickerValues.startDate = {2026, 12, 24, 4};
    panel.pickerValues.endDate = {2026, 12, 26, 6};
    const auto collected = CollectWeekClock(panel.setText(ids::kWeekLastChannel, "10"));
    const auto bytes = collected.record.encode();
    EXPECT_TRUE(collected.acceptable);
    EXPECT_EQ(std::vector<std::uint8_t>(bytes.begin(), bytes.begin() + 19),
              (std::vector<std::uint8_t>{12, 24, 5, 18, 30, 15, 12, 26, 7, 6, 0, 59, 1, 0, 10, 0, 1,
                                         255, 0}));
    EXPECT_EQ(panel.refreshes, 1);
}

} // namespace
} // namespace corvane

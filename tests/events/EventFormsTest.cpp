#include "EventTestForms.h"
#include "events/TextNumbers.h"

namespace corvane {
namespace {

TEST(TextToNumber, ReadsLikeAtoiAndKeepsTheLowBitsOfHugeNumbers) {
    struct Case {
        const char* text;
        std::int64_t value;
    };
    // clang-format off
    const Case cases[] = {
        {"  42abc", 42},
        {"-5",      -5},
        {"0x10",     0},
    };
    // clang-format on
    for (const auto& [text, value] : cases)
        EXPECT_EQ(TextToNumber(text), value) << '"' << text << '"';
    // 2^64 + 300: the low 16 bits are those of 300.
    EXPECT_EQ(static_cast<std::uint16_t>(TextToNumber("18446744073709551916")), 300);
}

TEST(MidiForm, ChannelAndNoteStateFollowTheChosenItems) {
    struct Case {
        int channelItem, noteStateItem;
        int channel, noteState;
    };
    // clang-format off
    const Case cases[] = {
        {-1, -1,  1, 0xFF},
        { 1,  1,  2, 0x00},
        {16,  1, 17, 0x00},
    };
    // clang-format on
    for (const auto& c : cases) {
        const auto r = MidiForm{c.channelItem, "60", c.noteStateItem, 3, {}}.collect().record;
        EXPECT_EQ(std::tuple(int{r.channel}, int{r.noteState}, int{r.action}, int{r.note}),
                  std::tuple(c.channel, c.noteState, 3, 60))
            << c.channelItem;
    }
}

TEST(RelayForm, CapsTheRelayNumberAtEightAfterKeepingItsLowByte) {
    // clang-format off
    const std::pair<const char*, int> cases[] = {
        {"12",  8},
        {"256", 0},
    };
    // clang-format on
    for (const auto& [text, relay] : cases)
        EXPECT_EQ(RelayForm{.relayNumber = text}.collect().record.relayNumber, relay) << text;
}

TEST(EventForms, ChannelOrderDecidesOnlyForWeekClockTimecodeAndMidi) {
    struct Case {
        EventForm form;
        bool acceptable;
    };
    const Case cases[] = {
        {TimecodeForm{.channels = {"10", "9"}}, false},
        {MidiForm{.channels = {"10", "10"}}, true},
        {MidiForm{.channels = {"10", "65536"}}, false}, // compared as stored: 0
        {AudioForm{.firstChannel = "10", .lastChannel = "9"}, true},
        {SensorForm{.outputItem = 0, .output = {.targetText = "10", .lastChannel = "9"}}, true},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CollectRecord(c.form).acceptable, c.acceptable) << &c - cases;
}

TEST(AudioForm, BandIsOneBasedAndPixelModeIsHeldTwice) {
    const auto r = AudioForm{.sideItem = 2, .bandItem = 13, .pixelModeItem = 1}.collect().record;
    EXPECT_EQ(std::tuple(r.side, r.band, r.pixelMode, r.pixelModeCopy), std::tuple(2, 14, 1, 1));
    const auto none = AudioForm{}.collect().record;
    EXPECT_EQ(std::tuple(none.side, none.band, none.pixelModeCopy), std::tuple(0xFF, 0, 0xFF));
}

// Both kinds fill the target fields through one routine; the sensor's Audio
// output is its own.
TEST(EventForms, SensorAndAnalogFillTheTargetFieldsByOutputType) {
    using Fields = std::tuple<int, int, int, int>; // target, last channel, increment, level
    struct Case {
        int outputItem;
        Fields fields;
    };
    // DMX: the texts; Relay: target item 4 is relay 5, state item 1; Audio: the item.
    const Case cases[] = {
        {0, {100, 200, 3, 250}},
        {1, {5, 0, 1, 0}},
        {2, {4, 0, 0, 0}},
    };
    const OutputTargetBoxes boxes{"100", 4, "3", 1, "200", "250"};
    const auto fields = [](const auto& r) {
        return Fields(r.target, r.lastChannel, r.increment, r.level);
    };
    for (const auto& c : cases) {
        const auto r = SensorForm{3, "59", "30", c.outputItem, boxes}.collect().record;
        EXPECT_EQ(std::tuple(r.contact, r.firstSetting, r.secondSetting, r.actionType),
                  std::tuple(3, 59, 30, c.outputItem));
        EXPECT_EQ(fields(r), c.fields) << c.outputItem;
    }
    // An analog input has no Audio output: item 2 leaves the target empty.
    const auto analog = AnalogForm{2, "", "", 2, boxes}.collect().record;
    EXPECT_EQ(std::tuple(analog.input, analog.action), std::tuple(2, 2));
    EXPECT_EQ(fields(analog), Fields(0, 0, 0, 0));
}

TEST(AnalogForm, AcceptsAWindowUpToTenVoltsThatDoesNotRunBackwards) {
    struct Case {
        const char *low, *high;
        bool acceptable;
        std::array<std::uint8_t, 4> bytes; // low volts, hundredths, high volts, hundredths
    };
    // clang-format off
    const Case cases[] = {
        {"0.05v", "10.00v",  true,  {0, 5, 10, 0}},
        {"0.05v", "10.01v",  false, {0, 5, 10, 1}},
        {"3.5",   "3.10",    true,  {3, 5, 3, 10}},
        {"3.50",  "3.10",    false, {3, 50, 3, 10}},
        {"1.2.3", "300.300", false, {1, 2, 44, 44}},
    };
    // clang-format on
    for (const auto& c : cases) {
        const auto collected = AnalogForm{.lowVolts = c.low, .highVolts = c.high}.collect();
        const auto b = collected.record.encode();
        EXPECT_EQ(collected.acceptable, c.acceptable) << c.low << " " << c.high;
        EXPECT_EQ((std::array{b[1], b[2], b[3], b[4]}), c.bytes) << c.low << " " << c.high;
    }
}

TEST(WeekClockForm, TakesDatesAndTimesFromThePickers) {
    auto form = test::Weekly({18, 30, 15}, {6, 0, 59});
    form.startDate = {2026, 12, 24, 4};
    form.endDate = {2026, 12, 26, 6};
    form.channels.last = "10";
    const auto collected = form.collect();
    const auto bytes = collected.record.encode();
    EXPECT_TRUE(collected.acceptable);
    EXPECT_EQ(std::vector<std::uint8_t>(bytes.begin(), bytes.begin() + 19),
              (std::vector<std::uint8_t>{12, 24, 5, 18, 30, 15, 12, 26, 7, 6, 0, 59, 1, 0, 10, 0, 1,
                                         255, 0}));
}

} // namespace
} // namespace corvane

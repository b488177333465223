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
    };
    for (const auto& c : cases)
        EXPECT_EQ(CollectRecord(c.form).acceptable, c.acceptable) << &c - cases;
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
    };
    // clang-format on
    for (const auto& c : cases) {
        const auto collected = AnalogForm{.lowVolts = c.low, .highVolts = c.high}.collect();
        const auto b = collected.record.encode();
        EXPECT_EQ(collected.acceptable, c.acceptable) << c.low << " " << c.high;
        EXPECT_EQ((std::array{b[1], b[2], b[3], b[4]}), c.bytes) << c.low << " " << c.high;
    }
}

} // namespace
} // namespace corvane

#include "EventTestPanels.h"
#include "events/EventDescription.h"

namespace corvane {
namespace {

using Bytes = std::vector<std::uint8_t>;

template <typename Record> Bytes Encoded(const Record& record) {
    const auto encoded = record.encode();
    return {encoded.begin(), encoded.end()};
}

// The key bytes as listed, then the name "Ev" and zeros; decoding gives the record back.
template <typename Record> void ExpectLayout(const Record& record, Bytes expected) {
    expected.push_back('E');
    expected.push_back('v');
    expected.resize(Record::kSize, 0);
    EXPECT_EQ(Encoded(record), expected);
    EXPECT_EQ(Record::decode(record.encode()), record);
}

TEST(RecordLayout, FieldsSitAtTheirOffsetsLittleEndian) {
    ExpectLayout(
        WeekClockRecord{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 0x0201, 0x0403, 13, 14, 1, "Ev"},
        {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 1, 2, 3, 4, 13, 14, 1});
    ExpectLayout(TimecodeRecord{1, 2, 3, 4, 5, 6, 7, 8, 0x0A09, 0x0C0B, 13, 14, "Ev"},
                 {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14});
    ExpectLayout(MidiRecord{17, 60, 0xFF, 3, 0x0201, 0x0302, 4, 5, "Ev"},
                 {17, 60, 0xFF, 3, 1, 2, 2, 3, 4, 5});
    ExpectLayout(AudioRecord{2, 14, 0x0201, 0x0403, 5, 1, 1, "Ev"}, {2, 14, 1, 2, 3, 4, 5, 1, 1});
    ExpectLayout(RelayRecord{0x0200, 10, 200, 8, 1, "Ev"}, {0, 2, 10, 200, 8, 1});
    ExpectLayout(SensorRecord{7, 59, 30, 0, 0x0201, 0x0403, 5, 6, "Ev"},
                 {7, 59, 30, 0, 1, 2, 3, 4, 5, 6});
    ExpectLayout(AnalogRecord{3, 0, 5, 10, 0, 1, 8, 0, 1, 0, "Ev"},
                 {3, 0, 5, 10, 0, 1, 8, 0, 0, 0, 1, 0});
}

TEST(RecordLayout, NameKeepsTwentyFourCharactersAndANulAndStopsAtItsField) {
    const auto bytes = RelayRecord{.name = "ABCDEFGHIJKLMNOPQRSTUVWXYZ"}.encode();
    EXPECT_EQ(RelayRecord::decode(bytes).name, "ABCDEFGHIJKLMNOPQRSTUVWX");
    EXPECT_EQ(bytes[6 + 24], 0);
    const Bytes noNul(32, 'x');
    EXPECT_EQ(RelayRecord::decode(noNul).name, std::string(25, 'x'));
}

TEST(EventFileHeader, CountsAreLittleEndianAndReservedBytesZero) {
    const auto bytes = EventFileHeader{0x04030201, 0x08070605}.encode();
    EXPECT_EQ(Bytes(bytes.begin(), bytes.end()),
              (Bytes{1, 2, 3, 4, 5, 6, 7, 8, 0, 0, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(EventFileHeader::decode(bytes), (EventFileHeader{0x04030201, 0x08070605}));
    EXPECT_FALSE(EventFileHeader::decode(std::span(bytes).first(15)));
}

TEST(EventFileHeader, ValidityUsesBothCountsIn64Bits) {
    // entries, dated, length (relay records of 32 bytes), valid
    // clang-format off
    const std::tuple<std::uint32_t, std::uint32_t, std::uint64_t, bool> cases[] = {
        {0, 0, 16, true}, {1, 2, 16 + 3 * 32, true}, {3, 0, 16 + 3 * 32 + 1, false}, {3, 0, 16 + 2 * 32, false}, {0, 0, 15, false},
        // Counts whose 32-bit product would wrap to a small length.
        {0x80000000u, 0x80000000u, 16, false}, {0x08000000u, 0, 16, false}};
    // clang-format on
    for (const auto& [entries, dated, length, valid] : cases)
        EXPECT_EQ(IsValidEventFileLength({entries, dated}, length, EventKind::Relay), valid)
            << entries << "+" << dated << " at " << length;
}

TEST(EventKind, ParsesNamesInAnyCaseAndDigits) {
    // clang-format off
    const std::pair<const char*, std::optional<EventKind>> cases[] = {
        {"weekclock", EventKind::WeekClock}, {"TimeCode", EventKind::Timecode}, {"MIDI", EventKind::Midi}, {"audio", EventKind::Audio},
        {"Relay", EventKind::Relay}, {"sensor", EventKind::Sensor}, {"ANALOG", EventKind::Analog}, {"0", EventKind::WeekClock},
        {"6", EventKind::Analog}, {"7", std::nullopt}, {"", std::nullopt}, {"06", std::nullopt}, {"midi ", std::nullopt}, {"-1", std::nullopt}};
    // clang-format on
    for (const auto& [text, kind] : cases)
        EXPECT_EQ(ParseEventKind(text), kind) << '"' << text << '"';
}

TEST(EventDescription, LinesOfEveryKind) {
    using W = WeekClockRecord;
    using M = MidiRecord;
    using A = AudioRecord;
    using S = SensorRecord;
    using G = AnalogRecord;
    using enum EventKind;
    struct Case {
        EventKind kind;
        std::vector<std::uint8_t> record;
        const char* line;
        bool weekly = true;
    };
    // Selector values without a text (weekdays, actions, sides, bands) show their number.
    // clang-format off
    const Case cases[] = {
        {WeekClock, Encoded(W{0, 0, 2, 8, 5, 0, 0, 0, 2, 9, 30, 0, 1, 10, 1, 255, 0, "Event"}), "Event:(MON/ 8: 5: 0toMON/ 9:30: 0) (Ch:1to10,i:1,l:255)"},
        {WeekClock, Encoded(W{0, 0, 7, 23, 0, 0, 0, 0, 1, 1, 0, 0, 1, 2, 3, 4, 0, "Night"}), "Night:(SAT/23: 0: 0toSUN/ 1: 0: 0) (Ch:1to2,i:3,l:4)"},
        {WeekClock, Encoded(W{12, 24, 5, 18, 0, 0, 12, 26, 7, 6, 0, 0, 1, 512, 1, 255, 1, "Xmas"}), "Xmas:(12/24/18: 0: 0to12/26/ 6: 0: 0) DMX(ch:1to512,i:1,l:255)", false},
        {WeekClock, Encoded(W{0, 0, 0, 1, 2, 3, 0, 0, 9, 4, 5, 6, 1, 1, 1, 1, 0, ""}), ":(0/ 1: 2: 3to9/ 4: 5: 6) (Ch:1to1,i:1,l:1)"},
        {Timecode, Encoded(TimecodeRecord{0, 0, 10, 0, 1, 2, 3, 29, 1, 65535, 1, 255, "Tc"}), "Tc:T(0/0/10:0 to 1/2/3:29)-DMX(ch:1to65535,i=1,l=255)"},
        {Midi, Encoded(M{1, 60, 0xFF, 0, 1, 512, 1, 255, "Event"}), "Event:MIDI(ch:1,note:60,On) (Ch:1to512,i=1,l=255,Hold)"},
        {Midi, Encoded(M{17, 60, 0x00, 0, 1, 512, 1, 255, "Event"}), "Event:MIDI(All,node:60,Off) (Ch:1to512,i=1,l=255,Hold)"},
        {Midi, Encoded(M{17, 1, 0x01, 1, 2, 3, 4, 5, "A"}), "A:MIDI(ch:All,note:1,On) (Ch:2to3,i=4,l=5,INC)"},
        {Midi, Encoded(M{16, 128, 0x00, 2, 2, 3, 4, 5, "B"}), "B:MIDI(ch:16,node:128,Off) (Ch:2to3,i=4,l=5,DEC)"},
        {Midi, Encoded(M{1, 1, 0xFF, 3, 2, 3, 4, 5, "C"}), "C:MIDI(ch:1,note:1,On) (Ch:2to3,i=4,l=5,Toggle)"},
        {Midi, Encoded(M{1, 1, 0xFF, 9, 2, 3, 4, 5, "D"}), "D:MIDI(ch:1,note:1,On) (Ch:2to3,i=4,l=5,9)"},
        {Audio, Encoded(A{0, 1, 1, 512, 1, 0, 0, "L"}), "L:(Left,16KHz) (Ch:1to512,i=1),(0,0)"},
        {Audio, Encoded(A{1, 2, 5, 6, 2, 1, 1, "R"}), "R:(Right,10.7KHz) (Ch:5to6,i=2),(1,1)"},
        {Audio, Encoded(A{2, 8, 5, 6, 2, 1, 1, "A"}), "A:(All,670Hz) (Ch:5to6,i=2),(1,1)"},
        {Audio, Encoded(A{2, 14, 5, 6, 2, 1, 1, "A"}), "A:(All,42Hz) (Ch:5to6,i=2),(1,1)"},
        {Audio, Encoded(A{3, 0, 5, 6, 2, 1, 1, "X"}), "X:(3,0) (Ch:5to6,i=2),(1,1)"},
        {Audio, Encoded(A{0, 15, 5, 6, 2, 1, 0, "Y"}), "Y:(Left,15) (Ch:5to6,i=2),(1,0)"},
        {Relay, Encoded(RelayRecord{12, 10, 200, 3, 0, "R"}), "R:ch=12 Level(low:10,high:200)-Relay(No.=3:Status=On)"},
        {Relay, Encoded(RelayRecord{12, 10, 200, 3, 7, "R"}), "R:ch=12 Level(low:10,high:200)-Relay(No.=3:Status=Off)"},
        {Sensor, Encoded(S{0, 0, 30, 0, 1, 512, 1, 255, "S"}), "S:Contact1,(ch:1to512,i=1,L=255)"},
        {Sensor, Encoded(S{7, 0, 30, 1, 8, 0, 1, 0, "S"}), "S:Contact8,Relay8:On"},
        {Sensor, Encoded(S{2, 0, 30, 1, 1, 0, 0, 0, "S"}), "S:Contact3,Relay1:Off"},
        {Sensor, Encoded(S{0, 0, 30, 2, 1, 0, 0, 0, "Event"}), "Event:Contact1,Audio:Disable"},
        {Sensor, Encoded(S{255, 0, 0, 2, 0, 0, 0, 0, "S"}), "S:Contact256,Audio:Enable"},
        {Sensor, Encoded(S{0, 0, 30, 5, 0, 0, 0, 0, "S"}), "S:Contact1,5"},
        {Analog, Encoded(G{0, 0, 5, 10, 0, 0, 1, 512, 1, 0, "Event"}), "Event:Analog1:V=0.05~10.00,(ch:1to512,i=1,L=0)"},
        {Analog, Encoded(G{3, 2, 10, 3, 99, 1, 4, 0, 1, 0, "G"}), "G:Analog4:V=2.10~3.99,Relay4:On"},
        {Analog, Encoded(G{1, 2, 9, 3, 9, 1, 4, 0, 0, 0, "G"}), "G:Analog2:V=2.09~3.09,Relay4:Off"},
        {Analog, Encoded(G{1, 2, 200, 3, 255, 4, 4, 0, 0, 0, "G"}), "G:Analog2:V=2.200~3.255,4"},
    };
    // clang-format on
    for (const auto& c : cases)
        EXPECT_EQ(DescribeEvent(c.kind, c.record, c.weekly), c.line);
}

} // namespace
} // namespace corvane

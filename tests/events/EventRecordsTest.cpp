#include "EventTestForms.h"
#include "events/EventDescription.h"

namespace corvane {
namespace {

using Bytes = std::vector<std::uint8_t>;

// The key bytes as listed, then the name "Ev" and zeros; decoding gives the record back.
template <typename Record> void ExpectLayout(const Record& record, Bytes expected) {
    expected.push_back('E');
    expected.push_back('v');
    expected.resize(Record::kSize, 0);
    const auto encoded = record.encode();
    EXPECT_EQ(Bytes(encoded.begin(), encoded.end()), expected);
    EXPECT_EQ(Record::decode(encoded), record);
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

TEST(RecordLayout, NameKeepsTwentyFourCharactersAndANul) {
    const auto bytes = RelayRecord{.name = "ABCDEFGHIJKLMNOPQRSTUVWXYZ"}.encode();
    EXPECT_EQ(RelayRecord::decode(bytes).name, "ABCDEFGHIJKLMNOPQRSTUVWX");
    EXPECT_EQ(bytes[6 + 24], 0);
}

TEST(EventFileHeader, CountsAreLittleEndianAndReservedBytesZero) {
    const auto bytes = EventFileHeader{0x04030201, 0x08070605}.encode();
    EXPECT_EQ(Bytes(bytes.begin(), bytes.end()),
              (Bytes{1, 2, 3, 4, 5, 6, 7, 8, 0, 0, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(EventFileHeader::decode(bytes), (EventFileHeader{0x04030201, 0x08070605}));
    EXPECT_FALSE(EventFileHeader::decode(std::span(bytes).first(15)));
}

TEST(EventFileHeader, ValidityUsesBothCountsIn64Bits) {
    EXPECT_TRUE(IsValidEventFileLength({1, 2}, 16 + 3 * 32, EventKind::Relay));
    // A 32-bit product of these counts would wrap to the header's 16 bytes.
    EXPECT_FALSE(IsValidEventFileLength({0x80000000u, 0x80000000u}, 16, EventKind::Relay));
}

// The list line of a record of any kind.
template <typename Record> std::string Line(const Record& record, bool weekly = true) {
    return DescribeEvent(Record::kKind, record.encode(), weekly);
}

TEST(EventDescription, LinesOfEveryKind) {
    using W = WeekClockRecord;
    using T = TimecodeRecord;
    using M = MidiRecord;
    using A = AudioRecord;
    using S = SensorRecord;
    using G = AnalogRecord;
    struct Case {
        std::string line, expected;
    };
    // Selector values without a text (weekdays, actions, sides, bands) show their number.
    const Case cases[] = {
        {Line(W{12, 24, 0, 8, 5, 0, 12, 26, 9, 9, 30, 0, 1, 2, 3, 4, 0, "W"}),
         "W:(0/ 8: 5: 0to9/ 9:30: 0) (Ch:1to2,i:3,l:4)"},
        {Line(T{0, 0, 9, 0, 1, 2, 3, 9, 1, 2, 3, 4, ""}),
         ":T(0/0/9:0 to 1/2/3:9)-DMX(ch:1to2,i=3,l=4)"},
        {Line(M{17, 60, 0, 0, 1, 2, 3, 4, ""}), ":MIDI(All,node:60,Off) (Ch:1to2,i=3,l=4,Hold)"},
        {Line(A{0, 1, 1, 512, 1, 0, 0, "A"}), "A:(Left,16KHz) (Ch:1to512,i=1),(0,0)"},
        {Line(A{3, 0, 5, 6, 2, 1, 1, "A"}), "A:(3,0) (Ch:5to6,i=2),(1,1)"},
        {Line(S{0, 0, 30, 0, 1, 512, 1, 255, "S"}), "S:Contact1,(ch:1to512,i=1,L=255)"},
        {Line(S{7, 0, 30, 1, 8, 0, 1, 0, "S"}), "S:Contact8,Relay8:On"},
        {Line(S{0, 0, 30, 2, 1, 0, 0, 0, "S"}), "S:Contact1,Audio:Disable"},
        {Line(G{0, 0, 5, 10, 0, 0, 1, 512, 1, 0, ""}), ":Analog1:V=0.05~10.00,(ch:1to512,i=1,L=0)"},
        {Line(G{3, 2, 10, 3, 99, 1, 4, 0, 1, 0, "G"}), "G:Analog4:V=2.10~3.99,Relay4:On"},
        {Line(G{1, 2, 200, 3, 255, 4, 4, 0, 0, 0, "G"}), "G:Analog2:V=2.200~3.255,4"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.line, c.expected);
}

} // namespace
} // namespace corvane

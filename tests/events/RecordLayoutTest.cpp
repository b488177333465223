#include "EventTestPanels.h"
#include "events/EventKind.h"

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
    ExpectLayout(WeekClockRecord{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 0x0201, 0x0403, 13, 14, 1, "Ev"},
                 {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 1, 2, 3, 4, 13, 14, 1});
    ExpectLayout(TimecodeRecord{1, 2, 3, 4, 5, 6, 7, 8, 0x0A09, 0x0C0B, 13, 14, "Ev"},
                 {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14});
    ExpectLayout(MidiRecord{17, 60, 0xFF, 3, 0x0201, 0x0302, 4, 5, "Ev"}, {17, 60, 0xFF, 3, 1, 2, 2, 3, 4, 5});
    ExpectLayout(AudioRecord{2, 14, 0x0201, 0x0403, 5, 1, 1, "Ev"}, {2, 14, 1, 2, 3, 4, 5, 1, 1});
    ExpectLayout(RelayRecord{0x0200, 10, 200, 8, 1, "Ev"}, {0, 2, 10, 200, 8, 1});
    ExpectLayout(SensorRecord{7, 59, 30, 0, 0x0201, 0x0403, 5, 6, "Ev"}, {7, 59, 30, 0, 1, 2, 3, 4, 5, 6});
    ExpectLayout(AnalogRecord{3, 0, 5, 10, 0, 1, 8, 0, 1, 0, "Ev"}, {3, 0, 5, 10, 0, 1, 8, 0, 0, 0, 1, 0});
}

TEST(RecordLayout, NameKeepsTwentyFourCharactersAndANulAndStopsAtItsField) {
    RelayRecord r;
    r.name = "ABCDEFGHIJKLMNOPQRSTUVWXYZ";
    const auto bytes = r.encode();
    EXPECT_EQ(RelayRecord::decode(bytes).name, "ABCDEFGHIJKLMNOPQRSTUVWX");
    EXPECT_EQ(bytes[6 + 24], 0);
    std::array<std::uint8_t, 32> noNul;
    noNul.fill('x');
    EXPECT_EQ(RelayRecord::decode(noNul).name, std::string(25, 'x'));
}

TEST(EventFileHeader, CountsAreLittleEndianAndReservedBytesZero) {
    const auto bytes = EventFileHeader{0x04030201, 0x08070605}.encode();
    EXPECT_EQ(Bytes(bytes.begin(), bytes.end()), (Bytes{1, 2, 3, 4, 5, 6, 7, 8, 0, 0, 0, 0, 0, 0, 0, 0}));
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

TEST(EventKind, CapacityKeepsEveryTableWithinSixteenBitLengths) {
    for (const auto& info : kEventKindTable) {
        EXPECT_LE(16 + std::uint64_t{info.maxEntries} * info.recordSize, 65535u) << info.cliName;
        EXPECT_GT(16 + std::uint64_t{info.maxEntries + 1} * info.recordSize, 65535u) << info.cliName;
    }
}

} // namespace
} // namespace corvane

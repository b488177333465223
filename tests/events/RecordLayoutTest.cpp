#include "events/AnalogRecord.h"
#include "events/AudioRecord.h"
#include "events/EventFileHeader.h"
#include "events/EventKind.h"
#include "events/MidiRecord.h"
#include "events/RelayRecord.h"
#include "events/SensorRecord.h"
#include "events/TimecodeRecord.h"
#include "events/WeekClockRecord.h"

#include <gtest/gtest.h>
#include <vector>

namespace corvane {
namespace {

using Bytes = std::vector<std::uint8_t>;

// The expected record: the key bytes as listed, then "Ev" and zeros.
Bytes Expected(std::size_t size, Bytes key) {
    key.push_back('E');
    key.push_back('v');
    key.resize(size, 0);
    return key;
}

template <typename Record> void ExpectLayout(const Record& record, const Bytes& expected) {
    const auto encoded = record.encode();
    EXPECT_EQ(Bytes(encoded.begin(), encoded.end()), expected);
    EXPECT_EQ(Record::decode(encoded), record);
}

TEST(RecordLayout, FieldsSitAtTheirOffsetsLittleEndian) {
    WeekClockRecord w{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 0x0201, 0x0403, 13, 14, 1, "Ev"};
    ExpectLayout(w, Expected(48, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 1, 2, 3, 4, 13, 14, 1}));

    TimecodeRecord t{1, 2, 3, 4, 5, 6, 7, 8, 0x0A09, 0x0C0B, 13, 14, "Ev"};
    ExpectLayout(t, Expected(40, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14}));

    MidiRecord m{17, 60, 0xFF, 3, 0x0201, 0x0302, 4, 5, "Ev"};
    ExpectLayout(m, Expected(36, {17, 60, 0xFF, 3, 1, 2, 2, 3, 4, 5}));

    AudioRecord a{2, 14, 0x0201, 0x0403, 5, 1, 1, "Ev"};
    ExpectLayout(a, Expected(36, {2, 14, 1, 2, 3, 4, 5, 1, 1}));

    RelayRecord r{0x0200, 10, 200, 8, 1, "Ev"};
    ExpectLayout(r, Expected(32, {0, 2, 10, 200, 8, 1}));

    SensorRecord s{7, 59, 30, 0, 0x0201, 0x0403, 5, 6, "Ev"};
    ExpectLayout(s, Expected(36, {7, 59, 30, 0, 1, 2, 3, 4, 5, 6}));

    AnalogRecord g{3, 0, 5, 10, 0, 1, 8, 0, 1, 0, "Ev"};
    ExpectLayout(g, Expected(40, {3, 0, 5, 10, 0, 1, 8, 0, 0, 0, 1, 0}));
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
    EXPECT_EQ(Bytes(bytes.begin(), bytes.end()),
              (Bytes{1, 2, 3, 4, 5, 6, 7, 8, 0, 0, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(EventFileHeader::decode(bytes), (EventFileHeader{0x04030201, 0x08070605}));
    EXPECT_FALSE(EventFileHeader::decode(std::span(bytes).first(15)));
}

TEST(EventFileHeader, ValidityUsesBothCountsIn64Bits) {
    struct Case {
        std::uint32_t entries, dated;
        std::uint64_t length;
        bool valid;
    };
    const Case cases[] = {
        {0, 0, 16, true},
        {3, 0, 16 + 3 * 32, true},
        {1, 2, 16 + 3 * 32, true},
        {3, 0, 16 + 3 * 32 + 1, false},
        {3, 0, 16 + 2 * 32, false},
        {0, 0, 15, false},
        // Counts whose 32-bit product would wrap to a small length.
        {0x80000000u, 0x80000000u, 16, false},
        {0x08000000u, 0, 16, false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(IsValidEventFileLength({c.entries, c.dated}, c.length, EventKind::Relay), c.valid)
            << c.entries << "+" << c.dated << " at " << c.length;
}

TEST(EventKind, ParsesNamesInAnyCaseAndDigits) {
    struct Case {
        const char* text;
        std::optional<EventKind> kind;
    };
    const Case cases[] = {
        {"weekclock", EventKind::WeekClock},
        {"TimeCode", EventKind::Timecode},
        {"MIDI", EventKind::Midi},
        {"audio", EventKind::Audio},
        {"Relay", EventKind::Relay},
        {"sensor", EventKind::Sensor},
        {"ANALOG", EventKind::Analog},
        {"0", EventKind::WeekClock},
        {"6", EventKind::Analog},
        {"7", std::nullopt},
        {"", std::nullopt},
        {"06", std::nullopt},
        {"midi ", std::nullopt},
        {"-1", std::nullopt},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ParseEventKind(c.text), c.kind) << '"' << c.text << '"';
}

TEST(EventKind, CapacityKeepsEveryTableWithinSixteenBitLengths) {
    for (const auto& info : kEventKindTable) {
        EXPECT_LE(16 + std::uint64_t{info.maxEntries} * info.recordSize, 65535u) << info.cliName;
        EXPECT_GT(16 + std::uint64_t{info.maxEntries + 1} * info.recordSize, 65535u)
            << info.cliName;
    }
}

} // namespace
} // namespace corvane

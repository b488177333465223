#include "events/conflicts/EventConflicts.h"

#include "events/AnalogRecord.h"
#include "events/AudioRecord.h"
#include "events/MidiRecord.h"
#include "events/RelayRecord.h"
#include "events/SensorRecord.h"
#include "events/TimecodeRecord.h"
#include "events/conflicts/EventWarnings.h"
#include "events/conflicts/WeekClockTime.h"

#include <gtest/gtest.h>

namespace corvane {
namespace {

using Bytes = std::vector<std::uint8_t>;

template <typename Record> Bytes Encoded(const Record& r) {
    const auto b = r.encode();
    return {b.begin(), b.end()};
}

// Times as hhmm; weekdays 1 = Sunday.
WeekClockRecord WeeklyRecord(int weekday, int from, int to) {
    const auto d = static_cast<std::uint8_t>(weekday);
    const auto h = [](int hhmm) { return static_cast<std::uint8_t>(hhmm / 100); };
    const auto m = [](int hhmm) { return static_cast<std::uint8_t>(hhmm % 100); };
    const auto endDay = static_cast<std::uint8_t>(to > from ? d : d % 7 + 1);
    return {0, 0, d, h(from), m(from), 0, 0, 0, endDay, h(to), m(to), 0, 1, 10, 1, 0, 0, "w"};
}

Bytes Weekly(int weekday, int from, int to, std::uint16_t first = 1, std::uint16_t last = 10,
             std::uint8_t step = 1, std::uint8_t level = 100) {
    auto r = WeeklyRecord(weekday, from, to);
    std::tie(r.firstChannel, r.lastChannel, r.increment, r.level) =
        std::tie(first, last, step, level);
    return Encoded(r);
}

// Dates as mmdd with their stored weekdays.
Bytes Dated(int fromDate, int fromDay, int from, int toDate, int toDay, int to,
            std::uint8_t level = 200) {
    auto r = WeeklyRecord(fromDay, from, to);
    r.startMonth = static_cast<std::uint8_t>(fromDate / 100);
    r.startDay = static_cast<std::uint8_t>(fromDate % 100);
    r.endMonth = static_cast<std::uint8_t>(toDate / 100);
    r.endDay = static_cast<std::uint8_t>(toDate % 100);
    r.endWeekday = static_cast<std::uint8_t>(toDay);
    r.entryFlag = 1;
    r.level = level;
    return Encoded(r);
}

EventTable TableOf(EventKind kind, const std::vector<Bytes>& records, std::uint32_t weekly) {
    auto table = EventTable::empty(kind);
    for (std::size_t i = 0; i < records.size(); ++i)
        table.insert(i, records[i]);
    table.setEntryCount(weekly);
    table.setDatedEntryCount(static_cast<std::uint32_t>(records.size()) - weekly);
    return table;
}

struct PairCase {
    const char* what;
    EventKind kind;
    Bytes a;
    Bytes b;
    bool conflict;
    std::uint32_t weekly = 2; // week clock: how many of a, b are weekly entries
};

TEST(EventConflicts, EachRuleWithItsNearestMiss) {
    using enum EventKind;
    using T = TimecodeRecord;
    using M = MidiRecord;
    using A = AudioRecord;
    using R = RelayRecord;
    using S = SensorRecord;
    using G = AnalogRecord;
    // clang-format off
    const PairCase cases[] = {
        {"weekly windows overlap, levels differ", WeekClock, Weekly(2, 800, 900), Weekly(2, 830, 930, 1, 10, 1, 200), true},
        {"weekly windows overlap, same level", WeekClock, Weekly(2, 800, 900), Weekly(2, 830, 930), false},
        {"weekly windows only touch", WeekClock, Weekly(2, 800, 900), Weekly(2, 900, 1000, 1, 10, 1, 200), false},
        {"weekly windows on other days", WeekClock, Weekly(2, 800, 900), Weekly(3, 800, 900, 1, 10, 1, 200), false},
        {"past midnight into the next day", WeekClock, Weekly(2, 2300, 100), Weekly(3, 30, 200, 1, 10, 1, 200), true},
        {"Saturday past midnight into Sunday", WeekClock, Weekly(7, 2300, 100), Weekly(1, 30, 200, 1, 10, 1, 200), true},
        {"Saturday's window ends as Sunday's starts", WeekClock, Weekly(7, 2300, 100), Weekly(1, 100, 200, 1, 10, 1, 200), false},
        {"equal times make a whole day", WeekClock, Weekly(2, 800, 800), Weekly(3, 700, 759, 1, 10, 1, 200), true},
        {"odd and even channels", WeekClock, Weekly(2, 800, 900, 1, 9, 2), Weekly(2, 800, 900, 2, 10, 2, 200), false},
        {"steps 3 and 4 meet at channel 10", WeekClock, Weekly(2, 800, 900, 1, 10, 3), Weekly(2, 800, 900, 2, 10, 4, 200), true},
        {"steps 3 and 4 end before they meet", WeekClock, Weekly(2, 800, 900, 1, 9, 3), Weekly(2, 800, 900, 2, 10, 4, 200), false},
        {"weekly within a dated window's weekdays", WeekClock, Weekly(4, 1900, 2000), Dated(1230, 4, 1800, 102, 7, 600), true, 1},
        {"weekly on a weekday the dated window misses", WeekClock, Weekly(3, 1900, 2000), Dated(1230, 4, 1800, 102, 7, 600), false, 1},
        {"dated windows over the year's end", WeekClock, Dated(1230, 4, 1800, 102, 7, 600, 1), Dated(101, 6, 1000, 101, 6, 1200), true, 0},
        {"dated windows that only touch", WeekClock, Dated(1230, 4, 1800, 102, 7, 600, 1), Dated(102, 7, 600, 102, 7, 800), false, 0},
        {"dated windows on one weekday, months apart", WeekClock, Dated(301, 1, 1000, 301, 1, 1200, 1), Dated(607, 1, 1000, 607, 1, 1200), false, 0},
        {"timecode windows overlap", Timecode, Encoded(T{0, 0, 1, 0, 0, 0, 3, 0, 1, 9, 1, 9, ""}), Encoded(T{0, 0, 2, 29, 0, 0, 5, 0, 5, 5, 1, 8, ""}), true},
        {"timecode windows only touch", Timecode, Encoded(T{0, 0, 1, 0, 0, 0, 3, 0, 1, 9, 1, 9, ""}), Encoded(T{0, 0, 3, 0, 0, 0, 5, 0, 5, 5, 1, 8, ""}), false},
        {"timecode past midnight", Timecode, Encoded(T{23, 59, 59, 0, 0, 0, 10, 0, 1, 9, 1, 9, ""}), Encoded(T{0, 0, 5, 0, 0, 0, 20, 0, 5, 5, 1, 8, ""}), true},
        {"timecode, same level", Timecode, Encoded(T{0, 0, 1, 0, 0, 0, 3, 0, 1, 9, 1, 9, ""}), Encoded(T{0, 0, 2, 0, 0, 0, 5, 0, 5, 5, 1, 9, ""}), false},
        {"MIDI levels differ", Midi, Encoded(M{5, 60, 0xFF, 0, 1, 9, 1, 9, ""}), Encoded(M{5, 60, 0xFF, 0, 1, 9, 1, 8, ""}), true},
        {"MIDI actions differ", Midi, Encoded(M{5, 60, 0xFF, 0, 1, 9, 1, 9, ""}), Encoded(M{5, 60, 0xFF, 3, 1, 9, 1, 9, ""}), true},
        {"MIDI same action and level", Midi, Encoded(M{5, 60, 0xFF, 0, 1, 9, 1, 9, ""}), Encoded(M{5, 60, 0xFF, 0, 1, 9, 1, 9, "b"}), false},
        {"MIDI note on and note off", Midi, Encoded(M{5, 60, 0xFF, 0, 1, 9, 1, 9, ""}), Encoded(M{5, 60, 0, 0, 1, 9, 1, 8, ""}), false},
        {"MIDI all channels meets channel 5", Midi, Encoded(M{17, 60, 0xFF, 0, 1, 9, 1, 9, ""}), Encoded(M{5, 60, 0xFF, 0, 1, 9, 1, 8, ""}), true},
        {"MIDI channels 4 and 5", Midi, Encoded(M{4, 60, 0xFF, 0, 1, 9, 1, 9, ""}), Encoded(M{5, 60, 0xFF, 0, 1, 9, 1, 8, ""}), false},
        {"MIDI other note", Midi, Encoded(M{5, 60, 0xFF, 0, 1, 9, 1, 9, ""}), Encoded(M{5, 61, 0xFF, 0, 1, 9, 1, 8, ""}), false},
        {"audio All meets Left", Audio, Encoded(A{2, 7, 1, 9, 1, 0, 0, ""}), Encoded(A{0, 7, 9, 20, 1, 0, 0, ""}), true},
        {"audio Left and Right", Audio, Encoded(A{1, 7, 1, 9, 1, 0, 0, ""}), Encoded(A{0, 7, 9, 20, 1, 0, 0, ""}), false},
        {"audio other band", Audio, Encoded(A{2, 7, 1, 9, 1, 0, 0, ""}), Encoded(A{2, 8, 1, 9, 1, 0, 0, ""}), false},
        {"relay windows overlap, opposite states", Relay, Encoded(R{1, 0, 100, 3, 0, ""}), Encoded(R{1, 50, 150, 3, 1, ""}), true},
        {"relay windows only touch", Relay, Encoded(R{1, 0, 100, 3, 0, ""}), Encoded(R{1, 100, 150, 3, 1, ""}), false},
        {"relay one-level window inside another", Relay, Encoded(R{1, 0, 100, 3, 0, ""}), Encoded(R{1, 50, 50, 3, 1, ""}), true},
        {"relay same state", Relay, Encoded(R{1, 0, 100, 3, 0, ""}), Encoded(R{1, 50, 150, 3, 0, ""}), false},
        {"relay on another DMX channel", Relay, Encoded(R{1, 0, 100, 3, 0, ""}), Encoded(R{2, 50, 150, 3, 1, ""}), false},
        {"relay another relay", Relay, Encoded(R{1, 0, 100, 3, 0, ""}), Encoded(R{1, 50, 150, 4, 1, ""}), false},
        {"sensor DMX levels differ", Sensor, Encoded(S{2, 0, 30, 0, 1, 9, 1, 9, ""}), Encoded(S{2, 0, 30, 0, 9, 12, 1, 8, ""}), true},
        {"sensor DMX on another contact", Sensor, Encoded(S{2, 0, 30, 0, 1, 9, 1, 9, ""}), Encoded(S{3, 0, 30, 0, 9, 12, 1, 8, ""}), false},
        {"sensor relay both ways", Sensor, Encoded(S{2, 0, 30, 1, 4, 0, 1, 0, ""}), Encoded(S{2, 0, 30, 1, 4, 0, 0, 0, ""}), true},
        {"sensor relay, same state", Sensor, Encoded(S{2, 0, 30, 1, 4, 0, 1, 0, ""}), Encoded(S{2, 9, 30, 1, 4, 0, 1, 0, ""}), false},
        {"sensor audio enabled and disabled", Sensor, Encoded(S{2, 0, 30, 2, 0, 0, 0, 0, ""}), Encoded(S{2, 0, 30, 2, 1, 0, 0, 0, ""}), true},
        {"sensor audio and DMX", Sensor, Encoded(S{2, 0, 30, 2, 1, 0, 0, 0, ""}), Encoded(S{2, 0, 30, 0, 1, 9, 1, 9, ""}), false},
        {"analog windows overlap, levels differ", Analog, Encoded(G{0, 1, 0, 3, 0, 0, 1, 9, 1, 9, ""}), Encoded(G{0, 2, 0, 4, 0, 0, 1, 9, 1, 8, ""}), true},
        {"analog windows only touch", Analog, Encoded(G{0, 1, 0, 2, 0, 0, 1, 9, 1, 9, ""}), Encoded(G{0, 2, 0, 4, 0, 0, 1, 9, 1, 8, ""}), false},
        {"analog relay both ways", Analog, Encoded(G{0, 1, 0, 3, 0, 1, 2, 0, 1, 0, ""}), Encoded(G{0, 2, 50, 4, 0, 1, 2, 0, 0, 0, ""}), true},
        {"analog relay on another input", Analog, Encoded(G{0, 1, 0, 3, 0, 1, 2, 0, 1, 0, ""}), Encoded(G{1, 2, 50, 4, 0, 1, 2, 0, 0, 0, ""}), false},
    };
    // clang-format on
    for (const auto& c : cases) {
        const auto found = FindConflicts(TableOf(c.kind, {c.a, c.b}, c.weekly));
        const auto expected =
            c.conflict ? std::vector<EventConflict>{{0, 1}} : std::vector<EventConflict>{};
        EXPECT_EQ(found, expected) << c.what;
    }
}

// A pair reported through several stretches (past midnight on both sides)
// comes once; pairs come sorted.
TEST(EventConflicts, PairsComeOnceAndSorted) {
    const auto table =
        TableOf(EventKind::WeekClock,
                {Weekly(1, 2300, 2200, 1, 10, 1, 1), Weekly(2, 800, 900, 1, 10, 1, 2),
                 Weekly(7, 2000, 2100, 1, 10, 1, 3)},
                3);
    EXPECT_EQ(FindConflicts(table), (std::vector<EventConflict>{{0, 1}}));
}

struct StretchCase {
    const char* what;
    Bytes record;
    bool dated;
    std::vector<Stretch> stretches; // week (weekly) or year (dated), in seconds
};

TEST(WeekClockTime, WhereEntriesLie) {
    constexpr std::int64_t D = kSecondsPerDay, H = 3600;
    // clang-format off
    const StretchCase cases[] = {
        {"Sunday morning", Weekly(1, 800, 930), false, {{8 * H, 9 * H + 1800}}},
        {"Monday past midnight", Weekly(2, 2300, 100), false, {{D + 23 * H, 2 * D + H}}},
        {"Saturday into Sunday", Weekly(7, 2300, 100), false, {{6 * D + 23 * H, 7 * D}, {0, H}}},
        {"equal times: a whole day", Weekly(3, 600, 600), false, {{2 * D + 6 * H, 3 * D + 6 * H}}},
        {"weekday 0 is none", Encoded(WeekClockRecord{}), false, {}},
        {"1 January", Dated(101, 5, 0, 101, 5, 100), true, {{0, H}}},
        {"across February's end", Dated(228, 1, 1200, 301, 3, 1200), true, {{58 * D + 12 * H, 60 * D + 12 * H}}},
        {"across the year's end", Dated(1231, 4, 2200, 101, 5, 200), true, {{365 * D + 22 * H, 366 * D}, {0, 2 * H}}},
        {"31 April is none", Dated(431, 4, 2200, 501, 5, 200), true, {}},
    };
    // clang-format on
    for (const auto& c : cases) {
        const auto r = WeekClockRecord::decode(c.record);
        EXPECT_EQ(c.dated ? DatedYearStretches(r) : WeeklyStretches(r), c.stretches) << c.what;
    }
    const auto longDated = WeekClockRecord::decode(Dated(101, 5, 0, 110, 1, 0));
    EXPECT_EQ(DatedWeekStretches(longDated), (std::vector<Stretch>{{0, kSecondsPerWeek}}));
}

struct WarningCase {
    EventKind kind;
    Bytes record;
    std::vector<std::string> warnings;
};

TEST(EventWarnings, RecordsTheControllerLikelyMisreads) {
    using enum EventKind;
    // clang-format off
    const WarningCase cases[] = {
        {WeekClock, Weekly(2, 800, 900, 1, 512, 1), {}},
        {WeekClock, Weekly(2, 800, 900, 0, 513, 0), {"first channel 0 is not a DMX channel (1..512)", "last channel 513 is not a DMX channel (1..512)", "increment 0"}},
        {Midi, Encoded(MidiRecord{1, 60, 0xFF, 0, 9, 1, 1, 9, ""}), {}},
        {Audio, Encoded(AudioRecord{0, 1, 9, 1, 1, 0, 0, ""}), {"first channel 9 is above the last channel 1"}},
        {Relay, Encoded(RelayRecord{1, 10, 200, 1, 0, ""}), {}},
        {Relay, Encoded(RelayRecord{0, 200, 10, 0, 0, ""}), {"channel 0 is not a DMX channel (1..512)", "relay number 0", "level window low 200 is above its high 10"}},
        {Sensor, Encoded(SensorRecord{0, 0, 0, 1, 0, 0, 1, 0, ""}), {"relay number 0"}},
        {Sensor, Encoded(SensorRecord{0, 0, 0, 2, 1, 0, 0, 0, ""}), {}},
        {Analog, Encoded(AnalogRecord{0, 0, 5, 10, 0, 0, 600, 600, 0, 9, ""}), {"first channel 600 is not a DMX channel (1..512)", "last channel 600 is not a DMX channel (1..512)", "increment 0"}},
    };
    // clang-format on
    for (const auto& c : cases) {
        std::vector<std::string> texts;
        for (const auto& w : FindWarnings(TableOf(c.kind, {c.record}, 1)))
            texts.push_back(w.text);
        EXPECT_EQ(texts, c.warnings) << InfoOf(c.kind).cliName;
    }
}

} // namespace
} // namespace corvane

#include "events/conflicts/EventConflicts.h"

#include "WeekClockEntries.h"
#include "events/AnalogRecord.h"
#include "events/AudioRecord.h"
#include "events/MidiRecord.h"
#include "events/RelayRecord.h"
#include "events/SensorRecord.h"
#include "events/TimecodeRecord.h"
#include "events/conflicts/EventWarnings.h"

#include <gtest/gtest.h>

namespace corvane {
namespace {

using test::Byte;
using test::Dated;
using test::TableOf;
using test::Weekly;

// Monday 8:00 to 9:00 on the channels first, first + step, ... up to last.
WeekClockRecord Stepped(int first, int last, int step, int level = 100) {
    auto r = Weekly(2, 800, 900, level);
    r.firstChannel = static_cast<std::uint16_t>(first);
    r.lastChannel = static_cast<std::uint16_t>(last);
    r.increment = Byte(step);
    return r;
}

// Times as hhmmss; channels 1 to 9.
TimecodeRecord Timecode(int from, int to, int level) {
    const auto h = [](int t) { return Byte(t / 10000); };
    const auto m = [](int t) { return Byte(t / 100 % 100); };
    const auto s = [](int t) { return Byte(t % 100); };
    return {h(from), m(from), s(from), 0, h(to), m(to), s(to), 0, 1, 9, 1, Byte(level), ""};
}

// Note 60, action Hold, channels 1 to 9.
MidiRecord Note(std::uint8_t channel, std::uint8_t noteState, std::uint8_t level) {
    return {channel, 60, noteState, 0, 1, 9, 1, level, ""};
}

// Whole volts; DMX on channels 1 to 9.
AnalogRecord AnalogDmx(int input, int low, int high, int level) {
    return {Byte(input), Byte(low), 0, Byte(high), 0, 0, 1, 9, 1, Byte(level), ""};
}

// Each rule with a pair that conflicts and the nearest pair that does not.
template <typename Record> struct PairCase {
    const char* what;
    Record a;
    Record b;
    bool conflict;
};

template <typename Record> void ExpectConflicts(const std::vector<PairCase<Record>>& cases) {
    for (const auto& c : cases) {
        const auto expected =
            c.conflict ? std::vector<EventConflict>{{0, 1}} : std::vector<EventConflict>{};
        EXPECT_EQ(FindConflicts(TableOf<Record>({c.a, c.b})), expected) << c.what;
    }
}

TEST(EventConflicts, WeekClockRules) {
    const auto yearEnd = Dated(1230, 4, 1800, 102, 7, 600, 1);
    const auto march = Dated(301, 1, 1000, 301, 1, 1200, 1);
    const auto mayDay = Dated(501, 6, 0, 501, 6, 100, 1);
    ExpectConflicts<WeekClockRecord>({
        {"overlap, levels differ", Weekly(2, 800, 900), Weekly(2, 830, 930, 200), true},
        {"windows only touch", Weekly(2, 800, 900), Weekly(2, 900, 1000, 200), false},
        {"overlap, same level", Weekly(2, 800, 900), Weekly(2, 830, 930), false},
        {"Saturday into Sunday", Weekly(7, 2300, 100), Weekly(1, 30, 200, 200), true},
        {"equal times: a whole day", Weekly(2, 800, 800), Weekly(3, 700, 759, 200), true},
        {"steps 3 and 4 meet at 10", Stepped(1, 10, 3), Stepped(2, 10, 4, 200), true},
        {"steps 3 and 4 end before", Stepped(1, 9, 3), Stepped(2, 10, 4, 200), false},
        {"weekly within a dated window", Weekly(4, 1900, 2000), yearEnd, true},
        {"weekly on a day it misses", Weekly(3, 1900, 2000), yearEnd, false},
        {"dated over the year's end", yearEnd, Dated(101, 6, 1000, 101, 6, 1200), true},
        {"same weekday, months apart", march, Dated(607, 1, 1000, 607, 1, 1200), false},
        {"dated over a whole week", Weekly(3, 1900, 2000), Dated(101, 5, 0, 110, 1, 0), true},
        {"weekday 0 is no day", Weekly(0, 800, 900), Weekly(0, 830, 930, 200), false},
        {"31 April is no date", Dated(431, 4, 2200, 501, 5, 200), mayDay, false},
    });
}

TEST(EventConflicts, TimecodeMidiAndAudioRules) {
    ExpectConflicts<TimecodeRecord>({
        {"past midnight", Timecode(235959, 10, 9), Timecode(5, 20, 8), true},
        {"past midnight, ended", Timecode(235959, 10, 9), Timecode(10, 20, 8), false},
    });
    ExpectConflicts<MidiRecord>({
        {"levels differ", Note(5, 0xFF, 9), Note(5, 0xFF, 8), true},
        {"same action and level", Note(5, 0xFF, 9), Note(5, 0xFF, 9), false},
        {"note on and note off", Note(5, 0xFF, 9), Note(5, 0, 8), false},
        {"all channels meets 5", Note(17, 0xFF, 9), Note(5, 0xFF, 8), true},
        {"channels 4 and 5", Note(4, 0xFF, 9), Note(5, 0xFF, 8), false},
    });
    ExpectConflicts<AudioRecord>({
        {"All meets Left", {2, 7, 1, 9, 1, 0, 0, ""}, {0, 7, 9, 20, 1, 0, 0, ""}, true},
        {"Left and Right", {1, 7, 1, 9, 1, 0, 0, ""}, {0, 7, 9, 20, 1, 0, 0, ""}, false},
        {"other band", {2, 7, 1, 9, 1, 0, 0, ""}, {2, 8, 1, 9, 1, 0, 0, ""}, false},
    });
}

TEST(EventConflicts, RelaySensorAndAnalogRules) {
    ExpectConflicts<RelayRecord>({
        {"overlap, opposite states", {1, 0, 100, 3, 0, ""}, {1, 50, 150, 3, 1, ""}, true},
        {"same state", {1, 0, 100, 3, 0, ""}, {1, 50, 150, 3, 0, ""}, false},
        {"another relay", {1, 0, 100, 3, 0, ""}, {1, 50, 150, 4, 1, ""}, false},
    });
    ExpectConflicts<SensorRecord>({
        {"DMX levels differ", {2, 0, 30, 0, 1, 9, 1, 9, ""}, {2, 0, 30, 0, 9, 12, 1, 8, ""}, true},
        {"other contact", {2, 0, 30, 0, 1, 9, 1, 9, ""}, {3, 0, 30, 0, 9, 12, 1, 8, ""}, false},
        {"relay both ways", {2, 0, 30, 1, 4, 0, 1, 0, ""}, {2, 0, 30, 1, 4, 0, 0, 0, ""}, true},
        {"relay, same state", {2, 0, 30, 1, 4, 0, 1, 0, ""}, {2, 9, 30, 1, 4, 0, 1, 0, ""}, false},
        {"audio on and off", {2, 0, 30, 2, 0, 0, 0, 0, ""}, {2, 0, 30, 2, 1, 0, 0, 0, ""}, true},
        {"audio and DMX", {2, 0, 30, 2, 1, 0, 0, 0, ""}, {2, 0, 30, 0, 1, 9, 1, 9, ""}, false},
    });
    ExpectConflicts<AnalogRecord>({
        {"windows overlap", AnalogDmx(0, 1, 3, 9), AnalogDmx(0, 2, 4, 8), true},
        {"another input", AnalogDmx(0, 1, 3, 9), AnalogDmx(1, 2, 4, 8), false},
    });
}

// A pair met through several stretches (past midnight on both sides) comes
// once; pairs come sorted.
TEST(EventConflicts, PairsComeOnceAndSorted) {
    const auto table = TableOf<WeekClockRecord>(
        {Weekly(1, 2300, 2200, 1), Weekly(2, 800, 900, 2), Weekly(7, 2000, 2100, 3)});
    EXPECT_EQ(FindConflicts(table), (std::vector<EventConflict>{{0, 1}}));
}

template <typename Record> struct WarningCase {
    Record record;
    std::vector<std::string> warnings;
};

template <typename Record> void ExpectWarnings(const std::vector<WarningCase<Record>>& cases) {
    for (const auto& c : cases) {
        std::vector<std::string> texts;
        for (const auto& w : FindWarnings(TableOf<Record>({c.record})))
            texts.push_back(w.text);
        EXPECT_EQ(texts, c.warnings) << &c - cases.data();
    }
}

TEST(EventWarnings, RecordsTheControllerLikelyMisreads) {
    const std::string firstNone = "first channel 0 is not a DMX channel (1..512)";
    const std::string lastNone = "last channel 513 is not a DMX channel (1..512)";
    ExpectWarnings<WeekClockRecord>({
        {Stepped(1, 512, 1), {}},
        {Stepped(0, 513, 0), {firstNone, lastNone, "increment 0"}},
    });
    ExpectWarnings<AudioRecord>({
        {{0, 1, 9, 1, 1, 0, 0, ""}, {"first channel 9 is above the last channel 1"}},
    });
    ExpectWarnings<RelayRecord>({
        {{1, 10, 200, 0, 0, ""}, {"relay number 0"}},
        {{1, 200, 10, 1, 0, ""}, {"level window low 200 is above its high 10"}},
    });
}

} // namespace
} // namespace corvane

#include "events/EventEditing.h"

#include "EventTestPanels.h"
#include "events/EventFiles.h"
#include "events/EventMessages.h"

#include <algorithm>
#include <random>

namespace corvane {
namespace {

using test::EventFileBytes;
using test::TablePanelValues;
using Strings = std::vector<std::string>;
constexpr auto kWeek = EventKind::WeekClock;

class EventEditing : public ::testing::Test {
protected:
    std::vector<std::uint8_t> file(EventKind kind) const {
        return folder.read(InfoOf(kind).fileName);
    }
    void setFile(EventKind kind, const std::vector<std::uint8_t>& bytes) const {
        folder.write(std::string(InfoOf(kind).fileName), bytes);
    }
    void add(EventKind kind, TablePanelValues panel, const std::string& name = "Event") {
        AddEvent(folder.path(), kind, panel, name, prompter, list);
    }
    EventFileHeader header(EventKind kind) const { return *EventFileHeader::decode(file(kind)); }
    template <typename Record = WeekClockRecord>
    Record at(std::size_t index, EventKind kind = kWeek) const {
        const auto bytes = file(kind);
        return Record::decode(std::span(bytes).subspan(16 + index * Record::kSize, Record::kSize));
    }
    template <typename Record = WeekClockRecord> Strings names(EventKind kind = kWeek) const {
        Strings all;
        for (std::size_t i = 0; i < header(kind).entryCount + header(kind).datedEntryCount; ++i)
            all.push_back(at<Record>(i, kind).name);
        return all;
    }

    test::TempFolder folder;
    test::RecordingPrompter prompter;
    test::VectorEventList list;
    const TablePanelValues newYear =
        test::DatedPanel({2026, 1, 1, 4}, {0, 0, 0}, {2026, 1, 2, 5}, {0, 0, 0});
};

TEST_F(EventEditing, SameKeyReplacesTheNameAndKeepsThePlaceNewKeyAppends) {
    const std::vector<RelayRecord> three = {
        {1, 0, 255, 1, 0, "a"}, {2, 0, 255, 1, 0, "b"}, {3, 0, 255, 1, 0, "c"}};
    setFile(EventKind::Relay, EventFileBytes(three));
    add(EventKind::Relay, test::RelayPanel(9, 12), "New");
    add(EventKind::Relay, test::RelayPanel(2), "B");
    EXPECT_EQ(file(EventKind::Relay),
              EventFileBytes(std::vector<RelayRecord>{
                  three[0], {2, 0, 255, 1, 0, "B"}, three[2], {9, 0, 255, 8, 0, "New"}}));
    EXPECT_TRUE(prompter.messages.empty());
}

TEST_F(EventEditing, TimecodeEntriesSortByStartAndTheNewestEqualStartComesFirst) {
    setFile(EventKind::Timecode, test::BareHeader());
    add(EventKind::Timecode, test::TimecodePanel(0, 0, 10, 0, 1), "ten-a");
    add(EventKind::Timecode, test::TimecodePanel(0, 0, 5, 0, 2), "five");
    add(EventKind::Timecode, test::TimecodePanel(0, 0, 10, 0, 3), "ten-b");
    add(EventKind::Timecode, test::TimecodePanel(1, 0, 0, 0, 4), "hour");
    add(EventKind::Timecode, test::TimecodePanel(0, 0, 5, 0, 2), "five-renamed");
    EXPECT_EQ(names<TimecodeRecord>(EventKind::Timecode),
              (Strings{"five-renamed", "ten-b", "ten-a", "hour"}));
}

TEST_F(EventEditing, WeeklyAddStoresOneEntryPerCheckedDayInFrontOfTheDatedOnes) {
    const std::vector<WeekClockRecord> records = {
        {0, 0, 1, 12, 0, 0, 0, 0, 1, 13, 0, 0, 1, 512, 1, 255, 0, "sun"},
        {0, 0, 4, 7, 0, 0, 0, 0, 4, 8, 0, 0, 1, 512, 1, 255, 0, "wed"},
        {1, 1, 5, 0, 0, 0, 1, 2, 6, 0, 0, 0, 1, 512, 1, 255, 1, "dated"}};
    setFile(kWeek, EventFileBytes(2, 1, records));
    add(kWeek, test::WeekPanel({8, 0, 0}, {9, 0, 0}, {2, 6}), "new");
    add(kWeek, test::WeekPanel({23, 0, 0}, {1, 0, 0}, {7}),
        "night"); // past midnight: ends on Sunday
    EXPECT_EQ(header(kWeek), (EventFileHeader{5, 1}));
    EXPECT_EQ(names(), (Strings{"sun", "new", "wed", "new", "night", "dated"}));
    EXPECT_EQ(std::tuple(at(1).startWeekday, at(1).endWeekday, at(1).entryFlag, at(4).startWeekday,
                         at(4).endWeekday),
              std::tuple(2, 2, 0, 7, 1));
    add(kWeek, test::WeekPanel({8, 0, 0}, {9, 0, 0})); // no day checked: nothing to store
    EXPECT_EQ(header(kWeek), (EventFileHeader{5, 1}));
    EXPECT_TRUE(prompter.messages.empty());
}

TEST_F(EventEditing, DatedEntriesSortBehindTheWeeklyOnesAndReplaceOnSameKey) {
    setFile(kWeek, test::BareHeader());
    add(kWeek, test::WeekPanel({8, 0, 0}, {9, 0, 0}, {1}), "weekly");
    add(kWeek, test::DatedPanel({2026, 12, 24, 4}, {18, 0, 0}, {2026, 12, 26, 6}, {6, 0, 0}),
        "xmas");
    add(kWeek, test::DatedPanel({2026, 3, 1, 0}, {8, 0, 0}, {2026, 3, 1, 0}, {9, 0, 0}), "march");
    // The record holds no year and the weekdays are not compared: same key.
    add(kWeek, test::DatedPanel({2025, 12, 24, 3}, {18, 0, 0}, {2025, 12, 26, 5}, {6, 0, 0}),
        "again");
    EXPECT_EQ(header(kWeek), (EventFileHeader{1, 2}));
    EXPECT_EQ(names(), (Strings{"weekly", "march", "again"}));
    EXPECT_EQ(std::tuple(at(2).entryFlag, at(2).startWeekday), std::tuple(1, 4));
}

TEST_F(EventEditing, DatedAddRefusesAWindowThatDoesNotMoveForward) {
    // clang-format off
    const std::tuple<PickerDate, PickerTime, PickerDate, PickerTime, bool> cases[] = {
        {{2026, 5, 1, 5}, {10, 0, 0}, {2026, 5, 1, 5}, {9, 0, 0}, true}, {{2026, 5, 1, 5}, {10, 0, 0}, {2026, 5, 1, 5}, {10, 0, 0}, true},
        {{2026, 5, 2, 6}, {1, 0, 0}, {2026, 5, 1, 5}, {9, 0, 0}, true}, {{2027, 1, 1, 5}, {1, 0, 0}, {2026, 12, 31, 4}, {9, 0, 0}, true},
        {{2026, 12, 31, 4}, {23, 0, 0}, {2027, 1, 1, 5}, {1, 0, 0}, false}, {{2026, 5, 1, 5}, {10, 0, 0}, {2026, 5, 1, 5}, {10, 0, 1}, false}};
    // clang-format on
    for (const auto& [startDate, startTime, endDate, endTime, refused] : cases) {
        setFile(kWeek, test::BareHeader());
        prompter.messages.clear();
        add(kWeek, test::DatedPanel(startDate, startTime, endDate, endTime));
        EXPECT_EQ(prompter.messages, refused ? Strings{"Time is Error!"} : Strings{});
        EXPECT_EQ(header(kWeek).datedEntryCount, refused ? 0u : 1u);
    }
}

TEST_F(EventEditing, AddOnAMissingOrHeaderlessFileStartsFromABareHeader) {
    // A dated add on a new file, then on a partial header.
    add(kWeek, newYear);
    const auto first = file(kWeek);
    setFile(kWeek, {9, 9, 9, 9, 9});
    add(kWeek, newYear);
    EXPECT_EQ(file(kWeek), first);
    EXPECT_EQ(first.size(), 16u + 48);
    EXPECT_EQ(header(kWeek), (EventFileHeader{0, 1}));
    // Other adds on a file too short for a header lose the entry and write a header.
    setFile(EventKind::Midi, {1, 2, 3});
    list.lines = {"stale"};
    add(EventKind::Midi, test::MidiPanel(60));
    EXPECT_EQ(file(EventKind::Midi), test::BareHeader());
    EXPECT_TRUE(list.lines.empty());
    // Week clock: only the first checked day's entry is lost.
    setFile(kWeek, {});
    add(kWeek, test::WeekPanel({8, 0, 0}, {9, 0, 0}, {2, 3}));
    EXPECT_EQ(header(kWeek), (EventFileHeader{1, 0}));
    EXPECT_EQ(at(0).startWeekday, 3);
}

TEST_F(EventEditing, DamagedFilesAreLeftForTheListFillToRepair) {
    const std::vector<std::uint8_t> damaged(16 + 36 + 1, 0); // no count, one record and a byte
    setFile(EventKind::Midi, damaged);
    add(EventKind::Midi, test::MidiPanel(61));
    EXPECT_EQ(file(EventKind::Midi), damaged);
    const auto weekDamaged = EventFileBytes(1, 1, std::vector<WeekClockRecord>{{}});
    setFile(kWeek, weekDamaged);
    add(kWeek, newYear);
    add(kWeek, test::WeekPanel({0, 0, 0}, {1, 0, 0}, {1}));
    EXPECT_EQ(file(kWeek), weekDamaged);
    EXPECT_TRUE(prompter.messages.empty());
}

TEST_F(EventEditing, UnacceptableValuesAreRefusedWithAMessage) {
    setFile(EventKind::Midi, test::BareHeader());
    add(EventKind::Midi, test::MidiPanel(60, 10, 9));
    add(kWeek, test::WeekPanel({8, 0, 0}, {9, 0, 0}, {1}).setText(ids::kWeekLastChannel, "0"));
    EXPECT_EQ(prompter.messages, Strings(2, std::string(messages::kSettingError)));
    EXPECT_EQ(file(EventKind::Midi), test::BareHeader());
    EXPECT_FALSE(folder.exists("EventWeekInfo.bin"));
}

TEST_F(EventEditing, AFullTableRefusesNewEntriesButStillReplaces) {
    std::vector<RelayRecord> records;
    for (std::uint16_t i = 0; i < 2047; ++i) // (65535 - 16) / 32
        records.push_back({i, 0, 255, 1, 0, "r"});
    const auto full = EventFileBytes(records);
    setFile(EventKind::Relay, full);
    add(EventKind::Relay, test::RelayPanel(60000));
    EXPECT_EQ(prompter.messages, Strings{"The event table is full!"});
    EXPECT_EQ(file(EventKind::Relay), full);
    add(EventKind::Relay, test::RelayPanel(5), "renamed");
    EXPECT_EQ(at<RelayRecord>(5, EventKind::Relay).name, "renamed");
    EXPECT_EQ(file(EventKind::Relay).size(), full.size());

    // Week clock: both groups count.
    const std::uint32_t max = 1364; // (65535 - 16) / 48
    setFile(kWeek, EventFileBytes(0, max, std::vector<WeekClockRecord>(max)));
    add(kWeek, test::WeekPanel({8, 0, 0}, {9, 0, 0}, {1, 2}));
    EXPECT_EQ(prompter.messages, Strings(2, "The event table is full!"));
    EXPECT_EQ(header(kWeek), (EventFileHeader{0, max}));
}

TEST_F(EventEditing, DeleteRemovesTheLineOfTheShownGroupAndNothingOutsideIt) {
    std::vector<WeekClockRecord> records(5);
    for (std::size_t i = 0; i < 5; ++i)
        records[i].name = std::string(1, static_cast<char>('a' + i));
    setFile(kWeek, EventFileBytes(2, 3, records));
    DeleteEvent(folder.path(), kWeek, false, 0);
    EXPECT_EQ(header(kWeek), (EventFileHeader{2, 2}));
    EXPECT_EQ(file(kWeek).size(), 208u);
    DeleteEvent(folder.path(), kWeek, true, 1);
    EXPECT_EQ(names(), (Strings{"a", "d", "e"}));

    // Outside the group or on a damaged file: nothing changes.
    const auto relays =
        EventFileBytes(std::vector<RelayRecord>{{1, 0, 0, 1, 0, "a"}, {2, 0, 0, 1, 0, "b"}});
    const auto weekBytes = EventFileBytes(1, 1, std::vector<WeekClockRecord>(2));
    // clang-format off
    const std::tuple<EventKind, std::vector<std::uint8_t>, bool, int> cases[] = {
        {EventKind::Relay, relays, true, -1}, {EventKind::Relay, relays, true, 2}, {EventKind::Relay, {relays.begin(), relays.end() - 1}, true, 0},
        {kWeek, weekBytes, true, 1}, {kWeek, weekBytes, false, 1}, {EventKind::Relay, {1, 2, 3}, true, 0}};
    // clang-format on
    for (const auto& [kind, bytes, weekly, line] : cases) {
        setFile(kind, bytes);
        DeleteEvent(folder.path(), kind, weekly, line);
        EXPECT_EQ(file(kind), bytes) << line;
    }
}

TEST_F(EventEditing, EditsKeepReservedHeaderBytesLeaveNoTemporaryFilesAndClearWritesABareHeader) {
    auto bytes = test::BareHeader();
    bytes[9] = 0x5A;
    setFile(EventKind::Midi, bytes);
    add(EventKind::Midi, test::MidiPanel(1));
    add(EventKind::Midi, test::MidiPanel(2));
    DeleteEvent(folder.path(), EventKind::Midi, true, 0);
    EXPECT_EQ(file(EventKind::Midi)[9], 0x5A);
    EXPECT_EQ(folder.names(), Strings{"midiEvent.bin"});
    setFile(EventKind::Midi, std::vector<std::uint8_t>(1000, 0xEE));
    EXPECT_EQ(ClearEventFile(folder.path(), EventKind::Midi), FileStatus::Done);
    EXPECT_EQ(file(EventKind::Midi), test::BareHeader());
}

TEST_F(EventEditing, AnEventFileThatIsAFolderIsLeftAlone) {
    std::filesystem::create_directory(folder.file("relayEvent.bin"));
    add(EventKind::Relay, test::RelayPanel(1));
    DeleteEvent(folder.path(), EventKind::Relay, true, 0);
    EXPECT_EQ(ClearEventFile(folder.path(), EventKind::Relay), FileStatus::NotAFile);
    EXPECT_EQ(folder.names(), Strings{"relayEvent.bin"});
    EXPECT_TRUE(std::filesystem::is_directory(folder.file("relayEvent.bin")));
}

// Long random sequences of week clock adds and deletes, with few distinct values
// so that replacements and equal starts happen often. After every step the file
// must be valid and both groups sorted as the list promises.
TEST_F(EventEditing, RandomWeekClockEditsKeepBothGroupsSortedAndApart) {
    std::mt19937 random{20261206};
    const auto pick = [&](int low, int high) {
        return std::uniform_int_distribution<int>(low, high)(random);
    };
    setFile(kWeek, test::BareHeader());
    for (int step = 0; step < 500; ++step) {
        SCOPED_TRACE(step);
        const auto before = header(kWeek);
        const int action = pick(0, 3);
        if (action == 0) {
            auto panel =
                test::WeekPanel({pick(0, 2), pick(0, 1), 0}, {pick(0, 2), 0, 0}, {}, pick(1, 2));
            for (int day = 1; day <= 7; ++day)
                panel.checkDay(day, pick(0, 3) == 0);
            add(kWeek, panel, "w");
        } else if (action == 1) {
            const int day = pick(1, 3);
            add(kWeek,
                test::DatedPanel({2026, pick(1, 2), day, 0}, {pick(0, 1), 0, 0},
                                 {2026, 2, day + pick(0, 1), 0}, {pick(0, 1), 30, 0}),
                "d");
        } else {
            const auto count = action == 2 ? before.entryCount : before.datedEntryCount;
            DeleteEvent(folder.path(), kWeek, action == 2, pick(-1, static_cast<int>(count)));
        }
        const auto bytes = file(kWeek);
        ASSERT_TRUE(IsValidEventFile(bytes, kWeek));
        std::vector<WeekClockRecord> stored;
        for (std::size_t offset = 16; offset < bytes.size(); offset += WeekClockRecord::kSize)
            stored.push_back(WeekClockRecord::decode(std::span(bytes).subspan(offset)));
        // Weekly entries (flag 0) by weekday and time, then the dated ones by date and time.
        const auto order = [](const WeekClockRecord& r) {
            return std::tuple(r.entryFlag, r.entryFlag ? r.startMonth : r.startWeekday,
                              r.entryFlag ? r.startDay : 0, r.startHour, r.startMinute,
                              r.startSecond);
        };
        ASSERT_TRUE(std::ranges::is_sorted(stored, {}, order));
        ASSERT_EQ(std::ranges::count(stored, 0, &WeekClockRecord::entryFlag),
                  EventFileHeader::decode(bytes)->entryCount);
    }
}

} // namespace
} // namespace corvane

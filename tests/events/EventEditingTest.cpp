#include "events/EventEditing.h"

#include "EventTestPanels.h"
#include "events/EventFiles.h"
#include "events/EventMessages.h"
#include "events/MidiRecord.h"
#include "events/RelayRecord.h"
#include "events/TimecodeRecord.h"
#include "events/WeekClockRecord.h"
#include "support/EventFileBytes.h"
#include "support/RecordingPrompter.h"
#include "support/TempFolder.h"
#include "support/VectorEventList.h"

#include <gtest/gtest.h>

namespace corvane {
namespace {

using test::EventFileBytes;
using test::TablePanelValues;

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
    template <typename Record> Record recordAt(EventKind kind, std::size_t index) const {
        const auto bytes = file(kind);
        return Record::decode(std::span(bytes).subspan(16 + index * Record::kSize, Record::kSize));
    }

    WeekClockRecord week(std::size_t index) const {
        return recordAt<WeekClockRecord>(EventKind::WeekClock, index);
    }

    test::TempFolder folder;
    test::RecordingPrompter prompter;
    test::VectorEventList list;
};

TEST_F(EventEditing, SameKeyReplacesTheNameAndKeepsThePlaceNewKeyAppends) {
    setFile(EventKind::Midi, test::BareHeader());
    add(EventKind::Midi, test::MidiPanel(60), "First");
    add(EventKind::Midi, test::MidiPanel(61), "Other");
    add(EventKind::Midi, test::MidiPanel(60), "Second");
    EXPECT_EQ(header(EventKind::Midi).entryCount, 2u);
    EXPECT_EQ(recordAt<MidiRecord>(EventKind::Midi, 0).name, "Second");
    EXPECT_EQ(recordAt<MidiRecord>(EventKind::Midi, 1).name, "Other");

    const std::vector<RelayRecord> three = {
        {1, 0, 0, 1, 0, "a"}, {2, 0, 0, 1, 0, "b"}, {3, 0, 0, 1, 0, "c"}};
    setFile(EventKind::Relay, EventFileBytes(three));
    add(EventKind::Relay, test::RelayPanel(9, 12), "New");
    auto expected = EventFileBytes(
        4, 0, std::vector<RelayRecord>{three[0], three[1], three[2], {9, 0, 255, 8, 0, "New"}});
    EXPECT_EQ(file(EventKind::Relay), expected);
    EXPECT_TRUE(prompter.messages.empty());
}

TEST_F(EventEditing, TimecodeEntriesSortByStartAndTheNewestEqualStartComesFirst) {
    setFile(EventKind::Timecode, test::BareHeader());
    add(EventKind::Timecode, test::TimecodePanel(0, 0, 10, 0, 1), "ten-a");
    add(EventKind::Timecode, test::TimecodePanel(0, 0, 5, 0, 2), "five");
    add(EventKind::Timecode, test::TimecodePanel(0, 0, 10, 0, 3), "ten-b");
    add(EventKind::Timecode, test::TimecodePanel(1, 0, 0, 0, 4), "hour");
    add(EventKind::Timecode, test::TimecodePanel(0, 0, 5, 0, 2), "five-renamed");
    ASSERT_EQ(header(EventKind::Timecode).entryCount, 4u);
    const char* order[] = {"five-renamed", "ten-b", "ten-a", "hour"};
    for (std::size_t i = 0; i < 4; ++i)
        EXPECT_EQ(recordAt<TimecodeRecord>(EventKind::Timecode, i).name, order[i]);
}

TEST_F(EventEditing, WeeklyAddStoresOneEntryPerCheckedDayInFrontOfTheDatedOnes) {
    const std::vector<WeekClockRecord> records = {
        {0, 0, 1, 12, 0, 0, 0, 0, 1, 13, 0, 0, 1, 512, 1, 255, 0, "sun"},
        {0, 0, 4, 7, 0, 0, 0, 0, 4, 8, 0, 0, 1, 512, 1, 255, 0, "wed"},
        {1, 1, 5, 0, 0, 0, 1, 2, 6, 0, 0, 0, 1, 512, 1, 255, 1, "dated"},
    };
    setFile(EventKind::WeekClock, EventFileBytes(2, 1, records));
    auto panel = test::WeekPanel({8, 0, 0}, {9, 0, 0});
    panel.checkDay(2).checkDay(6);
    add(EventKind::WeekClock, panel, "new");
    EXPECT_EQ(header(EventKind::WeekClock), (EventFileHeader{4, 1}));
    const std::pair<int, const char*> expected[] = {
        {1, "sun"}, {2, "new"}, {4, "wed"}, {6, "new"}, {5, "dated"}};
    for (std::size_t i = 0; i < 5; ++i) {
        const auto r = week(i);
        EXPECT_EQ(r.startWeekday, expected[i].first) << i;
        EXPECT_EQ(r.name, expected[i].second) << i;
    }
    const auto monday = week(1);
    EXPECT_EQ(monday.endWeekday, 2);
    EXPECT_EQ(monday.entryFlag, 0);
    EXPECT_EQ(monday.startMonth + monday.startDay + monday.endMonth + monday.endDay, 0);

    // No day checked: nothing to store.
    const auto before = file(EventKind::WeekClock);
    add(EventKind::WeekClock, test::WeekPanel({8, 0, 0}, {9, 0, 0}));
    EXPECT_EQ(file(EventKind::WeekClock), before);
    EXPECT_TRUE(prompter.messages.empty());
}

TEST_F(EventEditing, WeeklyWindowPastMidnightEndsOnTheNextDay) {
    setFile(EventKind::WeekClock, test::BareHeader());
    auto panel = test::WeekPanel({23, 0, 0}, {1, 0, 0});
    panel.checkDay(7).checkDay(3);
    add(EventKind::WeekClock, panel);
    EXPECT_EQ(week(0).endWeekday, 4);
    EXPECT_EQ(week(1).startWeekday, 7);
    EXPECT_EQ(week(1).endWeekday, 1);
}

TEST_F(EventEditing, DatedEntriesSortBehindTheWeeklyOnesAndReplaceOnSameKey) {
    setFile(EventKind::WeekClock, test::BareHeader());
    auto weekly = test::WeekPanel({8, 0, 0}, {9, 0, 0});
    weekly.checkDay(1);
    add(EventKind::WeekClock, weekly, "weekly");
    add(EventKind::WeekClock,
        test::DatedPanel({2026, 12, 24, 4}, {18, 0, 0}, {2026, 12, 26, 6}, {6, 0, 0}), "xmas");
    add(EventKind::WeekClock,
        test::DatedPanel({2026, 3, 1, 0}, {8, 0, 0}, {2026, 3, 1, 0}, {9, 0, 0}), "march");
    add(EventKind::WeekClock,
        test::DatedPanel({2025, 12, 24, 3}, {18, 0, 0}, {2025, 12, 26, 5}, {6, 0, 0}), "again");
    EXPECT_EQ(header(EventKind::WeekClock), (EventFileHeader{1, 2}));
    EXPECT_EQ(week(1).name, "march");
    // The record holds no year and the weekdays are not compared: same key.
    const auto xmas = week(2);
    EXPECT_EQ(xmas.name, "again");
    EXPECT_EQ(xmas.entryFlag, 1);
    EXPECT_EQ(xmas.startWeekday, 4);
}

TEST_F(EventEditing, DatedAddRefusesAWindowThatDoesNotMoveForward) {
    struct Case {
        PickerDate startDate;
        PickerTime startTime;
        PickerDate endDate;
        PickerTime endTime;
        bool refused;
    };
    const Case cases[] = {
        {{2026, 5, 1, 5}, {10, 0, 0}, {2026, 5, 1, 5}, {9, 0, 0}, true},
        {{2026, 5, 1, 5}, {10, 0, 0}, {2026, 5, 1, 5}, {10, 0, 0}, true},
        {{2026, 5, 2, 6}, {1, 0, 0}, {2026, 5, 1, 5}, {9, 0, 0}, true},
        {{2027, 1, 1, 5}, {1, 0, 0}, {2026, 12, 31, 4}, {9, 0, 0}, true},
        {{2026, 12, 31, 4}, {23, 0, 0}, {2027, 1, 1, 5}, {1, 0, 0}, false},
        {{2026, 5, 1, 5}, {10, 0, 0}, {2026, 5, 1, 5}, {10, 0, 1}, false},
    };
    for (const auto& c : cases) {
        setFile(EventKind::WeekClock, test::BareHeader());
        prompter.messages.clear();
        add(EventKind::WeekClock, test::DatedPanel(c.startDate, c.startTime, c.endDate, c.endTime));
        EXPECT_EQ(prompter.messages, c.refused ? std::vector<std::string>{"Time is Error!"}
                                               : std::vector<std::string>{});
        EXPECT_EQ(header(EventKind::WeekClock).datedEntryCount, c.refused ? 0u : 1u);
    }
}

TEST_F(EventEditing, DatedAddOnANewFileOrAPartialHeaderStartsFromABareHeader) {
    for (const bool partial : {false, true}) {
        if (partial)
            setFile(EventKind::WeekClock, {9, 9, 9, 9, 9});
        add(EventKind::WeekClock,
            test::DatedPanel({2026, 1, 1, 4}, {0, 0, 0}, {2026, 1, 2, 5}, {0, 0, 0}));
        EXPECT_EQ(file(EventKind::WeekClock).size(), 16u + 48) << partial;
        EXPECT_EQ(header(EventKind::WeekClock), (EventFileHeader{0, 1})) << partial;
    }
}

TEST_F(EventEditing, AddOnAFileTooShortForAHeaderLosesTheEntryAndWritesAHeader) {
    setFile(EventKind::Midi, {1, 2, 3});
    list.lines = {"stale"};
    add(EventKind::Midi, test::MidiPanel(60));
    EXPECT_EQ(file(EventKind::Midi), test::BareHeader());
    EXPECT_TRUE(list.lines.empty());

    // Week clock: only the first checked day's entry is lost.
    setFile(EventKind::WeekClock, {});
    auto panel = test::WeekPanel({8, 0, 0}, {9, 0, 0});
    panel.checkDay(2).checkDay(3);
    add(EventKind::WeekClock, panel);
    EXPECT_EQ(header(EventKind::WeekClock), (EventFileHeader{1, 0}));
    EXPECT_EQ(week(0).startWeekday, 3);
}

TEST_F(EventEditing, DamagedFilesAreLeftForTheListFillToRepair) {
    auto damaged = EventFileBytes(std::vector<MidiRecord>{{1, 60, 0xFF, 0, 1, 512, 1, 255, "a"}});
    damaged.push_back(0);
    auto weekDamaged = EventFileBytes(1, 1, std::vector<WeekClockRecord>{{}});
    for (const EventKind kind : {EventKind::Midi, EventKind::WeekClock}) {
        const auto& bytes = kind == EventKind::Midi ? damaged : weekDamaged;
        setFile(kind, bytes);
        auto panel = kind == EventKind::Midi
                         ? test::MidiPanel(61)
                         : test::DatedPanel({2026, 1, 1, 4}, {0, 0, 0}, {2026, 1, 2, 5}, {0, 0, 0});
        add(kind, panel);
        panel.weekly = true;
        panel.checkDay(1);
        add(kind, panel);
        EXPECT_EQ(file(kind), bytes) << InfoOf(kind).cliName;
    }
    EXPECT_TRUE(prompter.messages.empty());
}

TEST_F(EventEditing, UnacceptableValuesAreRefusedWithAMessage) {
    setFile(EventKind::Midi, test::BareHeader());
    add(EventKind::Midi, test::MidiPanel(60, 10, 9));
    auto weekly = test::WeekPanel({8, 0, 0}, {9, 0, 0});
    weekly.checkDay(1).setText(ids::kWeekLastChannel, "0");
    add(EventKind::WeekClock, weekly);
    const std::string expected(messages::kSettingError);
    EXPECT_EQ(prompter.messages, (std::vector<std::string>{expected, expected}));
    EXPECT_EQ(file(EventKind::Midi), test::BareHeader());
    EXPECT_FALSE(folder.exists("EventWeekInfo.bin"));
}

TEST_F(EventEditing, AFullTableRefusesNewEntriesButStillReplaces) {
    std::vector<RelayRecord> records;
    for (std::uint16_t i = 0; i < InfoOf(EventKind::Relay).maxEntries; ++i)
        records.push_back({i, 0, 255, 1, 0, "r"});
    const auto full = EventFileBytes(records);
    setFile(EventKind::Relay, full);
    add(EventKind::Relay, test::RelayPanel(60000));
    EXPECT_EQ(prompter.messages, std::vector<std::string>{"The event table is full!"});
    EXPECT_EQ(file(EventKind::Relay), full);

    add(EventKind::Relay, test::RelayPanel(5), "renamed");
    EXPECT_EQ(recordAt<RelayRecord>(EventKind::Relay, 5).name, "renamed");
    EXPECT_EQ(file(EventKind::Relay).size(), full.size());

    // Week clock: both groups count.
    const std::uint32_t max = InfoOf(EventKind::WeekClock).maxEntries;
    setFile(EventKind::WeekClock, EventFileBytes(0, max, std::vector<WeekClockRecord>(max)));
    auto panel = test::WeekPanel({8, 0, 0}, {9, 0, 0});
    panel.checkDay(1).checkDay(2);
    add(EventKind::WeekClock, panel);
    EXPECT_EQ(prompter.messages, std::vector<std::string>(2, "The event table is full!"));
    EXPECT_EQ(header(EventKind::WeekClock), (EventFileHeader{0, max}));
}

TEST_F(EventEditing, DeleteRemovesTheLineOfTheShownGroup) {
    std::vector<WeekClockRecord> records(5);
    for (std::size_t i = 0; i < 5; ++i)
        records[i].name = std::string(1, static_cast<char>('a' + i));
    setFile(EventKind::WeekClock, EventFileBytes(2, 3, records));
    DeleteEvent(folder.path(), EventKind::WeekClock, false, 0);
    EXPECT_EQ(header(EventKind::WeekClock), (EventFileHeader{2, 2}));
    EXPECT_EQ(file(EventKind::WeekClock).size(), 208u);
    const char* names[] = {"a", "b", "d", "e"};
    for (std::size_t i = 0; i < 4; ++i)
        EXPECT_EQ(week(i).name, names[i]);

    DeleteEvent(folder.path(), EventKind::WeekClock, true, 1);
    EXPECT_EQ(header(EventKind::WeekClock), (EventFileHeader{1, 2}));
    EXPECT_EQ(week(1).name, "d");
}

TEST_F(EventEditing, DeleteOutsideTheGroupOrOfADamagedFileChangesNothing) {
    const auto relays =
        EventFileBytes(std::vector<RelayRecord>{{1, 0, 0, 1, 0, "a"}, {2, 0, 0, 1, 0, "b"}});
    auto damaged = relays;
    damaged.pop_back();
    const auto weekBytes = EventFileBytes(1, 1, std::vector<WeekClockRecord>(2));
    struct Case {
        EventKind kind;
        std::vector<std::uint8_t> bytes;
        bool weekly;
        int line;
    };
    const Case cases[] = {
        {EventKind::Relay, relays, true, -1},       {EventKind::Relay, relays, true, 2},
        {EventKind::Relay, relays, true, 1000},     {EventKind::Relay, damaged, true, 0},
        {EventKind::WeekClock, weekBytes, true, 1}, {EventKind::WeekClock, weekBytes, false, 1},
        {EventKind::Relay, {1, 2, 3}, true, 0},
    };
    for (const auto& c : cases) {
        setFile(c.kind, c.bytes);
        DeleteEvent(folder.path(), c.kind, c.weekly, c.line);
        EXPECT_EQ(file(c.kind), c.bytes) << c.line;
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
    EXPECT_EQ(folder.names(), std::vector<std::string>{"midiEvent.bin"});

    setFile(EventKind::Midi, std::vector<std::uint8_t>(1000, 0xEE));
    EXPECT_TRUE(ClearEventFile(folder.path(), EventKind::Midi));
    EXPECT_EQ(file(EventKind::Midi), test::BareHeader());
}

TEST_F(EventEditing, AnEventFileThatIsAFolderIsLeftAlone) {
    std::filesystem::create_directory(folder.file("relayEvent.bin"));
    add(EventKind::Relay, test::RelayPanel(1));
    DeleteEvent(folder.path(), EventKind::Relay, true, 0);
    EXPECT_FALSE(ClearEventFile(folder.path(), EventKind::Relay));
    EXPECT_TRUE(std::filesystem::is_directory(folder.file("relayEvent.bin")));
    EXPECT_EQ(folder.names().size(), 1u);
}

} // namespace
} // namespace corvane

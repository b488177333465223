#include "events/EventEditing.h"

#include "EventTestForms.h"
#include "events/EventFiles.h"
#include "events/EventMessages.h"

namespace corvane {
namespace {

using test::FileOfRecords;
using Strings = std::vector<std::string>;
constexpr auto kWeek = EventKind::WeekClock;
constexpr auto kRelay = EventKind::Relay;

class EventEditing : public ::testing::Test {
protected:
    std::vector<std::uint8_t> file(EventKind kind) const {
        return folder.read(InfoOf(kind).fileName);
    }
    void setFile(EventKind kind, const std::vector<std::uint8_t>& bytes) const {
        folder.write(InfoOf(kind).fileName, bytes);
    }
    void add(const EventForm& form, const std::string& name = "Event") {
        AddEvent(folder.path(), form, name, prompter, list);
    }
    EventFileHeader header(EventKind kind = kWeek) const {
        return *EventFileHeader::decode(file(kind));
    }
    template <typename Record = WeekClockRecord> Record at(std::size_t index) const {
        const auto bytes = file(Record::kKind);
        return Record::decode(std::span(bytes).subspan(16 + index * Record::kSize));
    }
    template <typename Record = WeekClockRecord> Strings names() const {
        Strings all;
        for (std::size_t i = 0; i < header(Record::kKind).totalEntries(); ++i)
            all.push_back(at<Record>(i).name);
        return all;
    }

    test::TempFolder folder;
    test::RecordingPrompter prompter;
    test::VectorEventList list;
    const WeekClockForm newYear = test::Dated({2026, 1, 1, 4}, {}, {2026, 1, 2, 5}, {});
};

TEST_F(EventEditing, SameKeyReplacesTheNameAndKeepsThePlaceNewKeyAppends) {
    const std::vector<RelayRecord> three = {
        {1, 0, 255, 1, 0, "a"}, {2, 0, 255, 1, 0, "b"}, {3, 0, 255, 1, 0, "c"}};
    setFile(kRelay, FileOfRecords(three));
    add(test::RelayOn(9), "New");
    add(test::RelayOn(2), "B");
    EXPECT_EQ(file(kRelay),
              FileOfRecords(std::vector<RelayRecord>{
                  three[0], {2, 0, 255, 1, 0, "B"}, three[2], {9, 0, 255, 1, 0, "New"}}));
    EXPECT_TRUE(prompter.messages.empty());
}

TEST_F(EventEditing, TimecodeEntriesSortByStartAndTheNewestEqualStartComesFirst) {
    setFile(EventKind::Timecode, test::BareHeader());
    add(test::TimecodeFrom(0, 0, 10, 0, 1), "ten-a");
    add(test::TimecodeFrom(0, 0, 5, 0, 2), "five");
    add(test::TimecodeFrom(0, 0, 10, 0, 3), "ten-b");
    add(test::TimecodeFrom(1, 0, 0, 0, 4), "hour");
    add(test::TimecodeFrom(0, 0, 5, 0, 2), "five-renamed");
    EXPECT_EQ(names<TimecodeRecord>(), (Strings{"five-renamed", "ten-b", "ten-a", "hour"}));
}

TEST_F(EventEditing, WeeklyAddStoresOneEntryPerCheckedDayInFrontOfTheDatedOnes) {
    const std::vector<WeekClockRecord> records = {
        {0, 0, 1, 12, 0, 0, 0, 0, 1, 13, 0, 0, 1, 512, 1, 255, 0, "sun"},
        {0, 0, 4, 7, 0, 0, 0, 0, 4, 8, 0, 0, 1, 512, 1, 255, 0, "wed"},
        {1, 1, 5, 0, 0, 0, 1, 2, 6, 0, 0, 0, 1, 512, 1, 255, 1, "dated"}};
    setFile(kWeek, FileOfRecords(2, 1, records));
    add(test::Weekly({8, 0, 0}, {9, 0, 0}, {2, 6}), "new");
    add(test::Weekly({23, 0, 0}, {1, 0, 0}, {7}), "night"); // past midnight: ends on Sunday
    EXPECT_EQ(header(), (EventFileHeader{5, 1}));
    EXPECT_EQ(names(), (Strings{"sun", "new", "wed", "new", "night", "dated"}));
    EXPECT_EQ(std::tuple(at(1).startWeekday, at(1).endWeekday, at(1).entryFlag),
              std::tuple(2, 2, 0));
    EXPECT_EQ(std::tuple(at(4).startWeekday, at(4).endWeekday), std::tuple(7, 1));
    EXPECT_TRUE(prompter.messages.empty());
}

TEST_F(EventEditing, DatedEntriesSortBehindTheWeeklyOnesAndReplaceOnSameKey) {
    setFile(kWeek, test::BareHeader());
    add(test::Weekly({8, 0, 0}, {9, 0, 0}, {1}), "weekly");
    add(test::Dated({2026, 12, 24, 4}, {18, 0, 0}, {2026, 12, 26, 6}, {6, 0, 0}), "xmas");
    add(test::Dated({2026, 3, 1, 0}, {8, 0, 0}, {2026, 3, 1, 0}, {9, 0, 0}), "march");
    // The record holds no year and the weekdays are not compared: same key.
    add(test::Dated({2025, 12, 24, 3}, {18, 0, 0}, {2025, 12, 26, 5}, {6, 0, 0}), "again");
    EXPECT_EQ(header(), (EventFileHeader{1, 2}));
    EXPECT_EQ(names(), (Strings{"weekly", "march", "again"}));
    EXPECT_EQ(std::tuple(at(2).entryFlag, at(2).startWeekday), std::tuple(1, 4));
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
        {{2026, 5, 1, 5}, {10, 0, 0}, {2026, 5, 1, 5}, {10, 0, 0}, true},
        {{2026, 5, 1, 5}, {10, 0, 0}, {2026, 5, 1, 5}, {10, 0, 1}, false},
        {{2026, 12, 31, 4}, {23, 0, 0}, {2027, 1, 1, 5}, {1, 0, 0}, false},
    };
    for (const auto& c : cases) {
        setFile(kWeek, test::BareHeader());
        prompter.messages.clear();
        add(test::Dated(c.startDate, c.startTime, c.endDate, c.endTime));
        EXPECT_EQ(prompter.messages, c.refused ? Strings{"Time is Error!"} : Strings{});
        EXPECT_EQ(header().datedEntryCount, c.refused ? 0u : 1u);
    }
}

TEST_F(EventEditing, AddOnAMissingOrHeaderlessFileStartsFromABareHeader) {
    // A dated add on a new file, then on a partial header.
    add(newYear);
    const auto first = file(kWeek);
    setFile(kWeek, {9, 9, 9, 9, 9});
    add(newYear);
    EXPECT_EQ(file(kWeek), first);
    EXPECT_EQ(header(), (EventFileHeader{0, 1}));
    // Other adds on a file too short for a header lose the entry and write a header.
    setFile(EventKind::Midi, {1, 2, 3});
    list.lines = {"stale"};
    add(test::MidiNote(60));
    EXPECT_EQ(file(EventKind::Midi), test::BareHeader());
    EXPECT_TRUE(list.lines.empty());
    // Week clock: only the first checked day's entry is lost.
    setFile(kWeek, {});
    add(test::Weekly({8, 0, 0}, {9, 0, 0}, {2, 3}));
    EXPECT_EQ(header(), (EventFileHeader{1, 0}));
    EXPECT_EQ(at(0).startWeekday, 3);
}

TEST_F(EventEditing, DamagedFilesAreLeftForTheListFillToRepair) {
    const std::vector<std::uint8_t> damaged(16 + 36 + 1, 0); // no count, one record and a byte
    setFile(EventKind::Midi, damaged);
    add(test::MidiNote(61));
    EXPECT_EQ(file(EventKind::Midi), damaged);
    const auto weekDamaged = FileOfRecords(1, 1, std::vector<WeekClockRecord>{{}});
    setFile(kWeek, weekDamaged);
    add(newYear);
    add(test::Weekly({0, 0, 0}, {1, 0, 0}, {1}));
    EXPECT_EQ(file(kWeek), weekDamaged);
    EXPECT_TRUE(prompter.messages.empty());
}

TEST_F(EventEditing, UnacceptableValuesAreRefusedWithAMessage) {
    setFile(EventKind::Midi, test::BareHeader());
    add(test::MidiNote(60, 10, 9));
    add(test::Weekly({8, 0, 0}, {9, 0, 0}, {1}, 600));
    EXPECT_EQ(prompter.messages, Strings(2, "Setting data is error,please change setting"));
    EXPECT_EQ(file(EventKind::Midi), test::BareHeader());
    EXPECT_FALSE(folder.exists("EventWeekInfo.bin"));
}

TEST_F(EventEditing, AFullTableRefusesNewEntriesButStillReplaces) {
    std::vector<RelayRecord> records;
    for (std::uint16_t i = 0; i < 2047; ++i) // (65535 - 16) / 32
        records.push_back({i, 0, 255, 1, 0, "r"});
    const auto full = FileOfRecords(records);
    setFile(kRelay, full);
    add(test::RelayOn(60000));
    EXPECT_EQ(prompter.messages, Strings{"The event table is full!"});
    EXPECT_EQ(file(kRelay), full);
    add(test::RelayOn(5), "renamed");
    EXPECT_EQ(at<RelayRecord>(5).name, "renamed");
}

// An event file of the kind with the given counts whose record i is filled
// with the byte letters[i].
std::vector<std::uint8_t> LetteredFile(EventKind kind, EventFileHeader header,
                                       std::string_view letters) {
    const auto head = header.encode();
    std::vector<std::uint8_t> bytes(head.begin(), head.end());
    for (const char letter : letters)
        bytes.insert(bytes.end(), InfoOf(kind).recordSize, static_cast<std::uint8_t>(letter));
    return bytes;
}

// Delete takes the listed line of the shown group (the week clock's weekly or
// dated entries, any other kind's whole table) and nothing outside it.
TEST_F(EventEditing, DeleteReachesEveryListedLineAndNothingOutsideItsGroup) {
    struct Case {
        EventKind kind;
        EventFileHeader before;
        bool weekly;
        int line;
        EventFileHeader after;
        std::string_view left;
    };
    // clang-format off
    const Case cases[] = {
        {EventKind::Midi, {1, 2}, false, 2,  {1, 1}, "ab"},
        {kWeek,           {2, 1}, true,  1,  {1, 1}, "ac"},
        {kWeek,           {2, 1}, false, 0,  {2, 0}, "ab"},
        {kWeek,           {2, 1}, true,  2,  {2, 1}, "abc"},
        {kRelay,          {3, 0}, true,  -1, {3, 0}, "abc"},
    };
    // clang-format on
    constexpr std::string_view kLetters = "abc";
    for (const auto& c : cases) {
        setFile(c.kind,
                LetteredFile(c.kind, c.before, kLetters.substr(0, c.before.totalEntries())));
        DeleteEvent(folder.path(), c.kind, c.weekly, c.line);
        EXPECT_EQ(file(c.kind), LetteredFile(c.kind, c.after, c.left)) << &c - cases;
    }
    // A damaged file is left for the list fill to repair.
    const auto cut = LetteredFile(kRelay, {2, 0}, "a");
    setFile(kRelay, cut);
    DeleteEvent(folder.path(), kRelay, true, 0);
    EXPECT_EQ(file(kRelay), cut);
}

TEST_F(EventEditing, EditsKeepReservedHeaderBytesAndClearWritesABareHeader) {
    auto bytes = test::BareHeader();
    bytes[9] = 0x5A;
    setFile(EventKind::Midi, bytes);
    add(test::MidiNote(1));
    add(test::MidiNote(2));
    DeleteEvent(folder.path(), EventKind::Midi, true, 0);
    EXPECT_EQ(file(EventKind::Midi)[9], 0x5A);
    setFile(EventKind::Midi, std::vector<std::uint8_t>(1000, 0xEE));
    EXPECT_EQ(ClearEventFile(folder.path(), EventKind::Midi), FileStatus::Done);
    EXPECT_EQ(file(EventKind::Midi), test::BareHeader());
}

TEST_F(EventEditing, AnEventFileThatIsAFolderIsLeftAlone) {
    std::filesystem::create_directory(folder.file("relayEvent.bin"));
    add(test::RelayOn(1));
    DeleteEvent(folder.path(), kRelay, true, 0);
    EXPECT_EQ(ClearEventFile(folder.path(), kRelay), FileStatus::NotAFile);
    EXPECT_EQ(folder.names(), Strings{"relayEvent.bin"});
    EXPECT_TRUE(std::filesystem::is_directory(folder.file("relayEvent.bin")));
}

} // namespace
} // namespace corvane

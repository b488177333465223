#include "events/EventList.h"

#include "EventTestPanels.h"

namespace corvane {
namespace {

using test::EventFileBytes;
using Strings = std::vector<std::string>;

class EventList : public ::testing::Test {
protected:
    void fill(EventKind kind, bool weekly = true) {
        list.lines = {"stale"};
        FillEventList(folder.path(), kind, weekly, list);
    }

    test::TempFolder folder;
    test::VectorEventList list;
};

TEST_F(EventList, WeekClockShowsOneGroupAtATimeOtherKindsBothCounts) {
    const std::vector<WeekClockRecord> week = {{0, 0, 2, 8, 5, 0, 0, 0, 2, 9, 30, 0, 1, 10, 1, 255, 0, "Event"},
                                               {12, 24, 5, 18, 0, 0, 12, 26, 7, 6, 0, 0, 1, 10, 1, 255, 1, "Xmas"}};
    folder.write("EventWeekInfo.bin", EventFileBytes(1, 1, week));
    fill(EventKind::WeekClock, true);
    EXPECT_EQ(list.lines, Strings{"Event:(MON/ 8: 5: 0toMON/ 9:30: 0) (Ch:1to10,i:1,l:255)"});
    fill(EventKind::WeekClock, false);
    EXPECT_EQ(list.lines, Strings{"Xmas:(12/24/18: 0: 0to12/26/ 6: 0: 0) DMX(ch:1to10,i:1,l:255)"});
    folder.write("relayEvent.bin", EventFileBytes(1, 1, std::vector<RelayRecord>{{1, 0, 9, 1, 0, "a"}, {2, 0, 9, 2, 1, "b"}}));
    fill(EventKind::Relay, false);
    EXPECT_EQ(list.lines, (Strings{"a:ch=1 Level(low:0,high:9)-Relay(No.=1:Status=On)",
                                   "b:ch=2 Level(low:0,high:9)-Relay(No.=2:Status=Off)"}));
}

TEST_F(EventList, EmptyValidFileStaysUnchangedAndFirstFillWritesABareHeader) {
    auto header = test::BareHeader();
    header[12] = 7; // reserved bytes are never read
    folder.write("midiEvent.bin", header);
    fill(EventKind::Midi);
    EXPECT_TRUE(list.lines.empty());
    EXPECT_EQ(folder.read("midiEvent.bin"), header);
    fill(EventKind::Analog);
    EXPECT_EQ(folder.read("analogEvent.bin"), test::BareHeader());
    // Neither an empty file nor a missing one leaves a damaged copy.
    EXPECT_EQ(folder.names().size(), 2u);
}

TEST_F(EventList, DamagedFileIsKeptAsideAndRepaired) {
    for (const auto& info : kEventKindTable) {
        const std::string name(info.fileName);
        // A length one byte past a valid file, and a short file; the second repair replaces the first copy.
        std::vector<std::uint8_t> onePast(16 + 2 * info.recordSize + 1, 0);
        onePast[0] = 2;
        for (const auto& damaged : {onePast, std::vector<std::uint8_t>{1, 2, 3}}) {
            folder.write(name, damaged);
            fill(info.kind);
            EXPECT_TRUE(list.lines.empty()) << name;
            EXPECT_EQ(folder.read(name), test::BareHeader()) << name;
            EXPECT_EQ(folder.read(name + ".damaged"), damaged) << name;
        }
    }
}

TEST_F(EventList, UnreadableEventFileLeavesTheListEmptyAndChangesNothing) {
    std::filesystem::create_directory(folder.file("tcEvent.bin"));
    fill(EventKind::Timecode);
    EXPECT_TRUE(list.lines.empty());
    EXPECT_TRUE(std::filesystem::is_directory(folder.file("tcEvent.bin")));
}

} // namespace
} // namespace corvane

#include "EventTestPanels.h"
#include "events/EventEditing.h"
#include "events/EventList.h"

#include <algorithm>
#include <random>

namespace corvane {
namespace {

// Long random sequences of week clock adds and deletes, with few distinct values
// so that replacements and equal starts happen often. After every step the file
// must be valid and both groups sorted as the list promises.
TEST(RandomizedEditing, WeekClockKeepsBothGroupsSortedAndApart) {
    std::mt19937 random{20261206};
    const auto pick = [&](int low, int high) {
        return std::uniform_int_distribution<int>(low, high)(random);
    };
    test::TempFolder folder;
    test::RecordingPrompter prompter;
    test::VectorEventList list;
    const std::string path = folder.path();
    FillEventList(path, EventKind::WeekClock, true, list);
    for (int step = 0; step < 500; ++step) {
        SCOPED_TRACE(step);
        const auto header = *EventFileHeader::decode(folder.read("EventWeekInfo.bin"));
        const int action = pick(0, 3);
        if (action == 0) {
            auto panel = test::WeekPanel({pick(0, 2), pick(0, 1), 0}, {pick(0, 2), 0, 0}, {}, pick(1, 2));
            for (int day = 1; day <= 7; ++day)
                panel.checkDay(day, pick(0, 3) == 0);
            AddEvent(path, EventKind::WeekClock, panel, "w", prompter, list);
        } else if (action == 1) {
            const int day = pick(1, 3);
            auto panel = test::DatedPanel({2026, pick(1, 2), day, 0}, {pick(0, 1), 0, 0}, {2026, 2, day + pick(0, 1), 0}, {pick(0, 1), 30, 0});
            AddEvent(path, EventKind::WeekClock, panel, "d", prompter, list);
        } else {
            const bool weekly = action == 2;
            const auto count = weekly ? header.entryCount : header.datedEntryCount;
            DeleteEvent(path, EventKind::WeekClock, weekly, pick(-1, static_cast<int>(count)));
        }
        const auto bytes = folder.read("EventWeekInfo.bin");
        ASSERT_TRUE(IsValidEventFile(bytes, EventKind::WeekClock));
        std::vector<WeekClockRecord> stored;
        for (std::size_t at = 16; at < bytes.size(); at += WeekClockRecord::kSize)
            stored.push_back(WeekClockRecord::decode(std::span(bytes).subspan(at)));
        // Weekly entries (flag 0) by weekday and time, then the dated ones by date and time.
        const auto order = [](const WeekClockRecord& r) {
            return std::tuple(r.entryFlag, r.entryFlag ? r.startMonth : r.startWeekday, r.entryFlag ? r.startDay : 0,
                              r.startHour, r.startMinute, r.startSecond);
        };
        ASSERT_TRUE(std::ranges::is_sorted(stored, {}, order));
        ASSERT_EQ(std::ranges::count(stored, 0, &WeekClockRecord::entryFlag), EventFileHeader::decode(bytes)->entryCount);
    }
}

} // namespace
} // namespace corvane

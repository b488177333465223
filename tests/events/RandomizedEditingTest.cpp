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
            auto panel = test::DatedPanel({2026, pick(1, 2), day, 0}, {pick(0, 1), 0, 0},
                                          {2026, 2, day + pick(0, 1), 0}, {pick(0, 1), 30, 0});
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
        const auto weeklyEnd = stored.begin() + EventFileHeader::decode(bytes)->entryCount;
        ASSERT_TRUE(std::all_of(stored.begin(), weeklyEnd, [](auto& r) { return r.entryFlag == 0; }));
        ASSERT_TRUE(std::all_of(weeklyEnd, stored.end(), [](auto& r) { return r.entryFlag == 1; }));
        ASSERT_TRUE(std::is_sorted(stored.begin(), weeklyEnd, [](auto& a, auto& b) {
            return std::tuple(a.startWeekday, a.startHour, a.startMinute, a.startSecond) <
                   std::tuple(b.startWeekday, b.startHour, b.startMinute, b.startSecond);
        }));
        ASSERT_TRUE(std::is_sorted(weeklyEnd, stored.end(), [](auto& a, auto& b) {
            return std::tuple(a.startMonth, a.startDay, a.startHour, a.startMinute, a.startSecond) <
                   std::tuple(b.startMonth, b.startDay, b.startHour, b.startMinute, b.startSecond);
        }));
    }
}

} // namespace
} // namespace corvane

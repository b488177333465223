#include "EventTestPanels.h"
#include "events/EventEditing.h"
#include "events/EventFileHeader.h"
#include "events/EventList.h"
#include "events/MidiRecord.h"
#include "events/WeekClockRecord.h"
#include "support/RecordingPrompter.h"
#include "support/TempFolder.h"
#include "support/VectorEventList.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <random>
#include <tuple>

namespace corvane {
namespace {

// Long random sequences of adds and deletes, with few distinct values so that
// replacements and equal starts happen often. After every step the file must be
// valid and every group sorted as the list promises.
class RandomizedEditing : public ::testing::Test {
protected:
    int pick(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random); }

    std::vector<std::uint8_t> file(EventKind kind) const { return folder.read(InfoOf(kind).fileName); }

    template <typename Record>
    std::vector<Record> records(EventKind kind) const {
        const auto bytes = file(kind);
        EXPECT_TRUE(IsValidEventFile(bytes, kind));
        std::vector<Record> all;
        for (std::size_t at = 16; at + Record::kSize <= bytes.size(); at += Record::kSize)
            all.push_back(Record::decode(std::span(bytes).subspan(at, Record::kSize)));
        return all;
    }

    std::mt19937 random{20261206};
    test::TempFolder folder;
    test::RecordingPrompter prompter;
    test::VectorEventList list;
};

TEST_F(RandomizedEditing, MidiBehavesLikeAListOfUniqueKeys) {
    std::vector<std::pair<int, std::string>> model; // note -> name, in file order
    FillEventList(folder.path(), EventKind::Midi, true, list);
    for (int step = 0; step < 600; ++step) {
        if (pick(0, 2) > 0) {
            const int note = pick(1, 12);
            const std::string name = "n" + std::to_string(step);
            auto panel = test::MidiPanel(note);
            AddEvent(folder.path(), EventKind::Midi, panel, name, prompter, list);
            const auto it = std::ranges::find(model, note, &std::pair<int, std::string>::first);
            if (it == model.end())
                model.emplace_back(note, name);
            else
                it->second = name;
        } else {
            const int line = pick(-1, static_cast<int>(model.size()));
            DeleteEvent(folder.path(), EventKind::Midi, true, line);
            if (line >= 0 && line < static_cast<int>(model.size()))
                model.erase(model.begin() + line);
        }
        const auto stored = records<MidiRecord>(EventKind::Midi);
        ASSERT_EQ(stored.size(), model.size()) << "step " << step;
        for (std::size_t i = 0; i < model.size(); ++i) {
            ASSERT_EQ(stored[i].note, model[i].first) << "step " << step;
            ASSERT_EQ(stored[i].name, model[i].second) << "step " << step;
        }
    }
    EXPECT_TRUE(prompter.messages.empty());
}

TEST_F(RandomizedEditing, WeekClockKeepsBothGroupsSortedAndApart) {
    FillEventList(folder.path(), EventKind::WeekClock, true, list);
    for (int step = 0; step < 500; ++step) {
        const auto header = *EventFileHeader::decode(file(EventKind::WeekClock));
        const int action = pick(0, 3);
        if (action == 0) {
            auto panel = test::WeekPanel({pick(0, 2), pick(0, 1), 0}, {pick(0, 2), 0, 0}, pick(1, 2));
            for (int day = 1; day <= 7; ++day)
                panel.checkDay(day, pick(0, 3) == 0);
            AddEvent(folder.path(), EventKind::WeekClock, panel, "w", prompter, list);
        } else if (action == 1) {
            const int day = pick(1, 3);
            auto panel = test::DatedPanel({2026, pick(1, 2), day, 0}, {pick(0, 1), 0, 0},
                                          {2026, 2, day + pick(0, 1), 0}, {pick(0, 1), 30, 0});
            AddEvent(folder.path(), EventKind::WeekClock, panel, "d", prompter, list);
        } else {
            const bool weekly = action == 2;
            const auto count = weekly ? header.entryCount : header.datedEntryCount;
            DeleteEvent(folder.path(), EventKind::WeekClock, weekly, pick(-1, static_cast<int>(count)));
        }
        const auto stored = records<WeekClockRecord>(EventKind::WeekClock);
        const auto after = *EventFileHeader::decode(file(EventKind::WeekClock));
        ASSERT_EQ(after.totalEntries(), stored.size());
        const auto weeklyEnd = stored.begin() + after.entryCount;
        ASSERT_TRUE(std::all_of(stored.begin(), weeklyEnd, [](auto& r) { return r.entryFlag == 0; }));
        ASSERT_TRUE(std::all_of(weeklyEnd, stored.end(), [](auto& r) { return r.entryFlag == 1; }));
        ASSERT_TRUE(std::is_sorted(stored.begin(), weeklyEnd, [](auto& a, auto& b) {
            return std::tuple(a.startWeekday, a.startHour, a.startMinute, a.startSecond) <
                   std::tuple(b.startWeekday, b.startHour, b.startMinute, b.startSecond);
        })) << "step " << step;
        ASSERT_TRUE(std::is_sorted(weeklyEnd, stored.end(), [](auto& a, auto& b) {
            return std::tuple(a.startMonth, a.startDay, a.startHour, a.startMinute, a.startSecond) <
                   std::tuple(b.startMonth, b.startDay, b.startHour, b.startMinute, b.startSecond);
        })) << "step " << step;
    }
}

} // namespace
} // namespace corvane

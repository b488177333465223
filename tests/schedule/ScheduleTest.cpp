#include "events/WeekClockEntries.h"
#include "schedule/ScheduleLayout.h"
#include "schedule/SchedulePicture.h"

#include <cstdio>
#include <gtest/gtest.h>

namespace corvane {
namespace {

using test::Dated;
using test::TableOf;
using test::Weekly;

// The bars as "column:HHMM-HHMM", with a "+" for a bar that continues the
// day before, in the layout's order.
std::string BarsOf(const ScheduleLayout& layout) {
    std::string text;
    for (const auto& b : layout.bars) {
        char bar[40];
        std::snprintf(bar, sizeof bar, " %d:%02d%02d-%02d%02d%s", b.column, b.from / 3600,
                      b.from % 3600 / 60, b.to / 3600, b.to % 3600 / 60, b.continued ? "+" : "");
        text += bar;
    }
    return text.empty() ? text : text.substr(1);
}

struct PlacementCase {
    const char* what;
    WeekClockRecord record;
    int firstWeekday;
    std::optional<CivilDate> week;
    std::string bars;
};

TEST(ScheduleLayout, PlacesEntriesOnTheirDays) {
    const CivilDate yearEnd{2026, 12, 30}; // a Wednesday; its week runs 27 Dec to 2 Jan
    const CivilDate leapDay{2028, 2, 29}, commonYear{2027, 2, 28};
    // The stored weekdays (Sundays here) are not read by the layout.
    const auto newYear = Dated(1231, 1, 2200, 102, 1, 100);
    const auto november = Dated(1128, 1, 1200, 1229, 1, 600);
    const auto evening = Dated(1230, 1, 1800, 1230, 1, 2000);
    const auto leap = Dated(229, 1, 1000, 229, 1, 1100);
    const PlacementCase cases[] = {
        {"Monday, week from Monday", Weekly(2, 800, 930), 2, {}, "0:0800-0930"},
        {"past midnight", Weekly(3, 2200, 200), 1, {}, "2:2200-2400 3:0000-0200+"},
        {"Saturday into Sunday", Weekly(7, 2300, 100), 1, {}, "0:0000-0100+ 6:2300-2400"},
        {"dated, no week chosen", evening, 1, {}, ""},
        {"dated in the week", evening, 1, yearEnd, "3:1800-2000"},
        {"over the year's end", newYear, 1, yearEnd, "4:2200-2400 5:0000-2400+ 6:0000-0100+"},
        {"cut at the week's end", november, 1, yearEnd, "0:0000-2400+ 1:0000-2400+ 2:0000-0600+"},
        {"29 February, leap year", leap, 1, leapDay, "2:1000-1100"},
        {"29 February, common year", leap, 1, commonYear, ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(
            BarsOf(LayOutSchedule(TableOf<WeekClockRecord>({c.record}), c.firstWeekday, c.week)),
            c.bars)
            << c.what;
}

TEST(ScheduleLayout, OverlappingBarsGetLanes) {
    const std::vector<WeekClockRecord> records = {Weekly(2, 800, 1000), Weekly(2, 900, 1100),
                                                  Weekly(2, 1000, 1200)};
    const auto layout = LayOutSchedule(TableOf(records), 1, {});
    std::vector<int> lanes;
    for (const auto& b : layout.bars)
        lanes.push_back(b.lane);
    EXPECT_EQ(lanes, (std::vector<int>{0, 1, 0}));
    EXPECT_EQ(layout.laneCounts[1], 2);
}

TEST(SchedulePicture, WritesBothFormats) {
    const auto layout = LayOutSchedule(TableOf<WeekClockRecord>({Weekly(2, 800, 930)}), 1, {});
    const auto png = SchedulePicture(layout, PictureFormat::Png);
    const std::vector<std::uint8_t> signature = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    EXPECT_TRUE(std::equal(signature.begin(), signature.end(), png.begin()));
    const auto svg = SchedulePicture(layout, PictureFormat::Svg);
    const std::string text(svg.begin(), svg.end());
    EXPECT_TRUE(text.starts_with("<svg ") && text.contains(">MON</text>")) << text.substr(0, 400);
    EXPECT_EQ(PictureFormatOf("a/b.SVG"), PictureFormat::Svg);
    EXPECT_EQ(PictureFormatOf("b.jpg"), std::nullopt);
}

} // namespace
} // namespace corvane

#include "events/EventTable.h"
#include "events/WeekClockRecord.h"
#include "schedule/RasterPainter.h"
#include "schedule/ScheduleDrawing.h"
#include "schedule/ScheduleLayout.h"
#include "schedule/SchedulePicture.h"

#include <gtest/gtest.h>

namespace corvane {
namespace {

// Times as hhmm, dates as mmdd; weekdays 1 = Sunday.
WeekClockRecord Entry(int startDate, int weekday, int from, int endDate, int to, bool dated) {
    const auto u = [](int v) { return static_cast<std::uint8_t>(v); };
    const int endWeekday = to > from ? weekday : weekday % 7 + 1;
    return {u(startDate / 100),
            u(startDate % 100),
            u(weekday),
            u(from / 100),
            u(from % 100),
            0,
            u(endDate / 100),
            u(endDate % 100),
            u(endWeekday),
            u(to / 100),
            u(to % 100),
            0,
            1,
            10,
            1,
            128,
            u(dated),
            "e"};
}

WeekClockRecord Weekly(int weekday, int from, int to) {
    return Entry(0, weekday, from, 0, to, false);
}

WeekClockRecord Dated(int startDate, int from, int endDate, int to) {
    return Entry(startDate, 1, from, endDate, to, true);
}

EventTable TableOf(const WeekClockRecord& r) {
    auto table = EventTable::empty(EventKind::WeekClock);
    table.insert(0, r.encode());
    (r.entryFlag ? table.setDatedEntryCount(1) : table.setEntryCount(1));
    return table;
}

// A bar as the table shows it: column, from and to in hhmm, continued.
struct Bar {
    int column;
    int from;
    int to;
    bool continued;
    bool operator==(const Bar&) const = default;
};

struct PlacementCase {
    const char* what;
    WeekClockRecord record;
    int firstWeekday;
    std::optional<CivilDate> week;
    std::vector<Bar> bars;
};

TEST(ScheduleLayout, PlacesEntriesOnTheirDays) {
    const CivilDate yearEnd{2026, 12, 30}; // a Wednesday; its week runs 27 Dec to 2 Jan
    // clang-format off
    const PlacementCase cases[] = {
        {"Monday morning", Weekly(2, 800, 930), 1, {}, {{1, 800, 930, false}}},
        {"Monday morning, week from Monday", Weekly(2, 800, 930), 2, {}, {{0, 800, 930, false}}},
        {"past midnight", Weekly(3, 2200, 200), 1, {}, {{2, 2200, 2400, false}, {3, 0, 200, true}}},
        {"Saturday into Sunday", Weekly(7, 2300, 100), 1, {}, {{0, 0, 100, true}, {6, 2300, 2400, false}}},
        {"Saturday into Sunday, week from Monday", Weekly(7, 2300, 100), 2, {}, {{5, 2300, 2400, false}, {6, 0, 100, true}}},
        {"equal times: a whole day", Weekly(4, 600, 600), 1, {}, {{3, 600, 2400, false}, {4, 0, 600, true}}},
        {"dated, no week chosen", Dated(1230, 1800, 1230, 2000), 1, {}, {}},
        {"dated in the chosen week", Dated(1230, 1800, 1230, 2000), 1, yearEnd, {{3, 1800, 2000, false}}},
        {"dated across the year's end", Dated(1231, 2200, 102, 100), 1, yearEnd, {{4, 2200, 2400, false}, {5, 0, 2400, true}, {6, 0, 100, true}}},
        {"dated across months, cut at the week's end", Dated(1128, 1200, 1229, 600), 1, yearEnd, {{0, 0, 2400, true}, {1, 0, 2400, true}, {2, 0, 600, true}}},
        {"dated in another week", Dated(1223, 1800, 1223, 2000), 1, yearEnd, {}},
        {"dated on 29 February of a leap year", Dated(229, 1000, 229, 1100), 1, CivilDate{2028, 2, 29}, {{2, 1000, 1100, false}}},
        {"29 February in a common year's week", Dated(229, 1000, 229, 1100), 1, CivilDate{2027, 2, 28}, {}},
    };
    // clang-format on
    for (const auto& c : cases) {
        const auto layout = LayOutSchedule(TableOf(c.record), c.firstWeekday, c.week);
        std::vector<Bar> bars;
        for (const auto& b : layout.bars)
            bars.push_back({b.column, b.from / 3600 * 100 + b.from % 3600 / 60,
                            b.to / 3600 * 100 + b.to % 3600 / 60, b.continued});
        EXPECT_EQ(bars, c.bars) << c.what;
    }
}

TEST(ScheduleLayout, OverlappingBarsGetLanesAndClicksFindThem) {
    auto table = EventTable::empty(EventKind::WeekClock);
    const WeekClockRecord records[] = {Weekly(2, 800, 1000), Weekly(2, 900, 1100),
                                       Weekly(2, 1000, 1200)};
    for (std::size_t i = 0; i < 3; ++i)
        table.insert(i, records[i].encode());
    table.setEntryCount(3);
    const auto layout = LayOutSchedule(table, 1, {});
    std::vector<int> lanes;
    for (const auto& b : layout.bars)
        lanes.push_back(b.lane);
    EXPECT_EQ(lanes, (std::vector<int>{0, 1, 0}));
    EXPECT_EQ(layout.laneCounts[1], 2);
    const auto second = BarRect(layout, layout.bars[1]);
    EXPECT_EQ(BarAt(layout, second.x + 1, second.y + 1), std::optional<std::size_t>(1));
    const auto first = BarRect(layout, layout.bars[0]);
    EXPECT_EQ(BarAt(layout, first.x, first.y - 1), std::nullopt);
}

// The picture: a bar is painted in its level's colour where BarRect says,
// and the files carry their formats' signatures.
TEST(SchedulePicture, DrawsBarsAndWritesBothFormats) {
    const auto layout = LayOutSchedule(TableOf(Weekly(2, 800, 930)), 1, {});
    RasterPainter image(kScheduleWidth, kScheduleHeight);
    DrawSchedule(layout, image);
    const auto r = BarRect(layout, layout.bars[0]);
    EXPECT_EQ(image.pixel(r.x + r.width / 2, r.y + r.height / 2), LevelColour(128));
    EXPECT_EQ(image.pixel(r.x + r.width / 2, r.y - 2), (Rgb{255, 255, 255}));

    const auto png = SchedulePicture(layout, PictureFormat::Png);
    const std::vector<std::uint8_t> signature = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    EXPECT_TRUE(std::equal(signature.begin(), signature.end(), png.begin()));
    const auto svg = SchedulePicture(layout, PictureFormat::Svg);
    const std::string text(svg.begin(), svg.end());
    EXPECT_TRUE(text.starts_with("<svg ") && text.contains("fill=\"#936e55\"") &&
                text.contains(">MON</text>"))
        << text.substr(0, 400);
    EXPECT_EQ(PictureFormatOf("a/b.SVG"), PictureFormat::Svg);
    EXPECT_EQ(PictureFormatOf("b.jpg"), std::nullopt);
}

} // namespace
} // namespace corvane

#include "schedule/ScheduleDrawing.h"

#include <cstdio>
#include <string>

namespace corvane {

namespace {

constexpr Rgb kBackground{255, 255, 255};
constexpr Rgb kGrid{215, 215, 215};
constexpr Rgb kDayLine{150, 150, 150};
constexpr Rgb kLabel{40, 40, 40};
constexpr Rgb kDatedFrame{20, 20, 20};

constexpr std::string_view kDayNames[] = {"SUN", "MON", "TUE", "WED", "THU", "FRI", "SAT"};

int Lerp(int from, int to, int level) {
    return from + (to - from) * level / 255;
}

std::string DayLabel(const ScheduleLayout& layout, int column) {
    const auto weekday = static_cast<std::size_t>((layout.firstWeekday - 1 + column) % 7);
    std::string label(kDayNames[weekday]);
    if (layout.weekStart) {
        const CivilDate date = AddDays(*layout.weekStart, column);
        char buffer[16];
        std::snprintf(buffer, sizeof buffer, " %02d-%02d", date.month, date.day);
        label += buffer;
    }
    return label;
}

void DrawGrid(const ScheduleLayout& layout, SchedulePainter& painter) {
    painter.fillRect(0, 0, kScheduleWidth, kScheduleHeight, kBackground);
    for (int hour = 0; hour <= 24; ++hour) {
        const int y = kScheduleTop + hour * kScheduleHourHeight;
        painter.fillRect(kScheduleLeft, y, 7 * kScheduleColumnWidth, 1, kGrid);
        if (hour < 24) {
            char label[4];
            std::snprintf(label, sizeof label, "%02d", hour);
            painter.text(4, y + (kScheduleHourHeight - kGlyphHeight) / 2, label, kLabel);
        }
    }
    for (int column = 0; column <= 7; ++column) {
        const int x = kScheduleLeft + column * kScheduleColumnWidth;
        painter.fillRect(x, 0, 1, kScheduleHeight, kDayLine);
        if (column < 7)
            painter.text(x + 4, (kScheduleTop - kGlyphHeight) / 2, DayLabel(layout, column),
                         kLabel);
    }
}

} // namespace

Rgb LevelColour(std::uint8_t level) {
    return {static_cast<std::uint8_t>(Lerp(40, 255, level)),
            static_cast<std::uint8_t>(Lerp(70, 150, level)),
            static_cast<std::uint8_t>(Lerp(170, 0, level))};
}

ScheduleRect BarRect(const ScheduleLayout& layout, const ScheduleBar& bar) {
    const int lanes = std::max(1, layout.laneCounts[static_cast<std::size_t>(bar.column)]);
    const int inner = kScheduleColumnWidth - 3;
    const int left = kScheduleLeft + bar.column * kScheduleColumnWidth + 2;
    const int x = left + inner * bar.lane / lanes;
    // One pixel of the lane stays free, so that bars side by side stay apart.
    const int width = std::max(1, left + inner * (bar.lane + 1) / lanes - x - 1);
    const auto yOf = [](std::int32_t second) {
        return kScheduleTop +
               static_cast<int>(std::int64_t{second} * 24 * kScheduleHourHeight / 86400);
    };
    const int y = yOf(bar.from);
    return {x, y, width, std::max(1, yOf(bar.to) - y)};
}

std::optional<std::size_t> BarAt(const ScheduleLayout& layout, int x, int y) {
    for (auto bar = layout.bars.rbegin(); bar != layout.bars.rend(); ++bar) {
        const ScheduleRect r = BarRect(layout, *bar);
        if (x >= r.x && x < r.x + r.width && y >= r.y && y < r.y + r.height)
            return bar->record;
    }
    return std::nullopt;
}

void DrawSchedule(const ScheduleLayout& layout, SchedulePainter& painter) {
    DrawGrid(layout, painter);
    for (const ScheduleBar& bar : layout.bars) {
        const ScheduleRect r = BarRect(layout, bar);
        if (bar.dated) {
            painter.fillRect(r.x, r.y, r.width, r.height, kDatedFrame);
            if (r.width > 2 && r.height > 2)
                painter.fillRect(r.x + 1, r.y + 1, r.width - 2, r.height - 2,
                                 LevelColour(bar.level));
        } else {
            painter.fillRect(r.x, r.y, r.width, r.height, LevelColour(bar.level));
        }
    }
}

} // namespace corvane

#pragma once

#include "schedule/ScheduleLayout.h"
#include "schedule/SchedulePainter.h"

#include <optional>

namespace corvane {

// The picture's fixed geometry: hour labels on the left, day names on top,
// seven columns of 24 hours.
inline constexpr int kScheduleLeft = 32;
inline constexpr int kScheduleTop = 16;
inline constexpr int kScheduleColumnWidth = 112;
inline constexpr int kScheduleHourHeight = 20;
inline constexpr int kScheduleWidth = kScheduleLeft + 7 * kScheduleColumnWidth + 1;
inline constexpr int kScheduleHeight = kScheduleTop + 24 * kScheduleHourHeight + 1;

struct ScheduleRect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;

    bool operator==(const ScheduleRect&) const = default;
};

// The bar's colour by its DMX level: dark blue at 0 to orange at 255.
Rgb LevelColour(std::uint8_t level);

// Where a bar is drawn: its column's lane, from its start to its end time (at
// least one pixel high).
ScheduleRect BarRect(const ScheduleLayout& layout, const ScheduleBar& bar);

// The bar drawn at x, y (the last drawn, on top, when bars share a pixel).
std::optional<std::size_t> BarAt(const ScheduleLayout& layout, int x, int y);

// Draws the grid, the labels (weekday names, with the dates of a shown week)
// and the bars; dated bars get a dark frame.
void DrawSchedule(const ScheduleLayout& layout, SchedulePainter& painter);

} // namespace corvane

#pragma once

#include "schedule/ScheduleLayout.h"

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

namespace corvane {

enum class PictureFormat { Png, Svg };

// The format a file name asks for by its extension (".png", ".svg", any case).
std::optional<PictureFormat> PictureFormatOf(std::string_view path);

// The schedule drawn by DrawSchedule into a file of that format.
std::vector<std::uint8_t> SchedulePicture(const ScheduleLayout& layout, PictureFormat format);

} // namespace corvane

#include "schedule/SchedulePicture.h"

#include "schedule/RasterPainter.h"
#include "schedule/ScheduleDrawing.h"
#include "schedule/SvgPainter.h"

#include <algorithm>
#include <string>

namespace corvane {

std::optional<PictureFormat> PictureFormatOf(std::string_view path) {
    const auto dot = path.rfind('.');
    if (dot == std::string_view::npos)
        return std::nullopt;
    std::string extension(path.substr(dot + 1));
    std::ranges::transform(extension, extension.begin(),
                           [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; });
    if (extension == "png")
        return PictureFormat::Png;
    if (extension == "svg")
        return PictureFormat::Svg;
    return std::nullopt;
}

std::vector<std::uint8_t> SchedulePicture(const ScheduleLayout& layout, PictureFormat format) {
    if (format == PictureFormat::Svg) {
        SvgPainter svg(kScheduleWidth, kScheduleHeight);
        DrawSchedule(layout, svg);
        const std::string document = svg.document();
        return {document.begin(), document.end()};
    }
    RasterPainter image(kScheduleWidth, kScheduleHeight);
    DrawSchedule(layout, image);
    return EncodePng(image);
}

} // namespace corvane

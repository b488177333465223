#include "events/DescriptionText.h"

#include <algorithm>
#include <cstdarg>
#include <cstdio>

namespace corvane {

std::string Printf(const char* format, ...) {
    char buffer[256];
    va_list args;
    va_start(args, format);
    const int n = std::vsnprintf(buffer, sizeof buffer, format, args);
    va_end(args);
    return n < 0 ? std::string()
                 : std::string(buffer, std::min<std::size_t>(static_cast<std::size_t>(n),
                                                             sizeof buffer - 1));
}

std::string NameOr(std::span<const std::string_view> names, unsigned value, unsigned first) {
    if (value >= first && value - first < names.size())
        return std::string(names[value - first]);
    return std::to_string(value);
}

} // namespace corvane

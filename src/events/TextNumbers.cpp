#include "events/TextNumbers.h"

namespace corvane {

namespace {

bool IsCSpace(char c) {
    return c == ' ' || (c >= '\t' && c <= '\r');
}

} // namespace

std::int64_t TextToNumber(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && IsCSpace(text[i]))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        negative = text[i++] == '-';
    std::uint64_t value = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i)
        value = value * 10 + static_cast<std::uint64_t>(text[i] - '0');
    if (negative)
        value = 0 - value;
    return static_cast<std::int64_t>(value);
}

Voltage TextToVoltage(std::string_view text) {
    if (!text.empty() && (text.back() == 'v' || text.back() == 'V'))
        text.remove_suffix(1);
    const auto point = text.find('.');
    if (point == std::string_view::npos)
        return {static_cast<std::uint8_t>(TextToNumber(text)), 0};
    return {static_cast<std::uint8_t>(TextToNumber(text.substr(0, point))),
            static_cast<std::uint8_t>(TextToNumber(text.substr(point + 1)))};
}

} // namespace corvane

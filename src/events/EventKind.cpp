#include "events/EventKind.h"

#include <algorithm>
#include <cctype>

namespace corvane {

namespace {

bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
    return std::ranges::equal(a, b, [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) ==
               std::tolower(static_cast<unsigned char>(y));
    });
}

} // namespace

std::optional<EventKind> ParseEventKind(std::string_view text) {
    if (text.size() == 1 && text[0] >= '0' && text[0] <= '9')
        return EventKindFromIndex(text[0] - '0');
    for (const auto& info : kEventKindTable)
        if (EqualsIgnoringCase(text, info.cliName))
            return info.kind;
    return std::nullopt;
}

std::optional<EventKind> EventKindFromIndex(int index) {
    if (index < 0 || index >= static_cast<int>(kEventKindCount))
        return std::nullopt;
    return static_cast<EventKind>(index);
}

} // namespace corvane

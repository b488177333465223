#pragma once

#include <span>
#include <string>
#include <string_view>

namespace corvane {

// Helpers for the event list lines the records describe themselves with.

// Record fields print as their unsigned values.
inline unsigned U(unsigned value) {
    return value;
}

// printf into a string of at most 255 characters.
[[gnu::format(printf, 1, 2)]] std::string Printf(const char* format, ...);

// The text of value in names (1-based when first is 1), or the number itself
// when the value has no text.
std::string NameOr(std::span<const std::string_view> names, unsigned value, unsigned first);

} // namespace corvane

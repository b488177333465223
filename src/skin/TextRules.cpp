#include "skin/TextRules.h"

#include <limits>

namespace corvane::textrules {

bool IsWhiteSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
}

std::string_view TrimWhiteSpaceLeft(std::string_view text) {
    while (!text.empty() && IsWhiteSpace(text.front()))
        text.remove_prefix(1);
    return text;
}

std::string_view TrimWhiteSpaceRight(std::string_view text) {
    while (!text.empty() && IsWhiteSpace(text.back()))
        text.remove_suffix(1);
    return text;
}

std::string_view TrimWhiteSpace(std::string_view text) {
    return TrimWhiteSpaceRight(TrimWhiteSpaceLeft(text));
}

std::string_view TrimSetLeft(std::string_view text, std::string_view set) {
    while (!text.empty() && set.find(text.front()) != std::string_view::npos)
        text.remove_prefix(1);
    return text;
}

std::string_view TrimSetRight(std::string_view text, std::string_view set) {
    while (!text.empty() && set.find(text.back()) != std::string_view::npos)
        text.remove_suffix(1);
    return text;
}

namespace {
char LowerAscii(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}
} // namespace

bool EqualsNoCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (LowerAscii(a[i]) != LowerAscii(b[i]))
            return false;
    }
    return true;
}

std::int32_t ParseDecimal(std::string_view text) {
    text = TrimWhiteSpaceLeft(text);
    bool negative = false;
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    // Accumulate in 64 bits and stop growing once past the 32-bit range.
    constexpr std::int64_t kLimit = std::int64_t{std::numeric_limits<std::int32_t>::max()} + 1;
    std::int64_t value = 0;
    for (char c : text) {
        if (c < '0' || c > '9')
            break;
        if (value <= kLimit)
            value = value * 10 + (c - '0');
    }
    if (negative)
        value = -value;
    if (value > std::numeric_limits<std::int32_t>::max())
        return std::numeric_limits<std::int32_t>::max();
    if (value < std::numeric_limits<std::int32_t>::min())
        return std::numeric_limits<std::int32_t>::min();
    return static_cast<std::int32_t>(value);
}

} // namespace corvane::textrules

#pragma once

#include <cstdint>
#include <string_view>

namespace corvane::textrules {

// The C library's white space in the "C" locale: blank, tab, line ends,
// vertical tab and form feed. Bytes above 0x7F are never white space.
bool IsWhiteSpace(char c);

std::string_view TrimWhiteSpace(std::string_view text);
std::string_view TrimWhiteSpaceLeft(std::string_view text);
std::string_view TrimWhiteSpaceRight(std::string_view text);

// Removes, at that end, every character that occurs anywhere in set.
std::string_view TrimSetLeft(std::string_view text, std::string_view set);
std::string_view TrimSetRight(std::string_view text, std::string_view set);

// ASCII comparison without regard to case.
bool EqualsNoCase(std::string_view a, std::string_view b);

// atoi: leading white space skipped, optional sign, decimal digits up to the
// first other character; 0 without digits. Out-of-range values saturate.
std::int32_t ParseDecimal(std::string_view text);

} // namespace corvane::textrules

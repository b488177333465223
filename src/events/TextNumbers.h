#pragma once

#include <cstdint>
#include <string_view>

namespace corvane {

// A field text as a number the way C's atoi reads it: leading white space, an
// optional sign, then digits up to the first other character; no digits gives 0.
// Digits beyond 64 bits wrap, which keeps the low bits the fields store exact.
std::int64_t TextToNumber(std::string_view text);

// A voltage text such as "0.05v": whole volts and hundredths. A trailing "v" or
// "V" is dropped; the part before the first "." is the whole volts and the part
// after it, read as a count, the hundredths ("2.5" gives 2 and 5, "2.50" 2 and 50).
struct Voltage {
    std::uint8_t whole = 0;
    std::uint8_t hundredths = 0;
};
Voltage TextToVoltage(std::string_view text);

} // namespace corvane

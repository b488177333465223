#include "events/AnalogRecord.h"

#include "events/DescriptionText.h"
#include "events/RecordFields.h"

namespace corvane {

namespace {

constexpr ByteField<AnalogRecord> kBytes[] = {
    {0, &AnalogRecord::input},          {1, &AnalogRecord::lowVolts},
    {2, &AnalogRecord::lowHundredths},  {3, &AnalogRecord::highVolts},
    {4, &AnalogRecord::highHundredths}, {5, &AnalogRecord::action},
    {10, &AnalogRecord::increment},     {11, &AnalogRecord::level},
};
constexpr WordField<AnalogRecord> kWords[] = {
    {6, &AnalogRecord::target},
    {8, &AnalogRecord::lastChannel},
};

} // namespace

std::array<std::uint8_t, AnalogRecord::kSize> AnalogRecord::encode() const {
    return EncodeFields<AnalogRecord>(*this, kBytes, kWords);
}

AnalogRecord AnalogRecord::decode(std::span<const std::uint8_t> b) {
    return DecodeFields<AnalogRecord>(b, kBytes, kWords);
}

std::string AnalogRecord::describe(bool) const {
    std::string line = Printf(":Analog%1u:V=%1u.", U(input) + 1, U(lowVolts));
    line += Printf(lowHundredths < 10 ? "0%1u~%1u." : "%2u~%1u.", U(lowHundredths), U(highVolts));
    line += Printf(highHundredths < 10 ? "0%1u," : "%2u,", U(highHundredths));
    switch (action) {
    case 0:
        return line + Printf("(ch:%1uto%1u,i=%1u,L=%1u)", U(target), U(lastChannel), U(increment),
                             U(level));
    case 1:
        return line + Printf("Relay%1u:%s", U(target), increment != 0 ? "On" : "Off");
    default:
        return line + std::to_string(action);
    }
}

} // namespace corvane

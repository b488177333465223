#include "events/AnalogRecord.h"

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

} // namespace corvane

#include "events/SensorRecord.h"

#include "events/RecordFields.h"

namespace corvane {

namespace {

constexpr ByteField<SensorRecord> kBytes[] = {
    {0, &SensorRecord::contact},       {1, &SensorRecord::firstSetting},
    {2, &SensorRecord::secondSetting}, {3, &SensorRecord::actionType},
    {8, &SensorRecord::increment},     {9, &SensorRecord::level},
};
constexpr WordField<SensorRecord> kWords[] = {
    {4, &SensorRecord::target},
    {6, &SensorRecord::lastChannel},
};

} // namespace

std::array<std::uint8_t, SensorRecord::kSize> SensorRecord::encode() const {
    return EncodeFields<SensorRecord>(*this, kBytes, kWords);
}

SensorRecord SensorRecord::decode(std::span<const std::uint8_t> b) {
    return DecodeFields<SensorRecord>(b, kBytes, kWords);
}

} // namespace corvane

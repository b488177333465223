#include "events/SensorRecord.h"

#include "events/DescriptionText.h"
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

std::string SensorRecord::describe(bool) const {
    const unsigned input = U(contact) + 1;
    switch (actionType) {
    case 0:
        return Printf(":Contact%1u,(ch:%1uto%1u,i=%1u,L=%1u)", input, U(target), U(lastChannel),
                      U(increment), U(level));
    case 1:
        return Printf(":Contact%1u,Relay%1u:%s", input, U(target), increment != 0 ? "On" : "Off");
    case 2:
        return Printf(":Contact%1u,Audio:%s", input, target != 0 ? "Disable" : "Enable");
    default:
        return Printf(":Contact%1u,%u", input, U(actionType));
    }
}

} // namespace corvane

#include "events/SensorRecord.h"

#include "events/RecordName.h"
#include "platform/ByteOrder.h"

namespace corvane {

std::array<std::uint8_t, SensorRecord::kSize> SensorRecord::encode() const {
    std::array<std::uint8_t, kSize> b{};
    b[0] = contact;
    b[1] = firstSetting;
    b[2] = secondSetting;
    b[3] = actionType;
    PutU16(b, 4, target);
    PutU16(b, 6, lastChannel);
    b[8] = increment;
    b[9] = level;

    EncodeRecordName(b, kNameOffset, name);
    return b;
}

SensorRecord SensorRecord::decode(std::span<const std::uint8_t> b) {
    SensorRecord r;
    r.contact = b[0];
    r.firstSetting = b[1];
    r.secondSetting = b[2];
    r.actionType = b[3];
    r.target = GetU16(b, 4);
    r.lastChannel = GetU16(b, 6);
    r.increment = b[8];
    r.level = b[9];

    r.name = DecodeRecordName(b.first(kSize), kNameOffset);
    return r;
}

} // namespace corvane

#include "events/AnalogRecord.h"

#include "events/RecordName.h"
#include "platform/ByteOrder.h"

namespace corvane {

std::array<std::uint8_t, AnalogRecord::kSize> AnalogRecord::encode() const {
    std::array<std::uint8_t, kSize> b{};
    b[0] = input;
    b[1] = lowVolts;
    b[2] = lowHundredths;
    b[3] = highVolts;
    b[4] = highHundredths;
    b[5] = action;
    PutU16(b, 6, target);
    PutU16(b, 8, lastChannel);
    b[10] = increment;
    b[11] = level;

    EncodeRecordName(b, kNameOffset, name);
    return b;
}

AnalogRecord AnalogRecord::decode(std::span<const std::uint8_t> b) {
    AnalogRecord r;
    r.input = b[0];
    r.lowVolts = b[1];
    r.lowHundredths = b[2];
    r.highVolts = b[3];
    r.highHundredths = b[4];
    r.action = b[5];
    r.target = GetU16(b, 6);
    r.lastChannel = GetU16(b, 8);
    r.increment = b[10];
    r.level = b[11];

    r.name = DecodeRecordName(b.first(kSize), kNameOffset);
    return r;
}

} // namespace corvane

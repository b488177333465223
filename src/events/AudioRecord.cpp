#include "events/AudioRecord.h"

#include "events/RecordName.h"
#include "platform/ByteOrder.h"

namespace corvane {

std::array<std::uint8_t, AudioRecord::kSize> AudioRecord::encode() const {
    std::array<std::uint8_t, kSize> b{};
    b[0] = side;
    b[1] = band;
    PutU16(b, 2, firstChannel);
    PutU16(b, 4, lastChannel);
    b[6] = increment;
    b[7] = pixelMode;
    b[8] = pixelModeCopy;

    EncodeRecordName(b, kNameOffset, name);
    return b;
}

AudioRecord AudioRecord::decode(std::span<const std::uint8_t> b) {
    AudioRecord r;
    r.side = b[0];
    r.band = b[1];
    r.firstChannel = GetU16(b, 2);
    r.lastChannel = GetU16(b, 4);
    r.increment = b[6];
    r.pixelMode = b[7];
    r.pixelModeCopy = b[8];

    r.name = DecodeRecordName(b.first(kSize), kNameOffset);
    return r;
}

} // namespace corvane

#include "events/TimecodeRecord.h"

#include "events/RecordName.h"
#include "platform/ByteOrder.h"

namespace corvane {

std::array<std::uint8_t, TimecodeRecord::kSize> TimecodeRecord::encode() const {
    std::array<std::uint8_t, kSize> b{};
    b[0] = startHours;
    b[1] = startMinutes;
    b[2] = startSeconds;
    b[3] = startFrames;
    b[4] = endHours;
    b[5] = endMinutes;
    b[6] = endSeconds;
    b[7] = endFrames;
    PutU16(b, 8, firstChannel);
    PutU16(b, 10, lastChannel);
    b[12] = increment;
    b[13] = level;

    EncodeRecordName(b, kNameOffset, name);
    return b;
}

TimecodeRecord TimecodeRecord::decode(std::span<const std::uint8_t> b) {
    TimecodeRecord r;
    r.startHours = b[0];
    r.startMinutes = b[1];
    r.startSeconds = b[2];
    r.startFrames = b[3];
    r.endHours = b[4];
    r.endMinutes = b[5];
    r.endSeconds = b[6];
    r.endFrames = b[7];
    r.firstChannel = GetU16(b, 8);
    r.lastChannel = GetU16(b, 10);
    r.increment = b[12];
    r.level = b[13];

    r.name = DecodeRecordName(b.first(kSize), kNameOffset);
    return r;
}

} // namespace corvane

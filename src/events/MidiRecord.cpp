#include "events/MidiRecord.h"

#include "events/RecordName.h"
#include "platform/ByteOrder.h"

namespace corvane {

std::array<std::uint8_t, MidiRecord::kSize> MidiRecord::encode() const {
    std::array<std::uint8_t, kSize> b{};
    b[0] = channel;
    b[1] = note;
    b[2] = noteState;
    b[3] = action;
    PutU16(b, 4, firstChannel);
    PutU16(b, 6, lastChannel);
    b[8] = increment;
    b[9] = level;

    EncodeRecordName(b, kNameOffset, name);
    return b;
}

MidiRecord MidiRecord::decode(std::span<const std::uint8_t> b) {
    MidiRecord r;
    r.channel = b[0];
    r.note = b[1];
    r.noteState = b[2];
    r.action = b[3];
    r.firstChannel = GetU16(b, 4);
    r.lastChannel = GetU16(b, 6);
    r.increment = b[8];
    r.level = b[9];

    r.name = DecodeRecordName(b.first(kSize), kNameOffset);
    return r;
}

} // namespace corvane

#include "events/RelayRecord.h"

#include "events/RecordName.h"
#include "platform/ByteOrder.h"

namespace corvane {

std::array<std::uint8_t, RelayRecord::kSize> RelayRecord::encode() const {
    std::array<std::uint8_t, kSize> b{};
    PutU16(b, 0, channel);
    b[2] = levelLow;
    b[3] = levelHigh;
    b[4] = relayNumber;
    b[5] = relayStatus;

    EncodeRecordName(b, kNameOffset, name);
    return b;
}

RelayRecord RelayRecord::decode(std::span<const std::uint8_t> b) {
    RelayRecord r;
    r.channel = GetU16(b, 0);
    r.levelLow = b[2];
    r.levelHigh = b[3];
    r.relayNumber = b[4];
    r.relayStatus = b[5];

    r.name = DecodeRecordName(b.first(kSize), kNameOffset);
    return r;
}

} // namespace corvane

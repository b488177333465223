#include "events/RelayRecord.h"

#include "events/DescriptionText.h"
#include "events/RecordFields.h"

namespace corvane {

namespace {

constexpr ByteField<RelayRecord> kBytes[] = {
    {2, &RelayRecord::levelLow},
    {3, &RelayRecord::levelHigh},
    {4, &RelayRecord::relayNumber},
    {5, &RelayRecord::relayStatus},
};
constexpr WordField<RelayRecord> kWords[] = {
    {0, &RelayRecord::channel},
};

} // namespace

std::array<std::uint8_t, RelayRecord::kSize> RelayRecord::encode() const {
    return EncodeFields<RelayRecord>(*this, kBytes, kWords);
}

RelayRecord RelayRecord::decode(std::span<const std::uint8_t> b) {
    return DecodeFields<RelayRecord>(b, kBytes, kWords);
}

std::string RelayRecord::describe(bool) const {
    return Printf(":ch=%1u Level(low:%1u,high:%1u)-Relay(No.=%1u:Status=%s)", U(channel),
                  U(levelLow), U(levelHigh), U(relayNumber), relayStatus == 0 ? "On" : "Off");
}

} // namespace corvane

#include "events/RelayForm.h"

namespace corvane {

Collected<RelayRecord> RelayForm::collect() const {
    RelayRecord r;
    r.channel = TextWord(channel);
    r.levelLow = TextByte(lowLevel);
    r.levelHigh = TextByte(highLevel);
    const std::uint8_t relay = TextByte(relayNumber);
    r.relayNumber = relay > 8 ? 8 : relay;
    r.relayStatus = LowByte(statusItem);
    return {r, true};
}

} // namespace corvane

#pragma once

#include <cstdint>

namespace corvane {

// The DMX channels an event drives: first, first + step, ... up to last. A
// first channel above the last drives none; a step of 0 counts as 1, so that
// such an event is checked against every channel it might reach.
struct ChannelSet {
    std::uint16_t first = 0;
    std::uint16_t last = 0;
    std::uint8_t step = 1;
};

// True when some channel belongs to both sets.
bool ShareChannel(const ChannelSet& a, const ChannelSet& b);

} // namespace corvane

#include "events/conflicts/ChannelSet.h"

#include <algorithm>

namespace corvane {

bool ShareChannel(const ChannelSet& a, const ChannelSet& b) {
    const unsigned low = std::max(a.first, b.first);
    const unsigned high = std::min(a.last, b.last);
    if (low > high)
        return false;
    const unsigned stepA = std::max<unsigned>(a.step, 1);
    const unsigned stepB = std::max<unsigned>(b.step, 1);
    // The first channel of a at or above low, then a's channels until one is
    // also b's; after stepB of them the remainders repeat, so that many suffice.
    unsigned channel = a.first + (low - a.first + stepA - 1) / stepA * stepA;
    for (unsigned n = 0; n < stepB && channel <= high; ++n, channel += stepA)
        if (channel >= b.first && (channel - b.first) % stepB == 0)
            return true;
    return false;
}

} // namespace corvane

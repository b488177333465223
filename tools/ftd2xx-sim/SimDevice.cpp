#include "SimDevice.h"

namespace corvane::sim {

void SimDevice::resetForOpen() {
    const std::string kept = description;
    *this = SimDevice{};
    description = kept;
    open = true;
}

bool SimDevice::speaksControllerLine() const {
    return baudRate == 1000000 && wordLength == 8 && stopBits == 2 && parity == 0;
}

SimDevice::Clock::duration SimDevice::byteTime() const {
    const int stop = stopBits == 2 ? 2 : 1;
    const int bits = 1 + wordLength + (parity != 0 ? 1 : 0) + stop;
    const auto rate = baudRate == 0 ? 9600 : baudRate;
    return std::chrono::duration_cast<Clock::duration>(
        std::chrono::nanoseconds(static_cast<std::int64_t>(bits) * 1'000'000'000 / rate));
}

void SimDevice::sendToHost(const std::uint8_t* bytes, std::size_t count, Clock::time_point from,
                           bool realTiming) {
    if (!realTiming) {
        for (std::size_t i = 0; i < count; ++i)
            toHost.push_back({bytes[i], from});
        return;
    }
    Clock::time_point at = toHost.empty() ? from : std::max(from, toHost.back().arrival);
    const auto step = byteTime();
    for (std::size_t i = 0; i < count; ++i) {
        at += step;
        toHost.push_back({bytes[i], at});
    }
}

} // namespace corvane::sim

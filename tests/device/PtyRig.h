#pragma once

#include "PtyController.h"

#include <string>
#include <thread>
#include <utility>
#include <vector>

namespace corvane::test {

// Simulated-controller settings from key/value pairs (the keys of the simulator's README).
inline sim::SimSettings
SimSettingsOf(const std::vector<std::pair<std::string, std::string>>& keys) {
    sim::SimSettings settings;
    for (const auto& [key, value] : keys)
        settings.apply(key, value);
    return settings;
}

// The simulated controller served on a pseudo-terminal by a thread of this process.
struct PtyRig {
    sim::PtyController controller;
    std::jthread server;

    explicit PtyRig(const sim::SimSettings& settings = SimSettingsOf({{"timing", "instant"}}))
        : controller(settings), server([this] { controller.serve(); }) {}
    ~PtyRig() { controller.stop(); }
    const std::string& port() const { return controller.portPath(); }
};

} // namespace corvane::test

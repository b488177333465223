#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace corvane::sim {

// A D2XX call made to fail: from its firstFailingCall-th call on (1 = every call)
// it answers status.
struct CallFault {
    std::uint32_t firstFailingCall = 1;
};

// Everything the simulated bus can be configured with. Keys and values are
// described in README.md; apply() takes one key, fromEnvironment() all the
// CORVANE_SIM_* variables.
struct SimSettings {
    std::vector<std::string> devices{"Velmora"};
    bool realTiming = true;
    std::map<std::string, CallFault> failingCalls;
    std::size_t clockReplyBytes = 20;
    bool noReply = false;
    std::optional<std::uint64_t> cutAfterBytes;
    bool unplugged = false;
    std::string stateFile;

    // False when the key is unknown or the value does not fit it; nothing changes then.
    bool apply(const std::string& key, const std::string& value);
    void applyEnvironment();
};

// The keys apply() knows, in the order they are read from the environment.
const std::vector<std::string>& SimSettingKeys();

} // namespace corvane::sim

// Any bytes as the simulated controller's state file: loading never fails,
// what loaded survives a save and a reload unchanged, and every table loaded
// is one the controller sends back whole under the length it announces.
#include "SimController.h"
#include "SimSettings.h"
#include "SimStateFile.h"

#include <array>
#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace corvane::sim;
    SimController controller;
    LoadSimStateText(std::string_view(reinterpret_cast<const char*>(data), size), controller);

    SimController reloaded;
    LoadSimStateText(SimStateText(controller), reloaded);
    if (reloaded.tables() != controller.tables() || reloaded.clock() != controller.clock())
        std::abort();

    const SimSettings settings;
    for (const auto& [announce, table] : controller.tables()) {
        std::array<std::uint8_t, 20> request{0xAA, 0x55, SimRequestCommandFor(announce)};
        const auto reply = controller.receive(request.data(), request.size(),
                                              SimController::Clock::now(), settings);
        const std::size_t announced = reply.size() >= 5 ? reply[3] | (reply[4] << 8) : 0;
        if (reply.size() != request.size() + table.size() || announced != table.size())
            std::abort();
    }
    return 0;
}

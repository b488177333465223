#pragma once

#include "platform/Pacer.h"

#include <thread>

namespace corvane {

// The real pacer: sleeps the calling thread and reads the steady clock.
class SystemPacer final : public Pacer {
public:
    void sleep(int milliseconds) override {
        if (milliseconds > 0)
            std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
    }
    std::chrono::milliseconds now() const override {
        return std::chrono::duration_cast<std::chrono::milliseconds>(
            std::chrono::steady_clock::now().time_since_epoch());
    }
};

} // namespace corvane

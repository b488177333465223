#pragma once

#include <chrono>

namespace corvane {

// Pauses and a monotonic clock. Device exchanges pause through this so that tests
// can record the pauses instead of waiting for them.
class Pacer {
public:
    virtual ~Pacer() = default;
    virtual void sleep(int milliseconds) = 0;
    virtual std::chrono::milliseconds now() const = 0;
};

} // namespace corvane

#pragma once

#include "device/DynamicLibrary.h"

#include <string>

namespace corvane::test {

// The simulated controller library as a test configures it: loaded beside the
// link's own binding (the same loaded copy), reset, and set to instant timing.
class SimLibrary {
public:
    explicit SimLibrary(const std::string& file);
    // Sets a key; the test fails when the library refuses it.
    void set(const char* key, const std::string& value);

private:
    DynamicLibrary library_;
    int (*configure_)(const char*, const char*) = nullptr;
};

} // namespace corvane::test

#pragma once

#include <dlfcn.h>
#include <gtest/gtest.h>
#include <string>

namespace corvane::test {

// Sets one key of the simulated controller library at path inside this process
// (the same copy a link binds at run time); fails the test on an unknown key.
inline void ConfigureSimLibrary(const char* path, const std::string& key,
                                const std::string& value = {}) {
    void* library = dlopen(path, RTLD_NOW);
    ASSERT_NE(library, nullptr) << dlerror();
    const auto configure =
        reinterpret_cast<int (*)(const char*, const char*)>(dlsym(library, "corvaneSimConfigure"));
    ASSERT_NE(configure, nullptr);
    EXPECT_EQ(configure(key.c_str(), value.c_str()), 0) << key << "=" << value;
}

} // namespace corvane::test

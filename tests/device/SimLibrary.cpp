#include "SimLibrary.h"

#include <gtest/gtest.h>

namespace corvane::test {

SimLibrary::SimLibrary(const std::string& file) {
    EXPECT_TRUE(library_.load(file)) << file;
    configure_ = reinterpret_cast<int (*)(const char*, const char*)>(library_.symbol("corvaneSimConfigure"));
    EXPECT_NE(configure_, nullptr);
    set("reset", "");
    set("timing", "instant");
}

void SimLibrary::set(const char* key, const std::string& value) {
    ASSERT_NE(configure_, nullptr);
    EXPECT_EQ(configure_(key, value.c_str()), 0) << key << "=" << value;
}

} // namespace corvane::test

#include "skin/WindowsVersion.h"

#include <gtest/gtest.h>

namespace corvane {
namespace {

TEST(SystemVersion, NewerFromVersion5_1ServicePack2OnAndLinuxReportsTen) {
    struct Case {
        int major, minor;
        const char* servicePack;
        bool newer;
    };
    const Case cases[] = {
        {5, 1, "Service Pack 2", true},
        {5, 1, "sERVICE pACK 2", true},
        {5, 1, "Service Pack 3", false},
        {5, 2, "", true},
        {5, 0, "", false},
        {4, 9, "Service Pack 2", false},
    };
    for (const Case& c : cases) {
        SystemVersion::setCurrent({c.major, c.minor, c.servicePack});
        EXPECT_EQ(IsNewerWindowsVersion(), c.newer) << c.major << "." << c.minor << c.servicePack;
    }
    SystemVersion::resetCurrent();
    EXPECT_EQ(SystemVersion::current().major, 10);
    EXPECT_TRUE(IsNewerWindowsVersion());
}

} // namespace
} // namespace corvane

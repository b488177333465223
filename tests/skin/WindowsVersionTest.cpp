#include "skin/WindowsVersion.h"

#include <gtest/gtest.h>

namespace corvane {
namespace {

struct VersionCase {
    int major;
    int minor;
    const char* servicePack;
    bool newer;
};

class NewerVersion : public ::testing::TestWithParam<VersionCase> {
protected:
    void TearDown() override { SystemVersion::resetCurrent(); }
};

TEST_P(NewerVersion, Decides) {
    const VersionCase& c = GetParam();
    SystemVersion::setCurrent({c.major, c.minor, c.servicePack});
    EXPECT_EQ(IsNewerWindowsVersion(), c.newer) << c.major << "." << c.minor << " " << c.servicePack;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, NewerVersion,
    ::testing::Values(VersionCase{5, 1, "Service Pack 2", true}, VersionCase{5, 1, "sERVICE pACK 2", true},
                      VersionCase{5, 1, "Service Pack 3", false}, VersionCase{5, 1, "Service Pack 1", false},
                      VersionCase{5, 1, "", false}, VersionCase{5, 1, "Service Pack 2 ", false},
                      VersionCase{5, 2, "", true}, VersionCase{6, 0, "", true}, VersionCase{5, 0, "", false},
                      VersionCase{4, 9, "Service Pack 2", false}, VersionCase{10, 0, "", true}));

TEST(SystemVersion, LinuxReportsTen) {
    SystemVersion::resetCurrent();
    EXPECT_EQ(SystemVersion::current().major, 10);
    EXPECT_TRUE(IsNewerWindowsVersion());
}

} // namespace
} // namespace corvane

// corvanectl's device commands against the simulated controller, as a script runs them.

#include "DeviceTestFiles.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <sys/wait.h>

namespace corvane {
namespace {

using namespace test;
using Bytes = std::vector<std::uint8_t>;

struct CliFixture : ::testing::Test {
    ScratchFolder folder;

    // The exit status of corvanectl with args; its stderr goes to folder/stderr.
    int run(const std::string& args) {
        const std::string command = "CORVANE_D2XX_LIBRARY='" CORVANE_SIM_LIBRARY "' CORVANE_SIM_TIMING=instant "
                                    "CORVANE_SIM_STATE_FILE='" + folder.file("state") + "' '" CORVANECTL "' " +
                                    args + " 2>'" + folder.file("stderr") + "' >'" + folder.file("stdout") + "'";
        const int status = std::system(command.c_str());
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }
    std::string output(const char* stream) {
        const Bytes bytes = ReadBytes(folder.file(stream));
        return {bytes.begin(), bytes.end()};
    }
};

TEST_F(CliFixture, SendThenReceiveRoundTripsEveryKind) {
    for (EventKind kind : kAllEventKinds) {
        const std::string name(InfoOf(kind).cliName);
        SCOPED_TRACE(name);
        const Bytes table = EventFileBytes(kind, 3, kind == EventKind::WeekClock ? 2 : 0);
        WriteBytes(folder.file(name + ".sent"), table);
        EXPECT_EQ(run("send " + name + " '" + folder.file(name + ".sent") + "'"), 0) << output("stderr");
        EXPECT_EQ(run("receive " + name + " '" + folder.file(name + ".back") + "'"), 0) << output("stderr");
        EXPECT_EQ(ReadBytes(folder.file(name + ".back")), table);
    }
}

TEST_F(CliFixture, WhereTheWindowStaysSilentTheCommandSaysWhy) {
    WriteBytes(folder.file("none.mdi"), EventFileBytes(EventKind::Midi, 0));
    EXPECT_EQ(run("send midi '" + folder.file("none.mdi") + "'"), 1);
    EXPECT_NE(output("stderr").find("holds no records"), std::string::npos);

    const Bytes table = EventFileBytes(EventKind::Midi, 2);
    WriteBytes(folder.file("short.mdi"), Bytes(table.begin(), table.end() - 1));
    EXPECT_EQ(run("send midi '" + folder.file("short.mdi") + "'"), 1);
    EXPECT_NE(output("stderr").find("shorter than its header counts say"), std::string::npos);

    EXPECT_EQ(run("send midi"), 2);
    EXPECT_EQ(run("empty nokind"), 2);
}

TEST_F(CliFixture, DevicesClockAndEmpty) {
    EXPECT_EQ(run("devices"), 0);
    EXPECT_EQ(output("stdout"), "0\tVelmora\n");
    EXPECT_EQ(run("clock"), 0);
    WriteBytes(folder.file("a.aud"), EventFileBytes(EventKind::Audio, 2));
    EXPECT_EQ(run("send audio '" + folder.file("a.aud") + "'"), 0);
    EXPECT_EQ(run("empty audio"), 0);
    EXPECT_EQ(run("receive audio '" + folder.file("b.aud") + "'"), 0);
    EXPECT_TRUE(ReadBytes(folder.file("b.aud")).empty());
    EXPECT_EQ(output("stderr"), "");
}

} // namespace
} // namespace corvane

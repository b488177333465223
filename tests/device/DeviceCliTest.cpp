// corvanectl's device commands against the simulated controller, as a script runs them.
// Each command is a process of its own: the controller keeps its tables and clock
// between them in the simulator's state file.

#include "DeviceTestRig.h"

#include <gmock/gmock.h>

#include <cstdlib>
#include <sys/wait.h>

namespace corvane {
namespace {

using namespace test;

struct CliFixture : ::testing::Test {
    TempFolder folder;

    // The exit status of corvanectl with args; its output goes to folder/stdout and folder/stderr.
    int run(const std::string& args) {
        const std::string command = "CORVANE_D2XX_LIBRARY='" CORVANE_SIM_LIBRARY "' CORVANE_SIM_TIMING=instant "
                                    "CORVANE_SIM_STATE_FILE='" + folder.file("state") + "' '" CORVANECTL "' " +
                                    args + " 2>'" + folder.file("stderr") + "' >'" + folder.file("stdout") + "'";
        const int status = std::system(command.c_str());
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }
    std::string output(const char* stream) {
        const Bytes bytes = folder.read(stream);
        return {bytes.begin(), bytes.end()};
    }
};

TEST_F(CliFixture, SendThenReceiveRoundTripsEveryKind) {
    for (EventKind kind : kAllEventKinds) {
        const std::string name(InfoOf(kind).cliName);
        SCOPED_TRACE(name);
        const std::uint32_t dated = kind == EventKind::WeekClock ? 300 : 0; // a full table
        const Bytes table = EventFileBytes(kind, InfoOf(kind).maxEntries - dated, dated);
        folder.write(name + ".sent", table);
        EXPECT_EQ(run("send " + name + " '" + folder.file(name + ".sent") + "'"), 0) << output("stderr");
        EXPECT_EQ(run("receive " + name + " '" + folder.file(name + ".back") + "'"), 0) << output("stderr");
        EXPECT_EQ(folder.read(name + ".back"), table);
    }
}

TEST_F(CliFixture, WhereTheWindowStaysSilentTheCommandSaysWhy) {
    const Bytes two = EventFileBytes(EventKind::Midi, 2);
    for (const auto& [bytes, why] : {std::pair{EventFileBytes(EventKind::Midi, 0), "holds no records"},
                                     std::pair{Bytes(two.begin(), two.end() - 1), "shorter than its header counts say"}}) {
        folder.write("table.mdi", bytes);
        EXPECT_EQ(run("send midi '" + folder.file("table.mdi") + "'"), 1);
        EXPECT_NE(output("stderr").find(why), std::string::npos) << why;
    }
    EXPECT_EQ(run("send midi"), 2);
    EXPECT_EQ(run("empty nokind"), 2);
}

TEST_F(CliFixture, DevicesClockAndEmpty) {
    EXPECT_EQ(run("devices"), 0);
    EXPECT_EQ(output("stdout"), "0\tVelmora\n");
    EXPECT_EQ(run("clock"), 0);
    EXPECT_THAT(output("state"), ::testing::ContainsRegex("^clock [0-9a-f]{14}\n")); // for the next process
    folder.write("a.aud", EventFileBytes(EventKind::Audio, 2));
    EXPECT_EQ(run("send audio '" + folder.file("a.aud") + "'"), 0);
    EXPECT_EQ(run("empty audio"), 0);
    EXPECT_EQ(run("receive audio '" + folder.file("b.aud") + "'"), 0);
    EXPECT_TRUE(folder.read("b.aud").empty());
    EXPECT_EQ(output("stderr"), "");
}

} // namespace
} // namespace corvane

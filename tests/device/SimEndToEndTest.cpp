// The simulated controller library bound at run time in process; corvanectl's
// device commands as processes over that library (the controller keeps its
// state in the simulator's state file) or over a pseudo-terminal served here.

#include "DeviceTestRig.h"
#include "PtyRig.h"

#include <cstdlib>
#include <gmock/gmock.h>
#include <sys/wait.h>

namespace corvane {
namespace {

using namespace test;
using ::testing::HasSubstr;

// Without the optional FT_GetStatus the start-up works all the same.
TEST(SimLibrary, ALibraryLackingAnEntryPointSaysWhich) {
    struct Case {
        const char* library;
        ClockResult clock;
        Strings messages;
    };
    const std::vector<Case> cases = {
        {CORVANE_SIM_WITHOUT_GET_STATUS_LIBRARY,
         ClockResult::Set,
         {"Error:Can't Find FT_GetStatus"}},
        {CORVANE_SIM_WITHOUT_OPEN_LIBRARY,
         ClockResult::WriteFailed,
         {"Error:Can't Find FT_Open", "FT_OpenEx is not valid!", "FT_SetBaudRate is not valid!",
          "FT_SetDataCharacteristics is not valid!", "FT_SetFlowControl is not valid!",
          "No Device Found!"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.library);
        ProgramSide program;
        D2xxLink link{program.prompter};
        ControllerProtocol protocol{link, program.pacer, program.prompter};
        ConfigureSimLibrary(c.library, "reset", "");
        ConfigureSimLibrary(c.library, "timing", "instant");
        link.bindDriver(c.library);
        EXPECT_EQ(protocol.connectAndSetClock(), c.clock);
        EXPECT_EQ(program.prompter.messages, c.messages);
    }
}

struct CliFixture : ::testing::Test {
    TempFolder folder;

    // corvanectl's exit status; its output goes to the files stdout and stderr.
    int run(const std::string& settings, const std::string& args) {
        const std::string command =
            "cd '" + folder.path() + "' && env -u CORVANE_PORT -u CORVANE_DEVICE " +
            "-u CORVANE_D2XX_LIBRARY CORVANE_SIM_TIMING=instant CORVANE_SIM_STATE_FILE=state " +
            settings + " '" CORVANECTL "' " + args + " 2>stderr >stdout";
        const int status = std::system(command.c_str());
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }
    int runSim(const std::string& args, const std::string& settings = "") {
        return run("CORVANE_D2XX_LIBRARY='" CORVANE_SIM_LIBRARY "' " + settings, args);
    }
    std::string output(const char* stream) {
        const Bytes b = folder.read(stream);
        return {b.begin(), b.end()};
    }
};

// A full week-clock table, both of its counts used (the port run sends relays).
TEST_F(CliFixture, SendThenReceiveRoundTripsAFullTable) {
    const Bytes table = PatternTable(EventKind::WeekClock, 1064, 300);
    folder.write("sent", table);
    EXPECT_EQ(runSim("send weekclock sent"), 0) << output("stderr");
    EXPECT_EQ(runSim("receive weekclock back"), 0) << output("stderr");
    EXPECT_EQ(folder.read("back"), table);
}

TEST_F(CliFixture, DevicesAndRefusals) {
    EXPECT_EQ(runSim("devices"), 0);
    EXPECT_EQ(output("stdout"), "d2xx\t0\tVelmora\t-\t-\n");
    folder.write("none.mdi", PatternTable(EventKind::Midi, 0));
    EXPECT_EQ(runSim("send midi none.mdi"), 1);
    EXPECT_THAT(output("stderr"), HasSubstr("holds no records"));
    folder.write("one.mdi", PatternTable(EventKind::Midi, 1));
    EXPECT_EQ(runSim("send relay one.mdi"), 1);
    EXPECT_EQ(output("stderr"), "one.mdi is not a valid relay event file; nothing was sent\n");
}

// 40 relay records under a header that counts five, cut once those five arrived.
TEST_F(CliFixture, ATableCutWhereItsOwnHeaderLooksWholeFails) {
    Bytes stored = PatternTable(EventKind::Relay, 40);
    PutU32(stored, 0, 5);
    std::string state = "table aa "; // the Relay table, kept under its announce command
    for (std::uint8_t byte : stored)
        state += "0123456789abcdef"[byte >> 4] + std::string(1, "0123456789abcdef"[byte & 15]);
    folder.write("state", Bytes(state.begin(), state.end()));
    const std::string cut = "CORVANE_SIM_CUT_AFTER=216"; // request, reply and 176 table bytes
    EXPECT_EQ(runSim("receive relay r.rel", cut), 1);
    EXPECT_THAT(output("stderr"),
                HasSubstr(std::string(kIncompleteTableMessage) + " (176 of 1296 bytes arrived"));
}

TEST_F(CliFixture, EveryDeviceCommandThroughThePort) {
    PtyRig pty;
    const std::string port = "CORVANE_PORT=" + pty.port();
    EXPECT_EQ(run(port, "devices"), 0);
    EXPECT_EQ(output("stdout"), "serial\t" + pty.port() + "\t-\t-\t-\n");
    EXPECT_EQ(run(port, "clock"), 0) << output("stderr");
    const Bytes table = PatternTable(EventKind::Relay, 40);
    folder.write("sent", table);
    EXPECT_EQ(run(port, "send relay sent"), 0) << output("stderr");
    EXPECT_EQ(run("", "--device " + pty.port() + " receive relay back"), 0) << output("stderr");
    EXPECT_EQ(folder.read("back"), table);
    EXPECT_EQ(run("CORVANE_DEVICE=" + pty.port(), "empty relay"), 0) << output("stderr");
    EXPECT_EQ(run(port, "receive relay back"), 0);
    EXPECT_TRUE(folder.read("back").empty());
    EXPECT_EQ(output("stderr"), "");
}

TEST_F(CliFixture, APortThatVanishesMidSendFailsTheCommand) {
    PtyRig pty(SimSettingsOf({{"timing", "instant"}, {"cut_after", "200"}}));
    folder.write("sent", PatternTable(EventKind::Relay, 40));
    EXPECT_EQ(run("CORVANE_PORT=" + pty.port(), "send relay sent"), 1);
    EXPECT_THAT(output("stderr"),
                HasSubstr("the transfer broke off; the controller holds part of the table\n"));
}

} // namespace
} // namespace corvane

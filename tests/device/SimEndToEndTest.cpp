// Through the real run-time binding of the simulated controller library: in process,
// and as corvanectl's device commands run in a script. Each command is a process of
// its own: the controller keeps its tables and clock between them in the simulator's
// state file.

#include "DeviceTestRig.h"

#include <cstdlib>
#include <gmock/gmock.h>
#include <sys/wait.h>

namespace corvane {
namespace {

using namespace test;

// A link bound to a variant of the simulated library, reset and set to instant timing.
struct SimRig : ProgramSide {
    D2xxLink link{prompter};
    ControllerProtocol protocol{link, pacer, prompter};

    explicit SimRig(const char* file) {
        ConfigureSim(file, "reset", "");
        ConfigureSim(file, "timing", "instant");
        link.bindDriver(file);
    }
};

TEST(SimLibrary, ALibraryWithoutGetStatusStillDoesEverything) {
    SimRig sim(CORVANE_SIM_WITHOUT_GET_STATUS_LIBRARY);
    sim.folder.write("sent", PatternTable(EventKind::Analog, 3));
    EXPECT_EQ(sim.protocol.connectAndSetClock(), ClockResult::Set);
    EXPECT_EQ(sim.protocol.sendTable(EventKind::Analog, sim.folder.file("sent"), sim.progress),
              SendResult::Sent);
    EXPECT_EQ(sim.protocol.receiveTable(EventKind::Analog, sim.folder.file("back")).result,
              ReceiveResult::Received);
    EXPECT_EQ(sim.prompter.messages, Strings{"Error:Can't Find FT_GetStatus"});
}

TEST(SimLibrary, ALibraryWithoutOpenLeavesEverythingAfterItUnbound) {
    SimRig sim(CORVANE_SIM_WITHOUT_OPEN_LIBRARY);
    EXPECT_EQ(sim.protocol.connectAndSetClock(), ClockResult::WriteFailed);
    EXPECT_EQ(sim.prompter.messages,
              (Strings{"Error:Can't Find FT_Open", "FT_OpenEx is not valid!",
                       "FT_SetBaudRate is not valid!", "FT_SetDataCharacteristics is not valid!",
                       "FT_SetFlowControl is not valid!", "No Device Found!"}));
}

struct CliFixture : ::testing::Test {
    TempFolder folder;

    // The exit status of corvanectl with args and the simulator's settings in env;
    // its output goes to folder/stdout and folder/stderr.
    int run(const std::string& args, const std::string& env = "") {
        const std::string command =
            env + " CORVANE_D2XX_LIBRARY='" CORVANE_SIM_LIBRARY "' CORVANE_SIM_TIMING=instant " +
            "CORVANE_SIM_STATE_FILE='" + folder.file("state") + "' '" CORVANECTL "' " + args +
            " 2>'" + folder.file("stderr") + "' >'" + folder.file("stdout") + "'";
        const int status = std::system(command.c_str());
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }
    std::string output(const char* stream) {
        const Bytes b = folder.read(stream);
        return {b.begin(), b.end()};
    }
};

TEST_F(CliFixture, SendThenReceiveRoundTripsEveryKind) {
    for (EventKind kind : kAllEventKinds) {
        const std::string name(InfoOf(kind).cliName);
        SCOPED_TRACE(name);
        const std::uint32_t dated = kind == EventKind::WeekClock ? 300 : 0; // a full table
        const Bytes table = PatternTable(kind, InfoOf(kind).maxEntries - dated, dated);
        folder.write(name + ".sent", table);
        EXPECT_EQ(run("send " + name + " '" + folder.file(name + ".sent") + "'"), 0)
            << output("stderr");
        EXPECT_EQ(run("receive " + name + " '" + folder.file(name + ".back") + "'"), 0)
            << output("stderr");
        EXPECT_EQ(folder.read(name + ".back"), table);
    }
}

// Where the window stays silent, the command says why.
TEST_F(CliFixture, DevicesClockEmptyAndRefusals) {
    EXPECT_EQ(run("devices"), 0);
    EXPECT_EQ(output("stdout"), "d2xx\t0\tVelmora\t-\t-\n");
    EXPECT_EQ(run("clock"), 0);
    EXPECT_THAT(output("state"), ::testing::ContainsRegex("^clock [0-9a-f]{14}\n"));
    folder.write("a.aud", PatternTable(EventKind::Audio, 2));
    EXPECT_EQ(run("send audio '" + folder.file("a.aud") + "'"), 0);
    EXPECT_EQ(run("empty audio"), 0);
    EXPECT_EQ(run("receive audio '" + folder.file("b.aud") + "'"), 0);
    EXPECT_TRUE(folder.read("b.aud").empty());
    EXPECT_EQ(output("stderr"), "");
    folder.write("none.mdi", PatternTable(EventKind::Midi, 0));
    EXPECT_EQ(run("send midi '" + folder.file("none.mdi") + "'"), 1);
    EXPECT_THAT(output("stderr"), ::testing::HasSubstr("holds no records"));
    EXPECT_EQ(run("send midi"), 2);
    EXPECT_EQ(run("empty nokind"), 2);
}

// The controller announces 40 Relay records under a header that counts five, and
// the link is cut once those five arrived: they look whole, yet the receive fails.
TEST_F(CliFixture, ATableCutWhereItsOwnHeaderLooksWholeFails) {
    Bytes stored = PatternTable(EventKind::Relay, 40);
    PutU32(stored, 0, 5);
    std::string state = "table aa "; // the Relay table, kept under its announce command
    for (std::uint8_t byte : stored)
        state += "0123456789abcdef"[byte >> 4] + std::string(1, "0123456789abcdef"[byte & 15]);
    folder.write("state", Bytes(state.begin(), state.end()));
    const std::string cut = "CORVANE_SIM_CUT_AFTER=216"; // request, reply and 176 table bytes
    EXPECT_EQ(run("receive relay '" + folder.file("r.rel") + "'", cut), 1);
    EXPECT_THAT(output("stderr"), ::testing::HasSubstr(std::string(kIncompleteTableMessage) +
                                                       " (176 of 1296 bytes arrived"));
}

} // namespace
} // namespace corvane

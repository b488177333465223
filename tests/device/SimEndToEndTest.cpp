// Through the real run-time binding of the simulated controller library: in process,
// and as corvanectl's device commands run in a script. Each command is a process of
// its own: the controller keeps its tables and clock between them in the simulator's
// state file.

#include "DeviceTestRig.h"
#include "device/ControllerCommands.h"
#include "device/DynamicLibrary.h"

#include <cstdlib>
#include <gmock/gmock.h>
#include <sys/wait.h>

namespace corvane {
namespace {

using namespace test;

// A link bound to a simulated library, and that library (the same loaded copy)
// reset and set to instant timing.
struct SimRig : LinkRig {
    DynamicLibrary library;
    int (*configure)(const char*, const char*) = nullptr;

    explicit SimRig(const char* file = CORVANE_SIM_LIBRARY) {
        EXPECT_TRUE(library.load(file)) << file;
        configure = reinterpret_cast<int (*)(const char*, const char*)>(
            library.symbol("corvaneSimConfigure"));
        set("reset", "");
        set("timing", "instant");
        link.BindDriver(file);
    }
    void set(const std::string& key, const std::string& value) {
        ASSERT_NE(configure, nullptr);
        EXPECT_EQ(configure(key.c_str(), value.c_str()), 0) << key << "=" << value;
    }
    SendResult send(EventKind kind, const Bytes& table) {
        folder.write("sent", table);
        return protocol.sendTable(kind, folder.file("sent"), progress);
    }
    ReceiveResult receive(EventKind kind) {
        return protocol.receiveTable(kind, folder.file("received")).result;
    }
};

// A fault configured after a table went over, and how the exchanges must end.
TEST(SimLibrary, FaultsEndTheExchangesAsTheyShould) {
    // clang-format off
    struct Case { const char* name; std::string key, value; ClockResult clock; SendResult sent; bool received, clockMessage; };
    // "cut during the table": the clock packet and reply (40 bytes), the request and reply (40), then 100 of
    // the 1296 table bytes. "cut during the send": the clock and the receive go through (1376 bytes); the
    // send is cut inside its first chunk.
    const std::vector<Case> cases = {
        {"none", "timing", "instant", ClockResult::Set, SendResult::Sent, true, false},
        {"clock reply of 19", "clock_reply_bytes", "19", ClockResult::WrongReply, SendResult::Sent, true, true},
        {"no reply", "no_reply", "1", ClockResult::WrongReply, SendResult::NoReply, false, true},
        {"cut during the table", "cut_after", "180", ClockResult::Set, SendResult::AnnounceFailed, false, false},
        {"cut during the send", "cut_after", "1516", ClockResult::Set, SendResult::ChunkFailed, true, false},
        {"write fails from the third call", "fail", "FT_Write@3", ClockResult::Set, SendResult::AnnounceFailed, true, false},
        {"unplugged", "unplugged", "1", ClockResult::WriteFailed, SendResult::AnnounceFailed, false, false},
    };
    // clang-format on
    const Bytes table = EventFileBytes(EventKind::Relay, 40); // 1296 bytes
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SimRig sim;
        EXPECT_EQ(sim.send(EventKind::Relay, table), SendResult::Sent);
        sim.set(c.key, c.value);
        EXPECT_EQ(ConnectAndSetClock(sim.protocol, {}), c.clock);
        EXPECT_EQ(sim.receive(EventKind::Relay) == ReceiveResult::Received, c.received);
        EXPECT_EQ(sim.send(EventKind::Relay, table), c.sent);
        EXPECT_EQ(sim.prompter.messages,
                  c.clockMessage ? Strings{"Time Set is Error!"} : Strings{});
    }
}

TEST(SimLibrary, ALibraryWithoutGetStatusStillDoesEverything) {
    SimRig sim(CORVANE_SIM_WITHOUT_GET_STATUS_LIBRARY);
    const Bytes table = EventFileBytes(EventKind::Analog, 3);
    EXPECT_EQ(ConnectAndSetClock(sim.protocol, {}), ClockResult::Set);
    EXPECT_EQ(sim.send(EventKind::Analog, table), SendResult::Sent);
    EXPECT_EQ(sim.receive(EventKind::Analog), ReceiveResult::Received);
    EXPECT_EQ(sim.folder.read("received"), table);
    EXPECT_EQ(sim.prompter.messages, Strings{"Error:Can't Find FT_GetStatus"});
}

TEST(SimLibrary, ALibraryWithoutOpenLeavesEverythingAfterItUnbound) {
    SimRig sim(CORVANE_SIM_WITHOUT_OPEN_LIBRARY);
    EXPECT_EQ(ConnectAndSetClock(sim.protocol, {}), ClockResult::WriteFailed);
    EXPECT_EQ(sim.prompter.messages,
              (Strings{"Error:Can't Find FT_Open", "FT_OpenEx is not valid!",
                       "FT_SetBaudRate is not valid!", "FT_SetDataCharacteristics is not valid!",
                       "FT_SetFlowControl is not valid!", "No Device Found!"}));
}

struct CliFixture : ::testing::Test {
    TempFolder folder;

    // The exit status of corvanectl with args; its output goes to folder/stdout and folder/stderr.
    int run(const std::string& args) {
        const std::string command = "CORVANE_D2XX_LIBRARY='" CORVANE_SIM_LIBRARY
                                    "' CORVANE_SIM_TIMING=instant "
                                    "CORVANE_SIM_STATE_FILE='" +
                                    folder.file("state") + "' '" CORVANECTL "' " + args + " 2>'" +
                                    folder.file("stderr") + "' >'" + folder.file("stdout") + "'";
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
        const Bytes table = EventFileBytes(kind, InfoOf(kind).maxEntries - dated, dated);
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
    EXPECT_EQ(output("stdout"), "0\tVelmora\n");
    EXPECT_EQ(run("clock"), 0);
    EXPECT_THAT(output("state"),
                ::testing::ContainsRegex("^clock [0-9a-f]{14}\n")); // for the next process
    folder.write("a.aud", EventFileBytes(EventKind::Audio, 2));
    EXPECT_EQ(run("send audio '" + folder.file("a.aud") + "'"), 0);
    EXPECT_EQ(run("empty audio"), 0);
    EXPECT_EQ(run("receive audio '" + folder.file("b.aud") + "'"), 0);
    EXPECT_TRUE(folder.read("b.aud").empty());
    EXPECT_EQ(output("stderr"), "");
    const Bytes two = EventFileBytes(EventKind::Midi, 2);
    for (const auto& [bytes, why] :
         {std::pair{EventFileBytes(EventKind::Midi, 0), "holds no records"},
          std::pair{Bytes(two.begin(), two.end() - 1), "shorter than its header counts say"}}) {
        folder.write("table.mdi", bytes);
        EXPECT_EQ(run("send midi '" + folder.file("table.mdi") + "'"), 1);
        EXPECT_NE(output("stderr").find(why), std::string::npos) << why;
    }
    EXPECT_EQ(run("send midi"), 2);
    EXPECT_EQ(run("empty nokind"), 2);
}

} // namespace
} // namespace corvane

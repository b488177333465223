// Through the real run-time binding of the simulated controller library.

#include "DeviceTestFiles.h"
#include "FakeD2xx.h"

#include "device/ControllerCommands.h"
#include "device/DeviceLink.h"
#include "device/DynamicLibrary.h"
#include "support/RecordingPrompter.h"

#include <gtest/gtest.h>

#include <fstream>

namespace corvane {
namespace {

using namespace test;
using Bytes = std::vector<std::uint8_t>;
using Strings = std::vector<std::string>;

// The simulated library as a test configures it: the same loaded copy the link
// binds, reset and set to instant timing.
class SimLibrary {
public:
    explicit SimLibrary(const char* file) {
        EXPECT_TRUE(library_.load(file)) << file;
        configure_ = reinterpret_cast<int (*)(const char*, const char*)>(library_.symbol("corvaneSimConfigure"));
        set("reset", "");
        set("timing", "instant");
    }
    void set(const std::string& key, const std::string& value) {
        ASSERT_NE(configure_, nullptr);
        EXPECT_EQ(configure_(key.c_str(), value.c_str()), 0) << key << "=" << value;
    }

private:
    DynamicLibrary library_;
    int (*configure_)(const char*, const char*) = nullptr;
};

struct SimFixture : ::testing::Test {
    SimLibrary sim{CORVANE_SIM_LIBRARY};
    DeviceCallLog log;
    RecordingPrompter prompter;
    FakePacer pacer{log};
    FakeProgress progress{log};
    DeviceLink link{prompter};
    ControllerProtocol protocol{link, pacer, prompter};
    ScratchFolder folder;

    void bind(const char* library = CORVANE_SIM_LIBRARY) { link.BindDriver(library); }

    SendResult send(EventKind kind, const Bytes& table) {
        const std::string path = folder.file("sent");
        WriteBytes(path, table);
        return protocol.sendTable(kind, path, progress);
    }
    // The received bytes, or nothing when no complete table came.
    std::optional<Bytes> receive(EventKind kind) {
        const std::string path = folder.file("received");
        const ReceiveResult result = protocol.receiveTable(kind, path).result;
        if (result != ReceiveResult::Received && result != ReceiveResult::EmptyTable)
            return std::nullopt;
        return ReadBytes(path);
    }
};

TEST_F(SimFixture, FullTablesOfEveryKindComeBackByteForByte) {
    bind();
    for (EventKind kind : kAllEventKinds) {
        SCOPED_TRACE(InfoOf(kind).cliName);
        const std::uint32_t most = InfoOf(kind).maxEntries;
        const Bytes table = kind == EventKind::WeekClock ? EventFileBytes(kind, most - 300, 300)
                                                         : EventFileBytes(kind, most);
        EXPECT_EQ(send(kind, table), SendResult::Sent);
        EXPECT_EQ(receive(kind), table);
    }
    EXPECT_TRUE(prompter.messages.empty());
}

TEST_F(SimFixture, TablesAndClockSurviveARestartInTheStateFile) {
    const std::string state = folder.file("controller.state");
    sim.set("state_file", state);
    bind();
    EXPECT_EQ(ConnectAndSetClock(protocol, {2031, 1, 5, 1, 9, 7, 3}), ClockResult::Set);
    const Bytes table = EventFileBytes(EventKind::Sensor, 4);
    EXPECT_EQ(send(EventKind::Sensor, table), SendResult::Sent);

    // A restart: the controller forgets everything and the program binds anew.
    sim.set("reset", "");
    sim.set("timing", "instant");
    DeviceLink restarted(prompter);
    restarted.BindDriver(CORVANE_SIM_LIBRARY);
    ControllerProtocol again(restarted, pacer, prompter);
    const std::string path = folder.file("received");
    EXPECT_EQ(again.receiveTable(EventKind::Sensor, path).result, ReceiveResult::EmptyTable);
    sim.set("state_file", state);
    EXPECT_EQ(again.receiveTable(EventKind::Sensor, path).result, ReceiveResult::Received);
    EXPECT_EQ(ReadBytes(path), table);
    std::ifstream in(state);
    std::string clockLine;
    std::getline(in, clockLine);
    EXPECT_EQ(clockLine, "clock 1f010501090703");
}

// A fault configured before the exchange, and how the exchange must end.
struct FaultCase {
    const char* name;
    Strings settings; // key, value, key, value ...
    ClockResult clock;
    SendResult sent;
    bool received;
    Strings messages;
};

class SimFaults : public SimFixture, public ::testing::WithParamInterface<FaultCase> {};

TEST_P(SimFaults, EndTheExchangeAsTheyShould) {
    const FaultCase& c = GetParam();
    bind();
    EXPECT_EQ(send(EventKind::Relay, EventFileBytes(EventKind::Relay, 40)), SendResult::Sent); // 1296 bytes
    for (std::size_t i = 0; i + 1 < c.settings.size(); i += 2)
        sim.set(c.settings[i], c.settings[i + 1]);
    EXPECT_EQ(ConnectAndSetClock(protocol, {}), c.clock);
    EXPECT_EQ(receive(EventKind::Relay).has_value(), c.received);
    EXPECT_EQ(send(EventKind::Relay, EventFileBytes(EventKind::Relay, 40)), c.sent);
    EXPECT_EQ(prompter.messages, c.messages);
}

const ClockResult kSet = ClockResult::Set;
const ClockResult kWrong = ClockResult::WrongReply;

INSTANTIATE_TEST_SUITE_P(
    Cases, SimFaults,
    ::testing::Values(
        FaultCase{"None", {}, kSet, SendResult::Sent, true, {}},
        FaultCase{"ClockReplyOfNineteen", {"clock_reply_bytes", "19"}, kWrong, SendResult::Sent, true,
                  {"Time Set is Error!"}},
        FaultCase{"ClockReplyOfTwentyOne", {"clock_reply_bytes", "21"}, kWrong, SendResult::Sent, true,
                  {"Time Set is Error!"}},
        FaultCase{"NoReply", {"no_reply", "1"}, kWrong, SendResult::NoReply, false, {"Time Set is Error!"}},
        // The clock packet and reply (40 bytes), the request and reply (40), then 100 of 1296 table bytes.
        FaultCase{"CutDuringTheTable", {"cut_after", "180"}, kSet, SendResult::AnnounceFailed, false, {}},
        // The clock and the receive go through (1376 bytes); the send is cut inside its first chunk.
        FaultCase{"CutDuringTheSend", {"cut_after", "1516"}, kSet, SendResult::ChunkFailed, true, {}},
        FaultCase{"WriteFailsFromTheThirdCall", {"fail", "FT_Write@3"}, kSet, SendResult::AnnounceFailed, true, {}},
        FaultCase{"Unplugged", {"unplugged", "1"}, ClockResult::WriteFailed, SendResult::AnnounceFailed, false, {}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(SimFixture, ALibraryWithoutGetStatusStillDoesEverything) {
    SimLibrary variant(CORVANE_SIM_WITHOUT_GET_STATUS_LIBRARY);
    bind(CORVANE_SIM_WITHOUT_GET_STATUS_LIBRARY);
    EXPECT_EQ(prompter.messages, Strings{"Error:Can't Find FT_GetStatus"});
    const Bytes table = EventFileBytes(EventKind::Analog, 3);
    EXPECT_EQ(ConnectAndSetClock(protocol, {}), ClockResult::Set);
    EXPECT_EQ(send(EventKind::Analog, table), SendResult::Sent);
    EXPECT_EQ(receive(EventKind::Analog), table);
    EXPECT_EQ(prompter.messages.size(), 1u);
}

TEST_F(SimFixture, ALibraryWithoutOpenLeavesEverythingAfterItUnbound) {
    SimLibrary variant(CORVANE_SIM_WITHOUT_OPEN_LIBRARY);
    bind(CORVANE_SIM_WITHOUT_OPEN_LIBRARY);
    EXPECT_EQ(ConnectAndSetClock(protocol, {}), ClockResult::WriteFailed);
    EXPECT_EQ(prompter.messages,
              (Strings{"Error:Can't Find FT_Open", "FT_OpenEx is not valid!", "FT_SetBaudRate is not valid!",
                       "FT_SetDataCharacteristics is not valid!", "FT_SetFlowControl is not valid!",
                       "No Device Found!"}));
}

} // namespace
} // namespace corvane

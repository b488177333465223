// Through the real run-time binding of the simulated controller library.

#include "DeviceTestRig.h"

#include "device/ControllerCommands.h"
#include "device/DynamicLibrary.h"

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
        configure = reinterpret_cast<int (*)(const char*, const char*)>(library.symbol("corvaneSimConfigure"));
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
    // The received bytes, or nothing when no complete table came.
    std::optional<Bytes> receive(EventKind kind) {
        const ReceiveResult result = protocol.receiveTable(kind, folder.file("received")).result;
        if (result != ReceiveResult::Received && result != ReceiveResult::EmptyTable)
            return std::nullopt;
        return folder.read("received");
    }
};

// A fault configured after a table went over, and how the exchanges must end.
TEST(SimLibrary, FaultsEndTheExchangesAsTheyShould) {
    struct Case { const char* name; std::string key, value; ClockResult clock; SendResult sent; bool received, clockMessage; };
    const ClockResult kSet = ClockResult::Set;
    // "cut during the table": the clock packet and reply (40 bytes), the request and reply (40), then 100 of
    // the 1296 table bytes. "cut during the send": the clock and the receive go through (1376 bytes); the
    // send is cut inside its first chunk.
    // clang-format off
    const std::vector<Case> cases = {
        {"none", "", "", kSet, SendResult::Sent, true, false},
        {"clock reply of 19", "clock_reply_bytes", "19", ClockResult::WrongReply, SendResult::Sent, true, true},
        {"no reply", "no_reply", "1", ClockResult::WrongReply, SendResult::NoReply, false, true},
        {"cut during the table", "cut_after", "180", kSet, SendResult::AnnounceFailed, false, false},
        {"cut during the send", "cut_after", "1516", kSet, SendResult::ChunkFailed, true, false},
        {"write fails from the third call", "fail", "FT_Write@3", kSet, SendResult::AnnounceFailed, true, false},
        {"unplugged", "unplugged", "1", ClockResult::WriteFailed, SendResult::AnnounceFailed, false, false},
    };
    // clang-format on
    const Bytes table = EventFileBytes(EventKind::Relay, 40); // 1296 bytes
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SimRig sim;
        EXPECT_EQ(sim.send(EventKind::Relay, table), SendResult::Sent);
        if (!c.key.empty())
            sim.set(c.key, c.value);
        EXPECT_EQ(ConnectAndSetClock(sim.protocol, {}), c.clock);
        EXPECT_EQ(sim.receive(EventKind::Relay).has_value(), c.received);
        EXPECT_EQ(sim.send(EventKind::Relay, table), c.sent);
        EXPECT_EQ(sim.prompter.messages, c.clockMessage ? Strings{"Time Set is Error!"} : Strings{});
    }
}

TEST(SimLibrary, ALibraryWithoutGetStatusStillDoesEverything) {
    SimRig sim(CORVANE_SIM_WITHOUT_GET_STATUS_LIBRARY);
    const Bytes table = EventFileBytes(EventKind::Analog, 3);
    EXPECT_EQ(ConnectAndSetClock(sim.protocol, {}), ClockResult::Set);
    EXPECT_EQ(sim.send(EventKind::Analog, table), SendResult::Sent);
    EXPECT_EQ(sim.receive(EventKind::Analog), table);
    EXPECT_EQ(sim.prompter.messages, Strings{"Error:Can't Find FT_GetStatus"});
}

TEST(SimLibrary, ALibraryWithoutOpenLeavesEverythingAfterItUnbound) {
    SimRig sim(CORVANE_SIM_WITHOUT_OPEN_LIBRARY);
    EXPECT_EQ(ConnectAndSetClock(sim.protocol, {}), ClockResult::WriteFailed);
    EXPECT_EQ(sim.prompter.messages,
              (Strings{"Error:Can't Find FT_Open", "FT_OpenEx is not valid!", "FT_SetBaudRate is not valid!",
                       "FT_SetDataCharacteristics is not valid!", "FT_SetFlowControl is not valid!",
                       "No Device Found!"}));
}

} // namespace
} // namespace corvane

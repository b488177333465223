// Through the real run-time binding of the simulated controller library.

#include "DeviceTestRig.h"

#include "device/ControllerCommands.h"
#include "device/DynamicLibrary.h"

namespace corvane {
namespace {

using namespace test;

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

struct SimFixture : LinkRig, ::testing::Test {
    SimLibrary sim{CORVANE_SIM_LIBRARY};

    SendResult send(EventKind kind, const Bytes& table, ControllerProtocol* over = nullptr) {
        folder.write("sent", table);
        return (over ? *over : protocol).sendTable(kind, folder.file("sent"), progress);
    }
    // The received bytes, or nothing when no complete table came.
    std::optional<Bytes> receive(EventKind kind, ControllerProtocol* over = nullptr) {
        const ReceiveResult result = (over ? *over : protocol).receiveTable(kind, folder.file("received")).result;
        if (result != ReceiveResult::Received && result != ReceiveResult::EmptyTable)
            return std::nullopt;
        return folder.read("received");
    }
};

// A fault configured before the exchanges, and how each must end.
TEST_F(SimFixture, FaultsEndTheExchangesAsTheyShould) {
    struct Case {
        const char* name;
        Strings settings; // key, value, key, value ...
        ClockResult clock;
        SendResult sent;
        bool received;
        bool clockMessage;
    };
    const ClockResult kSet = ClockResult::Set;
    const ClockResult kWrong = ClockResult::WrongReply;
    const std::vector<Case> cases = {
        {"none", {}, kSet, SendResult::Sent, true, false},
        {"clock reply of 19", {"clock_reply_bytes", "19"}, kWrong, SendResult::Sent, true, true},
        {"clock reply of 21", {"clock_reply_bytes", "21"}, kWrong, SendResult::Sent, true, true},
        {"no reply", {"no_reply", "1"}, kWrong, SendResult::NoReply, false, true},
        // The clock packet and reply (40 bytes), the request and reply (40), then 100 of 1296 table bytes.
        {"cut during the table", {"cut_after", "180"}, kSet, SendResult::AnnounceFailed, false, false},
        // The clock and the receive go through (1376 bytes); the send is cut inside its first chunk.
        {"cut during the send", {"cut_after", "1516"}, kSet, SendResult::ChunkFailed, true, false},
        {"write fails from the third call", {"fail", "FT_Write@3"}, kSet, SendResult::AnnounceFailed, true, false},
        {"unplugged", {"unplugged", "1"}, ClockResult::WriteFailed, SendResult::AnnounceFailed, false, false},
    };
    const Bytes table = EventFileBytes(EventKind::Relay, 40); // 1296 bytes
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        sim.set("reset", "");
        sim.set("timing", "instant");
        DeviceLink fresh(prompter);
        fresh.BindDriver(CORVANE_SIM_LIBRARY);
        ControllerProtocol over(fresh, pacer, prompter);
        prompter.messages.clear();
        EXPECT_EQ(send(EventKind::Relay, table, &over), SendResult::Sent);
        for (std::size_t i = 0; i + 1 < c.settings.size(); i += 2)
            sim.set(c.settings[i], c.settings[i + 1]);
        EXPECT_EQ(ConnectAndSetClock(over, {}), c.clock);
        EXPECT_EQ(receive(EventKind::Relay, &over).has_value(), c.received);
        EXPECT_EQ(send(EventKind::Relay, table, &over), c.sent);
        EXPECT_EQ(prompter.messages, c.clockMessage ? Strings{"Time Set is Error!"} : Strings{});
    }
}

TEST_F(SimFixture, ALibraryWithoutGetStatusStillDoesEverything) {
    SimLibrary variant(CORVANE_SIM_WITHOUT_GET_STATUS_LIBRARY);
    link.BindDriver(CORVANE_SIM_WITHOUT_GET_STATUS_LIBRARY);
    const Bytes table = EventFileBytes(EventKind::Analog, 3);
    EXPECT_EQ(ConnectAndSetClock(protocol, {}), ClockResult::Set);
    EXPECT_EQ(send(EventKind::Analog, table), SendResult::Sent);
    EXPECT_EQ(receive(EventKind::Analog), table);
    EXPECT_EQ(prompter.messages, Strings{"Error:Can't Find FT_GetStatus"});
}

TEST_F(SimFixture, ALibraryWithoutOpenLeavesEverythingAfterItUnbound) {
    SimLibrary variant(CORVANE_SIM_WITHOUT_OPEN_LIBRARY);
    link.BindDriver(CORVANE_SIM_WITHOUT_OPEN_LIBRARY);
    EXPECT_EQ(ConnectAndSetClock(protocol, {}), ClockResult::WriteFailed);
    EXPECT_EQ(prompter.messages,
              (Strings{"Error:Can't Find FT_Open", "FT_OpenEx is not valid!", "FT_SetBaudRate is not valid!",
                       "FT_SetDataCharacteristics is not valid!", "FT_SetFlowControl is not valid!",
                       "No Device Found!"}));
}

} // namespace
} // namespace corvane

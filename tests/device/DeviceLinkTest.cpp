#include "DeviceTestRig.h"
#include "device/ControllerCommands.h"

namespace corvane {
namespace {

using namespace test;
using LinkFixture = FakeRig;

// The link starts bound to the fake: a failed load must not leave those entry points bound.
TEST_F(LinkFixture, WithoutTheLibraryStartUpShowsItsMessagesInOrderAndCallsFail) {
    link.BindDriver("/nonexistent/libftd2xx.so");
    EXPECT_EQ(ConnectAndSetClock(protocol), ClockResult::WriteFailed);
    EXPECT_EQ(link.SetTimeouts(500, 150), 1u); // an unbound entry point fails with status one
    EXPECT_EQ(
        prompter.messages,
        (Strings{"Error:Can't Load ft8u245.dll", "FT_ListDevices is not valid!", "No Device Found!",
                 "FT_Write is not valid!", "FT_SetTimeouts is not valid!"}));
}

Strings operator+(Strings all, const Strings& more) {
    all.insert(all.end(), more.begin(), more.end());
    return all;
}

Strings Listed(int index) {
    return {"FT_ListDevices(" + std::to_string(index) + ", 0x40000002)"};
}
Strings Opened(const std::string& name) {
    return {"FT_OpenEx(" + name + ", 0x40000002)"};
}
const Strings kCount = {"FT_ListDevices(count, 0x80000000)"};
const Strings kLine = {"FT_SetBaudRate(1000000)", "FT_SetDataCharacteristics(8, 2, 0)",
                       "FT_SetFlowControl(0, 0, 0)"};
const Strings kTimeouts = {"FT_SetTimeouts(500, 150)"};

// Discovery: the devices on the bus, statuses the driver answers, and what must follow.
TEST_F(LinkFixture, DiscoveryOpensTheFirstMatchingDeviceOnly) {
    // clang-format off
    struct Case { const char* name; Strings devices; std::map<std::string, std::deque<d2xx::Status>> statuses; Strings calls; bool open; };
    const std::vector<Case> cases = {
        {"controller behind an unrelated device", {"FT232R USB UART", "Velmora", "tarnel_20"}, {}, kCount + Listed(0) + Listed(1) + Opened("Velmora") + kLine + kTimeouts, true},
        {"second device kind keeps the driver defaults", {"tarnel_20"}, {}, kCount + Listed(0) + Opened("tarnel_20") + kTimeouts, true},
        {"controller whose flow control fails is skipped", {"Velmora", "tarnel_20"}, {{"FT_SetFlowControl", {d2xx::kIoError}}},
         kCount + Listed(0) + Opened("Velmora") + kLine + Listed(1) + Opened("tarnel_20") + kTimeouts, true},
        {"second kind that does not open is skipped", {"tarnel_20"}, {{"FT_OpenEx", {d2xx::kDeviceNotOpened}}}, kCount + Listed(0) + Opened("tarnel_20"), false},
        {"description query that fails is skipped", {"Velmora"}, {{"FT_ListDevices", {d2xx::kOk, d2xx::kIoError}}}, kCount + Listed(0), false},
        {"letter case matters", {"velmora", "VELMORA", "Velmora "}, {}, kCount + Listed(0) + Listed(1) + Listed(2), false},
        {"unterminated description is cut, not overread", {std::string(80, 'V')}, {}, kCount + Listed(0), false},
        {"no devices", {}, {}, kCount, false},
    };
    // clang-format on
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        DeviceLink fresh(prompter);
        fresh.BindEntryPoints(FakeD2xx::lookup);
        log.calls.clear();
        prompter.messages.clear();
        driver.devices = c.devices;
        driver.statuses = c.statuses;
        fresh.OpenController(kControllerBaudRate);
        EXPECT_EQ(log.calls, c.calls);
        EXPECT_EQ(fresh.isOpen(), c.open);
        EXPECT_EQ(prompter.messages, c.open ? Strings{} : Strings{"No Device Found!"});
        log.calls.clear();
        driver.devices = {"Velmora"}; // only a failed search is made again
        fresh.OpenController(kControllerBaudRate);
        EXPECT_EQ(log.calls.empty(), c.open);
        EXPECT_TRUE(fresh.isOpen());
    }
}

} // namespace
} // namespace corvane

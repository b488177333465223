#include "DeviceTestRig.h"

#include <dlfcn.h>

namespace corvane {
namespace {

using namespace test;
using LinkFixture = FakeRig;

Strings operator+(Strings all, const Strings& more) {
    all.insert(all.end(), more.begin(), more.end());
    return all;
}

Strings L(int index) {
    return {"FT_ListDevices(" + std::to_string(index) + ", 0x40000002)"};
}
Strings Opened(const std::string& name) {
    return {"FT_OpenEx(" + name + ", 0x40000002)"};
}
const Strings kCount = {"FT_ListDevices(count, 0x80000000)"};
const Strings kLine = {"FT_SetBaudRate(1000000)", "FT_SetDataCharacteristics(8, 2, 0)",
                       "FT_SetFlowControl(0, 0, 0)"};
const Strings kTimeouts = {"FT_SetTimeouts(500, 150)"};

// The link starts bound to the fake: a failed load must not leave those entry points bound.
TEST_F(LinkFixture, WithoutTheLibraryStartUpShowsItsMessagesInOrder) {
    link.bindDriver("/nonexistent/libftd2xx.so");
    EXPECT_EQ(protocol.connectAndSetClock(), ClockResult::WriteFailed);
    EXPECT_EQ(prompter.messages,
              (Strings{"Error:Can't Load ft8u245.dll", "FT_ListDevices is not valid!",
                       "No Device Found!", "FT_Write is not valid!"}));
    EXPECT_EQ(log.calls, Strings{"sleep(10)"}); // the fake driver is no longer called
}

TEST_F(LinkFixture, StartUpReadsTheClockAfterTheOpenAndItsPause) {
    const auto readTime = [this] {
        log.add("read the clock");
        return ClockTime{2031, 1, 5, 1, 9, 7, 3};
    };
    driver.reads = {Reply(20)};
    EXPECT_EQ(protocol.connectAndSetClock(readTime), ClockResult::Set);
    const Strings exchange{"sleep(10)", "read the clock", "FT_Write(20)", "sleep(100)",
                           "FT_Read(100)"};
    EXPECT_EQ(log.calls, kCount + L(0) + Opened("Velmora") + kLine + kTimeouts + exchange);
    const Bytes packet{0xAA, 0x55, 0xA8, 0x1F, 1, 5, 1, 9, 7, 3, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
    EXPECT_EQ(driver.writes, std::vector<Bytes>{packet});
}

TEST(D2xxLinkLifetime, AnOpenDeviceIsClosedOnceAndTheDriverStaysLoaded) {
    ProgramSide program;
    {
        FakeD2xx driver(program.log);
        D2xxLink link(program.prompter);
        link.bindEntryPoints(FakeD2xx::lookup);
        link.openController();
        link.close();
        link.openController();
        program.log.calls.clear();
    }
    EXPECT_EQ(program.log.calls, Strings{"FT_Close"}); // when the link went
    {
        D2xxLink link(program.prompter);
        link.bindDriver(CORVANE_SIM_WITHOUT_OPEN_LIBRARY);
    }
    void* stillLoaded = dlopen(CORVANE_SIM_WITHOUT_OPEN_LIBRARY, RTLD_NOW | RTLD_NOLOAD);
    EXPECT_NE(stillLoaded, nullptr);
    if (stillLoaded != nullptr)
        dlclose(stillLoaded);
}

TEST_F(LinkFixture, DiscoveryOpensTheFirstMatchingDeviceOnly) {
    using Statuses = std::map<std::string, std::deque<d2xx::Status>>;
    const Statuses flow{{"FT_SetFlowControl", {d2xx::kIoError}}};
    const Statuses query{{"FT_ListDevices", {d2xx::kOk, d2xx::kIoError}}};
    struct Case {
        const char* name;
        Strings devices;
        Statuses statuses;
        Strings calls;
    };
    // N: the count; L(i): a description query; V: the controller opened with its line;
    // S: the second kind opened; T: the timeouts set.
    const Strings N = kCount, V = Opened("Velmora") + kLine, S = Opened("tarnel_20"), T = kTimeouts;
    // clang-format off
    const std::vector<Case> cases = {
        {"after another",    {"FT", "Velmora", "tarnel_20"}, {},    N + L(0) + L(1) + V + T},
        {"flow fails",       {"Velmora", "tarnel_20"},       flow,  N + L(0) + V + L(1) + S + T},
        {"query fails",      {"Velmora"},                    query, N + L(0)},
        {"unterminated",     {std::string(80, 'V')},         {},    N + L(0)},
    };
    // clang-format on
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        D2xxLink fresh(prompter);
        fresh.bindEntryPoints(FakeD2xx::lookup);
        log.calls.clear();
        prompter.messages.clear();
        driver.devices = c.devices;
        driver.statuses = c.statuses;
        fresh.openController();
        EXPECT_EQ(log.calls, c.calls);
        const bool open = c.calls.back() == T.back();
        EXPECT_EQ(fresh.isOpen(), open);
        EXPECT_EQ(prompter.messages, open ? Strings{} : Strings{"No Device Found!"});
        log.calls.clear();
        driver.devices = {"Velmora"}; // only a failed search is made again
        fresh.openController();
        EXPECT_EQ(log.calls.empty(), open);
        EXPECT_TRUE(fresh.isOpen());
    }
}

} // namespace
} // namespace corvane

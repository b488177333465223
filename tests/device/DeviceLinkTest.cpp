#include "DeviceTestRig.h"

#include "device/ControllerCommands.h"

#include <cstdlib>
#include <functional>

namespace corvane {
namespace {

using namespace test;
using LinkFixture = FakeRig;

// Which entry points are bound, in lookup order.
std::vector<bool> Bound(const d2xx::EntryPoints& e) {
    return {!!e.listDevices, !!e.write,       !!e.read,        !!e.open,
            !!e.openEx,      !!e.close,       !!e.setTimeouts, !!e.setBaudRate,
            !!e.setDataCharacteristics,       !!e.setFlowControl,
            !!e.resetDevice, !!e.purge,       !!e.getStatus};
}

TEST_F(LinkFixture, BindingStopsAtTheFirstMissingNameAndSaysWhich) {
    for (std::size_t missing = 0; missing <= kD2xxEntryPointNames.size(); ++missing) {
        const bool complete = missing == kD2xxEntryPointNames.size();
        SCOPED_TRACE(complete ? "none missing" : kD2xxEntryPointNames[missing]);
        driver.missing = complete ? std::set<std::string>{} : std::set<std::string>{kD2xxEntryPointNames[missing]};
        prompter.messages.clear();
        link.BindEntryPoints([this](const char* name) { return driver.lookup(name); });
        EXPECT_EQ(prompter.messages,
                  complete ? Strings{} : Strings{std::string("Error:Can't Find ") + kD2xxEntryPointNames[missing]});
        const std::vector<bool> bound = Bound(link.entryPoints());
        for (std::size_t i = 0; i < bound.size(); ++i)
            EXPECT_EQ(bound[i], i < missing) << kD2xxEntryPointNames[i];
    }
}

TEST_F(LinkFixture, EveryWrapperWithoutItsEntryPointSaysSoAndFailsWithStatusOne) {
    DeviceLink unbound(prompter);
    d2xx::Dword count = 0;
    std::uint8_t buffer[8] = {};
    const std::vector<std::pair<std::function<d2xx::Status()>, std::string>> cases = {
        {[&] { return unbound.ListDevices(&count, nullptr, d2xx::kListNumberOnly); }, "FT_ListDevices"},
        {[&] { return unbound.OpenEx(buffer, 2); }, "FT_OpenEx"},
        {[&] { return unbound.Write(buffer, 8, &count); }, "FT_Write"},
        {[&] { return unbound.Read(buffer, 8, &count); }, "FT_Read"},
        {[&] { return unbound.SetTimeouts(500, 150); }, "FT_SetTimeouts"},
        {[&] { return unbound.SetBaudRate(kControllerBaudRate); }, "FT_SetBaudRate"},
        {[&] { return unbound.SetDataCharacteristics(8, 2, 0); }, "FT_SetDataCharacteristics"},
        {[&] { return unbound.SetFlowControl(0, 0, 0); }, "FT_SetFlowControl"},
    };
    for (const auto& [call, name] : cases) {
        prompter.messages.clear();
        EXPECT_EQ(call(), 1u);
        EXPECT_EQ(prompter.messages, Strings{name + " is not valid!"});
    }
    EXPECT_TRUE(log.calls.empty());
}

// The link starts bound to the fake: a failed load must not leave those entry points bound.
TEST_F(LinkFixture, WithoutTheLibraryStartUpShowsTheFourMessagesInOrder) {
    link.BindDriver("/nonexistent/libftd2xx.so");
    EXPECT_EQ(ConnectAndSetClock(protocol), ClockResult::WriteFailed);
    EXPECT_EQ(prompter.messages, (Strings{"Error:Can't Load ft8u245.dll", "FT_ListDevices is not valid!",
                                          "No Device Found!", "FT_Write is not valid!"}));
}

TEST(DriverLibraryFile, TheEnvironmentNamesTheLibraryWhenSet) {
    for (const char* set : {"", "/opt/sim/libftd2xx_sim.so"}) {
        ::setenv("CORVANE_D2XX_LIBRARY", set, 1);
        EXPECT_EQ(DriverLibraryFile(), *set ? set : "libftd2xx.so");
    }
    ::unsetenv("CORVANE_D2XX_LIBRARY");
    EXPECT_EQ(DriverLibraryFile(), "libftd2xx.so");
}

Strings Join(std::initializer_list<Strings> parts) {
    Strings all;
    for (const auto& p : parts)
        all.insert(all.end(), p.begin(), p.end());
    return all;
}

Strings Listed(int index) { return {"FT_ListDevices(" + std::to_string(index) + ", 0x40000002)"}; }
Strings Opened(const std::string& name) { return {"FT_OpenEx(" + name + ", 0x40000002)"}; }
const Strings kCountQuery = {"FT_ListDevices(count, 0x80000000)"};
const Strings kLineSettings = {"FT_SetBaudRate(1000000)", "FT_SetDataCharacteristics(8, 2, 0)",
                               "FT_SetFlowControl(0, 0, 0)"};
const Strings kTimeouts = {"FT_SetTimeouts(500, 150)"};
const Strings kVelmoraAt0 = Join({Listed(0), Opened("Velmora"), kLineSettings});

// Discovery: the devices on the bus, statuses the driver answers, and what must
// follow (the controller alone: below).
TEST_F(LinkFixture, DiscoveryOpensTheFirstMatchingDeviceOnly) {
    struct Case {
        const char* name;
        Strings devices;
        std::map<std::string, std::deque<d2xx::Status>> statuses;
        Strings calls;
        bool open;
    };
    const std::vector<Case> cases = {
        {"controller behind an unrelated device",
         {"FT232R USB UART", "Velmora", "tarnel_20"}, {},
         Join({kCountQuery, Listed(0), Listed(1), Opened("Velmora"), kLineSettings, kTimeouts}), true},
        {"second device kind keeps the driver defaults", {"tarnel_20"}, {},
         Join({kCountQuery, Listed(0), Opened("tarnel_20"), kTimeouts}), true},
        {"controller whose flow control fails is skipped", {"Velmora", "tarnel_20"},
         {{"FT_SetFlowControl", {d2xx::kIoError}}},
         Join({kCountQuery, kVelmoraAt0, Listed(1), Opened("tarnel_20"), kTimeouts}), true},
        {"second kind that does not open is skipped", {"tarnel_20"}, {{"FT_OpenEx", {d2xx::kDeviceNotOpened}}},
         Join({kCountQuery, Listed(0), Opened("tarnel_20")}), false},
        {"description query that fails is skipped", {"Velmora"}, {{"FT_ListDevices", {d2xx::kOk, d2xx::kIoError}}},
         Join({kCountQuery, Listed(0)}), false},
        {"letter case matters", {"velmora", "VELMORA", "Velmora "}, {},
         Join({kCountQuery, Listed(0), Listed(1), Listed(2)}), false},
        {"unterminated description is cut, not overread", {std::string(80, 'V')}, {},
         Join({kCountQuery, Listed(0)}), false},
        {"no devices", {}, {}, kCountQuery, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        DeviceLink fresh(prompter);
        fresh.BindEntryPoints([this](const char* name) { return driver.lookup(name); });
        log.calls.clear();
        prompter.messages.clear();
        driver.devices = c.devices;
        driver.statuses = c.statuses;
        fresh.OpenController(kControllerBaudRate);
        EXPECT_EQ(log.calls, c.calls);
        EXPECT_EQ(fresh.isOpen(), c.open);
        EXPECT_EQ(prompter.messages, c.open ? Strings{} : Strings{"No Device Found!"});
    }
}

TEST_F(LinkFixture, OnlyAFailedSearchIsRepeated) {
    driver.devices = {};
    link.OpenController(kControllerBaudRate);
    driver.devices = {"Velmora"};
    link.OpenController(kControllerBaudRate);
    link.OpenController(kControllerBaudRate); // open now: no driver call at all
    EXPECT_EQ(log.calls, Join({kCountQuery, kCountQuery, kVelmoraAt0, kTimeouts}));
    EXPECT_EQ(prompter.messages, Strings{"No Device Found!"});
}

} // namespace
} // namespace corvane

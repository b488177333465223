#include "DeviceTestRig.h"

#include "device/ControllerCommands.h"

#include <cstdlib>

namespace corvane {
namespace {

using namespace test;
using LinkFixture = FakeRig;

TEST_F(LinkFixture, BindingStopsAtTheFirstMissingNameAndSaysWhich) {
    for (std::size_t missing = 0; missing <= kD2xxEntryPointNames.size(); ++missing) {
        const bool complete = missing == kD2xxEntryPointNames.size();
        SCOPED_TRACE(complete ? "none missing" : kD2xxEntryPointNames[missing]);
        driver.missing = complete ? std::set<std::string>{} : std::set<std::string>{kD2xxEntryPointNames[missing]};
        prompter.messages.clear();
        link.BindEntryPoints([this](const char* name) { return driver.lookup(name); });
        EXPECT_EQ(prompter.messages,
                  complete ? Strings{} : Strings{std::string("Error:Can't Find ") + kD2xxEntryPointNames[missing]});
        const d2xx::EntryPoints& e = link.entryPoints(); // in lookup order
        const std::vector<bool> bound = {!!e.listDevices, !!e.write, !!e.read, !!e.open, !!e.openEx, !!e.close,
                                         !!e.setTimeouts, !!e.setBaudRate, !!e.setDataCharacteristics,
                                         !!e.setFlowControl, !!e.resetDevice, !!e.purge, !!e.getStatus};
        for (std::size_t i = 0; i < bound.size(); ++i)
            EXPECT_EQ(bound[i], i < missing) << kD2xxEntryPointNames[i];
    }
}

// The other wrappers say so in the start-up message sequences (missing library, library variants).
TEST_F(LinkFixture, WrappersWithoutTheirEntryPointSaySoAndFailWithStatusOne) {
    DeviceLink unbound(prompter);
    d2xx::Dword count = 0;
    std::uint8_t buffer[8] = {};
    EXPECT_EQ(unbound.Read(buffer, 8, &count), 1u);
    EXPECT_EQ(unbound.SetTimeouts(500, 150), 1u);
    EXPECT_EQ(prompter.messages, (Strings{"FT_Read is not valid!", "FT_SetTimeouts is not valid!"}));
    EXPECT_TRUE(log.calls.empty());
}

// The link starts bound to the fake: a failed load must not leave those entry points bound.
TEST_F(LinkFixture, WithoutTheLibraryStartUpShowsTheFourMessagesInOrder) {
    link.BindDriver("/nonexistent/libftd2xx.so");
    EXPECT_EQ(ConnectAndSetClock(protocol), ClockResult::WriteFailed);
    EXPECT_EQ(prompter.messages, (Strings{"Error:Can't Load ft8u245.dll", "FT_ListDevices is not valid!",
                                          "No Device Found!", "FT_Write is not valid!"}));
}

TEST(DriverLibraryFile, AnEmptySettingMeansTheSystemLibrary) {
    ::setenv("CORVANE_D2XX_LIBRARY", "", 1);
    EXPECT_EQ(DriverLibraryFile(), "libftd2xx.so");
    ::unsetenv("CORVANE_D2XX_LIBRARY");
}

Strings Join(std::initializer_list<Strings> parts) {
    Strings all;
    for (const auto& p : parts)
        all.insert(all.end(), p.begin(), p.end());
    return all;
}

Strings Listed(int index) { return {"FT_ListDevices(" + std::to_string(index) + ", 0x40000002)"}; }
Strings Opened(const std::string& name) { return {"FT_OpenEx(" + name + ", 0x40000002)"}; }
const Strings kCount = {"FT_ListDevices(count, 0x80000000)"};
const Strings kLine = {"FT_SetBaudRate(1000000)", "FT_SetDataCharacteristics(8, 2, 0)", "FT_SetFlowControl(0, 0, 0)"};
const Strings kTimeouts = {"FT_SetTimeouts(500, 150)"};

// Discovery: the devices on the bus, statuses the driver answers, and what must follow.
TEST_F(LinkFixture, DiscoveryOpensTheFirstMatchingDeviceOnly) {
    struct Case { const char* name; Strings devices; std::map<std::string, std::deque<d2xx::Status>> statuses; Strings calls; bool open; };
    // clang-format off
    const std::vector<Case> cases = {
        {"controller behind an unrelated device", {"FT232R USB UART", "Velmora", "tarnel_20"}, {}, Join({kCount, Listed(0), Listed(1), Opened("Velmora"), kLine, kTimeouts}), true},
        {"second device kind keeps the driver defaults", {"tarnel_20"}, {}, Join({kCount, Listed(0), Opened("tarnel_20"), kTimeouts}), true},
        {"controller whose flow control fails is skipped", {"Velmora", "tarnel_20"}, {{"FT_SetFlowControl", {d2xx::kIoError}}},
         Join({kCount, Listed(0), Opened("Velmora"), kLine, Listed(1), Opened("tarnel_20"), kTimeouts}), true},
        {"second kind that does not open is skipped", {"tarnel_20"}, {{"FT_OpenEx", {d2xx::kDeviceNotOpened}}}, Join({kCount, Listed(0), Opened("tarnel_20")}), false},
        {"description query that fails is skipped", {"Velmora"}, {{"FT_ListDevices", {d2xx::kOk, d2xx::kIoError}}}, Join({kCount, Listed(0)}), false},
        {"letter case matters", {"velmora", "VELMORA", "Velmora "}, {}, Join({kCount, Listed(0), Listed(1), Listed(2)}), false},
        {"unterminated description is cut, not overread", {std::string(80, 'V')}, {}, Join({kCount, Listed(0)}), false},
        {"no devices", {}, {}, kCount, false},
    };
    // clang-format on
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
    EXPECT_EQ(log.calls, Join({kCount, kCount, Listed(0), Opened("Velmora"), kLine, kTimeouts}));
    EXPECT_EQ(prompter.messages, Strings{"No Device Found!"});
}

} // namespace
} // namespace corvane

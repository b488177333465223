#include "FakeD2xx.h"

#include "device/ControllerCommands.h"
#include "device/DeviceLink.h"
#include "support/RecordingPrompter.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>

namespace corvane {
namespace {

using test::DeviceCallLog;
using test::FakeD2xx;
using Strings = std::vector<std::string>;

// Which entry points are bound, in lookup order.
std::vector<bool> Bound(const d2xx::EntryPoints& e) {
    return {e.listDevices != nullptr, e.write != nullptr,      e.read != nullptr,
            e.open != nullptr,        e.openEx != nullptr,     e.close != nullptr,
            e.setTimeouts != nullptr, e.setBaudRate != nullptr, e.setDataCharacteristics != nullptr,
            e.setFlowControl != nullptr, e.resetDevice != nullptr, e.purge != nullptr,
            e.getStatus != nullptr};
}

struct LinkFixture : ::testing::Test {
    DeviceCallLog log;
    FakeD2xx driver{log};
    test::RecordingPrompter prompter;
    DeviceLink link{prompter};

    void bind() {
        link.BindEntryPoints([this](const char* name) { return driver.lookup(name); });
    }
};

TEST_F(LinkFixture, BindingStopsAtTheFirstMissingNameAndSaysWhich) {
    for (std::size_t missing = 0; missing < kD2xxEntryPointNames.size(); ++missing) {
        SCOPED_TRACE(kD2xxEntryPointNames[missing]);
        driver.missing = {kD2xxEntryPointNames[missing]};
        prompter.messages.clear();
        bind();
        EXPECT_EQ(prompter.messages, Strings{std::string("Error:Can't Find ") + kD2xxEntryPointNames[missing]});
        const std::vector<bool> bound = Bound(link.entryPoints());
        for (std::size_t i = 0; i < bound.size(); ++i)
            EXPECT_EQ(bound[i], i < missing) << kD2xxEntryPointNames[i];
    }
}

TEST_F(LinkFixture, CompleteBindingIsSilent) {
    bind();
    EXPECT_TRUE(prompter.messages.empty());
    EXPECT_EQ(Bound(link.entryPoints()), std::vector<bool>(13, true));
}

TEST_F(LinkFixture, EveryWrapperWithoutItsEntryPointSaysSoAndFailsWithStatusOne) {
    d2xx::Dword count = 0;
    std::uint8_t buffer[8] = {};
    const std::vector<std::pair<std::function<d2xx::Status()>, std::string>> cases = {
        {[&] { return link.ListDevices(&count, nullptr, d2xx::kListNumberOnly); }, "FT_ListDevices is not valid!"},
        {[&] { return link.OpenEx(buffer, 2); }, "FT_OpenEx is not valid!"},
        {[&] { return link.Write(buffer, 8, &count); }, "FT_Write is not valid!"},
        {[&] { return link.Read(buffer, 8, &count); }, "FT_Read is not valid!"},
        {[&] { return link.SetTimeouts(500, 150); }, "FT_SetTimeouts is not valid!"},
        {[&] { return link.SetBaudRate(kControllerBaudRate); }, "FT_SetBaudRate is not valid!"},
        {[&] { return link.SetDataCharacteristics(8, 2, 0); }, "FT_SetDataCharacteristics is not valid!"},
        {[&] { return link.SetFlowControl(0, 0, 0); }, "FT_SetFlowControl is not valid!"},
    };
    for (const auto& [call, message] : cases) {
        prompter.messages.clear();
        EXPECT_EQ(call(), 1u);
        EXPECT_EQ(prompter.messages, Strings{message});
    }
    EXPECT_TRUE(log.calls.empty());
}

TEST_F(LinkFixture, WithoutTheLibraryStartUpShowsTheFourMessagesInOrder) {
    link.BindDriver("/nonexistent/libftd2xx.so");
    test::FakePacer pacer(log);
    ControllerProtocol protocol(link, pacer, prompter);
    EXPECT_EQ(ConnectAndSetClock(protocol), ClockResult::WriteFailed);
    EXPECT_EQ(prompter.messages, (Strings{"Error:Can't Load ft8u245.dll", "FT_ListDevices is not valid!",
                                          "No Device Found!", "FT_Write is not valid!"}));
}

TEST(DriverLibraryFile, TheEnvironmentNamesTheLibraryWhenSet) {
    ::unsetenv("CORVANE_D2XX_LIBRARY");
    EXPECT_EQ(DriverLibraryFile(), "libftd2xx.so");
    ::setenv("CORVANE_D2XX_LIBRARY", "", 1);
    EXPECT_EQ(DriverLibraryFile(), "libftd2xx.so");
    ::setenv("CORVANE_D2XX_LIBRARY", "/opt/sim/libftd2xx_sim.so", 1);
    EXPECT_EQ(DriverLibraryFile(), "/opt/sim/libftd2xx_sim.so");
    ::unsetenv("CORVANE_D2XX_LIBRARY");
}

// Discovery: the devices on the bus, statuses the driver answers, and what must follow.
struct DiscoveryCase {
    const char* name;
    Strings devices;
    std::map<std::string, std::deque<d2xx::Status>> statuses;
    Strings calls;
    bool open;
};

const Strings kCountQuery = {"FT_ListDevices(count, 0x80000000)"};
const Strings kVelmoraAt0 = {"FT_ListDevices(0, 0x40000002)", "FT_OpenEx(Velmora, 0x40000002)",
                             "FT_SetBaudRate(1000000)",       "FT_SetDataCharacteristics(8, 2, 0)",
                             "FT_SetFlowControl(0, 0, 0)"};
const Strings kTimeouts = {"FT_SetTimeouts(500, 150)"};

Strings Join(std::initializer_list<Strings> parts) {
    Strings all;
    for (const auto& p : parts)
        all.insert(all.end(), p.begin(), p.end());
    return all;
}

class Discovery : public LinkFixture, public ::testing::WithParamInterface<DiscoveryCase> {};

TEST_P(Discovery, OpensTheFirstMatchingDeviceOnly) {
    const DiscoveryCase& c = GetParam();
    driver.devices = c.devices;
    driver.statuses = c.statuses;
    bind();
    link.OpenController(kControllerBaudRate);
    EXPECT_EQ(log.calls, c.calls);
    EXPECT_EQ(link.isOpen(), c.open);
    EXPECT_EQ(prompter.messages, c.open ? Strings{} : Strings{"No Device Found!"});
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Discovery,
    ::testing::Values(
        DiscoveryCase{"ControllerAlone", {"Velmora"}, {}, Join({kCountQuery, kVelmoraAt0, kTimeouts}), true},
        DiscoveryCase{"ControllerBehindAnUnrelatedDevice",
                      {"FT232R USB UART", "Velmora", "tarnel_20"},
                      {},
                      Join({kCountQuery,
                            {"FT_ListDevices(0, 0x40000002)", "FT_ListDevices(1, 0x40000002)",
                             "FT_OpenEx(Velmora, 0x40000002)", "FT_SetBaudRate(1000000)",
                             "FT_SetDataCharacteristics(8, 2, 0)", "FT_SetFlowControl(0, 0, 0)"},
                            kTimeouts}),
                      true},
        DiscoveryCase{"SecondDeviceKindKeepsTheDriverDefaults",
                      {"tarnel_20"},
                      {},
                      Join({kCountQuery, {"FT_ListDevices(0, 0x40000002)", "FT_OpenEx(tarnel_20, 0x40000002)"},
                            kTimeouts}),
                      true},
        DiscoveryCase{"ControllerWhoseFlowControlFailsIsSkipped",
                      {"Velmora", "tarnel_20"},
                      {{"FT_SetFlowControl", {d2xx::kIoError}}},
                      Join({kCountQuery, kVelmoraAt0,
                            {"FT_ListDevices(1, 0x40000002)", "FT_OpenEx(tarnel_20, 0x40000002)"}, kTimeouts}),
                      true},
        DiscoveryCase{"SecondKindThatDoesNotOpenIsSkipped",
                      {"tarnel_20"},
                      {{"FT_OpenEx", {d2xx::kDeviceNotOpened}}},
                      Join({kCountQuery, {"FT_ListDevices(0, 0x40000002)", "FT_OpenEx(tarnel_20, 0x40000002)"}}),
                      false},
        DiscoveryCase{"DescriptionQueryThatFailsIsSkipped",
                      {"Velmora"},
                      {{"FT_ListDevices", {d2xx::kOk, d2xx::kIoError}}},
                      Join({kCountQuery, {"FT_ListDevices(0, 0x40000002)"}}),
                      false},
        DiscoveryCase{"LetterCaseMatters",
                      {"velmora", "VELMORA", "Velmora "},
                      {},
                      Join({kCountQuery,
                            {"FT_ListDevices(0, 0x40000002)", "FT_ListDevices(1, 0x40000002)",
                             "FT_ListDevices(2, 0x40000002)"}}),
                      false},
        DiscoveryCase{"UnterminatedDescriptionIsCutNotOverread",
                      {std::string(80, 'V')},
                      {},
                      Join({kCountQuery, {"FT_ListDevices(0, 0x40000002)"}}),
                      false},
        DiscoveryCase{"NoDevices", {}, {}, kCountQuery, false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(LinkFixture, OnlyAFailedSearchIsRepeated) {
    driver.devices = {};
    bind();
    link.OpenController(kControllerBaudRate);
    driver.devices = {"Velmora"};
    link.OpenController(kControllerBaudRate);
    link.OpenController(kControllerBaudRate); // open now: no driver call at all
    EXPECT_EQ(log.calls, Join({kCountQuery, kCountQuery, kVelmoraAt0, kTimeouts}));
    EXPECT_EQ(prompter.messages, Strings{"No Device Found!"});
}

} // namespace
} // namespace corvane

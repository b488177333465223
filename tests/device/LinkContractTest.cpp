// The controller link contract, and the D2XX link joining it twice: over the
// in-process fake driver with the simulated controller behind it, and over the
// simulated library loaded at run time.

#include "LinkContract.h"

#include "SimController.h"
#include "SimSettings.h"

#include <array>

namespace corvane {
namespace {

using namespace test;

Bytes ClockPacket() {
    const Packet packet = BuildSetClockRequest({2031, 1, 5, 1, 9, 7, 3});
    return {packet.begin(), packet.end()};
}

TEST_P(LinkContract, WithoutAControllerOpenSaysSoAndWritesFail) {
    under->removeController();
    link.openController();
    EXPECT_FALSE(link.isOpen());
    EXPECT_EQ(under->prompter.messages, Strings{"No Device Found!"});
    EXPECT_FALSE(link.write(ClockPacket()));
}

// The 20-byte reply to a clock packet: read in part, counted, read on, dropped.
TEST_P(LinkContract, AReadTakesWhatCameAndPurgeDropsTheRest) {
    link.openController();
    ASSERT_TRUE(link.write(ClockPacket()));
    std::array<std::uint8_t, 100> reply{};
    EXPECT_EQ(link.read(std::span(reply).first(1)), 1u);
    EXPECT_EQ(link.read(std::span(reply).subspan(1, 2)), 2u);
    EXPECT_EQ(Bytes(reply.begin(), reply.begin() + 3), (Bytes{0xAA, 0x55, 0xA8}));
    EXPECT_EQ(link.queuedBytes(), 17u);
    EXPECT_EQ(link.read(std::span(reply).first(5)), 5u);
    EXPECT_TRUE(link.purge());
    EXPECT_EQ(link.queuedBytes(), 0u);
    EXPECT_EQ(link.read(reply), 0u); // waits for the timeout: nothing more comes
}

TEST_P(LinkContract, OpenFindsTheControllerAndFindsItAgainAfterAClose) {
    link.openController();
    EXPECT_TRUE(link.isOpen());
    link.close();
    EXPECT_FALSE(link.isOpen());
    EXPECT_FALSE(link.write(ClockPacket()));
    link.openController();
    EXPECT_TRUE(link.isOpen());
    EXPECT_EQ(protocol.setClock({}), ClockResult::Set);
    EXPECT_EQ(under->prompter.messages, Strings{});
}

TEST_P(LinkContract, TheExchangesRunThroughIt) {
    const Bytes table = PatternTable(EventKind::Relay, 40); // 1296 bytes: blocks and chunks
    folder.write("sent", table);
    EXPECT_EQ(protocol.connectAndSetClock(), ClockResult::Set);
    EXPECT_EQ(protocol.sendTable(EventKind::Relay, folder.file("sent"), progress),
              SendResult::Sent);
    EXPECT_EQ(protocol.receiveTable(EventKind::Relay, folder.file("back")).result,
              ReceiveResult::Received);
    EXPECT_EQ(folder.read("back"), table);
    EXPECT_EQ(protocol.emptyTable(EventKind::Relay), EmptyResult::Announced);
    EXPECT_EQ(protocol.receiveTable(EventKind::Relay, folder.file("none")).result,
              ReceiveResult::EmptyTable);
}

// The fake driver hands what the program writes to the simulated controller and
// delivers its answers.
struct FakeDriverLink : LinkUnderTest {
    DeviceCallLog log;
    FakeD2xx driver{log};
    sim::SimController controller;
    sim::SimSettings settings;
    D2xxLink d2xx{prompter};

    FakeDriverLink() {
        driver.controller = [this](std::span<const std::uint8_t> bytes) {
            const sim::SimController::Clock::time_point now{std::chrono::milliseconds(log.nowMs)};
            return controller.receive(bytes.data(), bytes.size(), now, settings);
        };
        d2xx.bindEntryPoints(FakeD2xx::lookup);
    }
    ControllerLink& link() override { return d2xx; }
    void removeController() override { driver.devices.clear(); }
};

struct SimLibraryLink : LinkUnderTest {
    D2xxLink d2xx{prompter};

    SimLibraryLink() {
        ConfigureSim(CORVANE_SIM_LIBRARY, "reset", "");
        ConfigureSim(CORVANE_SIM_LIBRARY, "timing", "instant");
        d2xx.bindDriver(CORVANE_SIM_LIBRARY);
    }
    ControllerLink& link() override { return d2xx; }
    void removeController() override { ConfigureSim(CORVANE_SIM_LIBRARY, "devices", ""); }
};

template <typename Link> LinkFactory Factory(std::string name) {
    return {std::move(name), [] { return std::make_unique<Link>(); }};
}

INSTANTIATE_TEST_SUITE_P(D2xx, LinkContract,
                         ::testing::Values(Factory<FakeDriverLink>("FakeDriver"),
                                           Factory<SimLibraryLink>("SimLibrary")),
                         LinkContract::Name);

} // namespace
} // namespace corvane

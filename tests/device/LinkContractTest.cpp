// The controller link contract, and the D2XX link joining it over the simulated
// library loaded at run time.

#include "LinkContract.h"

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

struct SimLibraryLink : LinkUnderTest {
    D2xxLink d2xx{prompter};

    SimLibraryLink() {
        ConfigureSimLibrary(CORVANE_SIM_LIBRARY, "reset", "");
        ConfigureSimLibrary(CORVANE_SIM_LIBRARY, "timing", "instant");
        d2xx.bindDriver(CORVANE_SIM_LIBRARY);
    }
    ControllerLink& link() override { return d2xx; }
    void removeController() override { ConfigureSimLibrary(CORVANE_SIM_LIBRARY, "devices", ""); }
};

template <typename Link> LinkFactory Factory(std::string name) {
    return {std::move(name), [] { return std::make_unique<Link>(); }};
}

INSTANTIATE_TEST_SUITE_P(D2xx, LinkContract,
                         ::testing::Values(Factory<SimLibraryLink>("SimLibrary")),
                         LinkContract::Name);

} // namespace
} // namespace corvane

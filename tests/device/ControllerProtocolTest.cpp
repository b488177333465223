#include "DeviceTestRig.h"

namespace corvane {
namespace {

using namespace test;
using Writes = std::vector<Bytes>;
using Statuses = std::deque<d2xx::Status>;

Bytes PacketBytes(std::initializer_list<std::uint8_t> head) {
    Bytes packet(head);
    packet.resize(20, 0);
    return packet;
}

// A link open on the fake controller; each exchange starts from a fresh log.
struct ProtocolFixture : FakeRig {
    ProtocolFixture() { link.openController(); }
    std::string file(const Bytes& bytes) {
        folder.write("table.bin", bytes);
        return folder.file("table.bin");
    }
    void next(const std::vector<Bytes>& answers, Statuses writeStatus = {}) {
        log = {};
        prompter.messages.clear();
        driver.writes.clear();
        driver.reads = {Bytes{}};
        driver.reads.insert(driver.reads.end(), answers.begin(), answers.end());
        driver.statuses["FT_Write"] = std::move(writeStatus);
    }
};

// Only the counted bytes go, in chunks of 512, after the announce.
TEST_F(ProtocolFixture, ATableGoesInChunksOf512AfterItsAnnounce) {
    const Bytes table = PatternTable(EventKind::WeekClock, 6, 5); // 544 bytes: both counts count
    Bytes padded = table;
    padded.resize(table.size() + 7, 0xEE);
    next({Reply(20)});
    EXPECT_EQ(protocol.sendTable(EventKind::WeekClock, file(padded), progress), SendResult::Sent);
    EXPECT_EQ(log.calls, (Strings{"sleep(10)", "FT_Read(512)", "FT_Write(20)", "sleep(100)",
                                  "FT_Read(20)", "progress show", "progress range(0, 2)",
                                  "progress position(0)", "progress step size(1)", "sleep(5)",
                                  "FT_Write(512)", "progress step", "sleep(5)", "FT_Write(32)",
                                  "progress step", "progress hide", "progress position(0)"}));
    EXPECT_EQ(driver.writes, (Writes{PacketBytes({0xAA, 0x55, 0xA4, 0x20, 0x02}),
                                     Bytes(table.begin(), table.begin() + 512),
                                     Bytes(table.begin() + 512, table.end())}));
}

TEST_F(ProtocolFixture, TablesThatCannotGoWholeAreNotAnnounced) {
    Bytes hugeCounts = PatternTable(EventKind::Midi, 1);
    std::fill_n(hugeCounts.begin(), 8, 0xFF); // the counts would wrap 32-bit arithmetic
    struct Case {
        Bytes file;
        EventKind kind;
        SendResult result;
    };
    const std::vector<Case> cases = {
        {hugeCounts, EventKind::Midi, SendResult::FileTooShort},
        {PatternTable(EventKind::Relay, 2048), EventKind::Relay, SendResult::TooLarge},
    };
    for (const Case& c : cases) {
        next({Reply(20)});
        EXPECT_EQ(protocol.sendTable(c.kind, file(c.file), progress), c.result);
        EXPECT_EQ(log.calls, (Strings{"sleep(10)", "FT_Read(512)"}));
        const bool tooLarge = c.result == SendResult::TooLarge;
        EXPECT_EQ(prompter.messages,
                  tooLarge ? Strings{"The event table is too large to send!"} : Strings{});
    }
}

// The chosen file never holds more than arrived, nor more than the announced
// length in whole blocks.
TEST_F(ProtocolFixture, ReceiveOutcomes) {
    const Bytes more = PatternTable(EventKind::Relay, 100);
    const d2xx::Status fault = d2xx::kIoError;
    const d2xx::Dword lie = 5000; // every read claims a full block; the length ends the loop
    using enum ReceiveResult;
    struct Case {
        const char* name;
        std::vector<Bytes> reads;
        Statuses writeStatus;
        ReceiveResult result;
        std::optional<std::size_t> fileSize;
        d2xx::Dword overclaim = 0;
    };
    // clang-format off
    const std::vector<Case> cases = {
        {"request unwritten", {},                      {fault}, RequestFailed, {}},
        {"beyond the length", {Reply(20, 2048), more}, {},      Incomplete,    2048},
        {"overclaim",         {Reply(20, 0xFFFF)},     {},      Incomplete,    65536, lie},
    };
    // clang-format on
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string name = std::string(c.name) + ".rel";
        next(c.reads, c.writeStatus);
        driver.overclaim = c.overclaim;
        EXPECT_EQ(protocol.receiveTable(EventKind::Relay, folder.file(name)).result, c.result);
        ASSERT_EQ(folder.exists(name), c.fileSize.has_value());
        const Bytes got = folder.read(name);
        const Bytes arrived = c.reads.size() > 1 ? c.reads[1] : Bytes{};
        ASSERT_EQ(got.size(), c.fileSize.value_or(0));
        if (c.overclaim == 0) { // the file holds what arrived, in order
            EXPECT_EQ(got, Bytes(arrived.begin(), arrived.begin() + got.size()));
        }
    }
}

} // namespace
} // namespace corvane

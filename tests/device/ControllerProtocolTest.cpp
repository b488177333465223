#include "DeviceTestFiles.h"
#include "FakeD2xx.h"

#include "device/ControllerProtocol.h"
#include "device/DeviceLink.h"
#include "support/RecordingPrompter.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace corvane {
namespace {

using namespace test;
using Bytes = std::vector<std::uint8_t>;
using Strings = std::vector<std::string>;

Bytes Reply(std::size_t size, std::uint16_t length = 0) {
    Bytes reply(size, 0);
    if (size >= 5) {
        reply[3] = static_cast<std::uint8_t>(length);
        reply[4] = static_cast<std::uint8_t>(length >> 8);
    }
    return reply;
}

Bytes PacketBytes(std::initializer_list<std::uint8_t> head) {
    Bytes packet(head);
    packet.resize(20, 0);
    return packet;
}

Bytes Concat(const std::vector<Bytes>& parts) {
    Bytes all;
    for (const auto& p : parts)
        all.insert(all.end(), p.begin(), p.end());
    return all;
}

// A link already open on the fake controller; the log starts empty.
struct ProtocolFixture : ::testing::Test {
    DeviceCallLog log;
    FakeD2xx driver{log};
    RecordingPrompter prompter;
    FakePacer pacer{log};
    FakeProgress progress{log};
    DeviceLink link{prompter};
    ControllerProtocol protocol{link, pacer, prompter};
    ScratchFolder folder;

    ProtocolFixture() {
        link.BindEntryPoints([this](const char* name) { return driver.lookup(name); });
        link.OpenController(kControllerBaudRate);
        log = {};
    }
    // The drain before an exchange finds nothing; then the given answers follow.
    void answer(std::vector<ReadAnswer> answers) {
        driver.reads = {ReadAnswer{}};
        driver.reads.insert(driver.reads.end(), answers.begin(), answers.end());
    }
    std::string file(const Bytes& bytes) {
        const std::string path = folder.file("table.bin");
        WriteBytes(path, bytes);
        return path;
    }
};

TEST(ControllerPackets, ClockPacketCarriesOneReadingOfLocalTime) {
    const corvane::Packet packet = BuildSetClockRequest({2031, 1, 5, 1, 9, 7, 3});
    EXPECT_EQ(Hex(Bytes(packet.begin(), packet.end())),
              "AA 55 A8 1F 01 05 01 09 07 03 00 00 00 00 00 00 00 00 00 00");
}

struct ClockCase {
    std::vector<ReadAnswer> reads;
    std::deque<d2xx::Status> writeStatus;
    ClockResult result;
    bool message;
};

TEST_F(ProtocolFixture, ClockReplyMustBeTwentyBytes) {
    const std::vector<ClockCase> cases = {
        {{{Reply(20)}}, {}, ClockResult::Set, false},
        {{{Reply(19)}}, {}, ClockResult::WrongReply, true},
        {{{Reply(21)}}, {}, ClockResult::WrongReply, true},
        {{}, {}, ClockResult::WrongReply, true},
        {{{{}, d2xx::kIoError}}, {}, ClockResult::ReadFailed, false},
        {{}, {d2xx::kIoError}, ClockResult::WriteFailed, false},
    };
    for (const ClockCase& c : cases) {
        prompter.messages.clear();
        log = {};
        driver.reads = {c.reads.begin(), c.reads.end()};
        driver.statuses["FT_Write"] = c.writeStatus;
        EXPECT_EQ(protocol.setClock({2031, 1, 5, 1, 9, 7, 3}), c.result);
        EXPECT_EQ(prompter.messages, c.message ? Strings{"Time Set is Error!"} : Strings{});
        const Strings full = {"FT_Write(20)", "sleep(100)", "FT_Read(100)"};
        EXPECT_EQ(log.calls, c.writeStatus.empty() ? full : Strings{"FT_Write(20)"});
    }
}

TEST_F(ProtocolFixture, RelayTableOfThreeGoesAsOneChunkAfterItsAnnounce) {
    const Bytes table = EventFileBytes(EventKind::Relay, 3);
    answer({{Reply(20)}});
    EXPECT_EQ(protocol.sendTable(EventKind::Relay, file(table), progress), SendResult::Sent);
    EXPECT_EQ(log.calls, (Strings{"sleep(10)", "FT_Read(512)", "FT_Write(20)", "sleep(100)", "FT_Read(20)",
                                  "progress show", "progress range(0, 1)", "progress position(0)",
                                  "progress step size(1)", "sleep(5)", "FT_Write(112)", "progress step",
                                  "progress hide", "progress position(0)"}));
    ASSERT_EQ(driver.writes.size(), 2u);
    EXPECT_EQ(driver.writes[0], PacketBytes({0xAA, 0x55, 0xAA, 0x70, 0x00}));
    EXPECT_EQ(driver.writes[1], table);
    EXPECT_EQ(log.nowMs, 10 + 500 + 100 + 5); // the drain waits for its timeout
}

TEST_F(ProtocolFixture, OnlyTheCountedBytesGoInChunksOf512) {
    const Bytes table = EventFileBytes(EventKind::WeekClock, 6, 5); // 544 bytes: both counts count
    answer({{Reply(20)}});
    EXPECT_EQ(protocol.sendTable(EventKind::WeekClock, file(Concat({table, Bytes(7, 0xEE)})), progress),
              SendResult::Sent);
    ASSERT_EQ(driver.writes.size(), 3u);
    EXPECT_EQ(driver.writes[0], PacketBytes({0xAA, 0x55, 0xA4, 0x20, 0x02}));
    EXPECT_EQ(driver.writes[1].size(), 512u);
    EXPECT_EQ(Concat({driver.writes[1], driver.writes[2]}), table);
    EXPECT_NE(std::ranges::find(log.calls, "progress range(0, 2)"), log.calls.end());
    EXPECT_EQ(std::ranges::count(log.calls, "progress step"), 2);
}

struct RefusedCase {
    const char* name;
    Bytes file;
    EventKind kind;
    SendResult result;
};

TEST_F(ProtocolFixture, TablesThatCannotGoWholeAreNotAnnounced) {
    const Bytes twoMidi = EventFileBytes(EventKind::Midi, 2);
    Bytes hugeCounts = EventFileBytes(EventKind::Midi, 1);
    std::fill_n(hugeCounts.begin(), 8, 0xFF); // the counts would wrap 32-bit arithmetic
    const std::vector<RefusedCase> cases = {
        {"no records", EventFileBytes(EventKind::Midi, 0), EventKind::Midi, SendResult::NoRecords},
        {"empty file", {}, EventKind::Midi, SendResult::NoRecords},
        {"half a count", {1, 0, 0}, EventKind::Midi, SendResult::NoRecords},
        {"one record short", Bytes(twoMidi.begin(), twoMidi.end() - 36), EventKind::Midi, SendResult::FileTooShort},
        {"counts beyond the file", hugeCounts, EventKind::Midi, SendResult::FileTooShort},
        {"over 65535 bytes", EventFileBytes(EventKind::Relay, 2048), EventKind::Relay, SendResult::TooLarge},
    };
    for (const RefusedCase& c : cases) {
        SCOPED_TRACE(c.name);
        log = {};
        prompter.messages.clear();
        answer({{Reply(20)}});
        EXPECT_EQ(protocol.sendTable(c.kind, file(c.file), progress), c.result);
        EXPECT_EQ(log.calls, (Strings{"sleep(10)", "FT_Read(512)"}));
        EXPECT_EQ(prompter.messages, c.result == SendResult::TooLarge
                                         ? Strings{"The event table is too large to send!"}
                                         : Strings{});
    }
    EXPECT_TRUE(driver.writes.empty());
}

TEST_F(ProtocolFixture, SendStopsAtTheFirstWriteThatFails) {
    const std::string path = file(EventFileBytes(EventKind::WeekClock, 11));
    struct Case {
        const char* name;
        std::vector<ReadAnswer> reads;
        std::deque<d2xx::Status> writeStatus;
        std::deque<d2xx::Dword> shortWrites;
        SendResult result;
        std::size_t writes, steps;
    };
    const std::vector<Case> cases = {
        {"announce", {{Reply(20)}}, {d2xx::kIoError}, {}, SendResult::AnnounceFailed, 0, 0},
        {"short reply", {{Reply(19)}}, {}, {}, SendResult::NoReply, 1, 0},
        {"second chunk", {{Reply(20)}}, {d2xx::kOk, d2xx::kOk, d2xx::kIoError}, {}, SendResult::ChunkFailed, 2, 1},
        {"chunk written in part", {{Reply(20)}}, {}, {20, 100}, SendResult::ChunkFailed, 2, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        log = {};
        driver.writes.clear();
        answer(c.reads);
        driver.statuses["FT_Write"] = c.writeStatus;
        driver.shortWrites = c.shortWrites;
        EXPECT_EQ(protocol.sendTable(EventKind::WeekClock, path, progress), c.result);
        EXPECT_EQ(driver.writes.size(), c.writes);
        EXPECT_EQ(std::ranges::count(log.calls, "progress step"), static_cast<long>(c.steps));
        if (c.result == SendResult::ChunkFailed) { // the bar goes away even when the transfer broke off
            EXPECT_EQ(log.calls.back(), "progress position(0)");
        }
    }
}

TEST_F(ProtocolFixture, EmptyTableAnnouncesLengthZeroAndIgnoresTheReply) {
    answer({{Reply(3)}});
    EXPECT_EQ(protocol.emptyTable(EventKind::Audio), EmptyResult::Announced);
    EXPECT_EQ(log.calls,
              (Strings{"sleep(10)", "FT_Read(512)", "FT_Write(20)", "sleep(100)", "FT_Read(20)", "sleep(1)"}));
    EXPECT_EQ(driver.writes, std::vector<Bytes>{PacketBytes({0xAA, 0x55, 0xA7, 0x00, 0x00})});
    EXPECT_TRUE(prompter.messages.empty());
}

TEST_F(ProtocolFixture, ReceiveReadsBlocksUntilTheAnnouncedLength) {
    const Bytes table = EventFileBytes(EventKind::Relay, 32); // 1040 bytes
    answer({{Reply(20, 0x0410)}, {table}});
    const std::string path = folder.file("received.rel");
    const ReceiveOutcome outcome = protocol.receiveTable(EventKind::Relay, path);
    EXPECT_EQ(outcome.result, ReceiveResult::Received);
    EXPECT_EQ(log.calls, (Strings{"sleep(10)", "FT_Read(1024)", "FT_Write(20)", "sleep(100)", "FT_Read(20)",
                                  "FT_Read(1024)", "FT_Read(1024)"}));
    EXPECT_EQ(driver.writes, std::vector<Bytes>{PacketBytes({0xAA, 0x55, 0xA9})});
    EXPECT_EQ(ReadBytes(path), table);
    EXPECT_EQ(log.nowMs, 10 + 500 + 100 + 500);
}

TEST_F(ProtocolFixture, ReceiveStopsAfterTheLastFullBlockAndKeepsEverythingThatCame) {
    const Bytes data = EventFileBytes(EventKind::Relay, 100); // more than announced
    answer({{Reply(20, 2048)}, {data}});
    const std::string path = folder.file("received.rel");
    const ReceiveOutcome outcome = protocol.receiveTable(EventKind::Relay, path);
    EXPECT_EQ(std::ranges::count(log.calls, "FT_Read(1024)"), 3); // the drain and two blocks
    EXPECT_EQ(ReadBytes(path), Bytes(data.begin(), data.begin() + 2048));
    EXPECT_EQ(outcome.result, ReceiveResult::Incomplete); // 2048 bytes do not fit the counts
}

TEST_F(ProtocolFixture, ReceiveOutcomes) {
    struct Case {
        const char* name;
        std::vector<ReadAnswer> reads;
        std::deque<d2xx::Status> writeStatus;
        ReceiveResult result;
        bool fileCreated;
        std::size_t fileSize;
    };
    const Bytes table = EventFileBytes(EventKind::Relay, 3);
    const std::vector<Case> cases = {
        {"empty table", {{Reply(20, 16)}, {Bytes(5, 1)}}, {}, ReceiveResult::EmptyTable, true, 0},
        {"request not written", {}, {d2xx::kIoError}, ReceiveResult::RequestFailed, false, 0},
        {"short reply", {{Reply(19)}}, {}, ReceiveResult::NoReply, true, 0},
        {"failed reply read", {{{}, d2xx::kIoError}}, {}, ReceiveResult::NoReply, true, 0},
        {"data stops early", {{Reply(20, 112)}, {Bytes(table.begin(), table.begin() + 80)}}, {},
         ReceiveResult::Incomplete, true, 80},
        {"data read fails", {{Reply(20, 112)}, {{}, d2xx::kIoError}}, {}, ReceiveResult::Incomplete, true, 0},
        {"complete", {{Reply(20, 112)}, {table}}, {}, ReceiveResult::Received, true, 112},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string path = folder.file(std::string(c.name) + ".rel");
        answer(c.reads);
        driver.statuses["FT_Write"] = c.writeStatus;
        EXPECT_EQ(protocol.receiveTable(EventKind::Relay, path).result, c.result);
        EXPECT_EQ(std::filesystem::exists(path), c.fileCreated);
        if (c.fileCreated) {
            EXPECT_EQ(std::filesystem::file_size(path), c.fileSize);
        }
    }
}

TEST_F(ProtocolFixture, ADriverThatClaimsMoreThanItDeliveredCannotOverrunTheBuffers) {
    answer({{Reply(20, 0xFFFF)}});
    driver.overclaim = 5000;
    const std::string path = folder.file("received.rel");
    EXPECT_EQ(protocol.receiveTable(EventKind::Relay, path).result, ReceiveResult::Incomplete);
    // Every read counts as a full block, so the announced length ends the loop: 64 blocks.
    EXPECT_EQ(std::ranges::count(log.calls, "FT_Read(1024)"), 1 + 64);
    EXPECT_EQ(std::filesystem::file_size(path), 64u * 1024u);
}

} // namespace
} // namespace corvane

#include "DeviceTestRig.h"
#include "device/ControllerCommands.h"
#include "events/EventFiles.h"
#include "support/VectorEventList.h"

#include <algorithm>
#include <tuple>

namespace corvane {
namespace {

using namespace test;
using Writes = std::vector<Bytes>;

Bytes PacketBytes(std::initializer_list<std::uint8_t> head) {
    Bytes packet(head);
    packet.resize(20, 0);
    return packet;
}

// A link already open on the fake controller; the log starts empty.
struct ProtocolFixture : FakeRig {
    ProtocolFixture() {
        link.OpenController(kControllerBaudRate);
        log = {};
    }
    std::string file(const Bytes& bytes) {
        folder.write("table.bin", bytes);
        return folder.file("table.bin");
    }
    // A fresh log, messages and writes; the driver answers as given.
    void next(const std::vector<ReadAnswer>& answers, std::deque<d2xx::Status> writeStatus = {}) {
        log = {};
        prompter.messages.clear();
        driver.writes.clear();
        answer(answers);
        driver.statuses["FT_Write"] = std::move(writeStatus);
    }
};

TEST_F(ProtocolFixture, ClockPacketCarriesTheTimeAndItsReplyMustBeTwentyBytes) {
    // clang-format off
    struct Case { std::vector<ReadAnswer> reads; std::deque<d2xx::Status> writeStatus; ClockResult result; bool message; };
    const std::vector<Case> cases = {
        {{{Reply(20)}}, {}, ClockResult::Set, false},
        {{{Reply(19)}}, {}, ClockResult::WrongReply, true},
        {{{Reply(21)}}, {}, ClockResult::WrongReply, true},
        {{{{}, d2xx::kIoError}}, {}, ClockResult::ReadFailed, false},
        {{}, {d2xx::kIoError}, ClockResult::WriteFailed, false},
    };
    // clang-format on
    const Bytes packet = PacketBytes({0xAA, 0x55, 0xA8, 0x1F, 1, 5, 1, 9, 7, 3});
    for (const Case& c : cases) {
        next({}, c.writeStatus);
        driver.reads = {c.reads.begin(), c.reads.end()};
        EXPECT_EQ(protocol.setClock({2031, 1, 5, 1, 9, 7, 3}), c.result);
        EXPECT_EQ(prompter.messages, c.message ? Strings{"Time Set is Error!"} : Strings{});
        const bool written = c.writeStatus.empty();
        EXPECT_EQ(driver.writes, written ? Writes{packet} : Writes{});
        EXPECT_EQ(log.calls, (written ? Strings{"FT_Write(20)", "sleep(100)", "FT_Read(100)"}
                                      : Strings{"FT_Write(20)"}));
    }
}

// Only the counted bytes go, in chunks of 512, after the announce.
TEST_F(ProtocolFixture, ATableGoesInChunksOf512AfterItsAnnounce) {
    const Bytes table = EventFileBytes(EventKind::WeekClock, 6, 5); // 544 bytes: both counts count
    Bytes padded = table;
    padded.resize(table.size() + 7, 0xEE);
    next({{Reply(20)}});
    EXPECT_EQ(protocol.sendTable(EventKind::WeekClock, file(padded), progress), SendResult::Sent);
    EXPECT_EQ(log.calls, (Strings{"sleep(10)", "FT_Read(512)", "FT_Write(20)", "sleep(100)",
                                  "FT_Read(20)", "progress show", "progress range(0, 2)",
                                  "progress position(0)", "progress step size(1)", "sleep(5)",
                                  "FT_Write(512)", "progress step", "sleep(5)", "FT_Write(32)",
                                  "progress step", "progress hide", "progress position(0)"}));
    EXPECT_EQ(driver.writes, (Writes{PacketBytes({0xAA, 0x55, 0xA4, 0x20, 0x02}),
                                     Bytes(table.begin(), table.begin() + 512),
                                     Bytes(table.begin() + 512, table.end())}));
    EXPECT_EQ(log.nowMs, 10 + 500 + 100 + 5 + 5); // the drain waits for its timeout
}

TEST_F(ProtocolFixture, TablesThatCannotGoWholeAreNotAnnounced) {
    const Bytes twoMidi = EventFileBytes(EventKind::Midi, 2);
    Bytes hugeCounts = EventFileBytes(EventKind::Midi, 1);
    std::fill_n(hugeCounts.begin(), 8, 0xFF); // the counts would wrap 32-bit arithmetic
    // clang-format off
    const std::vector<std::tuple<const char*, Bytes, EventKind, SendResult>> cases = {
        {"no records", EventFileBytes(EventKind::Midi, 0), EventKind::Midi, SendResult::NoRecords},
        {"half a count", {1, 0, 0}, EventKind::Midi, SendResult::NoRecords},
        {"one record short", Bytes(twoMidi.begin(), twoMidi.end() - 36), EventKind::Midi, SendResult::FileTooShort},
        {"counts beyond the file", hugeCounts, EventKind::Midi, SendResult::FileTooShort},
        {"over 65535 bytes", EventFileBytes(EventKind::Relay, 2048), EventKind::Relay, SendResult::TooLarge},
    };
    // clang-format on
    for (const auto& [name, bytes, kind, result] : cases) {
        SCOPED_TRACE(name);
        next({{Reply(20)}});
        EXPECT_EQ(protocol.sendTable(kind, file(bytes), progress), result);
        EXPECT_EQ(log.calls, (Strings{"sleep(10)", "FT_Read(512)"}));
        EXPECT_TRUE(driver.writes.empty());
        EXPECT_EQ(prompter.messages, result == SendResult::TooLarge
                                         ? Strings{"The event table is too large to send!"}
                                         : Strings{});
    }
}

TEST_F(ProtocolFixture, SendStopsAtTheFirstWriteThatFails) {
    const std::string path = file(EventFileBytes(EventKind::WeekClock, 11));
    // clang-format off
    struct Case { const char* name; Bytes reply; std::deque<d2xx::Status> writeStatus; std::deque<d2xx::Dword> shortWrites; SendResult result; std::size_t writes, steps; };
    const std::vector<Case> cases = {
        {"announce", Reply(20), {d2xx::kIoError}, {}, SendResult::AnnounceFailed, 0, 0},
        {"short reply", Reply(19), {}, {}, SendResult::NoReply, 1, 0},
        {"second chunk", Reply(20), {d2xx::kOk, d2xx::kOk, d2xx::kIoError}, {}, SendResult::ChunkFailed, 2, 1},
        {"chunk written in part", Reply(20), {}, {20, 100}, SendResult::ChunkFailed, 2, 0},
    };
    // clang-format on
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        next({{c.reply}}, c.writeStatus);
        driver.shortWrites = c.shortWrites;
        EXPECT_EQ(protocol.sendTable(EventKind::WeekClock, path, progress), c.result);
        EXPECT_EQ(driver.writes.size(), c.writes);
        EXPECT_EQ(std::ranges::count(log.calls, "progress step"), static_cast<long>(c.steps));
        if (c.result ==
            SendResult::ChunkFailed) // the bar goes away even when the transfer broke off
            EXPECT_EQ(log.calls.back(), "progress position(0)");
    }
}

TEST_F(ProtocolFixture, EmptyTableAnnouncesLengthZeroAndIgnoresTheReply) {
    next({{Reply(3)}});
    EXPECT_EQ(protocol.emptyTable(EventKind::Audio), EmptyResult::Announced);
    EXPECT_EQ(log.calls, (Strings{"sleep(10)", "FT_Read(512)", "FT_Write(20)", "sleep(100)",
                                  "FT_Read(20)", "sleep(1)"}));
    EXPECT_EQ(driver.writes, Writes{PacketBytes({0xAA, 0x55, 0xA7, 0x00, 0x00})});
    EXPECT_TRUE(prompter.messages.empty());
}

TEST_F(ProtocolFixture, ReceiveReadsBlocksUntilTheAnnouncedLength) {
    const Bytes table = EventFileBytes(EventKind::Relay, 32); // 1040 bytes
    next({{Reply(20, 0x0410)}, {table}});
    EXPECT_EQ(protocol.receiveTable(EventKind::Relay, folder.file("in.rel")).result,
              ReceiveResult::Received);
    EXPECT_EQ(log.calls, (Strings{"sleep(10)", "FT_Read(1024)", "FT_Write(20)", "sleep(100)",
                                  "FT_Read(20)", "FT_Read(1024)", "FT_Read(1024)"}));
    EXPECT_EQ(driver.writes, Writes{PacketBytes({0xAA, 0x55, 0xA9})});
    EXPECT_EQ(folder.read("in.rel"), table);
    EXPECT_EQ(log.nowMs, 10 + 500 + 100 + 500);
}

// What the chosen file holds after each way a receive can end; it never holds
// more than arrived, nor more than the announced length (in whole blocks).
TEST_F(ProtocolFixture, ReceiveOutcomes) {
    // clang-format off
    struct Case { const char* name; std::vector<ReadAnswer> reads; std::deque<d2xx::Status> writeStatus; ReceiveResult result; std::optional<std::size_t> fileSize; d2xx::Dword overclaim = 0; };
    const ReadAnswer failed{{}, d2xx::kIoError}, more{EventFileBytes(EventKind::Relay, 100)};
    // fileSize none: no file is created. "more than announced": reading stops after the last full block, and 2048
    // bytes do not fit the counts. "overclaim": every read counts as a full block; the announced length ends the loop.
    const std::vector<Case> cases = {
        {"empty table", {{Reply(20, 16)}, {Bytes(5, 1)}}, {}, ReceiveResult::EmptyTable, 0},
        {"request not written", {}, {d2xx::kIoError}, ReceiveResult::RequestFailed, std::nullopt},
        {"short reply", {{Reply(19)}}, {}, ReceiveResult::NoReply, 0},
        {"failed reply read", {failed}, {}, ReceiveResult::NoReply, 0},
        {"data stops early", {{Reply(20, 112)}, {Bytes(80, 7)}}, {}, ReceiveResult::Incomplete, 80},
        {"data read fails", {{Reply(20, 112)}, failed}, {}, ReceiveResult::Incomplete, 0},
        {"more than announced", {{Reply(20, 2048)}, more}, {}, ReceiveResult::Incomplete, 2048},
        {"overclaim", {{Reply(20, 0xFFFF)}}, {}, ReceiveResult::Incomplete, 64 * 1024, 5000},
    };
    // clang-format on
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string name = std::string(c.name) + ".rel";
        next(c.reads, c.writeStatus);
        driver.overclaim = c.overclaim;
        EXPECT_EQ(protocol.receiveTable(EventKind::Relay, folder.file(name)).result, c.result);
        ASSERT_EQ(folder.exists(name), c.fileSize.has_value());
        const Bytes got = folder.read(name),
                    arrived = c.reads.size() > 1 ? c.reads[1].bytes : Bytes{};
        ASSERT_EQ(got.size(), c.fileSize.value_or(0));
        if (c.overclaim == 0) // the file holds what arrived, in order
            EXPECT_EQ(got, Bytes(arrived.begin(), arrived.begin() + got.size()));
    }
}

// The main window's view: an event folder holding a Relay file of two entries.
struct CommandFixture : ProtocolFixture {
    VectorEventList list;
    const Bytes before = EventFileBytes(EventKind::Relay, 2);
    const Bytes table = EventFileBytes(EventKind::Relay, 5);
    const std::string eventFile =
        std::filesystem::path(EventFilePath(folder.path(), EventKind::Relay)).filename();

    CommandFixture() { folder.write(eventFile, before); }
};

TEST_F(CommandFixture, CancelledDialogsOfferTheKindsFilesAndTouchNeitherControllerNorFiles) {
    EXPECT_EQ(SendTableCommand(protocol, EventKind::Relay, progress), SendResult::Cancelled);
    EXPECT_EQ(ReceiveTableCommand(protocol, EventKind::Relay, folder.path(), true, list).result,
              ReceiveResult::Cancelled);
    for (const auto& r : {prompter.openRequests.at(0), prompter.saveRequests.at(0)})
        EXPECT_EQ(std::tie(r.filter, r.defaultExtension, r.initialName),
                  std::make_tuple("Relay(*.rel)|*.rel|All Files(*.*)|*.*||", "rel", "EventFile"));
    EXPECT_TRUE(log.calls.empty());
    EXPECT_EQ(folder.read(eventFile), before);
    EXPECT_EQ(list.lines.size(), 2u); // the list is refilled all the same
}

// Into a file of its own, or onto the event file itself (which must never be cut).
TEST_F(CommandFixture, OnlyACompleteOrEmptyTableBecomesTheEventFile) {
    const Bytes part(table.begin(), table.end() - 10);
    const Strings incomplete{std::string(kIncompleteTableMessage)};
    // clang-format off
    struct Case { const char* name; Bytes arrived; bool onto; ReceiveResult result; Bytes eventFile; std::size_t lines; Strings messages; };
    const std::vector<Case> cases = {
        {"incomplete onto the event file", part, true, ReceiveResult::Incomplete, before, 2, incomplete},
        {"complete onto the event file", table, true, ReceiveResult::Received, table, 5, {}},
        {"complete", table, false, ReceiveResult::Received, table, 5, {}},
        {"incomplete", part, false, ReceiveResult::Incomplete, before, 2, incomplete},
        {"empty", {}, false, ReceiveResult::EmptyTable, Bytes(16, 0), 0, {}},
    };
    // clang-format on
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        prompter.messages.clear();
        folder.write(eventFile, before);
        const std::string chosen = c.onto ? eventFile : "EventFile.rel";
        answer({{Reply(20, static_cast<std::uint16_t>(c.arrived.empty() ? 0 : table.size()))},
                {c.arrived}});
        prompter.answerSave(folder.file(chosen));
        EXPECT_EQ(ReceiveTableCommand(protocol, EventKind::Relay, folder.path(), true, list).result,
                  c.result);
        EXPECT_EQ(folder.read(eventFile), c.eventFile);
        EXPECT_EQ(folder.read(chosen),
                  c.onto ? c.eventFile : c.arrived); // the chosen file keeps what arrived
        EXPECT_EQ(list.lines.size(), c.lines);
        EXPECT_EQ(prompter.messages, c.messages);
        EXPECT_EQ(folder.names().size(), c.onto ? 1u : 2u); // nothing left beside them
    }
}

} // namespace
} // namespace corvane

#include "DeviceTestFiles.h"
#include "FakeD2xx.h"

#include "device/ControllerCommands.h"
#include "device/DeviceLink.h"
#include "events/EventFiles.h"
#include "support/RecordingPrompter.h"
#include "support/VectorEventList.h"

#include <gtest/gtest.h>

namespace corvane {
namespace {

using namespace test;
using Bytes = std::vector<std::uint8_t>;
using Strings = std::vector<std::string>;

Bytes Reply(std::uint16_t length) {
    Bytes reply(20, 0);
    reply[3] = static_cast<std::uint8_t>(length);
    reply[4] = static_cast<std::uint8_t>(length >> 8);
    return reply;
}

// The main window's view: an event folder holding a Relay file of two entries.
struct CommandFixture : ::testing::Test {
    DeviceCallLog log;
    FakeD2xx driver{log};
    RecordingPrompter prompter;
    FakePacer pacer{log};
    DeviceLink link{prompter};
    ControllerProtocol protocol{link, pacer, prompter};
    ScratchFolder folder;
    VectorEventList list;
    const Bytes before = EventFileBytes(EventKind::Relay, 2);
    const std::string eventFile = EventFilePath(folder.path().string(), EventKind::Relay);
    const std::string chosen = folder.file("EventFile.rel");

    CommandFixture() {
        link.BindEntryPoints([this](const char* name) { return driver.lookup(name); });
        WriteBytes(eventFile, before);
    }
    ReceiveOutcome receive(std::vector<ReadAnswer> answers) {
        driver.reads = {ReadAnswer{}};
        driver.reads.insert(driver.reads.end(), answers.begin(), answers.end());
        prompter.answerSave(chosen);
        return ReceiveTableCommand(protocol, EventKind::Relay, folder.path().string(), true, list);
    }
};

TEST_F(CommandFixture, DialogsOfferTheKindsExchangeFiles) {
    FakeProgress progress(log);
    SendTableCommand(protocol, EventKind::Relay, progress);
    ReceiveTableCommand(protocol, EventKind::Relay, folder.path().string(), true, list);
    for (const auto& request : {prompter.openRequests.at(0), prompter.saveRequests.at(0)}) {
        EXPECT_EQ(request.filter, "Relay(*.rel)|*.rel|All Files(*.*)|*.*||");
        EXPECT_EQ(request.defaultExtension, "rel");
        EXPECT_EQ(request.initialName, "EventFile");
    }
}

TEST_F(CommandFixture, CancelledDialogsTouchNeitherControllerNorFiles) {
    FakeProgress progress(log);
    EXPECT_EQ(SendTableCommand(protocol, EventKind::Relay, progress), SendResult::Cancelled);
    EXPECT_EQ(ReceiveTableCommand(protocol, EventKind::Relay, folder.path().string(), true, list).result,
              ReceiveResult::Cancelled);
    EXPECT_TRUE(log.calls.empty());
    EXPECT_EQ(ReadBytes(eventFile), before);
    EXPECT_EQ(list.lines.size(), 2u); // the list is refilled all the same
}

TEST_F(CommandFixture, ACompleteTableBecomesTheEventFile) {
    const Bytes table = EventFileBytes(EventKind::Relay, 5);
    EXPECT_EQ(receive({{Reply(static_cast<std::uint16_t>(table.size()))}, {table}}).result,
              ReceiveResult::Received);
    EXPECT_EQ(ReadBytes(eventFile), table);
    EXPECT_EQ(ReadBytes(chosen), table);
    EXPECT_EQ(list.lines.size(), 5u);
    EXPECT_TRUE(prompter.messages.empty());
}

TEST_F(CommandFixture, AnIncompleteTableLeavesTheEventFileAndSaysSo) {
    const Bytes table = EventFileBytes(EventKind::Relay, 5);
    const Bytes part(table.begin(), table.end() - 10);
    EXPECT_EQ(receive({{Reply(static_cast<std::uint16_t>(table.size()))}, {part}}).result,
              ReceiveResult::Incomplete);
    EXPECT_EQ(ReadBytes(eventFile), before);
    EXPECT_EQ(ReadBytes(chosen), part);
    EXPECT_EQ(prompter.messages, Strings{"Receive failed: the table from the controller is incomplete!"});
    EXPECT_EQ(list.lines.size(), 2u);
}

TEST_F(CommandFixture, ReceivingOntoTheEventFileItselfCannotCutIt) {
    const Bytes table = EventFileBytes(EventKind::Relay, 5);
    driver.reads = {ReadAnswer{}, {Reply(static_cast<std::uint16_t>(table.size()))}, {Bytes(table.begin(), table.end() - 1)}};
    prompter.answerSave(eventFile);
    EXPECT_EQ(ReceiveTableCommand(protocol, EventKind::Relay, folder.path().string(), true, list).result,
              ReceiveResult::Incomplete);
    EXPECT_EQ(ReadBytes(eventFile), before);
    driver.reads = {ReadAnswer{}, {Reply(static_cast<std::uint16_t>(table.size()))}, {table}};
    prompter.answerSave(eventFile);
    EXPECT_EQ(ReceiveTableCommand(protocol, EventKind::Relay, folder.path().string(), true, list).result,
              ReceiveResult::Received);
    EXPECT_EQ(ReadBytes(eventFile), table);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()), {}), 1); // nothing left beside it
}

TEST_F(CommandFixture, AnEmptyTableEmptiesTheKind) {
    EXPECT_EQ(receive({{Reply(0)}}).result, ReceiveResult::EmptyTable);
    EXPECT_EQ(ReadBytes(eventFile), Bytes(16, 0));
    EXPECT_TRUE(list.lines.empty());
    EXPECT_TRUE(prompter.messages.empty());
}

} // namespace
} // namespace corvane

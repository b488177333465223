#include "DeviceTestRig.h"

#include "device/ControllerCommands.h"
#include "events/EventFiles.h"
#include "support/VectorEventList.h"

namespace corvane {
namespace {

using namespace test;

// The main window's view: an event folder holding a Relay file of two entries.
struct CommandFixture : FakeRig {
    VectorEventList list;
    const Bytes before = EventFileBytes(EventKind::Relay, 2);
    const Bytes table = EventFileBytes(EventKind::Relay, 5);
    const std::uint16_t length = static_cast<std::uint16_t>(table.size());
    const std::string eventFile = EventFilePath(folder.path(), EventKind::Relay);
    const std::string chosen = folder.file("EventFile.rel");

    CommandFixture() { folder.write(std::filesystem::path(eventFile).filename().string(), before); }
    ReceiveOutcome receive(const std::vector<ReadAnswer>& answers, const std::string& into) {
        answer(answers);
        prompter.answerSave(into);
        return ReceiveTableCommand(protocol, EventKind::Relay, folder.path(), true, list);
    }
    Bytes read(const std::string& path) { return folder.read(std::filesystem::path(path).filename().string()); }
};

TEST_F(CommandFixture, CancelledDialogsOfferTheKindsFilesAndTouchNeitherControllerNorFiles) {
    EXPECT_EQ(SendTableCommand(protocol, EventKind::Relay, progress), SendResult::Cancelled);
    EXPECT_EQ(ReceiveTableCommand(protocol, EventKind::Relay, folder.path(), true, list).result,
              ReceiveResult::Cancelled);
    for (const auto& request : {prompter.openRequests.at(0), prompter.saveRequests.at(0)}) {
        EXPECT_EQ(request.filter, "Relay(*.rel)|*.rel|All Files(*.*)|*.*||");
        EXPECT_EQ(request.defaultExtension, "rel");
        EXPECT_EQ(request.initialName, "EventFile");
    }
    EXPECT_TRUE(log.calls.empty());
    EXPECT_EQ(read(eventFile), before);
    EXPECT_EQ(list.lines.size(), 2u); // the list is refilled all the same
}

TEST_F(CommandFixture, OnlyACompleteOrEmptyTableBecomesTheEventFile) {
    const Bytes part(table.begin(), table.end() - 10);
    const std::string incomplete(kIncompleteTableMessage);
    struct Case {
        const char* name;
        std::vector<ReadAnswer> answers;
        ReceiveResult result;
        Bytes eventFile, chosenFile;
        std::size_t lines;
        Strings messages;
    };
    const std::vector<Case> cases = {
        {"complete", {{Reply(20, length)}, {table}}, ReceiveResult::Received, table, table, 5, {}},
        {"incomplete", {{Reply(20, length)}, {part}}, ReceiveResult::Incomplete, before, part, 2, {incomplete}},
        {"empty", {{Reply(20, 0)}}, ReceiveResult::EmptyTable, Bytes(16, 0), {}, 0, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        prompter.messages.clear();
        folder.write(std::filesystem::path(eventFile).filename().string(), before);
        EXPECT_EQ(receive(c.answers, chosen).result, c.result);
        EXPECT_EQ(read(eventFile), c.eventFile);
        EXPECT_EQ(read(chosen), c.chosenFile);
        EXPECT_EQ(list.lines.size(), c.lines);
        EXPECT_EQ(prompter.messages, c.messages);
    }
}

TEST_F(CommandFixture, ReceivingOntoTheEventFileItselfCannotCutIt) {
    EXPECT_EQ(receive({{Reply(20, length)}, {Bytes(table.begin(), table.end() - 1)}}, eventFile).result,
              ReceiveResult::Incomplete);
    EXPECT_EQ(read(eventFile), before);
    EXPECT_EQ(receive({{Reply(20, length)}, {table}}, eventFile).result, ReceiveResult::Received);
    EXPECT_EQ(read(eventFile), table);
    EXPECT_EQ(folder.names().size(), 1u); // nothing left beside it
}

} // namespace
} // namespace corvane

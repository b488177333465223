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
    const std::string eventFile = std::filesystem::path(EventFilePath(folder.path(), EventKind::Relay)).filename();

    CommandFixture() { folder.write(eventFile, before); }
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
    EXPECT_EQ(folder.read(eventFile), before);
    EXPECT_EQ(list.lines.size(), 2u); // the list is refilled all the same
}

// Into a file of its own, or onto the event file itself (which must never be cut).
TEST_F(CommandFixture, OnlyACompleteOrEmptyTableBecomesTheEventFile) {
    const Bytes part(table.begin(), table.end() - 10);
    const Strings incomplete{std::string(kIncompleteTableMessage)};
    struct Case { const char* name; Bytes arrived; bool onto; ReceiveResult result; Bytes eventFile; std::size_t lines; Strings messages; };
    // clang-format off
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
        answer({{Reply(20, c.arrived.empty() ? 0 : length)}, {c.arrived}});
        prompter.answerSave(folder.file(chosen));
        EXPECT_EQ(ReceiveTableCommand(protocol, EventKind::Relay, folder.path(), true, list).result, c.result);
        EXPECT_EQ(folder.read(eventFile), c.eventFile);
        EXPECT_EQ(folder.read(chosen), c.onto ? c.eventFile : c.arrived); // the chosen file keeps what arrived
        EXPECT_EQ(list.lines.size(), c.lines);
        EXPECT_EQ(prompter.messages, c.messages);
        EXPECT_EQ(folder.names().size(), c.onto ? 1u : 2u); // nothing left beside them
    }
}

} // namespace
} // namespace corvane

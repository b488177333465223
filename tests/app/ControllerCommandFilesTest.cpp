// What the window's send and receive commands do with dialogs, the event file and
// the list, over a link that plays back the controller's answers.

#include "app/ControllerCommands.h"
#include "device/ControllerLink.h"
#include "events/EventFiles.h"
#include "platform/ByteOrder.h"
#include "platform/Pacer.h"
#include "platform/Progress.h"
#include "support/RecordingPrompter.h"
#include "support/TempFolder.h"
#include "support/VectorEventList.h"

#include <algorithm>
#include <deque>
#include <filesystem>
#include <gtest/gtest.h>
#include <tuple>

namespace corvane::test {
namespace {

using Bytes = std::vector<std::uint8_t>;

// Always open; every write is taken; each read delivers the next answer, cut to
// what was asked for. Counts what it is asked to do.
struct PlaybackLink final : ControllerLink {
    std::deque<Bytes> answers;
    int calls = 0;

    void openController() override { ++calls; }
    bool isOpen() const override { return true; }
    void close() override {}
    bool write(std::span<const std::uint8_t>) override { return ++calls > 0; }
    std::optional<std::size_t> read(std::span<std::uint8_t> buffer) override {
        ++calls;
        if (answers.empty())
            return 0;
        Bytes& next = answers.front();
        const std::size_t count = std::min(buffer.size(), next.size());
        std::copy_n(next.begin(), count, buffer.begin());
        next.erase(next.begin(), next.begin() + static_cast<std::ptrdiff_t>(count));
        if (next.empty())
            answers.pop_front();
        return count;
    }
    bool purge() override { return true; }
    std::optional<std::uint32_t> queuedBytes() override { return 0; }
};

struct NoPacer final : Pacer {
    void sleep(int) override {}
    std::chrono::milliseconds now() const override { return {}; }
};

struct NoProgress final : Progress {
    void show() override {}
    void hide() override {}
    void setRange(int, int) override {}
    void setPosition(int) override {}
    void setStep(int) override {}
    void stepIt() override {}
};

Bytes RelayFile(std::uint32_t entries) {
    Bytes bytes(kEventFileHeaderSize + entries * InfoOf(EventKind::Relay).recordSize, 0x5A);
    PutU32(bytes, 0, entries);
    PutU32(bytes, 4, 0);
    return bytes;
}

// The main window's view: an event folder holding a Relay file of two entries.
struct CommandFixture : ::testing::Test {
    TempFolder folder;
    RecordingPrompter prompter;
    NoPacer pacer;
    PlaybackLink link;
    ControllerProtocol protocol{link, pacer, prompter};
    VectorEventList list;
    const Bytes before = RelayFile(2);
    const Bytes table = RelayFile(5);
    const std::string eventFile =
        std::filesystem::path(EventFilePath(folder.path(), EventKind::Relay)).filename();

    CommandFixture() { folder.write(eventFile, before); }
    ReceiveResult receive() {
        return ReceiveTableCommand(protocol, prompter, EventKind::Relay, folder.path(), true, list)
            .result;
    }
};

TEST_F(CommandFixture, CancelledDialogsOfferTheKindsFilesAndTouchNeitherControllerNorFiles) {
    NoProgress progress;
    EXPECT_EQ(SendTableCommand(protocol, prompter, EventKind::Relay, progress).result,
              SendResult::Cancelled);
    EXPECT_EQ(receive(), ReceiveResult::Cancelled);
    for (const auto& r : {prompter.openRequests.at(0), prompter.saveRequests.at(0)})
        EXPECT_EQ(std::tie(r.filter, r.defaultExtension, r.initialName),
                  std::make_tuple("Relay(*.rel)|*.rel|All Files(*.*)|*.*||", "rel", "EventFile"));
    EXPECT_EQ(link.calls, 0);
    EXPECT_EQ(folder.read(eventFile), before);
    EXPECT_EQ(list.lines.size(), 2u); // the list is refilled all the same
}

// Into a file of its own, or onto the event file itself (which must never be cut).
TEST_F(CommandFixture, OnlyACompleteOrEmptyTableBecomesTheEventFile) {
    const Bytes part(table.begin(), table.end() - 10);
    const std::vector<std::string> incomplete{std::string(kIncompleteTableMessage)};
    struct Case {
        const char* name;
        Bytes arrived;
        bool ontoEventFile;
        ReceiveResult result;
        Bytes eventFile;
        std::size_t lines;
    };
    using enum ReceiveResult;
    const std::vector<Case> cases = {
        {"incomplete onto the event file", part, true, Incomplete, before, 2},
        {"complete onto the event file", table, true, Received, table, 5},
        {"complete", table, false, Received, table, 5},
        {"incomplete", part, false, Incomplete, before, 2},
        {"empty", {}, false, EmptyTable, Bytes(16, 0), 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        prompter.messages.clear();
        folder.write(eventFile, before);
        const std::string chosen = c.ontoEventFile ? eventFile : "EventFile.rel";
        Bytes reply(20, 0);
        PutU16(reply, 3, static_cast<std::uint16_t>(c.arrived.empty() ? 0 : table.size()));
        link.answers = {Bytes{}, reply, c.arrived}; // the drain finds nothing
        prompter.answerSave(folder.file(chosen));
        EXPECT_EQ(receive(), c.result);
        EXPECT_EQ(folder.read(eventFile), c.eventFile);
        // The chosen file keeps what arrived.
        EXPECT_EQ(folder.read(chosen), c.ontoEventFile ? c.eventFile : c.arrived);
        EXPECT_EQ(list.lines.size(), c.lines);
        EXPECT_EQ(prompter.messages,
                  c.result == Incomplete ? incomplete : std::vector<std::string>{});
        EXPECT_EQ(folder.names().size(), c.ontoEventFile ? 1u : 2u); // nothing left beside them
    }
}

} // namespace
} // namespace corvane::test

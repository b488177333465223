// The window's send and receive over the serial link when the controller's port
// vanishes mid-transfer (the pseudo-terminal closes, as at an unplug): the
// exchange ends as a failed write or read does, and the event file stays as it
// was, byte for byte.

#include "app/ControllerCommands.h"
#include "device/PtyRig.h"
#include "device/SerialLink.h"
#include "events/EventFiles.h"
#include "platform/ByteOrder.h"
#include "platform/Progress.h"
#include "platform/SystemPacer.h"
#include "support/RecordingPrompter.h"
#include "support/TempFolder.h"
#include "support/VectorEventList.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace corvane::test {
namespace {

using Bytes = std::vector<std::uint8_t>;
using Strings = std::vector<std::string>;

struct NoProgress final : Progress {
    void show() override {}
    void hide() override {}
    void setRange(int, int) override {}
    void setPosition(int) override {}
    void setStep(int) override {}
    void stepIt() override {}
};

Bytes RelayFile(std::uint32_t entries, std::uint8_t fill) {
    Bytes bytes(kEventFileHeaderSize + entries * InfoOf(EventKind::Relay).recordSize, fill);
    PutU32(bytes, 0, entries);
    PutU32(bytes, 4, 0);
    return bytes;
}

TEST(SerialCommands, APortThatVanishesMidTransferLeavesTheEventFileAsItWas) {
    // The table (1296 bytes) goes over first: 1336 bytes cross. The cut then falls
    // inside the next send's first chunks, or inside the table coming back.
    struct Case {
        const char* name;
        const char* cutAfter;
        bool receive;
        Strings messages;
    };
    // clang-format off
    const std::vector<Case> cases = {
        {"mid-send", "1600", false, {std::string(kSendBrokeOffMessage)}},
        {"mid-receive", "1976", true, {std::string(kIncompleteTableMessage)}},
    };
    // clang-format on
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        PtyRig pty(SimSettingsOf({{"timing", "instant"}, {"cut_after", c.cutAfter}}));
        TempFolder folder;
        RecordingPrompter prompter;
        SystemPacer pacer;
        NoProgress progress;
        VectorEventList list;
        SerialLink link(prompter, {}, {pty.port(), ""});
        ControllerProtocol protocol(link, pacer, prompter);
        folder.write("table.rel", RelayFile(40, 0x3C));
        ASSERT_EQ(protocol.sendTable(EventKind::Relay, folder.file("table.rel"), progress),
                  SendResult::Sent);
        const std::string eventFile = EventFilePath(folder.path(), EventKind::Relay);
        const Bytes before = RelayFile(2, 0x5A);
        folder.write(std::filesystem::path(eventFile).filename().string(), before);
        if (c.receive) {
            prompter.answerSave(folder.file("EventFile.rel"));
            EXPECT_EQ(
                ReceiveTableCommand(protocol, prompter, EventKind::Relay, folder.path(), true, list)
                    .result,
                ReceiveResult::Incomplete);
        } else {
            prompter.answerOpen(folder.file("table.rel"));
            EXPECT_EQ(SendTableCommand(protocol, prompter, EventKind::Relay, progress).result,
                      SendResult::ChunkFailed);
        }
        EXPECT_EQ(folder.read(std::filesystem::path(eventFile).filename().string()), before);
        EXPECT_EQ(prompter.messages, c.messages);
        EXPECT_FALSE(link.isOpen());
    }
}

} // namespace
} // namespace corvane::test

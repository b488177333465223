// Send, receive and empty through the real buttons, against the simulated
// controller bound at run time.
#include "app/ControllerCommands.h"

#include "AppHarness.h"
#include "platform/AtomicFile.h"

namespace corvane::test {
namespace {

class ControllerTest : public AppHarness {
protected:
    // The relay events added and exported to relays.rel.
    std::string exportRelays(const QStringList& names) {
        addRelays(names);
        prompter.answerSave(folderPath("relays.rel"));
        click(kIdExport);
        return folderPath("relays.rel");
    }
};

TEST_F(ControllerTest, TransfersThatBreakOffChangeNoEventFileAndSaySo) {
    ASSERT_TRUE(start());
    const std::string relays = exportRelays({"A", "B", "C"});
    send(relays);
    const QByteArray stored = eventFile(EventKind::Relay);
    const std::string onto = EventFilePath(window().eventFolder(), EventKind::Relay);
    const std::string cut = "Receive failed: the table from the controller is incomplete!";
    const std::string full =
        "The event file could not be written (is the disk full?); nothing was changed!";
    const ReplaceFault diskFull = [](ReplaceStep step) {
        return step == ReplaceStep::WriteTemporary ? ENOSPC : 0;
    };
    struct Case {
        const char* name;
        bool sending; // else a receive into chosen
        std::string chosen;
        const char* cutAfter; // bytes the link carries before it is cut; "" not cut
        ReplaceFault fault;
        std::string message;
    };
    const Case cases[] = {
        {"cut into its own file", false, folderPath("cut.rel"), "60", nullptr, cut},
        {"cut onto the event file", false, onto, "60", nullptr, cut},
        {"unplugged mid-send", true, "", "60", nullptr, std::string(kSendBrokeOffMessage)},
        {"disk full", false, folderPath("back.rel"), "", diskFull, full},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        prompter.messages.clear();
        ConfigureSimulator("cut_after", c.cutAfter);
        SetReplaceFaultForTesting(c.fault);
        c.sending ? send(relays) : receive(c.chosen);
        SetReplaceFaultForTesting(nullptr);
        EXPECT_EQ(prompter.messages, std::vector<std::string>{c.message});
        EXPECT_EQ(eventFile(EventKind::Relay), stored);
        EXPECT_EQ(listLines().size(), 3);
    }
    click(kIdClear); // a whole table received onto the event file leaves no temporary
    receive(onto);
    EXPECT_EQ(eventFile(EventKind::Relay), stored);
    EXPECT_EQ(listLines().size(), 3);
    EXPECT_FALSE(QFile::exists(QString::fromStdString(onto + ".receiving")));
}

TEST_F(ControllerTest, WithoutControllerEveryCommandSearchesAgain) {
    ConfigureSimulator("devices", "");
    ASSERT_TRUE(start());
    send(exportRelays({"A"}));
    click(kIdSend); // a cancelled dialog does not search
    click(kIdEmpty);
    receive(folderPath("none.rel"));
    EXPECT_EQ(prompter.messages, std::vector<std::string>(4, "No Device Found!"));
    EXPECT_EQ(listLines().size(), 1);
}

} // namespace
} // namespace corvane::test

// Send, receive and empty through the real buttons, against the simulated
// controller bound at run time.
#include "app/ControllerCommands.h"

#include "AppHarness.h"
#include "events/text/TextImportExport.h"
#include "platform/AtomicFile.h"

#include <QProgressBar>
#include <QSignalSpy>

namespace corvane::test {
namespace {

class ControllerTest : public AppHarness {
protected:
    // Adds count relay events on channels 1..count and exports them.
    std::string exportRelays(int count) {
        selectKind(EventKind::Relay);
        for (int i = 0; i < count; ++i) {
            selectItem(EventKind::Relay, 1105, i);
            setEventName(QString("R%1").arg(i));
            click(kIdAdd);
        }
        return exportAs("relays.rel");
    }
    std::string exportAs(const std::string& name) {
        const std::string path = folderPath(name);
        prompter.answerSave(path);
        click(kIdExport);
        return path;
    }

    void send(const std::string& path) { prompter.answerOpen(path), click(kIdSend); }
    void receive(const std::string& path) { prompter.answerSave(path), click(kIdReceive); }
};

TEST_F(ControllerTest, WeekClockTableGoesInTwoChunksWithTheProgressBar) {
    ASSERT_TRUE(start());
    // Eleven weekly entries: 16 + 11 * 48 = 544 bytes, chunks of 512 and 32.
    for (int day : {1027, 1021, 1022, 1023, 1024, 1025, 1026}) // Sunday to Saturday
        clickPanel(EventKind::WeekClock, day);
    click(kIdAdd);
    for (int day : {1024, 1025, 1026}) // Thursday to Saturday off, Sunday to Wednesday stay
        clickPanel(EventKind::WeekClock, day);
    selectItem(EventKind::WeekClock, 1031, 1);
    click(kIdAdd);
    ASSERT_EQ(listLines().size(), 11);
    const std::string path = exportAs("week.trc");

    QSignalSpy steps(window().progressBar(), &QProgressBar::valueChanged);
    send(path);
    EXPECT_EQ(window().progressBar()->maximum(), 2);
    QList<int> values;
    for (const auto& step : steps)
        values << step.at(0).toInt();
    EXPECT_EQ(values, QList<int>({1, 2, 0}));
    EXPECT_FALSE(window().progressBar()->isVisible());

    click(kIdClear);
    receive(folderPath("back.trc"));
    EXPECT_EQ(eventFile(EventKind::WeekClock), readFile(path));
    EXPECT_EQ(listLines().size(), 11);
}

// Into a file of its own, or onto the event file itself, which must never be cut.
TEST_F(ControllerTest, OnlyACompleteTableBecomesTheEventFile) {
    ASSERT_TRUE(start());
    send(exportRelays(3));
    const QByteArray stored = eventFile(EventKind::Relay);
    const std::string onto = EventFilePath(window().eventFolder(), EventKind::Relay);
    for (const std::string& chosen : {folderPath("cut.rel"), onto}) {
        ConfigureSimulator("cut_after", "60");
        receive(chosen);
        EXPECT_EQ(eventFile(EventKind::Relay), stored);
        EXPECT_EQ(listLines().size(), 3);
    }
    EXPECT_EQ(prompter.messages,
              std::vector<std::string>(
                  2, "Receive failed: the table from the controller is incomplete!"));
    ConfigureSimulator("cut_after", "");
    click(kIdClear);
    receive(onto);
    EXPECT_EQ(eventFile(EventKind::Relay), stored);
    EXPECT_EQ(listLines().size(), 3);
    EXPECT_FALSE(QFile::exists(QString::fromStdString(onto + ".receiving")));
}

// An unplug in the middle of a transfer (the link cut after so many bytes) and
// a disk that fills up under the receive: the operator is told, and the event
// file and the list stay as they were.
TEST_F(ControllerTest, TransfersThatBreakOffChangeNoEventFileAndSaySo) {
    ASSERT_TRUE(start());
    const std::string relays = exportRelays(3);
    send(relays);
    const QByteArray stored = eventFile(EventKind::Relay);
    struct Case {
        const char* name;
        bool sending;
        const char* cutAfter; // bytes the link carries before it is cut; "" not cut
        ReplaceFault fault;
        std::string message;
    };
    const Case cases[] = {
        {"unplugged mid-send", true, "60", nullptr, std::string(kSendBrokeOffMessage)},
        {"unplugged mid-receive", false, "60", nullptr, std::string(kIncompleteTableMessage)},
        {"disk full", false, "",
         [](ReplaceStep step) { return step == ReplaceStep::WriteTemporary ? ENOSPC : 0; },
         "The event file could not be written (is the disk full?); nothing was changed!"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        prompter.messages.clear();
        ConfigureSimulator("cut_after", c.cutAfter);
        SetReplaceFaultForTesting(c.fault);
        c.sending ? send(relays) : receive(folderPath("back.rel"));
        SetReplaceFaultForTesting(nullptr);
        EXPECT_EQ(prompter.messages, std::vector<std::string>{c.message});
        EXPECT_EQ(eventFile(EventKind::Relay), stored);
        EXPECT_EQ(listLines().size(), 3);
    }
}

TEST_F(ControllerTest, WithoutControllerEveryCommandSearchesAgain) {
    ConfigureSimulator("devices", "");
    ASSERT_TRUE(start());
    send(exportRelays(1));
    click(kIdSend); // a cancelled dialog does not search
    click(kIdEmpty);
    receive(folderPath("none.rel"));
    EXPECT_EQ(prompter.messages, std::vector<std::string>(4, "No Device Found!"));
    EXPECT_EQ(listLines().size(), 1);
}

struct KindCase {
    EventKind kind;
    const char* linePrefix; // of the line a default event shows
};

class EveryKindTest : public ControllerTest, public testing::WithParamInterface<KindCase> {};

// Every command of the window once on each kind, each step checked against the
// bytes of the kind's event file.
TEST_P(EveryKindTest, CommandsRoundTripTheKindsTable) {
    const EventKind kind = GetParam().kind;
    const std::string extension(InfoOf(kind).extension);
    ASSERT_TRUE(start());
    selectKind(kind);
    if (kind == EventKind::WeekClock)
        clickPanel(kind, 1021); // Monday
    click(kIdAdd);
    const QByteArray stored = eventFile(kind);
    ASSERT_EQ(stored.size(), 16 + static_cast<qsizetype>(InfoOf(kind).recordSize));
    ASSERT_EQ(listLines().size(), 1);
    EXPECT_TRUE(listLines()[0].startsWith(GetParam().linePrefix)) << listLines()[0].toStdString();

    const std::string exported = exportAs("out." + extension);
    send(exported);
    click(kIdClear);
    EXPECT_EQ(eventFile(kind), QByteArray(16, '\0'));
    EXPECT_TRUE(listLines().isEmpty());

    receive(folderPath("back." + extension));
    prompter.answerSave(std::nullopt); // a cancelled receive changes nothing
    click(kIdReceive);
    EXPECT_EQ(eventFile(kind), stored);
    EXPECT_EQ(listLines().size(), 1);

    clickLine(0);
    click(kIdDelete);
    EXPECT_TRUE(listLines().isEmpty());
    prompter.answerOpen(exported);
    click(kIdImport);
    EXPECT_EQ(eventFile(kind), stored);

    click(kIdEmpty);
    receive(folderPath("empty." + extension));
    EXPECT_EQ(eventFile(kind), QByteArray(16, '\0'));
    EXPECT_TRUE(listLines().isEmpty());
    EXPECT_TRUE(prompter.messages.empty());
    // Send and receive offer the exchange files; import and export the text form too.
    const auto filters = {std::string(InfoOf(kind).dialogFilter), ImportExportDialog(kind).filter};
    for (const auto& requests : {prompter.openRequests, prompter.saveRequests})
        for (const auto& request : requests) {
            EXPECT_EQ(std::tie(request.defaultExtension, request.initialName),
                      std::make_tuple(extension, std::string("EventFile")));
            EXPECT_TRUE(std::ranges::count(filters, request.filter) == 1) << request.filter;
        }
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Kinds, EveryKindTest, testing::Values(
    KindCase{EventKind::WeekClock, "Event:(MON/"}, KindCase{EventKind::Timecode, "Event:T(0/0/0:0 to 0/0/0:0)-DMX(ch:1to512"},
    KindCase{EventKind::Midi, "Event:MIDI("}, KindCase{EventKind::Audio, "Event:("}, KindCase{EventKind::Relay, "Event:ch="},
    KindCase{EventKind::Sensor, "Event:Contact1,"}, KindCase{EventKind::Analog, "Event:Analog1:V=0.05~10.00,"}),
    [](const auto& info) { return std::string(InfoOf(info.param.kind).cliName); });
// clang-format on

} // namespace
} // namespace corvane::test

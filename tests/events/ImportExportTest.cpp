#include "events/ImportExport.h"

#include "EventTestPanels.h"
#include "events/EventList.h"

namespace corvane {
namespace {

using test::EventFileBytes;

class ImportExport : public ::testing::Test {
protected:
    void importFile(EventKind kind, std::optional<std::string> answer, bool weekly = true) {
        prompter.answerOpen(std::move(answer));
        ImportEventFile(folder.path(), kind, weekly, prompter, list);
    }
    void exportFile(EventKind kind, std::optional<std::string> answer) {
        prompter.answerSave(std::move(answer));
        ExportEventFile(folder.path(), kind, prompter);
    }

    test::TempFolder folder, elsewhere;
    test::RecordingPrompter prompter;
    test::VectorEventList list;
    const std::vector<std::uint8_t> relays =
        EventFileBytes(std::vector<RelayRecord>{{1, 0, 9, 1, 0, "a"}, {2, 0, 9, 2, 1, "b"}, {3, 1, 2, 8, 0, "c"}});
};

TEST_F(ImportExport, DialogsOfferTheKindsFilterExtensionAndInitialName) {
    exportFile(EventKind::WeekClock, std::nullopt);
    importFile(EventKind::Analog, std::nullopt);
    const auto &save = prompter.saveRequests.at(0), &open = prompter.openRequests.at(0);
    EXPECT_EQ(std::tie(save.filter, save.defaultExtension, save.initialName),
              std::tuple("Real Time Clock(*.trc)|*.trc|All Files(*.*)|*.*||", "trc", "EventFile"));
    EXPECT_EQ(std::tie(open.filter, open.defaultExtension), std::tuple("Analog(*.alg)|*.alg|All Files(*.*)|*.*||", "alg"));
    // Cancelled dialogs change nothing.
    EXPECT_TRUE(folder.names().empty());
    EXPECT_TRUE(prompter.messages.empty());
}

TEST_F(ImportExport, ExportThenImportIsByteIdentical) {
    folder.write("relayEvent.bin", relays);
    exportFile(EventKind::Relay, elsewhere.file("out.rel"));
    EXPECT_EQ(elsewhere.read("out.rel"), relays);
    folder.write("relayEvent.bin", test::BareHeader());
    importFile(EventKind::Relay, elsewhere.file("out.rel"));
    EXPECT_EQ(folder.read("relayEvent.bin"), relays);
    EXPECT_EQ(list.lines.size(), 3u);
    // Exporting onto the event file itself keeps it.
    exportFile(EventKind::Relay, folder.file("relayEvent.bin"));
    EXPECT_EQ(folder.read("relayEvent.bin"), relays);

    // Week clock: both groups come over, the list shows the chosen one.
    const auto week = EventFileBytes(1, 2, std::vector<WeekClockRecord>(3));
    elsewhere.write("w.trc", week);
    importFile(EventKind::WeekClock, elsewhere.file("w.trc"), false);
    EXPECT_EQ(folder.read("EventWeekInfo.bin"), week);
    EXPECT_EQ(list.lines.size(), 2u);
}

TEST_F(ImportExport, ExportOfAnEmptyMissingOrUnwritableTarget) {
    folder.write("midiEvent.bin", test::BareHeader());
    exportFile(EventKind::Midi, elsewhere.file("m.mdi"));
    EXPECT_EQ(elsewhere.read("m.mdi"), test::BareHeader());
    elsewhere.write("s.sen", {1, 2, 3});
    exportFile(EventKind::Sensor, elsewhere.file("s.sen"));
    EXPECT_TRUE(elsewhere.read("s.sen").empty());
    EXPECT_FALSE(folder.exists("sensorEvent.bin"));

    folder.write("relayEvent.bin", relays);
    exportFile(EventKind::Relay, elsewhere.file("no/such/folder/x.rel"));
    EXPECT_FALSE(CopyOutEventFile(folder.path(), EventKind::Relay, elsewhere.path()));
    EXPECT_EQ(elsewhere.names().size(), 2u);
    EXPECT_TRUE(prompter.messages.empty());
}

TEST_F(ImportExport, ImportRefusesMissingAndUnfittingFilesTakesAnyThatFits) {
    const auto sensors = EventFileBytes(std::vector<SensorRecord>(3)); // 124 bytes, not 16 + 3 * 32
    elsewhere.write("sensors.sen", sensors);
    elsewhere.write("damaged.rel", std::vector<std::uint8_t>(relays.begin(), relays.end() - 1));
    elsewhere.write("empty.rel", {});
    const std::string invalid = "The file is not a valid event file for this kind!";
    const std::pair<std::string, std::string> cases[] = {{"missing.rel", "The file does not exist!"},
                                                         {"sensors.sen", invalid},
                                                         {"damaged.rel", invalid},
                                                         {"empty.rel", invalid}};
    for (const auto& [name, message] : cases) {
        folder.write("relayEvent.bin", relays);
        prompter.messages.clear();
        list.lines = {"kept"};
        importFile(EventKind::Relay, elsewhere.file(name));
        EXPECT_EQ(prompter.messages, std::vector<std::string>{message}) << name;
        EXPECT_EQ(folder.read("relayEvent.bin"), relays) << name;
        EXPECT_EQ(list.lines, std::vector<std::string>{"kept"}) << name;
    }
    // The refused missing file was not created on the way.
    EXPECT_FALSE(elsewhere.exists("missing.rel"));
    // Midi and Sensor records are both 36 bytes: a sensor file fits as a MIDI one.
    importFile(EventKind::Midi, elsewhere.file("sensors.sen"));
    EXPECT_EQ(folder.read("midiEvent.bin"), sensors);
    EXPECT_EQ(list.lines.size(), 3u);
}

TEST_F(ImportExport, ReplaceForTheReceiveCopiesAnyContentAndTheFillRepairsIt) {
    elsewhere.write("received.rel", {1, 2, 3});
    EXPECT_EQ(ReplaceEventFile(elsewhere.file("received.rel"), folder.path(), EventKind::Relay), ReplaceResult::Replaced);
    EXPECT_EQ(folder.read("relayEvent.bin"), (std::vector<std::uint8_t>{1, 2, 3}));
    FillEventList(folder.path(), EventKind::Relay, true, list);
    EXPECT_EQ(folder.read("relayEvent.bin"), test::BareHeader());
    EXPECT_EQ(ReplaceEventFile(elsewhere.file("nothing"), folder.path(), EventKind::Relay), ReplaceResult::SourceMissing);
    EXPECT_EQ(ReplaceEventFile(elsewhere.path(), folder.path(), EventKind::Relay), ReplaceResult::SourceUnreadable);
    EXPECT_EQ(folder.read("relayEvent.bin"), test::BareHeader());
}

} // namespace
} // namespace corvane

#include "events/text/TextImportExport.h"

#include "events/RelayRecord.h"
#include "support/FileOfRecords.h"
#include "support/RecordingPrompter.h"
#include "support/TempFolder.h"
#include "support/VectorEventList.h"

#include <gtest/gtest.h>

namespace corvane {
namespace {

// The window's import and export: a ".json" file goes the text way (other
// files, the exchange-file way, are the window's tests); refusals are shown
// and change nothing.
TEST(TextImportExport, JsonFilesGoTheTextWay) {
    test::TempFolder folder, elsewhere;
    test::RecordingPrompter prompter;
    test::VectorEventList list;
    const auto relays = test::FileOfRecords(std::vector<RelayRecord>{{7, 1, 9, 2, 1, "Fan"}});
    folder.write("relayEvent.bin", relays);
    const auto exportTo = [&](const std::string& name) {
        prompter.answerSave(elsewhere.file(name));
        ExportEventsWithText(folder.path(), EventKind::Relay, prompter);
    };
    const auto importFrom = [&](const std::string& name) {
        prompter.answerOpen(elsewhere.file(name));
        ImportEventsWithText(folder.path(), EventKind::Relay, true, prompter, list);
    };
    exportTo("show.JSON");
    EXPECT_EQ(prompter.saveRequests.at(0).filter,
              "Relay(*.rel)|*.rel|Events as JSON (*.json)|*.json|All Files(*.*)|*.*||");

    folder.write("relayEvent.bin", test::BareHeader());
    importFrom("show.JSON");
    EXPECT_EQ(folder.read("relayEvent.bin"), relays);
    EXPECT_EQ(list.lines,
              std::vector<std::string>{"Fan:ch=7 Level(low:1,high:9)-Relay(No.=2:Status=Off)"});

    const std::string bad = R"({"kind":"relay","events":[{"name":"x"}]})";
    elsewhere.write("bad.json", std::vector<std::uint8_t>(bad.begin(), bad.end()));
    importFrom("bad.json");
    importFrom("absent.json");
    EXPECT_EQ(prompter.messages, (std::vector<std::string>{"event 1, field \"channel\": is missing",
                                                           "The file does not exist!"}));
    EXPECT_EQ(folder.read("relayEvent.bin"), relays);
}

} // namespace
} // namespace corvane

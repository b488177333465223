#include "events/EventFiles.h"

#include "EventTestForms.h"
#include "events/EventEditing.h"
#include "events/EventList.h"
#include "events/EventMessages.h"
#include "events/ImportExport.h"
#include "platform/AtomicFile.h"
#include "support/ScratchMounts.h"

#include <unistd.h>

namespace corvane {
namespace {

using test::FileOfRecords;
using Bytes = std::vector<std::uint8_t>;
using Strings = std::vector<std::string>;

struct EventFiles : ::testing::Test {
    void importFile(EventKind kind, std::optional<std::string> answer) {
        prompter.answerOpen(std::move(answer));
        ImportEventFile(folder.path(), kind, true, prompter, list);
    }
    void fill(EventKind kind) {
        list.lines = {"stale"};
        FillEventList(folder.path(), kind, true, list);
    }
    void exportFile(EventKind kind, std::optional<std::string> answer) {
        prompter.answerSave(std::move(answer));
        ExportEventFile(folder.path(), kind, prompter);
    }

    test::TempFolder folder, elsewhere;
    test::RecordingPrompter prompter;
    test::VectorEventList list;
    const Bytes relays = FileOfRecords(
        std::vector<RelayRecord>{{1, 0, 9, 1, 0, "a"}, {2, 0, 9, 2, 1, "b"}, {3, 1, 2, 8, 0, "c"}});
};

TEST_F(EventFiles, ExportOntoTheEventFileItselfKeepsIt) {
    folder.write("relayEvent.bin", relays);
    exportFile(EventKind::Relay, folder.file("relayEvent.bin"));
    EXPECT_EQ(folder.read("relayEvent.bin"), relays);
    EXPECT_EQ(folder.names(), Strings{"relayEvent.bin"});
    EXPECT_TRUE(prompter.messages.empty());
}

TEST_F(EventFiles, ExportOfAMissingFileOrToAnUnwritableTarget) {
    elsewhere.write("s.sen", {1, 2, 3});
    exportFile(EventKind::Sensor, elsewhere.file("s.sen"));
    EXPECT_TRUE(elsewhere.read("s.sen").empty());
    EXPECT_FALSE(folder.exists("sensorEvent.bin"));

    folder.write("relayEvent.bin", relays);
    exportFile(EventKind::Relay, elsewhere.file("no/such/folder/x.rel"));
    EXPECT_FALSE(CopyOutEventFile(folder.path(), EventKind::Relay, elsewhere.path()));
    EXPECT_EQ(elsewhere.names(), Strings{"s.sen"});
    EXPECT_TRUE(prompter.messages.empty());
}

TEST_F(EventFiles, ImportRefusesMissingAndUnfittingFilesTakesAnyThatFits) {
    const auto sensors = FileOfRecords(std::vector<SensorRecord>(3)); // 124 bytes, not 16 + 3 * 32
    elsewhere.write("sensors.sen", sensors);
    struct Case {
        std::string name;
        std::string message;
    };
    const Case cases[] = {
        {"missing.rel", "The file does not exist!"},
        {"sensors.sen", "The file is not a valid event file for this kind!"},
    };
    for (const auto& c : cases) {
        folder.write("relayEvent.bin", relays);
        prompter.messages.clear();
        list.lines = {"kept"};
        importFile(EventKind::Relay, elsewhere.file(c.name));
        EXPECT_EQ(prompter.messages, Strings{c.message}) << c.name;
        EXPECT_EQ(folder.read("relayEvent.bin"), relays) << c.name;
        EXPECT_EQ(list.lines, Strings{"kept"}) << c.name;
    }
    // The refused missing file was not created on the way.
    EXPECT_FALSE(elsewhere.exists("missing.rel"));
    // Midi and Sensor records are both 36 bytes: a sensor file fits as a MIDI one.
    importFile(EventKind::Midi, elsewhere.file("sensors.sen"));
    EXPECT_EQ(folder.read("midiEvent.bin"), sensors);
    EXPECT_EQ(list.lines.size(), 3u);
}

TEST_F(EventFiles, AnEmptyValidFileIsLeftAsItIs) {
    auto header = test::BareHeader();
    header[12] = 7; // reserved bytes are never read
    folder.write("midiEvent.bin", header);
    fill(EventKind::Midi);
    EXPECT_TRUE(list.lines.empty());
    EXPECT_EQ(folder.read("midiEvent.bin"), header);
    EXPECT_EQ(folder.names().size(), 1u);
}

TEST_F(EventFiles, DamagedFileIsKeptAsideAndRepaired) {
    // A length one byte past a valid file, and a short file; the second repair
    // replaces the first copy.
    auto onePast = relays;
    onePast.push_back(0);
    for (const auto& damaged : {onePast, std::vector<std::uint8_t>{1, 2, 3}}) {
        folder.write("relayEvent.bin", damaged);
        fill(EventKind::Relay);
        EXPECT_TRUE(list.lines.empty());
        EXPECT_EQ(folder.read("relayEvent.bin"), test::BareHeader());
        EXPECT_EQ(folder.read("relayEvent.bin.damaged"), damaged);
    }
}

TEST_F(EventFiles, AHugeEventFileIsKeptAsideInPiecesAndRepaired) {
    folder.write("relayEvent.bin", relays);
    ASSERT_EQ(::truncate(folder.file("relayEvent.bin").c_str(), 200'000'000'000), 0);
    EXPECT_EQ(FillEventList(folder.path(), EventKind::Relay, true, list), FileStatus::Done);
    EXPECT_TRUE(list.lines.empty());
    EXPECT_EQ(folder.read("relayEvent.bin"), test::BareHeader());
    EXPECT_EQ(std::filesystem::file_size(folder.file("relayEvent.bin.damaged")), 200'000'000'000u);
    std::ifstream damaged(folder.file("relayEvent.bin.damaged"), std::ios::binary);
    std::vector<std::uint8_t> start(relays.size());
    damaged.read(reinterpret_cast<char*>(start.data()), std::streamsize(start.size()));
    EXPECT_EQ(start, relays);
}

struct Operation {
    const char* name;
    bool damaged; // the file starts damaged (the fill repairs it) instead of valid
    void (*run)(EventFiles& f);
};

// Every operation that writes the relay file; the import takes import.rel.
const Operation kOperations[] = {
    {"add", false,
     [](EventFiles& f) { AddEvent(f.folder.path(), test::RelayOn(7), "new", f.prompter, f.list); }},
    {"delete", false,
     [](EventFiles& f) {
         ReportFileProblem(DeleteEvent(f.folder.path(), EventKind::Relay, true, 1), f.prompter);
     }},
    {"clear", false,
     [](EventFiles& f) {
         ReportFileProblem(ClearEventFile(f.folder.path(), EventKind::Relay), f.prompter);
     }},
    {"import", false,
     [](EventFiles& f) { f.importFile(EventKind::Relay, f.elsewhere.file("import.rel")); }},
    {"repair", true,
     [](EventFiles& f) {
         ReportFileProblem(FillEventList(f.folder.path(), EventKind::Relay, true, f.list),
                           f.prompter);
     }},
};

// A refused step of the write, or (no step) a file the system does not let
// this user write.
struct Fault {
    const char* name;
    std::optional<ReplaceStep> step;
    int error;
    std::string_view message;
};

Fault gFault;

TEST_F(EventFiles, ARefusedWriteKeepsTheFileAndSaysWhy) {
    const Fault faults[] = {
        {"disk full", ReplaceStep::WriteTemporary, ENOSPC, messages::kEventFileWriteFailed},
        {"folder not writable", ReplaceStep::CreateTemporary, EACCES, messages::kNoTemporaryFile},
        {"folder gone", ReplaceStep::Rename, ENOENT, messages::kEventFileWriteFailed},
        {"read-only file", std::nullopt, 0, messages::kEventFileReadOnly},
    };
    elsewhere.write("import.rel", FileOfRecords(std::vector<RelayRecord>(1)));
    for (const Operation& operation : kOperations) {
        for (const Fault& fault : faults) {
            SCOPED_TRACE(std::string(operation.name) + ", " + fault.name);
            const Bytes start = operation.damaged ? Bytes{1, 2, 3} : relays;
            folder.write("relayEvent.bin", start);
            prompter.messages.clear();
            gFault = fault;
            std::optional<test::ScratchMount> view;
            if (!fault.step) {
                view.emplace(test::ScratchMount::readOnly(folder.file("relayEvent.bin")));
                if (!view->ready())
                    continue; // no read-only file can be made here
            }
            SetReplaceFaultForTesting(
                [](ReplaceStep step) { return step == gFault.step ? gFault.error : 0; });
            operation.run(*this);
            SetReplaceFaultForTesting(nullptr);
            EXPECT_EQ(prompter.messages, Strings{std::string(fault.message)});
            EXPECT_EQ(folder.read("relayEvent.bin"), start);
            EXPECT_EQ(folder.names(), Strings{"relayEvent.bin"});
        }
    }
}

} // namespace
} // namespace corvane

// Every operation that writes an event file, against every way the write can
// be refused: the file keeps its bytes, nothing else is left behind, and the
// operator is told why.
#include "EventTestForms.h"
#include "events/EventEditing.h"
#include "events/EventFiles.h"
#include "events/EventList.h"
#include "events/EventMessages.h"
#include "events/ImportExport.h"
#include "platform/AtomicFile.h"
#include "support/ScratchMounts.h"

namespace corvane {
namespace {

using Bytes = std::vector<std::uint8_t>;
using Strings = std::vector<std::string>;

class FileFaults : public ::testing::Test {
protected:
    void TearDown() override { SetReplaceFaultForTesting(nullptr); }

    std::string events() const { return folder.file("events"); }
    std::string relayFile() const { return events() + "/relayEvent.bin"; }
    Bytes relayBytes() const { return test::TempFolder::readFile(relayFile()); }
    Strings eventFolderNames() const {
        Strings names;
        for (const auto& entry : std::filesystem::directory_iterator(events()))
            names.push_back(entry.path().filename().string());
        return names;
    }

    test::TempFolder folder, elsewhere;
    test::RecordingPrompter prompter;
    test::VectorEventList list;
    const Bytes relays = test::FileOfRecords(
        std::vector<RelayRecord>{{1, 0, 9, 1, 0, "a"}, {2, 0, 9, 2, 1, "b"}, {3, 1, 2, 8, 0, "c"}});
};

// What an operation works on: the event folder and, for the import, the file
// the dialog picks.
struct Scene {
    std::string folder;
    test::RecordingPrompter& prompter;
    EventListView& list;
    std::string source;
};

struct Operation {
    const char* name;
    bool damaged; // the file starts damaged (the fill repairs it) instead of valid
    void (*run)(Scene& s);
};

const Operation kOperations[] = {
    {"add", false,
     [](Scene& s) { AddEvent(s.folder, test::RelayOn(7), "new", s.prompter, s.list); }},
    {"delete", false,
     [](Scene& s) {
         ReportFileProblem(DeleteEvent(s.folder, EventKind::Relay, true, 1), s.prompter);
     }},
    {"clear", false,
     [](Scene& s) { ReportFileProblem(ClearEventFile(s.folder, EventKind::Relay), s.prompter); }},
    {"import", false,
     [](Scene& s) {
         s.prompter.answerOpen(s.source);
         ImportEventFile(s.folder, EventKind::Relay, true, s.prompter, s.list);
     }},
    {"repair", true,
     [](Scene& s) {
         ReportFileProblem(FillEventList(s.folder, EventKind::Relay, true, s.list), s.prompter);
     }},
};

struct Fault {
    const char* name;
    ReplaceStep step;
    int error;
    std::string_view message;
};

Fault gFault;

TEST_F(FileFaults, ARefusedWriteKeepsTheFileAndSaysWhy) {
    const Fault faults[] = {
        {"disk full", ReplaceStep::WriteTemporary, ENOSPC, messages::kEventFileWriteFailed},
        {"folder not writable", ReplaceStep::CreateTemporary, EACCES, messages::kNoTemporaryFile},
        {"folder gone", ReplaceStep::Rename, ENOENT, messages::kEventFileWriteFailed},
    };
    elsewhere.write("import.rel", test::FileOfRecords(std::vector<RelayRecord>(1)));
    std::filesystem::create_directory(events());
    Scene scene{events(), prompter, list, elsewhere.file("import.rel")};
    for (const Operation& operation : kOperations) {
        for (const Fault& fault : faults) {
            SCOPED_TRACE(std::string(operation.name) + ", " + fault.name);
            const Bytes start = operation.damaged ? Bytes{1, 2, 3} : relays;
            test::TempFolder::writeFile(relayFile(), start);
            prompter.messages.clear();
            gFault = fault;
            SetReplaceFaultForTesting(
                [](ReplaceStep step) { return step == gFault.step ? gFault.error : 0; });
            operation.run(scene);
            SetReplaceFaultForTesting(nullptr);
            EXPECT_EQ(prompter.messages, Strings{std::string(fault.message)});
            EXPECT_EQ(relayBytes(), start);
            EXPECT_EQ(eventFolderNames(), Strings{"relayEvent.bin"});
        }
    }
}

// The same with a file the system does not let this user write.
TEST_F(FileFaults, AReadOnlyFileKeepsItsBytesAndSaysWhy) {
    elsewhere.write("import.rel", test::FileOfRecords(std::vector<RelayRecord>(1)));
    std::filesystem::create_directory(events());
    Scene scene{events(), prompter, list, elsewhere.file("import.rel")};
    for (const Operation& operation : kOperations) {
        SCOPED_TRACE(operation.name);
        const Bytes start = operation.damaged ? Bytes{1, 2, 3} : relays;
        test::TempFolder::writeFile(relayFile(), start);
        const auto view = test::ScratchMount::readOnly(relayFile());
        if (!view.ready())
            GTEST_SKIP() << "cannot make a read-only file here";
        prompter.messages.clear();
        operation.run(scene);
        EXPECT_EQ(prompter.messages, Strings{"The event file is read-only!"});
        EXPECT_EQ(relayBytes(), start);
    }
}

} // namespace
} // namespace corvane

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

// What an operation works on: the event folder and, for the import, the file
// the dialog picks.
struct Scene {
    std::string folder;
    std::string source;
    test::RecordingPrompter prompter;
    test::VectorEventList list;
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

// A refused step of the write, or (no step) a file the system does not let
// this user write.
struct Fault {
    const char* name;
    std::optional<ReplaceStep> step;
    int error;
    std::string_view message;
};

Fault gFault;

TEST(FileFaults, ARefusedWriteKeepsTheFileAndSaysWhy) {
    const Fault faults[] = {
        {"disk full", ReplaceStep::WriteTemporary, ENOSPC, messages::kEventFileWriteFailed},
        {"folder not writable", ReplaceStep::CreateTemporary, EACCES, messages::kNoTemporaryFile},
        {"folder gone", ReplaceStep::Rename, ENOENT, messages::kEventFileWriteFailed},
        {"read-only file", std::nullopt, 0, messages::kEventFileReadOnly},
    };
    test::TempFolder folder, elsewhere;
    elsewhere.write("import.rel", test::FileOfRecords(std::vector<RelayRecord>(1)));
    Scene scene{folder.path(), elsewhere.file("import.rel"), {}, {}};
    for (const Operation& operation : kOperations) {
        for (const Fault& fault : faults) {
            SCOPED_TRACE(std::string(operation.name) + ", " + fault.name);
            const Bytes start = operation.damaged ? Bytes{1, 2, 3} : test::ThreeRelays();
            folder.write("relayEvent.bin", start);
            scene.prompter.messages.clear();
            gFault = fault;
            std::optional<test::ScratchMount> view;
            if (!fault.step) {
                view.emplace(test::ScratchMount::readOnly(folder.file("relayEvent.bin")));
                if (!view->ready())
                    continue; // no read-only file can be made here
            }
            SetReplaceFaultForTesting(
                [](ReplaceStep step) { return step == gFault.step ? gFault.error : 0; });
            operation.run(scene);
            SetReplaceFaultForTesting(nullptr);
            EXPECT_EQ(scene.prompter.messages, Strings{std::string(fault.message)});
            EXPECT_EQ(folder.read("relayEvent.bin"), start);
            EXPECT_EQ(folder.names(), Strings{"relayEvent.bin"});
        }
    }
}

} // namespace
} // namespace corvane

#include "cli/EventListing.h"
#include "events/MidiRecord.h"
#include "events/RelayRecord.h"
#include "events/WeekClockRecord.h"
#include "support/EventFileBytes.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <sys/wait.h>

namespace corvane::cli {
namespace {

using test::EventFileBytes;

TEST(ListEvents, PrintsOneLinePerRecordOfTheShownGroup) {
    const std::vector<WeekClockRecord> records = {
        {0, 0, 2, 8, 5, 0, 0, 0, 2, 9, 30, 0, 1, 10, 1, 255, 0, "Event"},
        {12, 24, 5, 18, 0, 0, 12, 26, 7, 6, 0, 0, 1, 10, 1, 255, 1, "Xmas"},
    };
    const auto file = EventFileBytes(1, 1, records);
    const auto weekly = ListEvents(file, EventKind::WeekClock, false, "f");
    EXPECT_EQ(weekly.status, 0);
    EXPECT_EQ(weekly.out, "Event:(MON/ 8: 5: 0toMON/ 9:30: 0) (Ch:1to10,i:1,l:255)\n");
    const auto dated = ListEvents(file, EventKind::WeekClock, true, "f");
    EXPECT_EQ(dated.out, "Xmas:(12/24/18: 0: 0to12/26/ 6: 0: 0) DMX(ch:1to10,i:1,l:255)\n");
}

TEST(CheckEvents, ReportsCountsOrTheReason) {
    const auto relays = EventFileBytes(std::vector<RelayRecord>(3));
    const auto week = EventFileBytes(2, 1, std::vector<WeekClockRecord>(3));
    struct Case {
        std::vector<std::uint8_t> file;
        EventKind kind;
        int status;
        std::string out, errStart;
    };
    const Case cases[] = {
        {relays, EventKind::Relay, 0, "valid: 3 entries\n", ""},
        {test::BareHeader(), EventKind::Analog, 0, "valid: 0 entries\n", ""},
        {EventFileBytes(1, 1, std::vector<RelayRecord>(2)), EventKind::Relay, 0, "valid: 2 entries\n", ""},
        {week, EventKind::WeekClock, 0, "valid: 2 weekly, 1 dated\n", ""},
        {std::vector<std::uint8_t>(15), EventKind::Relay, 1, "", "f is not a valid relay event file\n  it holds 15 bytes"},
        {relays, EventKind::Sensor, 1, "", "f is not a valid sensor event file\n  its length 112 does not match"},
    };
    for (const auto& c : cases) {
        const auto output = CheckEvents(c.file, c.kind, "f");
        EXPECT_EQ(output.status, c.status);
        EXPECT_EQ(output.out, c.out);
        EXPECT_TRUE(output.err.starts_with(c.errStart)) << output.err;
    }
}

// The command line itself: argument handling, exit statuses, and that list
// never touches the file it reads.
class Corvanectl : public ::testing::Test {
protected:
    struct Result {
        int status;
        std::string out, err;
    };
    Result run(const std::string& arguments) {
        const std::string command = std::string(CORVANECTL_PATH) + " " + arguments + " >" + folder.file("out") +
                                    " 2>" + folder.file("err");
        const int raw = std::system(command.c_str());
        const auto text = [&](const char* name) {
            const auto bytes = folder.read(name);
            return std::string(bytes.begin(), bytes.end());
        };
        return {WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, text("out"), text("err")};
    }

    test::TempFolder folder;
};

TEST_F(Corvanectl, ListAndCheckAValidFile) {
    folder.write("m.bin", EventFileBytes(std::vector<MidiRecord>{{1, 60, 0xFF, 0, 1, 512, 1, 255, "Event"}}));
    const auto list = run("list MIDI " + folder.file("m.bin"));
    EXPECT_EQ(list.status, 0);
    EXPECT_EQ(list.out, "Event:MIDI(ch:1,note:60,On) (Ch:1to512,i=1,l=255,Hold)\n");
    const auto check = run("check 2 " + folder.file("m.bin"));
    EXPECT_EQ(check.status, 0);
    EXPECT_EQ(check.out, "valid: 1 entries\n");
}

TEST_F(Corvanectl, ListLeavesAnInvalidFileUnchanged) {
    const std::vector<std::uint8_t> damaged = {1, 0, 0, 0, 9, 9};
    folder.write("d.bin", damaged);
    const auto result = run("list relay " + folder.file("d.bin") + " --dated");
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(result.err, folder.file("d.bin") + " is not a valid relay event file\n");
    EXPECT_EQ(folder.read("d.bin"), damaged);
    EXPECT_FALSE(folder.exists("d.bin.damaged"));
}

TEST_F(Corvanectl, WrongArgumentsPrintTheUsage) {
    folder.write("m.bin", test::BareHeader());
    const std::string file = folder.file("m.bin");
    const std::string wrong[] = {"list", "list midi", "list foo " + file, "list 7 " + file,
                                 "check midi " + file + " extra", "list midi " + file + " --dated --dated",
                                 "check midi " + file + " --dated", "frobnicate"};
    for (const auto& arguments : wrong) {
        const auto result = run(arguments);
        EXPECT_EQ(result.status, 2) << arguments;
        EXPECT_TRUE(result.err.starts_with("usage: corvanectl")) << arguments;
        EXPECT_EQ(result.out, "") << arguments;
    }
    const auto help = run("--help");
    EXPECT_EQ(help.status, 0);
    EXPECT_NE(help.out.find("list KIND FILE [--dated]"), std::string::npos);
    EXPECT_NE(help.out.find("check KIND FILE"), std::string::npos);
}

TEST_F(Corvanectl, AFileThatCannotBeReadFails) {
    const auto result = run("check relay " + folder.file("absent.bin"));
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(result.err, folder.file("absent.bin") + " cannot be read\n");
    EXPECT_FALSE(folder.exists("absent.bin"));
}

} // namespace
} // namespace corvane::cli

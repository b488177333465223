#include "cli/EventListing.h"
#include "events/MidiRecord.h"
#include "events/RelayRecord.h"
#include "events/WeekClockRecord.h"
#include "support/FileOfRecords.h"
#include "support/TempFolder.h"

#include <cstdlib>
#include <gtest/gtest.h>
#include <sys/wait.h>

namespace corvane::cli {
namespace {

using test::FileOfRecords;

TEST(CheckEvents, ReportsCountsOrTheReason) {
    const auto relays = FileOfRecords(std::vector<RelayRecord>(3));
    // clang-format off
    const std::tuple<std::vector<std::uint8_t>, EventKind, int, std::string, std::string> cases[] = {
        {FileOfRecords(1, 2, std::vector<RelayRecord>(3)), EventKind::Relay, 0, "valid: 3 entries\n", ""},
        {FileOfRecords(2, 1, std::vector<WeekClockRecord>(3)), EventKind::WeekClock, 0, "valid: 2 weekly, 1 dated\n", ""},
        {std::vector<std::uint8_t>(15), EventKind::Relay, 1, "", "f is not a valid relay event file\n  it holds 15 bytes"},
        {relays, EventKind::Sensor, 1, "", "f is not a valid sensor event file\n  its length 112 does not match"}};
    // clang-format on
    for (const auto& [file, kind, status, out, errStart] : cases) {
        const auto output = CheckEvents(file, kind, "f");
        EXPECT_EQ(std::tie(output.status, output.out), std::tie(status, out)) << output.err;
        EXPECT_TRUE(output.err.starts_with(errStart)) << output.err;
    }
}

// The command line itself: arguments, exit statuses, output, and that list
// never touches the file it reads.
TEST(Corvanectl, ListCheckAndWrongArguments) {
    test::TempFolder folder;
    const auto text = [&](const char* name) {
        const auto bytes = folder.read(name);
        return std::string(bytes.begin(), bytes.end());
    };
    const auto run = [&](const std::string& arguments) {
        const auto command = std::string(CORVANECTL_PATH) + " " + arguments + " >" +
                             folder.file("out") + " 2>" + folder.file("err");
        const int raw = std::system(command.c_str());
        return std::tuple(WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, text("out"), text("err"));
    };
    const std::vector<WeekClockRecord> week = {
        {0, 0, 2, 8, 5, 0, 0, 0, 2, 9, 30, 0, 1, 10, 1, 255, 0, "Event"},
        {12, 24, 5, 18, 0, 0, 12, 26, 7, 6, 0, 0, 1, 10, 1, 255, 1, "Xmas"}};
    folder.write("w.bin", FileOfRecords(1, 1, week));
    folder.write("m.bin",
                 FileOfRecords(std::vector<MidiRecord>{{1, 60, 0xFF, 0, 1, 512, 1, 255, "Event"}}));
    const std::vector<std::uint8_t> damaged = {1, 0, 0, 0, 9, 9};
    folder.write("d.bin", damaged);
    const auto w = folder.file("w.bin"), m = folder.file("m.bin"), d = folder.file("d.bin"),
               absent = folder.file("absent.bin");
    const std::string usage = "usage: corvanectl";
    // clang-format off
    const std::tuple<std::string, int, std::string, std::string> cases[] = {
        {"list MIDI " + m, 0, "Event:MIDI(ch:1,note:60,On) (Ch:1to512,i=1,l=255,Hold)\n", ""},
        {"check 2 " + m, 0, "valid: 1 entries\n", ""},
        {"list weekclock " + w, 0, "Event:(MON/ 8: 5: 0toMON/ 9:30: 0) (Ch:1to10,i:1,l:255)\n", ""},
        {"list 0 " + w + " --dated", 0, "Xmas:(12/24/18: 0: 0to12/26/ 6: 0: 0) DMX(ch:1to10,i:1,l:255)\n", ""},
        {"list relay " + d + " --dated", 1, "", d + " is not a valid relay event file\n"},
        {"check relay " + absent, 1, "", absent + " cannot be read\n"},
        {"list", 2, "", usage}, {"list midi", 2, "", usage}, {"list foo " + m, 2, "", usage}, {"list 7 " + m, 2, "", usage},
        {"check midi " + m + " extra", 2, "", usage}, {"list midi " + m + " --dated --dated", 2, "", usage},
        {"check midi " + m + " --dated", 2, "", usage}, {"frobnicate", 2, "", usage}};
    // clang-format on
    for (const auto& [arguments, wantStatus, wantOut, wantErr] : cases) {
        SCOPED_TRACE(arguments);
        const auto [status, out, err] = run(arguments);
        EXPECT_EQ(std::tie(status, out), std::tie(wantStatus, wantOut));
        EXPECT_EQ(wantStatus == 2 ? err.substr(0, usage.size()) : err, wantErr);
    }
    EXPECT_EQ(folder.read("d.bin"), damaged);
    EXPECT_FALSE(folder.exists("d.bin.damaged"));
    EXPECT_FALSE(folder.exists("absent.bin"));
    const auto [status, help, err] = run("--help");
    EXPECT_TRUE(status == 0 && help.contains("list KIND FILE [--dated]") &&
                help.contains("check KIND FILE"))
        << help;
}

} // namespace
} // namespace corvane::cli

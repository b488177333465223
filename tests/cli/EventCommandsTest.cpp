#include "RunCorvanectl.h"
#include "events/MidiRecord.h"
#include "events/RelayRecord.h"
#include "events/WeekClockRecord.h"
#include "support/FileOfRecords.h"

#include <gtest/gtest.h>
#include <unistd.h>

namespace corvane::cli {
namespace {

using test::FileOfRecords;

// list never touches the file it reads.
TEST(Corvanectl, ListCheckAndWrongArguments) {
    test::TempFolder folder;
    const std::vector<WeekClockRecord> week = {
        {0, 0, 2, 8, 5, 0, 0, 0, 2, 9, 30, 0, 1, 10, 1, 255, 0, "Event"},
        {12, 24, 5, 18, 0, 0, 12, 26, 7, 6, 0, 0, 1, 10, 1, 255, 1, "Xmas"}};
    folder.write("w.bin", FileOfRecords(1, 1, week));
    folder.write("m.bin",
                 FileOfRecords(std::vector<MidiRecord>{{1, 60, 0xFF, 0, 1, 512, 1, 255, "Event"}}));
    const std::vector<std::uint8_t> damaged = {1, 0, 0, 0, 9, 9};
    folder.write("d.bin", damaged);
    // A name from a foreign file: one event stays one line.
    folder.write("n.bin", FileOfRecords(std::vector<MidiRecord>{
                              {1, 60, 0xFF, 0, 1, 512, 1, 255, "a\nb\\c\xE9\x7F"}}));
    folder.write("huge.bin", FileOfRecords(std::vector<MidiRecord>(1)));
    ASSERT_EQ(::truncate(folder.file("huge.bin").c_str(), 200'000'000'000), 0);
    const auto w = folder.file("w.bin"), m = folder.file("m.bin"), d = folder.file("d.bin"),
               absent = folder.file("absent.bin"), n = folder.file("n.bin"),
               huge = folder.file("huge.bin");
    const std::string usage = "usage: corvanectl";
    const std::string notRelay = " is not a valid relay event file\n";
    struct Case {
        std::string arguments;
        int status;
        std::string out, err; // only the start of the usage is compared
    };
    const Case cases[] = {
        {"list MIDI " + m, 0, "Event:MIDI(ch:1,note:60,On) (Ch:1to512,i=1,l=255,Hold)\n", ""},
        {"check weekclock " + w, 0, "valid: 1 weekly, 1 dated\n", ""},
        {"list weekclock " + w, 0, "Event:(MON/ 8: 5: 0toMON/ 9:30: 0) (Ch:1to10,i:1,l:255)\n", ""},
        {"list 0 " + w + " --dated", 0,
         "Xmas:(12/24/18: 0: 0to12/26/ 6: 0: 0) DMX(ch:1to10,i:1,l:255)\n", ""},
        {"list relay " + d + " --dated", 1, "", d + notRelay},
        {"check relay " + d, 1, "",
         d + notRelay + "  it holds 6 bytes, too short for the 16-byte header\n"},
        {"check relay " + m, 1, "",
         m + notRelay + "  its length 52 does not match the counts 1 + 0, which need 48 bytes\n"},
        {"check relay " + absent, 1, "", absent + " cannot be read\n"},
        {"list midi " + n, 0,
         "a\\x0Ab\\\\c\xC3\xA9\\x7F:MIDI(ch:1,note:60,On) (Ch:1to512,i=1,l=255,Hold)\n", ""},
        {"check midi " + huge, 1, "", huge + ": The file is too large to be an event file!\n"},
        {"list", 2, "", usage},
        {"list 7 " + m, 2, "", usage},
        {"check midi " + m + " --dated", 2, "", usage},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.arguments);
        const auto [status, out, err] = test::RunCorvanectl(folder, c.arguments);
        EXPECT_EQ(status, c.status);
        EXPECT_EQ(out, c.out);
        EXPECT_EQ(c.status == 2 ? err.substr(0, usage.size()) : err, c.err);
    }
    EXPECT_EQ(folder.read("d.bin"), damaged);
    EXPECT_FALSE(folder.exists("d.bin.damaged"));
    EXPECT_FALSE(folder.exists("absent.bin"));
}

} // namespace
} // namespace corvane::cli

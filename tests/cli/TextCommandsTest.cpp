#include "RunCorvanectl.h"
#include "events/RelayRecord.h"
#include "support/FileOfRecords.h"

#include <gtest/gtest.h>

namespace corvane::cli {
namespace {

// An event file is left alone by every refusal.
TEST(Corvanectl, ExportAndImportText) {
    test::TempFolder folder;
    const auto file = test::FileOfRecords(std::vector<RelayRecord>{{7, 1, 9, 2, 1, "Fan"}});
    folder.write("r.bin", file);
    folder.write("bad.json", {'{', '}'});
    struct Case {
        std::string arguments;
        int status;
        std::string err; // compared when the status is 1
    };
    const std::string piped = " | " + std::string(CORVANECTL_PATH) + " import 4 - piped.bin";
    const Case cases[] = {
        {"export relay r.bin r.json", 0, ""},
        {"import relay r.json copy.bin", 0, ""},
        {"export relay r.bin -" + piped, 0, ""},
        {"import relay bad.json r.bin", 1, "bad.json: field \"kind\" is missing\n"},
        {"export midi r.bin x.json", 1, "r.bin: not a valid midi event file\n"},
        {"import relay absent.json r.bin", 1, "absent.json: cannot be read\n"},
        {"import relay r.json", 2, ""},
        {"export lamp r.bin x.json", 2, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.arguments);
        const auto run = test::RunCorvanectl(folder, c.arguments);
        EXPECT_EQ(run.status, c.status);
        if (c.status == 1) {
            EXPECT_EQ(run.err, c.err);
        }
    }
    EXPECT_EQ(folder.read("copy.bin"), file);
    EXPECT_EQ(folder.read("piped.bin"), file);
    EXPECT_EQ(folder.read("r.bin"), file);
    EXPECT_FALSE(folder.exists("x.json"));
}

} // namespace
} // namespace corvane::cli

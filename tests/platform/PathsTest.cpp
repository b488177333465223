#include "platform/Paths.h"

#include <gtest/gtest.h>

namespace corvane {
namespace {

TEST(SplitPath, BothSeparatorsAndADrive) {
    struct Case {
        const char* path;
        const char* drive;
        const char* folder;
        const char* name;
    };
    const Case cases[] = {
        {"C:\\Program Files\\Corvane\\Corvane.exe", "C:", "\\Program Files\\Corvane\\",
         "Corvane.exe"},
        {"/usr/local/bin/corvane", "", "/usr/local/bin/", "corvane"},
        {"Skins\\Corvane/the.ui", "", "Skins\\Corvane/", "the.ui"},
        {"the.ui", "", "", "the.ui"},
        {"d:the.ui", "d:", "", "the.ui"},
        {"/", "", "/", ""},
        {"", "", "", ""},
    };
    for (const auto& c : cases) {
        const auto parts = SplitPath(c.path);
        EXPECT_EQ(parts.drive, c.drive) << c.path;
        EXPECT_EQ(parts.folder, c.folder) << c.path;
        EXPECT_EQ(parts.name, c.name) << c.path;
    }
}

TEST(Paths, NativeAbsoluteJoinedAndTheProgramFile) {
    EXPECT_EQ(NativePath("Skins\\Corvane\\the.ui"), "Skins/Corvane/the.ui");
    EXPECT_TRUE(IsAbsolutePath("/tmp"));
    EXPECT_TRUE(IsAbsolutePath("c:\\x"));
    EXPECT_FALSE(IsAbsolutePath("Skins\\x"));
    EXPECT_EQ(JoinPath("/work/events", "\\midiEvent.bin"), "/work/events/midiEvent.bin");
    EXPECT_EQ(JoinPath("/work/events/", "midiEvent.bin"), "/work/events/midiEvent.bin");
    EXPECT_EQ(JoinPath("/", "midiEvent.bin"), "/midiEvent.bin");
    EXPECT_EQ(JoinPath("", "midiEvent.bin"), "/midiEvent.bin");
    const std::string program = ProgramFilePath();
    EXPECT_TRUE(PathExists(program));
    EXPECT_NE(program.find("corvane_platform_tests"), std::string::npos);
    EXPECT_EQ(ProgramFolder() + SplitPath(program).name, program);
    EXPECT_FALSE(PathExists(""));
    EXPECT_FALSE(PathExists("/no/such/path/here"));
}

} // namespace
} // namespace corvane

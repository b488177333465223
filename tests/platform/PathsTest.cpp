#include "platform/Paths.h"

#include <gtest/gtest.h>

namespace corvane {
namespace {

TEST(SplitPath, BothSeparatorsAndADrive) {
    // path, drive, folder, name
    // clang-format off
    const std::array<const char*, 4> cases[] = {
        {"C:\\Program Files\\Corvane\\Corvane.exe", "C:", "\\Program Files\\Corvane\\", "Corvane.exe"},
        {"Skins\\Corvane/the.ui", "", "Skins\\Corvane/", "the.ui"},
        {"the.ui", "", "", "the.ui"}, {"d:the.ui", "d:", "", "the.ui"}, {"/", "", "/", ""}, {"", "", "", ""}};
    // clang-format on
    for (const auto& [path, drive, folder, name] : cases) {
        const auto parts = SplitPath(path);
        EXPECT_EQ(std::tie(parts.drive, parts.folder, parts.name), std::tuple(drive, folder, name)) << path;
    }
}

TEST(Paths, NativeAbsoluteJoinedAndTheProgramFile) {
    EXPECT_EQ(NativePath("Skins\\Corvane\\the.ui"), "Skins/Corvane/the.ui");
    EXPECT_TRUE(IsAbsolutePath("/tmp"));
    EXPECT_TRUE(IsAbsolutePath("c:\\x"));
    EXPECT_FALSE(IsAbsolutePath("Skins\\x"));
    for (const auto& [folder, name] : {std::pair{"/work/events", "\\midiEvent.bin"}, {"/work/events/", "midiEvent.bin"}})
        EXPECT_EQ(JoinPath(folder, name), "/work/events/midiEvent.bin");
    EXPECT_EQ(JoinPath("", "midiEvent.bin"), "/midiEvent.bin");
    const std::string program = ProgramFilePath();
    EXPECT_TRUE(PathExists(program));
    EXPECT_NE(program.find("corvane_platform_tests"), std::string::npos);
    EXPECT_EQ(ProgramFolder() + SplitPath(program).name, program);
    EXPECT_FALSE(PathExists("/no/such/path/here"));
}

} // namespace
} // namespace corvane

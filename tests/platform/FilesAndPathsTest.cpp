#include "platform/AtomicFile.h"
#include "platform/BinaryFile.h"
#include "platform/Paths.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

namespace corvane {
namespace {

TEST(WriteFileAtomically, ReplacesTheContentKeepsThePermissionsAndLeavesNothingElse) {
    test::TempFolder folder;
    folder.write("f", std::vector<std::uint8_t>(100, 7));
    ASSERT_EQ(::chmod(folder.file("f").c_str(), 0640), 0);
    ASSERT_TRUE(WriteFileAtomically(folder.file("f"), std::vector<std::uint8_t>{1, 2, 3}));
    ASSERT_TRUE(WriteFileAtomically(folder.file("new"), {}));
    EXPECT_EQ(std::pair(folder.read("f"), folder.read("new")),
              std::pair(std::vector<std::uint8_t>{1, 2, 3}, std::vector<std::uint8_t>{}));
    EXPECT_EQ(std::filesystem::status(folder.file("f")).permissions(),
              std::filesystem::perms(0640));
    EXPECT_EQ(folder.names().size(), 2u);
}

TEST(WriteFileAtomically, FailsWithoutTouchingAFolderOrAMissingFolder) {
    test::TempFolder folder;
    std::filesystem::create_directory(folder.file("dir"));
    EXPECT_FALSE(WriteFileAtomically(folder.file("dir"), std::vector<std::uint8_t>{1}));
    EXPECT_FALSE(WriteFileAtomically(folder.file("none/f"), std::vector<std::uint8_t>{1}));
    EXPECT_EQ(folder.names(), std::vector<std::string>{"dir"});
    // Reading takes regular files only.
    folder.write("f", {5, 6});
    EXPECT_EQ(ReadWholeFile(folder.file("f")), (std::vector<std::uint8_t>{5, 6}));
    EXPECT_FALSE(ReadWholeFile(folder.file("missing")));
    EXPECT_FALSE(ReadWholeFile(folder.file("dir")));
}

using Mode = BinaryFile::Mode;

TEST(BinaryFile, ModesCreateKeepOrCutTheFile) {
    test::TempFolder folder;
    struct Case {
        Mode mode;
        bool fileExists, opens;
        std::uint64_t lengthAfterOpen;
    };
    // clang-format off
    const Case cases[] = {
        {Mode::Keep,     true,  true,  4},
        {Mode::Keep,     false, true,  0},
        {Mode::Fresh,    true,  true,  0},
        {Mode::ReadOnly, true,  true,  4},
        {Mode::ReadOnly, false, false, 0},
    };
    // clang-format on
    for (const auto& [mode, fileExists, opens, lengthAfterOpen] : cases) {
        SCOPED_TRACE(testing::Message() << static_cast<int>(mode) << fileExists);
        std::filesystem::remove(folder.file("f"));
        if (fileExists)
            folder.write("f", {1, 2, 3, 4});
        const auto file = BinaryFile::open(folder.file("f"), mode);
        ASSERT_EQ(file.has_value(), opens);
        EXPECT_EQ(folder.exists("f"), opens);
        EXPECT_EQ(file ? file->length() : 0, lengthAfterOpen);
    }
    // Folders, empty paths and missing folders do not open.
    EXPECT_FALSE(BinaryFile::open(folder.path(), Mode::Keep));
    EXPECT_FALSE(BinaryFile::open("", Mode::Fresh));
    EXPECT_FALSE(BinaryFile::open(folder.file("no/such/f"), Mode::Keep));
}

TEST(SplitPath, BothSeparatorsAndADrive) {
    struct Case {
        const char *path, *drive, *folder, *name;
    };
    // clang-format off
    const Case cases[] = {
        {"C:\\Corvane\\Corvane.exe", "C:", "\\Corvane\\",     "Corvane.exe"},
        {"Skins\\Corvane/the.ui",    "",   "Skins\\Corvane/", "the.ui"},
        {"d:the.ui",                 "d:", "",                "the.ui"},
        {"/",                        "",   "/",               ""},
        {"",                         "",   "",                ""},
    };
    // clang-format on
    for (const auto& [path, drive, folder, name] : cases) {
        const auto parts = SplitPath(path);
        EXPECT_EQ(std::tie(parts.drive, parts.folder, parts.name), std::tuple(drive, folder, name))
            << path;
    }
}

TEST(Paths, NativeAbsoluteJoinedAndTheProgramFile) {
    EXPECT_EQ(NativePath("Skins\\Corvane\\the.ui"), "Skins/Corvane/the.ui");
    EXPECT_EQ(
        std::tuple(IsAbsolutePath("/tmp"), IsAbsolutePath("c:\\x"), IsAbsolutePath("Skins\\x")),
        std::tuple(true, true, false));
    for (const auto& [folder, name] :
         {std::pair{"/work/events", "\\midiEvent.bin"}, {"/work/events/", "midiEvent.bin"}})
        EXPECT_EQ(JoinPath(folder, name), "/work/events/midiEvent.bin");
    EXPECT_EQ(JoinPath("", "midiEvent.bin"), "/midiEvent.bin");
    const std::string program = ProgramFilePath();
    EXPECT_TRUE(PathExists(program));
    EXPECT_NE(program.find("platform_tests"), std::string::npos);
    EXPECT_EQ(ProgramFolder() + SplitPath(program).name, program);
    EXPECT_FALSE(PathExists("/no/such/path/here"));
}

} // namespace
} // namespace corvane

#include "platform/AtomicFile.h"

#include "support/TempFolder.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

namespace corvane {
namespace {

TEST(WriteFileAtomically, ReplacesTheContentKeepsThePermissionsAndLeavesNothingElse) {
    test::TempFolder folder;
    folder.write("f", std::vector<std::uint8_t>(100, 7));
    ASSERT_EQ(::chmod(folder.file("f").c_str(), 0640), 0);
    const std::vector<std::uint8_t> next = {1, 2, 3};
    ASSERT_TRUE(WriteFileAtomically(folder.file("f"), next));
    EXPECT_EQ(folder.read("f"), next);
    struct stat info {};
    ASSERT_EQ(::stat(folder.file("f").c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0640u);
    ASSERT_TRUE(WriteFileAtomically(folder.file("new"), {}));
    EXPECT_TRUE(folder.read("new").empty());
    EXPECT_EQ(folder.names().size(), 2u);
}

TEST(WriteFileAtomically, FailsWithoutTouchingAFolderOrAMissingFolder) {
    test::TempFolder folder;
    std::filesystem::create_directory(folder.file("dir"));
    const std::vector<std::uint8_t> bytes = {1};
    EXPECT_FALSE(WriteFileAtomically(folder.file("dir"), bytes));
    EXPECT_FALSE(WriteFileAtomically(folder.file("none/f"), bytes));
    EXPECT_EQ(folder.names(), std::vector<std::string>{"dir"});
    // Reading takes regular files only.
    folder.write("f", {5, 6});
    EXPECT_EQ(ReadWholeFile(folder.file("f")), (std::vector<std::uint8_t>{5, 6}));
    EXPECT_FALSE(ReadWholeFile(folder.file("missing")));
    EXPECT_FALSE(ReadWholeFile(folder.file("dir")));
}

} // namespace
} // namespace corvane

#include "platform/AtomicFile.h"
#include "platform/BinaryFile.h"
#include "support/TempFolder.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace corvane {
namespace {

using Bytes = std::vector<std::uint8_t>;
using Names = std::vector<std::string>;

TEST(WriteFileAtomically, ReplacesTheContentKeepsModeOwnerAndGroupAndLeavesNothingElse) {
    test::TempFolder folder;
    folder.write("f", Bytes(100, 7));
    ASSERT_EQ(::chmod(folder.file("f").c_str(), 0604), 0);
    // Only the superuser may give a file away; anyone keeps their own.
    const bool root = ::geteuid() == 0;
    ASSERT_TRUE(!root || ::chown(folder.file("f").c_str(), 1234, 5678) == 0);
    struct stat before {};
    ASSERT_EQ(::stat(folder.file("f").c_str(), &before), 0);

    ASSERT_EQ(WriteFileAtomically(folder.file("f"), Bytes{1, 2, 3}), FileStatus::Done);
    ASSERT_EQ(WriteFileAtomically(folder.file("new"), {}), FileStatus::Done);
    EXPECT_EQ(std::pair(folder.read("f"), folder.read("new")), std::pair(Bytes{1, 2, 3}, Bytes{}));
    struct stat after {};
    ASSERT_EQ(::stat(folder.file("f").c_str(), &after), 0);
    EXPECT_EQ(std::tuple(after.st_mode, after.st_uid, after.st_gid),
              std::tuple(before.st_mode, before.st_uid, before.st_gid));
    EXPECT_EQ(folder.names().size(), 2u);
}

TEST(WriteFileAtomically, FollowsLinksAndReplacesTheTargetInItsOwnFolder) {
    test::TempFolder folder, elsewhere;
    const auto relative = std::filesystem::relative(elsewhere.file("relative"), folder.path());
    struct Case {
        const char* link;   // in folder
        std::string target; // what the link holds
        const char* file;   // in elsewhere, the file that changes
    };
    const Case cases[] = {
        {"absolute", elsewhere.file("absolute"), "absolute"},
        {"relative", relative.string(), "relative"},
        {"dangling", elsewhere.file("new"), "new"},
    };
    std::uint8_t mark = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.link);
        if (std::string(c.file) != "new")
            elsewhere.write(c.file, {0});
        ASSERT_EQ(::symlink(c.target.c_str(), folder.file(c.link).c_str()), 0);
        ASSERT_EQ(WriteFileAtomically(folder.file(c.link), Bytes{++mark}), FileStatus::Done);
        EXPECT_TRUE(std::filesystem::is_symlink(folder.file(c.link)));
        EXPECT_EQ(elsewhere.read(c.file), Bytes{mark});
    }
    // The temporary files were made and renamed beside the targets.
    EXPECT_EQ(folder.names().size(), 3u);
    EXPECT_EQ(elsewhere.names().size(), 3u);
}

TEST(WriteFileAtomically, ADeathBeforeTheRenameLeavesTheOldFileAndATemporaryTheNextStartRemoves) {
    test::TempFolder folder;
    folder.write("f", {1, 2, 3});
    const pid_t writer = ::fork();
    if (writer == 0) {
        SetReplaceFaultForTesting([](ReplaceStep step) {
            if (step == ReplaceStep::Rename)
                ::_exit(0);
            return 0;
        });
        WriteFileAtomically(folder.file("f"), Bytes{4, 5});
        ::_exit(1);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(writer, &status, 0), writer);
    ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    EXPECT_EQ(folder.read("f"), (Bytes{1, 2, 3}));
    // Another running program's temporary and another file's stay.
    const std::string running = "f.tmp." + std::to_string(::getppid()) + ".0";
    const std::string other = "g.tmp." + std::to_string(writer) + ".0";
    folder.write(running, {0});
    folder.write(other, {0});
    ASSERT_EQ(folder.names().size(), 4u); // the writer's own temporary too
    RemoveLeftoverTemporaries(folder.file("f"));
    auto names = folder.names();
    std::ranges::sort(names);
    EXPECT_EQ(names, (Names{"f", running, other}));
}

TEST(ReadFileUpTo, ReadsAFileUpToTheLimitAndNoLonger) {
    test::TempFolder folder;
    folder.write("f", Bytes(101, 7));
    EXPECT_EQ(ReadFileUpTo(folder.file("f"), 101).bytes, Bytes(101, 7));
    EXPECT_EQ(ReadFileUpTo(folder.file("f"), 100).status, FileStatus::TooLarge);
}

// A pipe is refused without blocking, whichever way it is opened.
TEST(FilesThatAreNone, PipesAreRefusedWithoutBlocking) {
    test::TempFolder folder;
    ASSERT_EQ(::mkfifo(folder.file("pipe").c_str(), 0666), 0);
    const std::string pipe = folder.file("pipe");
    for (const auto mode :
         {BinaryFile::Mode::Keep, BinaryFile::Mode::Fresh, BinaryFile::Mode::ReadOnly})
        EXPECT_FALSE(BinaryFile::open(pipe, mode)) << static_cast<int>(mode);
    EXPECT_EQ(ReadFileUpTo(pipe, 100).status, FileStatus::NotAFile);
    EXPECT_EQ(WriteFileAtomically(pipe, Bytes{1}), FileStatus::NotAFile);
    EXPECT_EQ(CopyFileAtomically(pipe, folder.file("copy")), FileStatus::Unreadable);
    EXPECT_EQ(folder.names(), Names{"pipe"});
}

} // namespace
} // namespace corvane

#include "platform/BinaryFile.h"

#include "support/TempFolder.h"

#include <array>
#include <gtest/gtest.h>

namespace corvane {
namespace {

using Mode = BinaryFile::Mode;

TEST(BinaryFile, ModesCreateKeepOrCutTheFile) {
    test::TempFolder folder;
    // mode, file exists before, opens, length after opening
    // clang-format off
    const std::tuple<Mode, bool, bool, std::uint64_t> cases[] = {
        {Mode::Keep, true, true, 4}, {Mode::Keep, false, true, 0}, {Mode::Fresh, true, true, 0}, {Mode::ReadOnly, true, true, 4}, {Mode::ReadOnly, false, false, 0}};
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

TEST(BinaryFile, SeekWriteAndAShortReadAtTheEnd) {
    test::TempFolder folder;
    auto file = BinaryFile::open(folder.file("f"), Mode::Fresh);
    ASSERT_TRUE(file && file->seek(2) && file->write(std::array<std::uint8_t, 2>{9, 8}) && file->seek(0));
    std::array<std::uint8_t, 10> buffer{};
    EXPECT_EQ(file->read(buffer), 4u);
    EXPECT_EQ(folder.read("f"), (std::vector<std::uint8_t>{0, 0, 9, 8}));
}

} // namespace
} // namespace corvane

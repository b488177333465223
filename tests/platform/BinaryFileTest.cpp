#include "platform/BinaryFile.h"

#include "support/TempFolder.h"

#include <array>
#include <gtest/gtest.h>

namespace corvane {
namespace {

using Mode = BinaryFile::Mode;

TEST(BinaryFile, ModesCreateKeepOrCutTheFile) {
    test::TempFolder folder;
    struct Case {
        Mode mode;
        bool fileExists;
        bool opens;
        std::uint64_t lengthAfterOpen;
    };
    const Case cases[] = {
        {Mode::Keep, true, true, 4},     {Mode::Keep, false, true, 0},
        {Mode::Fresh, true, true, 0},    {Mode::Fresh, false, true, 0},
        {Mode::Existing, true, true, 4}, {Mode::Existing, false, false, 0},
        {Mode::ReadOnly, true, true, 4}, {Mode::ReadOnly, false, false, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << static_cast<int>(c.mode) << c.fileExists);
        std::filesystem::remove(folder.file("f"));
        if (c.fileExists)
            folder.write("f", {1, 2, 3, 4});
        auto file = BinaryFile::open(folder.file("f"), c.mode);
        ASSERT_EQ(file.has_value(), c.opens);
        EXPECT_EQ(folder.exists("f"), c.opens);
        if (file) {
            EXPECT_EQ(file->length(), c.lengthAfterOpen);
        }
    }
    // Folders, empty paths and missing folders do not open.
    EXPECT_FALSE(BinaryFile::open(folder.path(), Mode::Keep));
    EXPECT_FALSE(BinaryFile::open("", Mode::Fresh));
    EXPECT_FALSE(BinaryFile::open(folder.file("no/such/f"), Mode::Keep));
}

TEST(BinaryFile, SeekReadWriteAndSetLength) {
    test::TempFolder folder;
    auto file = BinaryFile::open(folder.file("f"), Mode::Fresh);
    ASSERT_TRUE(file);
    const std::array<std::uint8_t, 4> data = {9, 8, 7, 6};
    ASSERT_TRUE(file->seek(2));
    ASSERT_TRUE(file->write(data));
    EXPECT_EQ(file->length(), 6u);

    std::array<std::uint8_t, 10> buffer{};
    ASSERT_TRUE(file->seek(0));
    EXPECT_EQ(file->read(buffer), 6u); // short read at the end
    EXPECT_EQ(buffer[2], 9);

    ASSERT_TRUE(file->setLength(3));
    EXPECT_EQ(folder.read("f"), (std::vector<std::uint8_t>{0, 0, 9}));
}

} // namespace
} // namespace corvane

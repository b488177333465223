#include "skin/UiFile.h"

#include "SkinTestFolder.h"
#include "skin/LogFont.h"
#include "skin/SkinPaths.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <vector>

namespace corvane {
namespace {

constexpr std::string_view kText = "; comment line\r\n"
                                   "[Main]\r\n"
                                   "Caption =  Hello World  \r\n"
                                   "Empty=\n"
                                   "Dup=first\n"
                                   "dup=second\n"
                                   "  [ Spaced ]  \n"
                                   "Key=spaced\r"
                                   "Old=mac line end\r"
                                   "[main]\n"
                                   "Later=never seen\n";

TEST(UiFile, ReadsStringsAndIntsAsTheProfileFunctionsDo) {
    test::SkinTestFolder folder;
    const UiFile ui(folder.write("the.ui", kText));
    struct Case {
        const char *section, *key, *fallback;
        std::size_t buffer;
        const char* expected;
    };
    const Case strings[] = {
        {"Main", "Caption", "", 259, "Hello World"}, // blanks trimmed
        {"MAIN", "caption", "", 259, "Hello World"}, // names ignore case
        {"Main", "Caption", "", 6, "Hello"},         // cut to the buffer
        {"Main", "Empty", "dflt", 259, ""},          // an empty value is no default
        {"Main", "DUP", "", 259, "first"},           // the first duplicate key wins
        {"Spaced", "Key", "", 259, "spaced"},        // section names trimmed
        {"Spaced", "Old", "", 259, "mac line end"},  // a lone CR ends a line
        {"Main", "Later", "dflt", 259, "dflt"},      // a repeated section is not read
    };
    for (const Case& c : strings)
        EXPECT_EQ(ui.readString(c.section, c.key, c.fallback, c.buffer), c.expected)
            << c.section << "/" << c.key << " buffer " << c.buffer;
    // Numbers read as the rectangle fields are; an empty value reads as the default.
    EXPECT_EQ(ui.readInt("Main", "Empty", 5), 5);
}

TEST(UiFile, MissingFileOrFolderReadsAsEmpty) {
    test::SkinTestFolder folder;
    // A pipe reads like an empty file instead of waiting for a writer.
    ASSERT_EQ(::mkfifo(folder.file("pipe.ui").c_str(), 0666), 0);
    for (const std::string& path :
         {folder.file("absent.ui"), folder.path(), folder.file("pipe.ui")}) {
        EXPECT_EQ(UiFile(path).readString("Main", "Caption", "dflt", 259), "dflt");
        EXPECT_FALSE(UiFile(path).hasSection("Main"));
    }
}

TEST(UiFile, EveryReadSeesTheFileAsItIsNow) {
    test::SkinTestFolder folder;
    const std::string path = folder.write("the.ui", "[A]\nX=1\n");
    const UiFile ui(path);
    EXPECT_EQ(ui.readInt("A", "X", 0), 1);
    folder.write("the.ui", "[A]\nX=2\n"); // same size, possibly the same file time
    EXPECT_EQ(ui.readInt("A", "X", 0), 2);
    // A file that has been left alone is kept; a rewrite is still seen.
    std::filesystem::last_write_time(path, std::filesystem::last_write_time(path) -
                                               std::chrono::hours(1));
    EXPECT_EQ(ui.readInt("A", "X", 0), 2);
    folder.write("the.ui", "[A]\nX=3\n");
    EXPECT_EQ(ui.readInt("A", "X", 0), 3);
    std::filesystem::remove(path);
    EXPECT_EQ(ui.readInt("A", "X", 0), 0);
}

TEST(UiFile, StructNeedsExactLengthDigitsAndChecksum) {
    // 01 FF 10, checksum (0x01 + 0xFF + 0x10) % 256 = 0x10.
    const std::vector<std::uint8_t> bytes{0x01, 0xFF, 0x10};
    EXPECT_EQ(UiFile::formatStruct(bytes), "01FF1010");
    test::SkinTestFolder folder;
    const UiFile ui(folder.write(
        "the.ui", "[S]\nLower=01ff1010\nSum=01FF1011\nDigit=01FG1010\nLong=01FF101000\n"));
    EXPECT_EQ(ui.readStruct("S", "Lower", 3), bytes);
    for (const char* key : {"Sum", "Digit", "Long"})
        EXPECT_FALSE(ui.readStruct("S", key, 3).has_value()) << key;
}

TEST(UiFile, LogFontDecodedByOffsetAndLeftAloneOnFailure) {
    LOGFONTA font;
    font.lfHeight = -13;
    font.lfWeight = 700;
    const std::string face = "Sans Serif";
    std::copy(face.begin(), face.end(), font.lfFaceName.begin());
    const auto bytes = font.encode();
    // lfHeight -13 little-endian, lfWeight 700 = 0x02BC at offset 16, the face at 28.
    EXPECT_EQ((std::vector<int>{bytes[0], bytes[3], bytes[16], bytes[17], bytes[28]}),
              (std::vector<int>{0xF3, 0xFF, 0xBC, 0x02, 'S'}));

    test::SkinTestFolder folder;
    const UiFile ui(
        folder.write("the.ui", "[F]\nFontN=" + UiFile::formatStruct(bytes) + "\nBad=00\n"));
    LOGFONTA untouched = font;
    EXPECT_FALSE(ui.readLogFont("F", "Bad", untouched));
    EXPECT_EQ(untouched, font);
    // Read back through the process-wide UI file path.
    ASSERT_EQ(SetUIPath(ui.path()), 0);
    LOGFONTA read;
    EXPECT_TRUE(ReadLogFont("f", "fontn", read));
    EXPECT_EQ(read, font);
}

} // namespace
} // namespace corvane

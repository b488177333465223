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
                                   "\tWidth=42\r\n"
                                   "Negative=-7\n"
                                   "Empty=\n"
                                   "Words=12abc\n"
                                   "Huge=99999999999\n"
                                   "Dup=first\n"
                                   "dup=second\n"
                                   "NoEquals\n"
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
    // clang-format off
    const Case strings[] = {
        {"Main", "Caption", "", 259, "Hello World"},      // blanks trimmed
        {"MAIN", "caption", "", 259, "Hello World"},      // names ignore case
        {"Main", "Caption", "", 6, "Hello"},              // cut to the buffer
        {"Main", "Caption", "", 1, ""}, {"Main", "Caption", "", 0, ""},
        {"Main", "Missing", "DEFAULT", 4, "DEF"},         // the default is cut too
        {"Main", "Missing", "dflt", 259, "dflt"}, {"Nowhere", "Caption", "dflt", 259, "dflt"},
        {"Main", "Empty", "dflt", 259, ""},               // an empty value is no default
        {"Main", "DUP", "", 259, "first"},                // the first duplicate key wins
        {"Main", "NoEquals", "dflt", 259, "dflt"},        // a line without '=' is no key
        {"Spaced", "Key", "", 259, "spaced"},             // section names trimmed
        {"Spaced", "Old", "", 259, "mac line end"},       // a lone CR ends a line
        {"Main", "Later", "dflt", 259, "dflt"}};          // a repeated section is not read
    const std::tuple<const char*, std::int32_t, std::int32_t> ints[] = {
        {"Width", 5, 42}, {"Negative", 5, -7}, {"Words", 5, 12}, {"Caption", 5, 0},
        {"Empty", 5, 5}, {"Missing", 5, 5}, {"Huge", 5, 2147483647}};
    // clang-format on
    for (const Case& c : strings)
        EXPECT_EQ(ui.readString(c.section, c.key, c.fallback, c.buffer), c.expected)
            << c.section << "/" << c.key << " buffer " << c.buffer;
    for (const auto& [key, fallback, expected] : ints)
        EXPECT_EQ(ui.readInt("Main", key, fallback), expected) << key;
}

TEST(UiFile, MissingFileReadsAsEmpty) {
    test::SkinTestFolder folder;
    const UiFile ui(folder.file("absent.ui"));
    EXPECT_EQ(ui.readString("Main", "Caption", "dflt", 259), "dflt");
    EXPECT_EQ(ui.readInt("Main", "Width", 9), 9);
    EXPECT_FALSE(ui.hasSection("Main"));
    const UiFile onFolder(folder.path());
    EXPECT_EQ(onFolder.readInt("Main", "Width", 9), 9);
    // A pipe reads like an empty file instead of waiting for a writer.
    ASSERT_EQ(::mkfifo(folder.file("pipe.ui").c_str(), 0666), 0);
    EXPECT_EQ(UiFile(folder.file("pipe.ui")).readInt("Main", "Width", 9), 9);
}

TEST(UiFile, EveryReadSeesTheFileAsItIsNow) {
    test::SkinTestFolder folder;
    const std::string path = folder.write("the.ui", "[A]\nX=1\n");
    const UiFile ui(path);
    EXPECT_EQ(ui.readInt("A", "X", 0), 1);
    folder.write("the.ui", "[A]\nX=22\n"); // another size
    EXPECT_EQ(ui.readInt("A", "X", 0), 22);
    folder.write("the.ui", "[A]\nX=33\n"); // same size, possibly the same file time
    EXPECT_EQ(ui.readInt("A", "X", 0), 33);

    // A file that has been left alone is kept; a rewrite is still seen.
    const auto old = std::filesystem::last_write_time(path) - std::chrono::hours(1);
    std::filesystem::last_write_time(path, old);
    EXPECT_EQ(ui.readInt("A", "X", 0), 33);
    folder.write("the.ui", "[A]\nX=44\n");
    EXPECT_EQ(ui.readInt("A", "X", 0), 44);

    std::filesystem::remove(path);
    EXPECT_EQ(ui.readInt("A", "X", 0), 0);
}

TEST(UiFile, StructNeedsExactLengthDigitsAndChecksum) {
    // 01 FF 10, checksum (0x01 + 0xFF + 0x10) % 256 = 0x10.
    const std::vector<std::uint8_t> bytes{0x01, 0xFF, 0x10};
    EXPECT_EQ(UiFile::formatStruct(bytes), "01FF1010");
    test::SkinTestFolder folder;
    const UiFile ui(folder.write("the.ui", "[S]\nGood=01FF1010\nLower=01ff1010\nSum=01FF1011\n"
                                           "Digit=01FG1010\nShort=01FF10\nLong=01FF101000\n"));
    EXPECT_EQ(ui.readStruct("S", "Good", 3), bytes);
    EXPECT_EQ(ui.readStruct("S", "Lower", 3), bytes);
    for (const char* key : {"Sum", "Digit", "Short", "Long", "Missing"}) {
        EXPECT_FALSE(ui.readStruct("S", key, 3).has_value()) << key;
    }
    EXPECT_FALSE(ui.readStruct("S", "Good", 2).has_value());
}

TEST(UiFile, LogFontDecodedByOffsetAndLeftAloneOnFailure) {
    LOGFONTA font;
    font.lfHeight = -13;
    font.lfWeight = 700;
    font.lfItalic = 1;
    font.lfStrikeOut = 1;
    font.lfCharSet = 0xEE;
    font.lfPitchAndFamily = 0x22;
    const std::string face = "Sans Serif";
    std::copy(face.begin(), face.end(), font.lfFaceName.begin());
    const auto bytes = font.encode();
    // lfHeight -13 little-endian, lfWeight 700 = 0x02BC at offset 16.
    EXPECT_EQ(bytes[0], 0xF3);
    EXPECT_EQ(bytes[3], 0xFF);
    EXPECT_EQ(bytes[16], 0xBC);
    EXPECT_EQ(bytes[17], 0x02);
    EXPECT_EQ(bytes[28], 'S');

    test::SkinTestFolder folder;
    const UiFile ui(
        folder.write("the.ui", "[F]\nFontN=" + UiFile::formatStruct(bytes) + "\nBad=00\n"));
    LOGFONTA read;
    ASSERT_TRUE(ui.readLogFont("F", "FontN", read));
    EXPECT_EQ(read, font);
    EXPECT_EQ(read.faceName(), face);

    LOGFONTA untouched = font;
    EXPECT_FALSE(ui.readLogFont("F", "Bad", untouched));
    EXPECT_EQ(untouched, font);

    // The same through the process-wide UI file path.
    ASSERT_EQ(SetUIPath(ui.path()), 0);
    LOGFONTA global;
    EXPECT_TRUE(ReadLogFont("f", "fontn", global));
    EXPECT_EQ(global, font);
}

} // namespace
} // namespace corvane

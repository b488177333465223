#include "skin/SkinFiles.h"
#include "skin/SkinPaths.h"
#include "skin/SkinRect.h"
#include "SkinTestFolder.h"

#include <gtest/gtest.h>

namespace corvane {
namespace {

struct PathCase {
    const char* name;
    const char* file;       // created below the test folder ("" creates nothing)
    std::string argument;   // "@" stands for the test folder
    const char* expectedUi;  // "@" stands for the test folder
    const char* expectedFolder;
};

std::string Expand(std::string text, const std::string& folder) {
    if (const auto at = text.find('@'); at != std::string::npos) text.replace(at, 1, folder);
    return text;
}

class SetUIPathCases : public ::testing::TestWithParam<PathCase> {};

TEST_P(SetUIPathCases, ResolvesAgainstTheProgramFolder) {
    test::SkinTestFolder folder;
    const PathCase& c = GetParam();
    if (*c.file) folder.write(c.file, "[Main]\n");
    const std::string program = folder.file("prog/corvane");
    folder.write("prog/corvane", "");

    ASSERT_EQ(SetUIPath(Expand(c.argument, folder.path()), program), 0);
    EXPECT_EQ(GetUIPath(), Expand(c.expectedUi, folder.path()));
    EXPECT_EQ(GetSkinFolder(), Expand(c.expectedFolder, folder.path()));
    EXPECT_EQ(GetResourceHeaderPath(), Expand(c.expectedFolder, folder.path()) + "Resource.h");
    const SkinFiles files = SkinFiles::current();
    EXPECT_EQ(files.resourceHeader, GetResourceHeaderPath());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SetUIPathCases,
    ::testing::Values(
        PathCase{"relative_backslashes", "prog/Skins/Corvane/the.ui", "Skins\\Corvane\\the.ui",
                 "@/prog/Skins/Corvane/the.ui", "@/prog/Skins/Corvane/"},
        PathCase{"relative_forward_slashes", "prog/Skins/Corvane/the.ui", "Skins/Corvane/the.ui",
                 "@/prog/Skins/Corvane/the.ui", "@/prog/Skins/Corvane/"},
        PathCase{"absolute_leading_slash", "skin/the.ui", "@/skin/the.ui", "@/skin/the.ui", "@/skin/"},
        PathCase{"absolute_with_drive_colon", "C:/skin/the.ui", "@\\C:\\skin\\the.ui", "@/C:/skin/the.ui",
                 "@/C:/skin/"},
        PathCase{"existing_folder", "prog/Skins/x.ui", "Skins", "@/prog/Skins", "@/prog/"},
        PathCase{"empty_is_the_program_folder", "", "", "@/prog/", "@/prog/"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(SetUIPath, MissingFileFailsAndEmptiesOnlyTheUiPath) {
    test::SkinTestFolder folder;
    folder.write("prog/corvane", "");
    folder.write("prog/Skins/the.ui", "");
    ASSERT_EQ(SetUIPath("Skins/the.ui", folder.file("prog/corvane")), 0);
    const std::string header = GetResourceHeaderPath();

    EXPECT_EQ(SetUIPath("Skins\\Missing\\the.ui", folder.file("prog/corvane")), 200);
    EXPECT_EQ(GetUIPath(), "");
    EXPECT_EQ(GetSkinFolder(), "/");
    EXPECT_EQ(GetResourceHeaderPath(), header);
}

TEST(SetUIPath, DefaultsToTheRunningProgramsFolder) {
    const std::string program = skinpath::ProgramFile();
    ASSERT_NE(program.find("skin_tests"), std::string::npos);
    EXPECT_EQ(SetUIPath(""), 0);
    EXPECT_EQ(GetUIPath(), skinpath::FolderOf(program));
}

TEST(SkinFiles, ForAUiFileGivenDirectly) {
    const SkinFiles files = SkinFiles::forUiFile("skins\\Corvane\\the.ui");
    EXPECT_EQ(files.uiFile, "skins/Corvane/the.ui");
    EXPECT_EQ(files.resourceHeader, "skins/Corvane/Resource.h");
    EXPECT_EQ(files.skinFolder, "skins/Corvane/");
    EXPECT_EQ(SkinFiles::forUiFile("the.ui").resourceHeader, "./Resource.h");
    EXPECT_EQ(skinpath::SkinFile("/s/", "img\\a.bmp"), "/s/img/a.bmp");
    EXPECT_EQ(skinpath::SkinFile("/s/", ""), "");
}

struct RectCase {
    const char* text;
    SkinRect expected;
};

class ParseRectCases : public ::testing::TestWithParam<RectCase> {};

TEST_P(ParseRectCases, FieldsLikeAtoi) {
    EXPECT_EQ(ParseRect(GetParam().text), GetParam().expected) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(Cases, ParseRectCases,
                         ::testing::Values(RectCase{"10,20,30,40", {10, 20, 30, 40}},
                                           RectCase{"10,20", {10, 20, 0, 0}}, RectCase{"", {0, 0, 0, 0}},
                                           RectCase{" 5, 6 ,7 ,8", {5, 6, 7, 8}},
                                           RectCase{"1,2,3,4,5,6", {1, 2, 3, 4}},
                                           RectCase{"1,,3,4", {1, 0, 3, 4}},
                                           RectCase{"x1,2px,3.9,4", {0, 2, 3, 4}},
                                           RectCase{"-5,-6,7,8", {-5, -6, 7, 8}},
                                           RectCase{"99999999999,-99999999999",
                                                    {2147483647, -2147483647 - 1, 0, 0}}));

} // namespace
} // namespace corvane

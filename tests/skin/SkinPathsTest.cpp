#include "skin/SkinPaths.h"

#include "SkinTestFolder.h"
#include "skin/SkinFiles.h"
#include "skin/SkinRect.h"

#include <gtest/gtest.h>

namespace corvane {
namespace {

// The text with "@" replaced by the folder.
std::string Expand(std::string text, const std::string& folder) {
    if (const auto at = text.find('@'); at != std::string::npos)
        text.replace(at, 1, folder);
    return text;
}

TEST(SetUIPath, ResolvesAgainstTheProgramFolder) {
    struct Case {
        const char* file;     // created below the test folder ("" creates nothing)
        const char* argument; // "@" stands for the test folder, here and below
        const char* uiPath;
        const char* skinFolder;
    };
    const Case cases[] = {
        {"p/Skins/C/the.ui", "Skins\\C\\the.ui", "@/p/Skins/C/the.ui", "@/p/Skins/C/"},
        {"skin/the.ui", "@/skin/the.ui", "@/skin/the.ui", "@/skin/"}, // absolute
        {"", "", "@/p/", "@/p/"},                                     // empty: the program folder
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.argument);
        test::SkinTestFolder folder;
        if (*c.file)
            folder.write(c.file, "[Main]\n");
        folder.write("p/corvane", "");
        ASSERT_EQ(SetUIPath(Expand(c.argument, folder.path()), folder.file("p/corvane")), 0);
        EXPECT_EQ(GetUIPath(), Expand(c.uiPath, folder.path()));
        EXPECT_EQ(GetSkinFolder(), Expand(c.skinFolder, folder.path()));
        EXPECT_EQ(SkinFiles::current().resourceHeader, GetSkinFolder() + "Resource.h");
    }
}

TEST(SetUIPath, ABackslashInTheProgramFoldersNameStaysInIt) {
    test::SkinTestFolder folder;
    folder.write("a\\b/Skins/Corvane/the.ui", "[Main]\n");
    ASSERT_EQ(SetUIPath("Skins\\Corvane\\the.ui", folder.file("a\\b/corvane")), 0);
    EXPECT_EQ(GetResourceHeaderPath(), folder.file("a\\b/Skins/Corvane/Resource.h"));
}

TEST(SetUIPath, MissingFileFailsAndEmptiesOnlyTheUiPath) {
    test::SkinTestFolder folder;
    folder.write("p/Skins/the.ui", "");
    ASSERT_EQ(SetUIPath("Skins/the.ui", folder.file("p/corvane")), 0);
    const std::string header = GetResourceHeaderPath();
    EXPECT_EQ(SetUIPath("Skins\\Missing\\the.ui", folder.file("p/corvane")), 200);
    EXPECT_EQ(GetUIPath(), "");
    EXPECT_EQ(GetSkinFolder(), "/");
    EXPECT_EQ(GetResourceHeaderPath(), header);
}

TEST(ParseRect, FieldsLikeAtoi) {
    const std::pair<const char*, SkinRect> cases[] = {
        {"10,20", {10, 20, 0, 0}},
        {" 5, 6 ,7 ,8", {5, 6, 7, 8}},
        {"x1,2px,3.9,4,5", {0, 2, 3, 4}},
        {"99999999999,-99999999999", {2147483647, -2147483647 - 1, 0, 0}},
    };
    for (const auto& [text, expected] : cases)
        EXPECT_EQ(ParseRect(text), expected) << text;
}

TEST(SkinRect, SizesOfSaturatedEdgesSaturateToo) {
    constexpr std::int32_t kMin = -2147483647 - 1, kMax = 2147483647;
    struct Case {
        SkinRect rect;
        std::int32_t width;
        std::int32_t height;
    };
    const Case cases[] = {
        {{10, 20, 30, 60}, 20, 40},
        {{kMin, kMin, kMax, kMax}, kMax, kMax},
        {{kMax, kMax, kMin, kMin}, kMin, kMin},
    };
    for (const Case& c : cases)
        EXPECT_EQ(std::pair(c.rect.width(), c.rect.height()), std::pair(c.width, c.height))
            << c.rect.left << "," << c.rect.right;
    EXPECT_EQ(GrowBottom({0, 0, 1, kMax - 5}, 10).bottom, kMax);
}

} // namespace
} // namespace corvane

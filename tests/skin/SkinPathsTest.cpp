#include "skin/SkinPaths.h"

#include "SkinTestFolder.h"
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
        {" 5, 6 ,7 ,8", {5, 6, 7, 8}},
        {"x1,2px,3.9,4,5", {0, 2, 3, 4}},
        {"99999999999,-99999999999", {2147483647, -2147483647 - 1, 0, 0}},
    };
    for (const auto& [text, expected] : cases)
        EXPECT_EQ(ParseRect(text), expected) << text;
}

} // namespace
} // namespace corvane

#include "skin/WindowSkin.h"

#include "SkinTestFolder.h"

#include <gtest/gtest.h>

namespace corvane {
namespace {

class WindowSkinTest : public ::testing::Test {
protected:
    void SetUp() override {
        folder_.write("Resource.h",
                      "#define IDD_MAIN 1000\n#define IDD_PLAIN 1020\n#define IDD_RED 1055\n");
        files_ = SkinFiles::forUiFile(
            folder_.write("the.ui", "[IDD_MAIN]\n"
                                    "BKN=main\\normal.bmp\nBKNO=back.bmp\nBKH=hover.bmp\n"
                                    "BKS=pressed.bmp\nBKD=disabled.bmp\n"
                                    "IsUseMaskColor=0\nRValue=1\nGValue=2\nBValue=3\n"
                                    "[IDD_PLAIN]\nBKN=plain.bmp\nIsUseMaskColor=1\n"
                                    "[IDD_RED]\nBKN=red.bmp\nIsUseMaskColor=2\n"
                                    "RValue=511\nGValue=-1\nBValue=0\n"));
    }
    test::SkinTestFolder folder_;
    SkinFiles files_;
};

TEST_F(WindowSkinTest, SectionFromTheSkinNumber) {
    EXPECT_EQ(ResolveSkinSection(files_, 1000), "IDD_MAIN");
    EXPECT_EQ(ResolveSkinSection(files_, 1142), "");
    EXPECT_EQ(ResolveSkinSection(files_, -1), "");
}

TEST_F(WindowSkinTest, ImageFilesBelowTheSkinFolder) {
    const WindowSkin skin = ReadWindowSkin(files_, "idd_main");
    EXPECT_EQ(skin.normalImage, folder_.file("main/normal.bmp"));
    EXPECT_EQ(skin.backgroundImage, folder_.file("back.bmp"));
    EXPECT_EQ(skin.hoverImage, folder_.file("hover.bmp"));
    EXPECT_EQ(skin.pressedImage, folder_.file("pressed.bmp"));
    EXPECT_EQ(skin.disabledImage, folder_.file("disabled.bmp"));

    const WindowSkin plain = ReadWindowSkin(files_, "IDD_PLAIN");
    EXPECT_EQ(plain.backgroundImage, "");
    EXPECT_EQ(plain.hoverImage, "");
    EXPECT_EQ(ReadWindowSkin(files_, "").normalImage, "");
}

TEST_F(WindowSkinTest, MaskColourReadOnlyWhenUsedAndCutToEightBits) {
    const WindowSkin off = ReadWindowSkin(files_, "IDD_MAIN");
    EXPECT_FALSE(off.useMaskColor);
    EXPECT_EQ(off.maskColor(), 0xFF00FFu);

    const WindowSkin defaults = ReadWindowSkin(files_, "IDD_PLAIN");
    EXPECT_TRUE(defaults.useMaskColor);
    EXPECT_EQ(defaults.maskColor(), 0xFF00FFu);

    const WindowSkin red = ReadWindowSkin(files_, "IDD_RED");
    EXPECT_TRUE(red.useMaskColor);
    EXPECT_EQ(red.red, 511);
    EXPECT_EQ(red.maskColor(), 0x0000FFFFu); // red 255, green 255, blue 0
}

} // namespace
} // namespace corvane

#include "skin/WindowSkin.h"

#include "SkinTestFolder.h"

#include <gtest/gtest.h>

namespace corvane {
namespace {

class WindowSkinTest : public ::testing::Test {
protected:
    void SetUp() override {
        folder_.write("Resource.h", "#define IDD_MAIN 1000\n#define IDD_PLAIN 1020\n");
        files_ = SkinFiles::forUiFile(folder_.write(
            "the.ui", "[IDD_MAIN]\nBKN=main\\n.bmp\nBKNO=o.bmp\nBKH=h.bmp\nBKS=s.bmp\nBKD=d.bmp\n"
                      "IsUseMaskColor=2\nRValue=511\nGValue=-1\nBValue=0\n"
                      "[IDD_PLAIN]\nBKN=plain.bmp\nRValue=1\n"));
    }
    test::SkinTestFolder folder_;
    SkinFiles files_;
};

TEST_F(WindowSkinTest, SectionFromTheSkinNumber) {
    EXPECT_EQ(ResolveSkinSection(files_, 1000), "IDD_MAIN");
    EXPECT_EQ(ResolveSkinSection(files_, 1142), "");
}

TEST_F(WindowSkinTest, ImageFilesBelowTheSkinFolder) {
    const WindowSkin skin = ReadWindowSkin(files_, "idd_main");
    EXPECT_EQ(skin.normalImage, folder_.file("main/n.bmp"));
    EXPECT_EQ(skin.backgroundImage, folder_.file("o.bmp"));
    EXPECT_EQ(skin.hoverImage, folder_.file("h.bmp"));
    EXPECT_EQ(skin.pressedImage, folder_.file("s.bmp"));
    EXPECT_EQ(skin.disabledImage, folder_.file("d.bmp"));
    EXPECT_EQ(ReadWindowSkin(files_, "IDD_PLAIN").hoverImage, "");
}

TEST_F(WindowSkinTest, MaskColourReadOnlyWhenUsedAndCutToEightBits) {
    const WindowSkin masked = ReadWindowSkin(files_, "IDD_MAIN");
    EXPECT_TRUE(masked.useMaskColor);
    EXPECT_EQ(masked.maskColor(), 0x0000FFFFu); // red 511 is 255, green -1 is 255
    const WindowSkin plain = ReadWindowSkin(files_, "IDD_PLAIN");
    EXPECT_FALSE(plain.useMaskColor);
    EXPECT_EQ(plain.maskColor(), 0xFF00FFu); // RValue not read
}

} // namespace
} // namespace corvane

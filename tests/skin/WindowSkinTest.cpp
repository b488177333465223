#include "skin/WindowSkin.h"

#include "SkinTestFolder.h"

#include <gtest/gtest.h>

namespace corvane {
namespace {

TEST(WindowSkin, SectionImagesAndMaskColourReadOnlyWhenUsedAndCutToEightBits) {
    test::SkinTestFolder folder;
    folder.write("Resource.h", "#define IDD_MAIN 1000\n#define IDD_PLAIN 1020\n");
    const SkinFiles files = SkinFiles::forUiFile(
        folder.write("the.ui", "[IDD_MAIN]\nBKN=main\\n.bmp\nBKNO=o.bmp\nBKD=d.bmp\n"
                               "IsUseMaskColor=2\nRValue=511\nGValue=-1\nBValue=0\n"
                               "[IDD_PLAIN]\nBKN=plain.bmp\nRValue=1\n"));
    EXPECT_EQ(ResolveSkinSection(files, 1000), "IDD_MAIN");
    EXPECT_EQ(ResolveSkinSection(files, 1142), "");
    const WindowSkin masked = ReadWindowSkin(files, "idd_main");
    EXPECT_EQ(masked.normalImage, folder.file("main/n.bmp"));
    EXPECT_EQ(masked.backgroundImage, folder.file("o.bmp"));
    EXPECT_EQ(masked.disabledImage, folder.file("d.bmp"));
    EXPECT_TRUE(masked.useMaskColor);
    EXPECT_EQ(masked.maskColor(), 0x0000FFFFu); // red 511 is 255, green -1 is 255
    const WindowSkin plain = ReadWindowSkin(files, "IDD_PLAIN");
    EXPECT_EQ(plain.hoverImage, "");
    EXPECT_FALSE(plain.useMaskColor);
    EXPECT_EQ(plain.maskColor(), 0xFF00FFu); // RValue not read
}

} // namespace
} // namespace corvane

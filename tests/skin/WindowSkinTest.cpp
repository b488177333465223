#include "skin/WindowSkin.h"

#include "SkinTestFolder.h"

#include <gtest/gtest.h>

namespace corvane {
namespace {

TEST(WindowSkin, ImagesAndMaskColourReadOnlyWhenUsedAndCutToEightBits) {
    test::SkinTestFolder folder;
    const SkinFiles files = SkinFiles::forUiFile(
        folder.write("the.ui", "[MAIN]\nBKN=main\\n.bmp\n"
                               "IsUseMaskColor=2\nRValue=511\nGValue=-1\nBValue=0\n"
                               "[PLAIN]\nRValue=1\n"));
    const WindowSkin masked = ReadWindowSkin(files, "MAIN");
    EXPECT_EQ(masked.normalImage, folder.file("main/n.bmp"));
    EXPECT_TRUE(masked.useMaskColor);
    EXPECT_EQ(masked.maskColor(), 0x0000FFFFu); // red 511 is 255, green -1 is 255
    const WindowSkin plain = ReadWindowSkin(files, "PLAIN");
    EXPECT_FALSE(plain.useMaskColor);
    EXPECT_EQ(plain.maskColor(), 0xFF00FFu); // RValue not read
}

} // namespace
} // namespace corvane

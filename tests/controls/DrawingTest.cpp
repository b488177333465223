#include "skin/controls/Drawing.h"

#include <QWidget>
#include <functional>
#include <gtest/gtest.h>
#include <set>

namespace corvane {
namespace {

constexpr QRgb kKey = 0xFFFF00FF;
constexpr QRgb kPlain = 0xFF336699;

struct MaskCase {
    const char* name;
    QSize image;
    QSize widget;
    // The pixels of the image that get the key colour.
    std::function<bool(int x, int y)> keyed;
};

void PrintTo(const MaskCase& c, std::ostream* os) {
    *os << c.name;
}

class MaskRegionCases : public ::testing::TestWithParam<MaskCase> {};

TEST_P(MaskRegionCases, CutsExactlyTheKeyPixels) {
    const MaskCase& c = GetParam();
    QImage image(c.image, QImage::Format_RGB32);
    for (int y = 0; y < c.image.height(); ++y)
        for (int x = 0; x < c.image.width(); ++x)
            image.setPixel(x, y, c.keyed(x, y) ? kKey : kPlain);
    const QRegion region = MaskRegion(image, c.widget, kKey);
    EXPECT_TRUE(region.subtracted(QRegion(QRect(QPoint(0, 0), c.widget))).isEmpty());
    for (int y = 0; y < c.widget.height(); ++y) {
        for (int x = 0; x < c.widget.width(); ++x) {
            const bool onImage = x < c.image.width() && y < c.image.height();
            const bool cut = onImage && c.keyed(x, y);
            EXPECT_EQ(region.contains(QPoint(x, y)), !cut) << "pixel " << x << "," << y;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, MaskRegionCases,
    ::testing::Values(
        MaskCase{"no_key_pixel", {6, 5}, {6, 5}, [](int, int) { return false; }},
        MaskCase{"run_in_a_row",
                 {8, 4},
                 {8, 4},
                 [](int x, int y) { return y == 1 && x >= 2 && x <= 5; }},
        MaskCase{"first_column", {5, 6}, {5, 6}, [](int x, int) { return x == 0; }},
        MaskCase{"corner", {6, 6}, {6, 6}, [](int x, int y) { return x + y < 2; }},
        MaskCase{"all_key", {4, 3}, {4, 3}, [](int, int) { return true; }},
        MaskCase{"checkerboard", {5, 5}, {5, 5}, [](int x, int y) { return (x + y) % 2 == 0; }},
        MaskCase{"image_smaller_than_widget", {3, 3}, {6, 5}, [](int, int) { return true; }},
        MaskCase{"image_larger_than_widget", {9, 9}, {4, 4}, [](int x, int) { return x == 3; }}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(MaskRegion, NearKeyColourStays) {
    QImage image(3, 1, QImage::Format_RGB32);
    image.fill(QColor(0xFE, 0x00, 0xFF));
    EXPECT_EQ(MaskRegion(image, {3, 1}, kKey), QRegion(0, 0, 3, 1));
}

TEST(ApplyMaskRegion, NullImageOrMissingFileLeavesTheShape) {
    QWidget widget;
    widget.resize(10, 10);
    widget.setMask(QRegion(0, 0, 5, 5));
    EXPECT_EQ(ApplyMaskRegion(&widget, QImage(), kKey), -1);
    EXPECT_EQ(LoadMaskRegion(&widget, "/nonexistent/mask.bmp", kKey), -1);
    EXPECT_EQ(widget.mask(), QRegion(0, 0, 5, 5));

    QImage mask(10, 10, QImage::Format_RGB32);
    mask.fill(kPlain);
    mask.setPixel(0, 0, kKey);
    EXPECT_EQ(ApplyMaskRegion(&widget, mask, kKey), 0);
    EXPECT_FALSE(widget.mask().contains(QPoint(0, 0)));
    EXPECT_TRUE(widget.mask().contains(QPoint(9, 9)));

    mask.fill(kKey); // all cut out: nothing of the widget is left
    EXPECT_EQ(ApplyMaskRegion(&widget, mask, kKey), 0);
    EXPECT_FALSE(widget.mask().intersects(widget.rect()));
}

QImage Filled(QSize size, QRgb color) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(color);
    return image;
}

TEST(DrawTransparent, EqualSizesCopyPixelForPixelExceptKey) {
    QImage source = Filled({4, 2}, kPlain);
    source.setPixel(1, 0, kKey);
    source.setPixel(3, 1, 0xFF010203);
    QImage target = Filled({6, 4}, 0xFFFFFFFF);
    DrawTransparent(target, QRect(1, 1, 4, 2), source, source.rect(), kKey);
    EXPECT_EQ(target.pixel(0, 0), 0xFFFFFFFFu); // outside the area
    EXPECT_EQ(target.pixel(1, 1), kPlain);
    EXPECT_EQ(target.pixel(2, 1), 0xFFFFFFFFu); // key pixel: target kept
    EXPECT_EQ(target.pixel(4, 2), 0xFF010203u);
    EXPECT_EQ(target.pixel(5, 2), 0xFFFFFFFFu);
}

TEST(DrawTransparent, LargerTargetStretches) {
    QImage source = Filled({2, 1}, kPlain);
    source.setPixel(1, 0, kKey);
    QImage target = Filled({4, 2}, 0xFF000000);
    DrawTransparent(target, target.rect(), source, source.rect(), kKey);
    for (int y = 0; y < 2; ++y) {
        EXPECT_EQ(target.pixel(0, y), kPlain);
        EXPECT_EQ(target.pixel(1, y), kPlain);
        EXPECT_EQ(target.pixel(2, y), 0xFF000000u);
        EXPECT_EQ(target.pixel(3, y), 0xFF000000u);
    }
}

TEST(DrawTransparent, AllKeySourceLeavesTargetUnchanged) {
    QImage target = Filled({5, 5}, kPlain);
    target.setPixel(2, 2, 0xFF123456);
    const QImage before = target.copy();
    DrawTransparent(target, QRect(0, 0, 5, 5), Filled({3, 3}, kKey), QRect(0, 0, 3, 3), kKey);
    EXPECT_EQ(target, before);
}

} // namespace
} // namespace corvane

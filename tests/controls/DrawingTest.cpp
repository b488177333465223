#include "skin/controls/Drawing.h"

#include <QPainter>
#include <QWidget>
#include <functional>
#include <gtest/gtest.h>

namespace corvane {
namespace {

constexpr QRgb kKey = 0xFFFF00FF;
// Off the key colour by one step of red: never cut, never left out.
constexpr QRgb kPlain = 0xFFFE00FF;

QImage Filled(QSize size, QRgb color) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(color);
    return image;
}

TEST(DrawPiece, DrawsThePieceWhereItSitsInTheControl) {
    QImage control = Filled({10, 10}, 0xFF000000);
    QImage piece = Filled({2, 3}, 0xFFFF0000);
    piece.setOffset({4, 5});
    QPainter painter(&control);
    DrawPiece(painter, piece);
    painter.end();
    EXPECT_EQ(control.pixel(4, 5), 0xFFFF0000u);
    EXPECT_EQ(control.pixel(5, 7), 0xFFFF0000u);
    EXPECT_EQ(control.pixel(3, 5), 0xFF000000u);
    EXPECT_EQ(control.pixel(0, 0), 0xFF000000u);
}

TEST(MaskRegion, CutsExactlyTheKeyPixelsAndApplyingItNeedsAnImage) {
    // clang-format off
    const struct { const char* name; QSize image, widget; std::function<bool(int x, int y)> keyed; } cases[] = {
        {"no key pixel", {6, 5}, {6, 5}, [](int, int) { return false; }},
        {"first column", {5, 6}, {5, 6}, [](int x, int) { return x == 0; }},
        {"corner", {6, 6}, {6, 6}, [](int x, int y) { return x + y < 2; }},
        {"checkerboard, runs in rows", {8, 5}, {8, 5}, [](int x, int y) { return (x + y) % 2 == 0 || (y == 1 && x > 3); }},
        {"image smaller than widget, all key", {3, 3}, {6, 5}, [](int, int) { return true; }},
        {"image larger than widget", {9, 9}, {4, 4}, [](int x, int) { return x == 3; }}};
    // clang-format on
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        QImage image = Filled(c.image, kPlain);
        for (int y = 0; y < c.image.height(); ++y)
            for (int x = 0; x < c.image.width(); ++x)
                if (c.keyed(x, y))
                    image.setPixel(x, y, kKey);
        const QRegion region = MaskRegion(image, c.widget, kKey);
        EXPECT_TRUE(region.subtracted(QRegion(QRect(QPoint(0, 0), c.widget))).isEmpty());
        for (int y = 0; y < c.widget.height(); ++y)
            for (int x = 0; x < c.widget.width(); ++x)
                EXPECT_EQ(region.contains(QPoint(x, y)),
                          !(x < c.image.width() && y < c.image.height() && c.keyed(x, y)))
                    << "pixel " << x << "," << y;
    }
    // A null image or a missing file leaves the shape; an all-key one leaves nothing.
    QWidget widget;
    widget.resize(10, 10);
    widget.setMask(QRegion(0, 0, 5, 5));
    EXPECT_EQ(ApplyMaskRegion(&widget, QImage(), kKey), -1);
    EXPECT_EQ(LoadMaskRegion(&widget, "/nonexistent/mask.bmp", kKey), -1);
    EXPECT_EQ(widget.mask(), QRegion(0, 0, 5, 5));
    EXPECT_EQ(ApplyMaskRegion(&widget, Filled({10, 10}, kKey), kKey), 0); // all cut out
    EXPECT_FALSE(widget.mask().intersects(widget.rect()));
}

TEST(DrawTransparent, CopiesOrStretchesAllButTheKeyPixels) {
    constexpr QRgb kWhite = 0xFFFFFFFF, kBlack = 0xFF000000, kDark = 0xFF010203;
    // Equal sizes: pixel for pixel, the key pixel and the outside keep the target.
    QImage source = Filled({4, 2}, kPlain);
    source.setPixel(1, 0, kKey);
    source.setPixel(3, 1, kDark);
    QImage target = Filled({6, 4}, kWhite);
    DrawTransparent(target, QRect(1, 1, 4, 2), source, source.rect(), kKey);
    EXPECT_EQ((std::vector<QRgb>{target.pixel(0, 0), target.pixel(1, 1), target.pixel(2, 1),
                                 target.pixel(4, 2), target.pixel(5, 2)}),
              (std::vector<QRgb>{kWhite, kPlain, kWhite, kDark, kWhite}));
    // A larger target stretches each source pixel.
    source = Filled({2, 1}, kPlain);
    source.setPixel(1, 0, kKey);
    target = Filled({4, 2}, kBlack);
    DrawTransparent(target, target.rect(), source, source.rect(), kKey);
    EXPECT_EQ(target.copy(0, 0, 2, 2), Filled({2, 2}, kPlain));
    EXPECT_EQ(target.copy(2, 0, 2, 2), Filled({2, 2}, kBlack));
    // An all-key source leaves the target as it was.
    target.setPixel(2, 1, kDark);
    const QImage before = target.copy();
    DrawTransparent(target, target.rect(), Filled({3, 3}, kKey), QRect(0, 0, 3, 3), kKey);
    EXPECT_EQ(target, before);
}

} // namespace
} // namespace corvane

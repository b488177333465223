#include "skin/controls/Drawing.h"

#include <QWidget>
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

// An image drawn as rows split by '/': '#' is the key colour, '.' plain.
QImage Picture(std::string_view rows) {
    const int width = int(std::min(rows.find('/'), rows.size()));
    QImage image = Filled({width, int(rows.size() + 1) / (width + 1)}, kPlain);
    for (int i = 0; i < int(rows.size()); ++i)
        if (rows[i] == '#')
            image.setPixel(i % (width + 1), i / (width + 1), kKey);
    return image;
}

TEST(MaskRegion, CutsExactlyTheKeyPixels) {
    struct Case {
        const char* picture;
        QSize widget;
    };
    const Case cases[] = {
        {"#.#.#.#./.#.#####/#.#.#.#.", {8, 3}},          // runs within rows
        {"###/###/###", {6, 5}},                         // an image smaller than the widget
        {"...#..../...#..../...#..../...#....", {4, 3}}, // an image larger than the widget
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.picture);
        const QImage image = Picture(c.picture);
        const QRegion region = MaskRegion(image, c.widget, kKey);
        EXPECT_TRUE(region.subtracted(QRegion(QRect(QPoint(0, 0), c.widget))).isEmpty());
        for (int y = 0; y < c.widget.height(); ++y)
            for (int x = 0; x < c.widget.width(); ++x)
                EXPECT_EQ(region.contains(QPoint(x, y)),
                          !image.valid(x, y) || image.pixel(x, y) != kKey)
                    << "pixel " << x << "," << y;
    }
}

TEST(MaskRegion, ApplyingItNeedsAnImage) {
    // A null image or a missing file leaves the shape; an all-key one leaves nothing.
    QWidget widget;
    widget.resize(10, 10);
    widget.setMask(QRegion(0, 0, 5, 5));
    EXPECT_EQ(LoadMaskRegion(&widget, "/nonexistent/mask.bmp", kKey), -1);
    EXPECT_EQ(widget.mask(), QRegion(0, 0, 5, 5));
    EXPECT_EQ(ApplyMaskRegion(&widget, Filled({10, 10}, kKey), kKey), 0);
    EXPECT_FALSE(widget.mask().intersects(widget.rect()));
}

} // namespace
} // namespace corvane

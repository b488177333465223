// The rendered bitmaps: every window's images load at the window's size, the
// panels share one size that fits the main window's panel area, the main
// window's mask colour only cuts its corners, and every check image a control
// names loads at the control's size.

#include "DefaultSkin.h"

#include "skin/WindowSkin.h"

#include <QColor>
#include <QImage>

#include <gtest/gtest.h>

#include <algorithm>
#include <array>

namespace corvane::test {
namespace {

QImage Load(const std::string& path) {
    return QImage(QString::fromStdString(path));
}

class DefaultSkinWindow : public ::testing::TestWithParam<ProgramWindow> {};

TEST_P(DefaultSkinWindow, StateImagesLoadAtOneSize) {
    const WindowSkin skin = ReadWindowSkin(DefaultSkinFiles(), SectionOf(GetParam().skinNumber));
    const QImage normal = Load(skin.normalImage);
    ASSERT_FALSE(normal.isNull()) << skin.normalImage;
    for (const std::string& path : {skin.hoverImage, skin.pressedImage, skin.disabledImage}) {
        const QImage image = Load(path);
        ASSERT_FALSE(image.isNull()) << path;
        EXPECT_EQ(image.size(), normal.size()) << path;
    }
    if (GetParam().skinNumber == kMainWindow) {
        EXPECT_EQ(normal.size(), QSize(805, 610));
    } else {
        // The main window gives every panel the week-clock panel's size.
        const WindowSkin weekClock = ReadWindowSkin(DefaultSkinFiles(), SectionOf(1020));
        EXPECT_EQ(normal.size(), Load(weekClock.normalImage).size());
        EXPECT_LE(normal.width(), 350);
        EXPECT_LE(normal.height(), 400);
    }
}

TEST_P(DefaultSkinWindow, CheckedImagesLoadAtTheirControlsSize) {
    for (const ControlDescription& control : ControlsOf(GetParam().skinNumber)) {
        const auto* button = std::get_if<ButtonDescription>(&control);
        if (!button || !button->isCheckable()) continue;
        for (const std::string& path : button->checkedImageFiles) {
            const QImage image = Load(path);
            ASSERT_FALSE(image.isNull()) << button->section << ": " << path;
            EXPECT_EQ(image.size(), QSize(button->rect.width(), button->rect.height())) << button->section;
        }
    }
}

QImage Piece(const QImage& image, const SkinRect& r) {
    return image.copy(r.left, r.top, r.width(), r.height()).convertToFormat(QImage::Format_RGB32);
}

// Average lightness (0..255) of the middle third of a piece, where the text goes.
int Lightness(const QImage& piece) {
    const QRect middle(piece.width() / 3, piece.height() / 3, std::max(1, piece.width() / 3),
                       std::max(1, piece.height() / 3));
    long sum = 0;
    for (int y = middle.top(); y <= middle.bottom(); ++y) {
        for (int x = middle.left(); x <= middle.right(); ++x) sum += QColor(piece.pixel(x, y)).lightness();
    }
    return static_cast<int>(sum / (middle.width() * middle.height()));
}

// Buttons and combo boxes look different when hovered, pressed or disabled;
// check boxes and radio buttons look different when checked; edit fields and
// combo faces are light under the black text the controls draw.
TEST_P(DefaultSkinWindow, StatesAreVisibleAndFieldsAreLight) {
    const WindowSkin skin = ReadWindowSkin(DefaultSkinFiles(), SectionOf(GetParam().skinNumber));
    const std::array<QImage, 4> images{Load(skin.normalImage), Load(skin.hoverImage),
                                       Load(skin.pressedImage), Load(skin.disabledImage)};
    for (const ControlDescription& control : ControlsOf(GetParam().skinNumber)) {
        const ControlCommon& c = CommonOf(control);
        const QImage normal = Piece(images[kStateNormal], c.rect);
        if (c.type == ControlType::PushButton || c.type == ControlType::Check ||
            c.type == ControlType::Radio || c.type == ControlType::ComboBox) {
            for (int s : {kStateHover, kStatePressed, kStateDisabled}) {
                EXPECT_NE(Piece(images[static_cast<std::size_t>(s)], c.rect), normal) << c.section << " state " << s;
            }
        }
        if (const auto* button = std::get_if<ButtonDescription>(&control); button && button->isCheckable()) {
            const QImage checked = Load(button->checkedImageFiles[kStateNormal]).convertToFormat(QImage::Format_RGB32);
            EXPECT_NE(checked, normal) << c.section;
        }
        if (c.type == ControlType::Edit || c.type == ControlType::ComboBox) {
            EXPECT_GT(Lightness(normal), 200) << c.section;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(AllWindows, DefaultSkinWindow, ::testing::ValuesIn(ProgramWindows()),
                         [](const auto& info) {
                             std::string name = info.param.name;
                             for (char& c : name) if (c == ' ') c = '_';
                             return name;
                         });

TEST(DefaultSkinMainWindow, MaskColourCutsOnlyTheRoundedCorners) {
    const WindowSkin skin = ReadWindowSkin(DefaultSkinFiles(), SectionOf(kMainWindow));
    ASSERT_TRUE(skin.useMaskColor);
    const QRgb key = qRgb(skin.red & 0xFF, skin.green & 0xFF, skin.blue & 0xFF);
    for (const std::string& path : {skin.normalImage, skin.hoverImage, skin.pressedImage, skin.disabledImage}) {
        const QImage image = Load(path).convertToFormat(QImage::Format_RGB32);
        const int w = image.width();
        const int h = image.height();
        for (const QPoint corner : {QPoint(0, 0), QPoint(w - 1, 0), QPoint(0, h - 1), QPoint(w - 1, h - 1)}) {
            EXPECT_EQ(image.pixel(corner), key) << path;
        }
        int stray = 0;
        for (int y = 0; y < h; ++y) {
            for (int x = 0; x < w; ++x) {
                const bool nearCorner = std::min(x, w - 1 - x) < 10 && std::min(y, h - 1 - y) < 10;
                if (image.pixel(x, y) == key && !nearCorner) ++stray;
            }
        }
        EXPECT_EQ(stray, 0) << path;
    }
}

} // namespace
} // namespace corvane::test

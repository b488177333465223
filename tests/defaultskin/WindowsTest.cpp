// Every window of the default skin as the build rendered it: four images of
// one size (the panels at the week-clock panel's, inside the main window's
// panel area), and every control inside the window, clear of the others and of
// what the code places itself, drawn as its type expects. Then the main
// window's mask colour and the radio groups.

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
    return QImage(QString::fromStdString(path)).convertToFormat(QImage::Format_RGB32);
}

// Normal, hover, pressed and disabled, indexed by the state constants.
std::array<QImage, 4> StateImages(const WindowSkin& skin) {
    return {Load(skin.normalImage), Load(skin.hoverImage), Load(skin.pressedImage),
            Load(skin.disabledImage)};
}

std::array<QImage, 4> StateImages(int skinNumber) {
    return StateImages(ReadWindowSkin(DefaultSkinFiles(), SectionOf(skinNumber)));
}

QImage Piece(const QImage& image, const SkinRect& r) {
    return image.copy(r.left, r.top, r.width(), r.height());
}

// Average lightness (0..255) of the middle third of a piece, where the text goes.
int Lightness(const QImage& piece) {
    const QRect middle(piece.width() / 3, piece.height() / 3, std::max(1, piece.width() / 3),
                       std::max(1, piece.height() / 3));
    const QImage mean =
        piece.copy(middle).scaled(1, 1, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    return QColor(mean.pixel(0, 0)).lightness();
}

bool Overlap(const SkinRect& a, const SkinRect& b) {
    return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

class DefaultSkinWindow : public ::testing::TestWithParam<ProgramWindow> {};

TEST_P(DefaultSkinWindow, StateImagesLoadAtTheWindowsSize) {
    const auto images = StateImages(GetParam().skinNumber);
    for (int s : {kStateNormal, kStateHover, kStatePressed, kStateDisabled}) {
        ASSERT_FALSE(images[s].isNull()) << "state " << s;
        EXPECT_EQ(images[s].size(), images[kStateNormal].size()) << "state " << s;
    }
    const QSize size = images[kStateNormal].size();
    if (GetParam().skinNumber == kMainWindow) {
        EXPECT_EQ(size, QSize(805, 610));
    } else {
        // The main window gives every panel the week-clock panel's size.
        EXPECT_EQ(size, StateImages(1020)[kStateNormal].size());
        EXPECT_LE(size.width(), 350);
        EXPECT_LE(size.height(), 400);
    }
}

// Buttons and combo boxes look different when hovered, pressed or disabled;
// check boxes and radio buttons have checked images of their size that differ
// from the unchecked face; edit fields and combo faces are light under the
// black text the controls draw; combo boxes are unsorted drop-down lists.
TEST_P(DefaultSkinWindow, ControlsArePlacedAndDrawnAsTheirTypesExpect) {
    const int number = GetParam().skinNumber;
    const auto images = StateImages(number);
    const QSize size = images[kStateNormal].size();
    ASSERT_FALSE(size.isEmpty());
    const auto controls = ControlsOf(number);
    ASSERT_FALSE(controls.empty());
    for (std::size_t i = 0; i < controls.size(); ++i) {
        const ControlCommon& c = CommonOf(controls[i]);
        SCOPED_TRACE(c.section);
        EXPECT_TRUE(c.rect.width() > 0 && c.rect.height() > 0 && c.rect.left >= 0 &&
                    c.rect.top >= 0 && c.rect.right <= size.width() &&
                    c.rect.bottom <= size.height())
            << "empty or outside the window";
        for (const SkinRect& owned : CodeOwnedRects(number))
            EXPECT_FALSE(Overlap(c.rect, owned)) << "covers a widget the code places";
        for (std::size_t j = i + 1; j < controls.size(); ++j)
            EXPECT_FALSE(Overlap(c.rect, CommonOf(controls[j]).rect))
                << "overlaps " << CommonOf(controls[j]).section;

        const QImage normal = Piece(images[kStateNormal], c.rect);
        if (c.type == ControlType::PushButton || c.type == ControlType::Check ||
            c.type == ControlType::Radio || c.type == ControlType::ComboBox) {
            for (int s : {kStateHover, kStatePressed, kStateDisabled})
                EXPECT_NE(Piece(images[s], c.rect), normal) << "state " << s;
        }
        if (const auto* button = std::get_if<ButtonDescription>(&controls[i]);
            button && button->isCheckable()) {
            ASSERT_FALSE(button->checkedImageFiles.empty());
            for (const std::string& path : button->checkedImageFiles)
                EXPECT_EQ(Load(path).size(), QSize(c.rect.width(), c.rect.height())) << path;
            EXPECT_NE(Load(button->checkedImageFiles[kStateNormal]), normal);
        }
        if (c.type == ControlType::Edit || c.type == ControlType::ComboBox)
            EXPECT_GT(Lightness(normal), 200);
        if (const auto* combo = std::get_if<ComboBoxDescription>(&controls[i])) {
            EXPECT_EQ(combo->style & style::kComboSort, 0u);
            EXPECT_EQ(combo->style & style::kComboStyleMask, style::kComboDropDownList);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(AllWindows, DefaultSkinWindow, ::testing::ValuesIn(ProgramWindows()),
                         TestNameOf);

TEST(DefaultSkinMainWindow, MaskColourCutsOnlyTheRoundedCorners) {
    const WindowSkin skin = ReadWindowSkin(DefaultSkinFiles(), SectionOf(kMainWindow));
    ASSERT_TRUE(skin.useMaskColor);
    const QRgb key = qRgb(skin.red & 0xFF, skin.green & 0xFF, skin.blue & 0xFF);
    for (const QImage& image : StateImages(skin)) {
        const int w = image.width();
        const int h = image.height();
        for (const QPoint corner : {QPoint(0, 0), QPoint(w - 1, 0), QPoint(0, h - 1), QPoint(w - 1, h - 1)})
            EXPECT_EQ(image.pixel(corner), key);
        int stray = 0;
        for (int y = 0; y < h; ++y) {
            for (int x = 0; x < w; ++x) {
                const bool nearCorner = std::min(x, w - 1 - x) < 10 && std::min(y, h - 1 - y) < 10;
                if (image.pixel(x, y) == key && !nearCorner) ++stray;
            }
        }
        EXPECT_EQ(stray, 0);
    }
}

// A radio group runs from a control with WS_GROUP up to the next one; the
// members must follow each other in creation order, the kind selectors also
// from left to right on screen.
TEST(DefaultSkinGroups, KindSelectorsAndWeekClockModesFormOneGroupEach) {
    const std::pair<int, std::vector<int>> groups[] = {
        {kMainWindow, {1008, 1009, 1010, 1011, 1017, 1016, 1019}}, {1020, {1029, 1030}}};
    for (const auto& [window, ids] : groups) {
        std::vector<int> order;
        int previousLeft = -1;
        bool inGroup = false;
        for (const ControlDescription& control : ControlsOf(window)) {
            const ControlCommon& c = CommonOf(control);
            if (c.style & style::kGroup) inGroup = c.id == ids.front();
            if (!inGroup || c.type != ControlType::Radio) continue;
            order.push_back(c.id);
            if (window == kMainWindow) EXPECT_GT(c.rect.left, previousLeft) << c.id;
            previousLeft = c.rect.left;
        }
        EXPECT_EQ(order, ids) << "window " << window;
    }
}

} // namespace
} // namespace corvane::test

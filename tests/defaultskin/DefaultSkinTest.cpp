// The default skin as the build placed it beside the program. Panel tests use
// every control id of the skin; here are the rules they cannot see.

#include "skin/ControlReader.h"
#include "skin/WindowSkin.h"

#include <QImage>
#include <gtest/gtest.h>

namespace corvane::test {
namespace {

constexpr int kMainWindow = 1000;
constexpr int kWindows[] = {1000, 1020, 1055, 1080, 1098, 1114, 1125, 1142};

SkinFiles Files() {
    return SkinFiles::forUiFile(CORVANE_TEST_SKIN_FILE);
}
std::string SectionOf(int window) {
    return ResolveSkinSection(Files(), window);
}

// The size of the window's normal image, which the generator renders all
// four state images at.
QSize WindowSize(int window) {
    return QImage(QString::fromStdString(ReadWindowSkin(Files(), SectionOf(window)).normalImage))
        .size();
}

bool Overlap(const SkinRect& a, const SkinRect& b) {
    return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

// Every window's controls fit it without overlapping; combo boxes are unsorted
// drop-down lists.
TEST(DefaultSkinWindows, PlaceTheirControlsInsideWithoutOverlap) {
    const QSize panelSize = WindowSize(1020);
    for (int window : kWindows) {
        SCOPED_TRACE(testing::Message() << "window " << window);
        const QSize size = WindowSize(window);
        ASSERT_FALSE(size.isEmpty());
        // The main window gives every panel the week-clock panel's size.
        if (window != kMainWindow) {
            EXPECT_EQ(size, panelSize);
        }
        const auto controls = ReadControlDescriptions(Files(), SectionOf(window));
        ASSERT_FALSE(controls.empty());
        for (std::size_t i = 0; i < controls.size(); ++i) {
            const ControlCommon& c = CommonOf(controls[i]);
            SCOPED_TRACE(c.section);
            EXPECT_TRUE(c.rect.width() > 0 && c.rect.height() > 0 && c.rect.left >= 0 &&
                        c.rect.top >= 0 && c.rect.right <= size.width() &&
                        c.rect.bottom <= size.height())
                << "empty or outside the window";
            for (std::size_t j = i + 1; j < controls.size(); ++j)
                EXPECT_FALSE(Overlap(c.rect, CommonOf(controls[j]).rect))
                    << "overlaps " << CommonOf(controls[j]).section;
            if (const auto* combo = std::get_if<ComboBoxDescription>(&controls[i])) {
                EXPECT_EQ(combo->style & style::kComboSort, 0u);
                EXPECT_EQ(combo->style & style::kComboStyleMask, style::kComboDropDownList);
            }
        }
    }
}

} // namespace
} // namespace corvane::test

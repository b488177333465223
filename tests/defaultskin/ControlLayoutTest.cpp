// Where the controls sit and how they are set up: inside their window, clear
// of each other and of what the code places itself, combo boxes as unsorted
// drop-down lists, the kind selectors and the mode pair as radio groups.

#include "DefaultSkin.h"

#include "skin/WindowSkin.h"

#include <QImage>

#include <gtest/gtest.h>

namespace corvane::test {
namespace {

bool Overlap(const SkinRect& a, const SkinRect& b) {
    return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

const ControlCommon* FindControl(const std::vector<ControlDescription>& controls, int id) {
    for (const ControlDescription& c : controls) {
        if (CommonOf(c).id == id) return &CommonOf(c);
    }
    return nullptr;
}

class DefaultSkinLayout : public ::testing::TestWithParam<ProgramWindow> {};

TEST_P(DefaultSkinLayout, ControlsLieInsideTheWindowAndClearOfEachOtherAndOfCodeWidgets) {
    const int number = GetParam().skinNumber;
    const WindowSkin skin = ReadWindowSkin(DefaultSkinFiles(), SectionOf(number));
    const QSize size = QImage(QString::fromStdString(skin.normalImage)).size();
    ASSERT_FALSE(size.isEmpty());
    const auto controls = ControlsOf(number);
    ASSERT_FALSE(controls.empty());
    for (std::size_t i = 0; i < controls.size(); ++i) {
        const ControlCommon& c = CommonOf(controls[i]);
        EXPECT_GT(c.rect.width(), 0) << c.section;
        EXPECT_GT(c.rect.height(), 0) << c.section;
        EXPECT_TRUE(c.rect.left >= 0 && c.rect.top >= 0 && c.rect.right <= size.width() &&
                    c.rect.bottom <= size.height())
            << c.section << " outside the window";
        for (const SkinRect& owned : CodeOwnedRects(number)) {
            EXPECT_FALSE(Overlap(c.rect, owned)) << c.section << " covers a widget the code places";
        }
        for (std::size_t j = i + 1; j < controls.size(); ++j) {
            EXPECT_FALSE(Overlap(c.rect, CommonOf(controls[j]).rect))
                << c.section << " overlaps " << CommonOf(controls[j]).section;
        }
    }
}

TEST_P(DefaultSkinLayout, ComboBoxesAreUnsortedDropDownLists) {
    for (const ControlDescription& control : ControlsOf(GetParam().skinNumber)) {
        const auto* combo = std::get_if<ComboBoxDescription>(&control);
        if (!combo) continue;
        EXPECT_EQ(combo->style & style::kComboSort, 0u) << combo->section;
        EXPECT_EQ(combo->style & style::kComboStyleMask, style::kComboDropDownList) << combo->section;
    }
}

INSTANTIATE_TEST_SUITE_P(AllWindows, DefaultSkinLayout, ::testing::ValuesIn(ProgramWindows()),
                         [](const auto& info) {
                             std::string name = info.param.name;
                             for (char& c : name) if (c == ' ') c = '_';
                             return name;
                         });

// A radio group runs from a control with WS_GROUP up to the next one; the
// members must follow each other in creation order.
void ExpectRadioGroup(int skinNumber, const std::vector<int>& ids) {
    const auto controls = ControlsOf(skinNumber);
    std::vector<int> order;
    bool inGroup = false;
    for (const ControlDescription& c : controls) {
        const ControlCommon& common = CommonOf(c);
        if (common.style & style::kGroup) inGroup = common.id == ids.front();
        if (inGroup && common.type == ControlType::Radio) order.push_back(common.id);
    }
    EXPECT_EQ(order, ids) << "window " << skinNumber;
}

TEST(DefaultSkinGroups, KindSelectorsFormOneGroupInScreenOrder) {
    ExpectRadioGroup(kMainWindow, {1008, 1009, 1010, 1011, 1017, 1016, 1019});
    const auto controls = ControlsOf(kMainWindow);
    int previousLeft = -1;
    for (int id : {1008, 1009, 1010, 1011, 1017, 1016, 1019}) {
        const ControlCommon* selector = FindControl(controls, id);
        ASSERT_NE(selector, nullptr);
        EXPECT_GT(selector->rect.left, previousLeft) << id;
        previousLeft = selector->rect.left;
    }
}

TEST(DefaultSkinGroups, WeekClockModeButtonsFormOneGroup) {
    ExpectRadioGroup(1020, {1029, 1030});
}

TEST(DefaultSkinFields, EventNameAndVoltageFieldsAreSingleLine) {
    for (const auto& [window, id] : {std::pair{kMainWindow, 1015}, {1142, 1140}, {1142, 1015}}) {
        const auto controls = ControlsOf(window);
        const ControlCommon* field = FindControl(controls, id);
        ASSERT_NE(field, nullptr);
        EXPECT_EQ(field->style & style::kEditMultiline, 0u) << window << "/" << id;
    }
}

} // namespace
} // namespace corvane::test

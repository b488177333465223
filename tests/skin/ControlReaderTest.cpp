#include "skin/ControlReader.h"

#include "SkinTestFolder.h"
#include "skin/UiFile.h"

#include <gtest/gtest.h>

namespace corvane {
namespace {

std::string FontLine(const char* key, std::int32_t height) {
    LOGFONTA font;
    font.lfHeight = height;
    return std::string(key) + "=" + UiFile::formatStruct(font.encode()) + "\n";
}

// A skin folder with Resource.h and a UI file made of the given sections.
class ControlReaderTest : public ::testing::Test {
protected:
    SkinFiles skin(const std::string& ui) {
        folder_.write("Resource.h", "#define IDD_WIN 1000\n#define IDC_SECOND 1002\n");
        return SkinFiles::forUiFile(folder_.write("the.ui", ui));
    }
    // The description of one control section "[C]" holding the given lines.
    ControlDescription description(const std::string& lines) {
        const auto description = ReadControlDescription(skin("[C]\n" + lines), "C");
        EXPECT_TRUE(description.has_value()) << lines;
        return description.value_or(StaticDescription{});
    }
    template <typename T> T control(const std::string& lines) {
        return std::get<T>(description(lines));
    }
    test::SkinTestFolder folder_;
};

TEST_F(ControlReaderTest, ReadsSectionsInOrderUntilTypeIsEmpty) {
    using Names = std::vector<std::string>;
    const std::pair<std::string, Names> cases[] = {
        {"[IDD_WIN]\nBKN=a.bmp\n[IDD_WIN_1]\nType=EDIT\n", {}}, // no first section
        {"[IDD_WIN_0]\nType=edit\n[IDD_WIN_2]\nType=STATIC\n", {"EDIT"}},
        {"[IDD_WIN_0]\nType=ARROW\n[IDD_WIN_1]\nType=radio\n", {"RADIO"}},
        {"[IDD_WIN_0]\nType=Check\n[IDD_WIN_01]\nType=EDIT\n", {"CHECK"}}, // no leading zeros
    };
    for (const auto& [ui, types] : cases) {
        Names names;
        for (const auto& c : ReadControlDescriptions(skin(ui), "IDD_WIN"))
            names.emplace_back(CanonicalTypeName(CommonOf(c).type));
        EXPECT_EQ(names, types) << ui;
    }
}

TEST_F(ControlReaderTest, IdsRectAndSectionOfEachControl) {
    const auto controls = ReadControlDescriptions(
        skin("[IDD_WIN_0]\nType=EDIT\nIDs=IDC_SECOND\nRect=1000,2000,3000,4000\n"), "IDD_WIN");
    ASSERT_EQ(controls.size(), 1u);
    EXPECT_EQ(CommonOf(controls[0]).section, "IDD_WIN_0");
    EXPECT_EQ(CommonOf(controls[0]).id, 1002);
    // Rect is read with a 16-byte buffer: "1000,2000,3000," is all that counts.
    EXPECT_EQ(CommonOf(controls[0]).rect, (SkinRect{1000, 2000, 3000, 0}));
}

TEST_F(ControlReaderTest, ButtonStateFallbackOfFontsAndColours) {
    const auto button = control<ButtonDescription>(
        "Type=CHECK\n" + FontLine("FontN", 11) + FontLine("FontH", 22) + "IsDSameNFont=0\n" +
        "ColorN=16777215\nIsHSameNColor=0\nColorS=5\nIsDSameNColor=0\nColorD=255\n");
    EXPECT_EQ(button.fonts[kStateHover].lfHeight, 11);  // flag on: FontH not read
    EXPECT_TRUE(button.fonts[kStateDisabled].isZero()); // flag off, no key: all zero
    EXPECT_EQ(button.colors, (PerState<ColorRef>{0xFFFFFF, 0, 0xFFFFFF, 255}));
    // Checked text is black in the normal state whatever ColorN says.
    EXPECT_EQ(button.checkedColors, (PerState<ColorRef>{0, 0, 0xFFFFFF, 255}));
}

TEST_F(ControlReaderTest, ButtonTextImagesAndToolTip) {
    const auto button = control<ButtonDescription>(
        "Type=Radio\nCaption=" + std::string(300, 'c') +
        "\nBKCN=on.bmp\nBKCD=dir\\off.bmp\nHorAlignMode=RIGHT\nVerAlignMode=center\n"
        "UseToolTip=1\nToolTips=" +
        std::string(600, 't') + "\n");
    EXPECT_EQ(button.caption.size(), 258u);
    EXPECT_EQ(button.checkedImageFiles[kStateDisabled], folder_.file("dir/off.bmp"));
    EXPECT_EQ(button.layout.horMode, HorizontalMode::Right);
    EXPECT_EQ(button.layout.verMode, VerticalMode::Default); // words compare with regard to case
    EXPECT_EQ(button.toolTip.size(), 518u);
    EXPECT_FALSE(button.focusRectFlag); // the button's own IsTabStop read defaults to 0
    const auto push = control<ButtonDescription>("Type=PUSHBUTTON\nToolTips=x\nBKCN=on.bmp\n");
    EXPECT_FALSE(push.hasToolTip);
    EXPECT_EQ(push.checkedImageFiles[kStateNormal], ""); // push buttons have no checked images
}

TEST_F(ControlReaderTest, ComboBoxOpenRectangleGrowsByTheDropHeightAndSaturates) {
    const auto combo = control<ComboBoxDescription>("Type=COMBOBOX\nRect=5,6,100,26\n");
    EXPECT_EQ(combo.buttonWidth, 18);
    EXPECT_EQ(combo.openRect(), (SkinRect{5, 6, 100, 42})); // 16 by default
    const auto huge =
        control<ComboBoxDescription>("Type=COMBOBOX\nRect=0,0,9,9\nDropListHeight=2147483647\n");
    EXPECT_EQ(huge.openRect().bottom, 2147483647);
}

// Captions, colours and state images are read as the buttons' are.
TEST_F(ControlReaderTest, StaticAndSliderKeys) {
    EXPECT_TRUE(control<StaticDescription>("Type=STATIC\nNoWrap=1\n").noWrap);
    const auto slider = control<SliderDescription>("Type=SLIDER\nThumbS=ts.bmp\n");
    EXPECT_EQ(slider.thumbFiles, (PerState<std::string>{"", "", folder_.file("ts.bmp"), ""}));
}

} // namespace
} // namespace corvane

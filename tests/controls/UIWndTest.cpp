#define QTEST_QPA_MOUSE_HANDLING
#include "TestSkin.h"

#include "skin/controls/UIButton.h"
#include "skin/controls/UIComboBox.h"
#include "skin/controls/UIEdit.h"
#include "skin/controls/UIStatic.h"

#include <QLineEdit>
#include <QListWidget>
#include <QTest>

#include <gtest/gtest.h>

namespace corvane {
namespace {

using test::Pixel;
using test::TestSkin;
using test::TestWindow;

const QColor kNormal(200, 0, 0);
const QColor kBackground(0, 0, 200);
const QColor kHover(0, 200, 0);
const QColor kPressed(200, 200, 0);
const QColor kDisabled(90, 90, 90);

class UIWndTest : public ::testing::Test {
protected:
    void SetUp() override {
        skin_.define("IDW_MAIN", 1000)
            .define("IDW_BARE", 1001)
            .define("IDW_LOST", 1002)
            .define("IDW_KEYED", 1003)
            .define("IDC_101", 101)
            .define("IDC_102", 102)
            .define("IDC_103", 103)
            .define("IDC_104", 104)
            .define("IDC_105", 105)
            .define("IDC_106", 106);
        skin_.flat("n.bmp", {60, 40}, kNormal);
        skin_.flat("o.bmp", {60, 40}, kBackground);
        skin_.flat("h.bmp", {60, 40}, kHover);
        skin_.flat("s.bmp", {60, 40}, kPressed);
        skin_.flat("d.bmp", {60, 40}, kDisabled);
        skin_.section("IDW_MAIN", "BKN=n.bmp\nBKNO=o.bmp\nBKH=h.bmp\nBKS=s.bmp\nBKD=d.bmp");
        skin_.section("IDW_BARE", "BKN=n.bmp");
        skin_.section("IDW_LOST", "BKN=missing.bmp\nBKNO=o.bmp");
    }
    TestSkin skin_;
};

TEST_F(UIWndTest, TakesTheSizeOfItsNormalImageWithoutMoving) {
    skin_.install();
    TestWindow window(1000);
    window.setGeometry(7, 9, 500, 300);
    ASSERT_TRUE(window.createSkin());
    EXPECT_EQ(window.geometry(), QRect(7, 9, 60, 40));
    EXPECT_EQ(window.skinError(), 0);
    EXPECT_EQ(window.sectionName(), "IDW_MAIN");
}

TEST_F(UIWndTest, PaintsItsBackgroundImageOrTheNormalImageWithoutOne) {
    skin_.install();
    TestWindow main(1000);
    TestWindow bare(1001);
    ASSERT_TRUE(main.createSkin());
    ASSERT_TRUE(bare.createSkin());
    EXPECT_EQ(Pixel(main.grab().toImage(), 30, 20), kBackground.rgb() & 0xFFFFFF);
    EXPECT_EQ(Pixel(bare.grab().toImage(), 30, 20), kNormal.rgb() & 0xFFFFFF);
}

TEST_F(UIWndTest, AnswersImagesByCode) {
    skin_.install();
    TestWindow main(1000);
    TestWindow bare(1001);
    ASSERT_TRUE(main.createSkin());
    ASSERT_TRUE(bare.createSkin());
    const struct {
        int code;
        QColor main;  // invalid: no image
        QColor bare;
    } cases[] = {
        {0, {}, {}},
        {1, kBackground, kNormal},
        {2, kNormal, kNormal},
        {3, kHover, {}},
        {4, kPressed, {}},
        {5, kDisabled, {}},
        {6, {}, {}},
        {-1, {}, {}},
    };
    for (const auto& c : cases) {
        for (const auto& [window, color] : {std::pair{&main, c.main}, std::pair{&bare, c.bare}}) {
            const QImage image = window->image(c.code);
            EXPECT_EQ(image.isNull(), !color.isValid()) << "code " << c.code;
            if (!image.isNull()) {
                EXPECT_EQ(Pixel(image, 0, 0), color.rgb() & 0xFFFFFF) << "code " << c.code;
            }
        }
    }
}

TEST_F(UIWndTest, FailsWithSkinErrorTwoWithoutALoadableNormalImage) {
    skin_.section("IDW_EMPTY", "BKNO=o.bmp").define("IDW_EMPTY", 1004);
    skin_.install();
    for (int number : {1002, 1004, 1999}) {  // missing file, no BKN key, unnamed number
        TestWindow window(number);
        EXPECT_FALSE(window.createSkin()) << number;
        EXPECT_EQ(window.skinError(), 2) << number;
        EXPECT_TRUE(window.controls().empty());
    }
}

TEST_F(UIWndTest, MaskColourCutsTheWindowShape) {
    QImage keyed(20, 10, QImage::Format_RGB32);
    keyed.fill(kNormal);
    for (int y = 0; y < 10; ++y)
        keyed.setPixel(0, y, qRgb(255, 0, 255));  // the left column
    keyed.setPixel(19, 9, qRgb(255, 0, 255));     // a corner
    skin_.bitmap("k.bmp", keyed);
    // RValue 511 counts as 255: only the low 8 bits matter.
    skin_.section("IDW_KEYED", "BKN=k.bmp\nIsUseMaskColor=1\nRValue=511\nGValue=0\nBValue=255");
    skin_.section("IDW_PLAIN", "BKN=k.bmp\nIsUseMaskColor=0").define("IDW_PLAIN", 1005);
    skin_.install();
    TestWindow window(1003);
    ASSERT_TRUE(window.createSkin());
    const QRegion shape = window.mask();
    EXPECT_FALSE(shape.contains(QPoint(0, 0)));
    EXPECT_FALSE(shape.contains(QPoint(0, 9)));
    EXPECT_FALSE(shape.contains(QPoint(19, 9)));
    EXPECT_TRUE(shape.contains(QPoint(1, 0)));
    EXPECT_TRUE(shape.contains(QPoint(19, 8)));
    TestWindow plain(1005);
    ASSERT_TRUE(plain.createSkin());
    EXPECT_TRUE(plain.mask().isEmpty());
}

struct FactoryCase {
    const char* name;
    const char* sections;  // the control sections of IDW_MAIN
    std::vector<QString> types;
};

void PrintTo(const FactoryCase& c, std::ostream* os) {
    *os << c.name;
}

class FactoryCases : public UIWndTest, public ::testing::WithParamInterface<FactoryCase> {};

TEST_P(FactoryCases, CreatesTheListedControlsInOrder) {
    // "n:lines|m:lines": section IDW_MAIN_n holding lines, and so on.
    const std::string ui = GetParam().sections;
    std::size_t start = 0;
    while (start < ui.size()) {
        const std::size_t end = ui.find('|', start);
        const std::string part = ui.substr(start, end - start);
        const std::size_t eq = part.find(':');
        skin_.section("IDW_MAIN_" + part.substr(0, eq), part.substr(eq + 1));
        if (end == std::string::npos)
            break;
        start = end + 1;
    }
    skin_.install();
    TestWindow window(1000);
    ASSERT_TRUE(window.createSkin());
    std::vector<QString> types;
    for (const ControlEntry& entry : window.controls()) {
        types.push_back(entry.typeName);
        EXPECT_EQ(entry.control->parentWidget(), &window);
    }
    EXPECT_EQ(types, GetParam().types);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FactoryCases,
    ::testing::Values(
        FactoryCase{"none", "", {}},
        FactoryCase{"empty_first_type", "0:Type=\n|1:Type=EDIT\n", {}},
        FactoryCase{"gap_ends_the_list", "0:Type=EDIT\n|1:Type=STATIC\n|3:Type=SLIDER\n",
                    {"EDIT", "STATIC"}},
        FactoryCase{"mixed_case_and_unknown", "0:Type=PushButton\n|1:Type=ARROW\n|2:Type=radio\n",
                    {"PUSHBUTTON", "RADIO"}},
        FactoryCase{"all_seven",
                    "0:Type=PUSHBUTTON\n|1:Type=CHECK\n|2:Type=COMBOBOX\n|3:Type=EDIT\n"
                    "|4:Type=RADIO\n|5:Type=SLIDER\n|6:Type=STATIC\n",
                    {"PUSHBUTTON", "CHECK", "COMBOBOX", "EDIT", "RADIO", "SLIDER", "STATIC"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(UIWndTest, ControlsGetTheirIdsAndRectangles) {
    skin_.section("IDW_MAIN_0", "Type=EDIT\nIDs=IDC_101\nRect=10,20");
    skin_.section("IDW_MAIN_1", "Type=STATIC\nRect=1,2,31,12");
    skin_.section("IDW_MAIN_2", "Type=COMBOBOX\nIDs=IDC_103\nRect=5,6,45,26\nDropListHeight=50");
    skin_.install();
    TestWindow window(1000);
    ASSERT_TRUE(window.createSkin());
    const auto& controls = window.controls();
    ASSERT_EQ(controls.size(), 3u);
    EXPECT_EQ(ControlId(controls[0].control), 101);
    EXPECT_EQ(controls[0].rect, QRect(10, 20, 0, 0));
    EXPECT_EQ(ControlId(controls[1].control), 0);  // no IDs
    EXPECT_EQ(controls[1].rect, QRect(1, 2, 30, 10));
    // The combo box's entry keeps the closed box; the list drops below it.
    EXPECT_EQ(controls[2].rect, QRect(5, 6, 40, 20));
    EXPECT_EQ(controls[2].control->geometry(), QRect(5, 6, 40, 20));
    EXPECT_EQ(window.control(103), controls[2].control);
    EXPECT_EQ(window.controlAs<UIComboBox>(103), controls[2].control);
    EXPECT_EQ(window.controlAs<UIEdit>(103), nullptr);
    EXPECT_EQ(window.control(999), nullptr);
}

TEST_F(UIWndTest, FindsControlsTheCodeAddsByTheirIds) {
    skin_.install();
    TestWindow window(1000);
    ASSERT_TRUE(window.createSkin());
    auto* list = new QListWidget(&window);
    EXPECT_EQ(ControlId(list), -1);
    SetControlId(list, 102);
    EXPECT_EQ(window.controlAs<QListWidget>(102), list);
}

TEST_F(UIWndTest, VisibleAndDisabledFlags) {
    skin_.section("IDW_MAIN_0", "Type=PUSHBUTTON\nIDs=IDC_101\nRect=0,0,10,10\nIsVisible=0");
    skin_.section("IDW_MAIN_1", "Type=PUSHBUTTON\nIDs=IDC_102\nRect=0,0,10,10\nIsDisabled=1");
    skin_.install();
    TestWindow window(1000);
    ASSERT_TRUE(window.createSkin());
    window.show();
    EXPECT_FALSE(window.control(101)->isVisible());
    EXPECT_TRUE(window.control(102)->isVisible());
    EXPECT_FALSE(window.control(102)->isEnabled());
    EXPECT_TRUE(window.control(101)->isEnabled());
}

TEST_F(UIWndTest, RoutesTheOperatorsActionsToOnCommand) {
    skin_.section("IDW_MAIN_0", "Type=PUSHBUTTON\nIDs=IDC_101\nRect=0,0,20,10");
    skin_.section("IDW_MAIN_1", "Type=EDIT\nIDs=IDC_102\nRect=0,10,60,20\nIsMultiline=0");
    skin_.section("IDW_MAIN_2", "Type=COMBOBOX\nIDs=IDC_103\nRect=0,20,60,30\nComboStyle=2\nIsSort=0");
    skin_.section("IDW_MAIN_3", "Type=STATIC\nIDs=IDC_104\nRect=30,0,60,10");
    skin_.install();
    TestWindow window(1000);
    ASSERT_TRUE(window.createSkin());
    window.show();
    auto* combo = window.controlAs<UIComboBox>(103);
    combo->addItem("a");
    combo->addItem("b");
    combo->setCurrentIndex(0);  // a change by code is not reported
    window.controlAs<UIEdit>(102)->setText("x");
    window.commands.clear();

    QTest::mouseClick(window.control(101), Qt::LeftButton);
    QTest::mouseClick(window.control(104), Qt::LeftButton);
    window.controlAs<UIEdit>(102)->setFocus();
    QTest::keyClick(window.controlAs<UIEdit>(102)->lineEdit(), Qt::Key_A);
    combo->setFocus();
    QTest::keyClick(combo, Qt::Key_Down);
    EXPECT_EQ(combo->currentIndex(), 1);
    const std::vector<std::pair<int, int>> expected{
        {101, kButtonClicked}, {104, kButtonClicked}, {102, kEditChange}, {103, kSelectionChange}};
    EXPECT_EQ(window.commands, expected);
}

TEST_F(UIWndTest, TabAndArrowsWalkTheTabStopsAndReturnPressesTheDefaultButton) {
    skin_.section("IDW_MAIN_0", "Type=PUSHBUTTON\nIDs=IDC_101\nRect=0,0,10,10\nIsTabStop=1");
    skin_.section("IDW_MAIN_1", "Type=PUSHBUTTON\nIDs=IDC_102\nRect=10,0,20,10");  // no tab stop
    skin_.section("IDW_MAIN_2", "Type=CHECK\nIDs=IDC_103\nRect=20,0,30,10");       // tab stop by default
    skin_.section("IDW_MAIN_3", "Type=EDIT\nIDs=IDC_104\nRect=0,20,60,30\nIsMultiline=0");
    skin_.section("IDW_MAIN_4",
                  "Type=PUSHBUTTON\nIDs=IDC_105\nRect=30,0,40,10\nIsDefPushButton=1\nIsTabStop=1");
    skin_.install();
    TestWindow window(1000);
    ASSERT_TRUE(window.createSkin());
    window.show();
    QApplication::setActiveWindow(&window);
    window.control(101)->setFocus();
    auto focusedId = [&window] {
        for (QWidget* w = QApplication::focusWidget(); w; w = w->parentWidget())
            if (w->parentWidget() == &window)
                return ControlId(w);
        return -1;
    };
    ASSERT_EQ(focusedId(), 101);
    std::vector<int> visited;
    for (int i = 0; i < 4; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited.push_back(focusedId());
    }
    EXPECT_EQ(visited, (std::vector<int>{103, 104, 105, 101}));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Right);
    EXPECT_EQ(focusedId(), 103);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Left);
    EXPECT_EQ(focusedId(), 101);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, Qt::ShiftModifier);
    EXPECT_EQ(focusedId(), 105);

    window.commands.clear();
    window.control(104)->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_EQ(window.commands, (std::vector<std::pair<int, int>>{{105, kButtonClicked}}));
}

} // namespace
} // namespace corvane

#include "TestSkin.h"
#include "skin/controls/UIButton.h"
#include "skin/controls/UIComboBox.h"
#include "skin/controls/UIEdit.h"

#include <QAbstractItemView>
#include <QLineEdit>
#include <QListWidget>
#include <QTest>
#include <gtest/gtest.h>

namespace corvane {
namespace {

using namespace test;
using Commands = std::vector<std::pair<int, int>>;

const QColor kBackground(0, 0, 200);

class UIWndTest : public SkinWindowTest {
protected:
    UIWndTest() {
        skin_.define("IDW_BARE", 1001).define("IDW_LOST", 1002);
        skin_.flat("o.bmp", {200, 100}, kBackground);
        windowKeys_ = "BKN=n.bmp\nBKNO=o.bmp\nBKH=h.bmp\nBKS=s.bmp\nBKD=d.bmp";
        skin_.section("IDW_BARE", "BKN=n.bmp");
        skin_.section("IDW_LOST", "BKN=missing.bmp\nBKNO=o.bmp");
    }
};

TEST_F(UIWndTest, TakesTheSizeOfItsNormalImagePaintsItsBackgroundAndAnswersImagesByCode) {
    skin_.section("IDW_MAIN", windowKeys_);
    skin_.install();
    window_.setGeometry(7, 9, 500, 300);
    ASSERT_TRUE(window_.createSkin());
    EXPECT_EQ(window_.geometry(), QRect(7, 9, 200, 100));
    EXPECT_EQ(window_.sectionName(), "IDW_MAIN");
    TestWindow bare(1001); // without BKNO the normal image is the background
    ASSERT_TRUE(bare.createSkin());
    EXPECT_EQ(Pixel(window_.grab().toImage(), 30, 20), Rgb(kBackground));
    EXPECT_EQ(Pixel(bare.grab().toImage(), 30, 20), Rgb(kNormal));
    const struct {
        int code;
        QColor main, bare; // invalid: no image
    } cases[] = {
        {0, {}, {}},       {1, kBackground, kNormal}, {2, kNormal, kNormal}, {3, kHover, {}},
        {4, kPressed, {}}, {5, kDisabled, {}},        {6, {}, {}},           {-1, {}, {}}};
    for (const auto& c : cases) {
        for (const auto& [window, color] :
             {std::pair{&window_, c.main}, std::pair{&bare, c.bare}}) {
            const QImage image = window->image(c.code);
            ASSERT_EQ(image.isNull(), !color.isValid()) << "code " << c.code;
            if (!image.isNull()) {
                EXPECT_EQ(Pixel(image, 0, 0), Rgb(color)) << "code " << c.code;
            }
        }
    }
}

TEST_F(UIWndTest, FailsWithSkinErrorTwoWithoutALoadableNormalImage) {
    skin_.section("IDW_EMPTY", "BKNO=o.bmp").define("IDW_EMPTY", 1004);
    skin_.install();
    for (int number : {1002, 1004, 1999}) { // missing file, no BKN key, unnamed number
        TestWindow window(number);
        EXPECT_FALSE(window.createSkin()) << number;
        EXPECT_EQ(window.skinError(), 2) << number;
    }
}

TEST_F(UIWndTest, MaskColourCutsTheWindowShape) {
    QImage keyed(20, 10, QImage::Format_RGB32);
    keyed.fill(kNormal);
    for (int y = 0; y < 10; ++y)
        keyed.setPixel(0, y, qRgb(255, 0, 255)); // the left column
    skin_.bitmap("k.bmp", keyed);
    // RValue 511 is red 255: only the low 8 bits count.
    skin_.section("IDW_MAIN", "BKN=k.bmp\nIsUseMaskColor=1\nRValue=511\nGValue=0\nBValue=255");
    skin_.section("IDW_BARE", "BKN=k.bmp\nIsUseMaskColor=0");
    skin_.install();
    ASSERT_TRUE(window_.createSkin());
    EXPECT_FALSE(window_.mask().contains(QPoint(0, 5)));
    EXPECT_TRUE(window_.mask().contains(QPoint(1, 5)));
    TestWindow plain(1001);
    ASSERT_TRUE(plain.createSkin());
    EXPECT_TRUE(plain.mask().isEmpty());
}

struct FactoryCase {
    const char* name;
    std::vector<std::pair<int, std::string>> sections; // IDW_MAIN_n and its lines
    std::vector<QString> types;
};

void PrintTo(const FactoryCase& c, std::ostream* os) {
    *os << c.name;
}

class FactoryCases : public UIWndTest, public ::testing::WithParamInterface<FactoryCase> {};

TEST_P(FactoryCases, CreatesTheListedControlsInOrder) {
    for (const auto& [n, lines] : GetParam().sections)
        skin_.section("IDW_MAIN_" + std::to_string(n), lines);
    create();
    std::vector<QString> types;
    for (const ControlEntry& entry : window_.controls()) {
        types.push_back(entry.typeName);
        EXPECT_EQ(entry.control->parentWidget(), &window_);
    }
    EXPECT_EQ(types, GetParam().types);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FactoryCases,
    ::testing::Values(FactoryCase{"none", {}, {}},
                      FactoryCase{"empty_first_type", {{0, "Type="}, {1, "Type=EDIT"}}, {}},
                      FactoryCase{"gap_ends_the_list",
                                  {{0, "Type=EDIT"}, {1, "Type=STATIC"}, {3, "Type=SLIDER"}},
                                  {"EDIT", "STATIC"}},
                      FactoryCase{"mixed_case_and_unknown",
                                  {{0, "Type=PushButton"}, {1, "Type=ARROW"}, {2, "Type=radio"}},
                                  {"PUSHBUTTON", "RADIO"}},
                      FactoryCase{"all_seven",
                                  {{0, "Type=PUSHBUTTON"},
                                   {1, "Type=CHECK"},
                                   {2, "Type=COMBOBOX"},
                                   {3, "Type=EDIT"},
                                   {4, "Type=RADIO"},
                                   {5, "Type=SLIDER"},
                                   {6, "Type=STATIC"}},
                                  {"PUSHBUTTON", "CHECK", "COMBOBOX", "EDIT", "RADIO", "SLIDER",
                                   "STATIC"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(UIWndTest, ControlsGetTheirIdsRectanglesAndFlags) {
    skin_.section("IDW_MAIN_0", "Type=EDIT\nIDs=IDC_101\nRect=10,20");
    skin_.section("IDW_MAIN_1", "Type=STATIC\nRect=1,2,31,12\nIsDisabled=1");
    skin_.section("IDW_MAIN_2",
                  "Type=COMBOBOX\nIDs=IDC_103\nRect=5,6,45,26\nDropListHeight=50\nIsVisible=0");
    skin_.section("IDW_MAIN_3", "Type=PUSHBUTTON\nIDs=IDC_104\nRect=15,5,99999,999");
    create();
    const auto& controls = window_.controls();
    ASSERT_EQ(controls.size(), 4u);
    // Pieces of the window's images end where the images end.
    EXPECT_EQ(window_.controlAs<UIButton>(104)->stateImages()[kStateHover].size(), QSize(185, 95));
    EXPECT_EQ(ControlId(controls[0].control), 101);
    EXPECT_EQ(controls[0].rect, QRect(10, 20, 0, 0));
    EXPECT_EQ(ControlId(controls[1].control), 0); // no IDs
    EXPECT_EQ(controls[1].rect, QRect(1, 2, 30, 10));
    EXPECT_FALSE(controls[1].control->isEnabled());
    // The combo box shows its closed rectangle; its images reach over the list.
    EXPECT_EQ(controls[2].rect, QRect(5, 6, 40, 20));
    EXPECT_EQ(controls[2].control->geometry(), QRect(5, 6, 40, 20));
    EXPECT_EQ(window_.controlAs<UIComboBox>(103)->stateImages()[kStateNormal].size(),
              QSize(40, 70));
    EXPECT_FALSE(controls[2].control->isVisible());
    EXPECT_EQ(window_.controlAs<UIEdit>(103), nullptr);
    // Controls the code adds are found once they carry an id.
    auto* list = new QListWidget(&window_);
    EXPECT_EQ(window_.control(-1), nullptr);
    SetControlId(list, 102);
    EXPECT_EQ(window_.controlAs<QListWidget>(102), list);
}

TEST_F(UIWndTest, RoutesTheOperatorsActionsToOnCommand) {
    skin_.section("IDW_MAIN_0", "Type=PUSHBUTTON\nIDs=IDC_101\nRect=0,0,20,10");
    skin_.section("IDW_MAIN_1", "Type=EDIT\nIDs=IDC_102\nRect=0,10,60,20\nIsMultiline=0");
    skin_.section("IDW_MAIN_2",
                  "Type=COMBOBOX\nIDs=IDC_103\nRect=0,20,60,30\nComboStyle=2\nIsSort=0");
    skin_.section("IDW_MAIN_3", "Type=STATIC\nIDs=IDC_104\nRect=30,0,60,10");
    create();
    auto* combo = window_.controlAs<UIComboBox>(103);
    combo->addItem("a");
    combo->addItem("b");
    combo->setCurrentIndex(0); // a change by code is not reported
    window_.controlAs<UIEdit>(102)->setText("x");
    window_.commands.clear();

    QTest::mouseClick(window_.control(101), Qt::LeftButton);
    QTest::mouseClick(window_.control(104), Qt::LeftButton);
    window_.controlAs<UIEdit>(102)->setFocus();
    QTest::keyClick(window_.controlAs<UIEdit>(102)->lineEdit(), Qt::Key_A);
    combo->setFocus();
    QTest::keyClick(combo, Qt::Key_Down);
    // Choosing from the list reports only a change of the selection.
    for (int row : {1, 0}) {
        combo->showPopup();
        QAbstractItemView* list = combo->view();
        list->setCurrentIndex(list->model()->index(row, 0));
        QTest::keyClick(list, Qt::Key_Return);
        EXPECT_EQ(combo->currentIndex(), row);
    }
    EXPECT_EQ(window_.commands, (Commands{{101, kButtonClicked},
                                          {104, kButtonClicked},
                                          {102, kEditChange},
                                          {103, kSelectionChange},
                                          {103, kSelectionChange}}));
}

TEST_F(UIWndTest, TabAndArrowsWalkTheTabStopsAndReturnPressesTheDefaultButton) {
    skin_.section("IDW_MAIN_0", "Type=PUSHBUTTON\nIDs=IDC_101\nRect=0,0,10,10\nIsTabStop=1");
    skin_.section("IDW_MAIN_1", "Type=PUSHBUTTON\nIDs=IDC_102\nRect=10,0,20,10"); // no tab stop
    skin_.section("IDW_MAIN_2", "Type=CHECK\nIDs=IDC_103\nRect=20,0,30,10"); // tab stop by default
    skin_.section("IDW_MAIN_3", "Type=EDIT\nIDs=IDC_104\nRect=0,20,60,30\nIsMultiline=0");
    skin_.section("IDW_MAIN_4",
                  "Type=PUSHBUTTON\nIDs=IDC_105\nRect=30,0,40,10\nIsDefPushButton=1\nIsTabStop=1");
    create();
    QApplication::setActiveWindow(&window_);
    auto press = [](Qt::Key key, Qt::KeyboardModifiers modifiers = {}) {
        QTest::keyClick(QApplication::focusWidget(), key, modifiers);
        for (QWidget* w = QApplication::focusWidget(); w; w = w->parentWidget())
            if (qobject_cast<UIWnd*>(w->parentWidget()))
                return ControlId(w);
        return -1;
    };
    window_.control(101)->setFocus();
    std::vector<int> visited;
    for (Qt::Key key :
         {Qt::Key_Tab, Qt::Key_Tab, Qt::Key_Tab, Qt::Key_Tab, Qt::Key_Right, Qt::Key_Left})
        visited.push_back(press(key));
    visited.push_back(press(Qt::Key_Tab, Qt::ShiftModifier));
    EXPECT_EQ(visited, (std::vector<int>{103, 104, 105, 101, 103, 101, 105}));

    window_.commands.clear();
    window_.control(104)->setFocus();
    EXPECT_EQ(press(Qt::Key_Down), 104); // an edit keeps its arrow keys
    press(Qt::Key_Return);
    EXPECT_EQ(window_.commands, (Commands{{105, kButtonClicked}}));
}

} // namespace
} // namespace corvane

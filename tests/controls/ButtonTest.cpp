#define QTEST_QPA_MOUSE_HANDLING
#include "TestSkin.h"
#include "skin/controls/UIButton.h"

#include <QApplication>
#include <QTest>
#include <gtest/gtest.h>

namespace corvane {
namespace {

using test::BoundsExcept;
using test::BoundsOf;
using test::Pixel;
using test::TestSkin;
using test::TestWindow;

// One colour per look, so a pixel tells which image a button shows.
const QColor kN(200, 0, 0), kH(0, 200, 0), kS(200, 200, 0), kD(90, 90, 90);
const QColor kCN(0, 0, 200), kCH(0, 200, 200), kCS(200, 0, 200), kCD(40, 40, 40);

QRgb Rgb(const QColor& color) {
    return color.rgb() & 0xFFFFFF;
}

class ButtonTest : public ::testing::Test {
protected:
    void SetUp() override {
        skin_.define("IDW_MAIN", 1000).define("IDC_PUSH", 101).define("IDC_CHECK", 102);
        skin_.define("IDC_RADIO1", 103).define("IDC_RADIO2", 104).define("IDC_RADIO3", 105);
        skin_.define("IDC_RADIO4", 106);
        skin_.flat("n.bmp", {200, 100}, kN);
        skin_.flat("h.bmp", {200, 100}, kH);
        skin_.flat("s.bmp", {200, 100}, kS);
        skin_.flat("d.bmp", {200, 100}, kD);
        skin_.flat("cn.bmp", {40, 20}, kCN);
        skin_.flat("ch.bmp", {40, 20}, kCH);
        skin_.flat("cs.bmp", {40, 20}, kCS);
        skin_.flat("cd.bmp", {40, 20}, kCD);
    }
    // Creates the window with the control sections given so far and shows it.
    void create() {
        skin_.section("IDW_MAIN", windowKeys_);
        skin_.install();
        ASSERT_TRUE(window_.createSkin());
        window_.move(0, 0);
        window_.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window_));
    }
    UIButton* button(int id) { return window_.controlAs<UIButton>(id); }
    // The colour the window shows at a point of a button.
    QRgb shown(UIButton* b, QPoint at = {2, 2}) {
        return Pixel(window_.grab().toImage(), b->mapTo(&window_, at));
    }
    static constexpr const char* kCheckImages =
        "BKCN=cn.bmp\nBKCH=ch.bmp\nBKCS=cs.bmp\nBKCD=cd.bmp\n";

    TestSkin skin_;
    std::string windowKeys_ = "BKN=n.bmp\nBKH=h.bmp\nBKS=s.bmp\nBKD=d.bmp";
    TestWindow window_{1000};
};

// Drives one row of the look table with real mouse input and reads the look
// back from the screen.
struct LookRow {
    bool checked;
    bool enabled;
    bool held;  // left button pressed on the button and still down
    bool hover; // cursor over the button
    QColor shows;
};

TEST_F(ButtonTest, ShowsTheLookOfItsCheckEnablingMouseButtonAndHover) {
    skin_.section("IDW_MAIN_0",
                  std::string("Type=CHECK\nIDs=IDC_CHECK\nRect=10,10,50,30\n") + kCheckImages);
    create();
    UIButton* check = button(102);
    const QPoint inside(20, 10), outside(120, 80);
    const LookRow rows[] = {
        {false, false, false, true, kD}, {false, true, true, true, kS},
        {false, true, true, false, kH},  {false, true, false, true, kH},
        {false, true, false, false, kN}, {true, false, true, true, kCD},
        {true, true, true, true, kCS},   {true, true, true, false, kCH},
        {true, true, false, true, kCH},  {true, true, false, false, kCN},
    };
    for (const LookRow& row : rows) {
        check->setChecked(row.checked);
        check->setEnabled(row.enabled);
        QTest::mouseMove(&window_, outside);
        if (row.held) {
            QTest::mouseMove(check, inside);
            QTest::mousePress(check, Qt::LeftButton, {}, inside);
            QTest::mouseMove(check,
                             row.hover ? inside + QPoint(1, 0) : check->mapFrom(&window_, outside));
        } else if (row.hover) {
            QTest::mouseMove(check, inside);
        }
        EXPECT_EQ(shown(check), Rgb(row.shows))
            << "checked " << row.checked << " enabled " << row.enabled << " held " << row.held
            << " hover " << row.hover;
        if (row.held)
            QTest::mouseRelease(check, Qt::LeftButton, {}, check->mapFrom(&window_, outside));
        // Releasing elsewhere toggled nothing.
        EXPECT_EQ(check->isChecked(), row.checked);
    }
}

TEST_F(ButtonTest, DraggedOffReleaseSendsNoClickAndSpaceShowsNoPressedLook) {
    skin_.section("IDW_MAIN_0", "Type=PUSHBUTTON\nIDs=IDC_PUSH\nRect=10,10,50,30");
    create();
    UIButton* push = button(101);
    QTest::mouseMove(push, {5, 5});
    QTest::mousePress(push, Qt::LeftButton, {}, {5, 5});
    EXPECT_EQ(shown(push), Rgb(kS));
    QTest::mouseMove(push, {100, 50});
    EXPECT_EQ(shown(push), Rgb(kH));
    QTest::mouseMove(push, {6, 6});
    EXPECT_EQ(shown(push), Rgb(kS));
    QTest::mouseMove(push, {100, 50});
    QTest::mouseRelease(push, Qt::LeftButton, {}, {100, 50});
    EXPECT_TRUE(window_.commands.empty());
    EXPECT_EQ(shown(push), Rgb(kN));

    QTest::mouseClick(push, Qt::LeftButton, {}, {5, 5});
    EXPECT_EQ(window_.commands.size(), 1u);
    // Space clicks too, but the pressed look belongs to the mouse.
    QTest::mouseMove(&window_, {150, 80});
    push->setFocus();
    QTest::keyPress(push, Qt::Key_Space);
    EXPECT_EQ(shown(push), Rgb(kN));
    QTest::keyRelease(push, Qt::Key_Space);
    EXPECT_EQ(window_.commands,
              (std::vector<std::pair<int, int>>{{101, kButtonClicked}, {101, kButtonClicked}}));
}

TEST_F(ButtonTest, CheckBoxTogglesAndRadioGroupsStayExclusive) {
    skin_.section("IDW_MAIN_0",
                  std::string("Type=CHECK\nIDs=IDC_CHECK\nRect=0,0,40,20\n") + kCheckImages);
    skin_.section("IDW_MAIN_1", "Type=RADIO\nIDs=IDC_RADIO1\nRect=0,20,40,40\nIsGroup=1");
    skin_.section("IDW_MAIN_2", "Type=RADIO\nIDs=IDC_RADIO2\nRect=0,40,40,60");
    skin_.section("IDW_MAIN_3", "Type=RADIO\nIDs=IDC_RADIO3\nRect=40,20,80,40\nIsGroup=1");
    skin_.section("IDW_MAIN_4", "Type=RADIO\nIDs=IDC_RADIO4\nRect=40,40,80,60");
    create();
    UIButton* check = button(102);
    QTest::mouseClick(check, Qt::LeftButton, {}, {5, 5});
    EXPECT_TRUE(check->isChecked());
    EXPECT_EQ(shown(check), Rgb(kCH));
    QTest::mouseClick(check, Qt::LeftButton, {}, {5, 5});
    EXPECT_FALSE(check->isChecked());
    EXPECT_EQ(shown(check), Rgb(kH));

    auto checkedRadios = [this] {
        std::vector<int> ids;
        for (int id = 103; id <= 106; ++id)
            if (button(id)->isChecked())
                ids.push_back(id);
        return ids;
    };
    QTest::mouseClick(button(103), Qt::LeftButton);
    QTest::mouseClick(button(105), Qt::LeftButton);
    EXPECT_EQ(checkedRadios(), (std::vector<int>{103, 105}));
    QTest::mouseClick(button(104), Qt::LeftButton);
    EXPECT_EQ(checkedRadios(), (std::vector<int>{104, 105}));
    QTest::mouseClick(button(104), Qt::LeftButton); // clicking the checked one keeps it
    EXPECT_EQ(checkedRadios(), (std::vector<int>{104, 105}));
    // The code may uncheck any radio button, as with the Windows control.
    button(104)->setChecked(false);
    EXPECT_EQ(checkedRadios(), (std::vector<int>{105}));
    const std::vector<std::pair<int, int>> clicks{{102, kButtonClicked}, {102, kButtonClicked},
                                                  {103, kButtonClicked}, {105, kButtonClicked},
                                                  {104, kButtonClicked}, {104, kButtonClicked}};
    EXPECT_EQ(window_.commands, clicks);
}

TEST_F(ButtonTest, FocusRectangleOnlyWithTheTabStopKey) {
    skin_.section("IDW_MAIN_0", "Type=PUSHBUTTON\nIDs=IDC_PUSH\nRect=10,10,50,30\nIsTabStop=1");
    // A check box is a tab stop without the key, but draws no focus rectangle.
    skin_.section("IDW_MAIN_1", "Type=CHECK\nIDs=IDC_CHECK\nRect=60,10,100,30");
    create();
    QApplication::setActiveWindow(&window_);
    QTest::mouseMove(&window_, {150, 80});
    const QRgb inverted = Rgb(kN) ^ 0xFFFFFF;
    for (int id : {101, 102}) {
        UIButton* b = button(id);
        EXPECT_TRUE(b->focusPolicy() & Qt::TabFocus);
        b->setFocus();
        ASSERT_TRUE(b->hasFocus());
        const bool drawn = id == 101;
        EXPECT_EQ(shown(b, {0, 0}), drawn ? inverted : Rgb(kN)) << id;
        EXPECT_EQ(shown(b, {39, 19}), drawn ? inverted : Rgb(kN)) << id;
        EXPECT_EQ(shown(b, {1, 0}), Rgb(kN)) << "dotted " << id;
        EXPECT_EQ(shown(b, {20, 10}), Rgb(kN)) << "inside " << id;
    }
}

struct PlacementCase {
    const char* keys;
    // Expected edges of the caption's ink in a 100x40 button; -1: not checked.
    int centerX, left, right, centerY, top, bottom;
};

void PrintTo(const PlacementCase& c, std::ostream* os) {
    *os << c.keys;
}

class ButtonPlacement : public ButtonTest, public ::testing::WithParamInterface<PlacementCase> {};

TEST_P(ButtonPlacement, PlacesTheCaptionByModeAndOffset) {
    const PlacementCase& c = GetParam();
    skin_.section("IDW_MAIN_0", std::string("Type=PUSHBUTTON\nIDs=IDC_PUSH\nRect=0,0,100,40\n"
                                            "Caption=HHH\nColorN=16777215\n") +
                                    c.keys);
    create();
    const QImage face = button(101)->renderFace({false, kStateNormal});
    const QRect ink = BoundsExcept(face, kN);
    ASSERT_FALSE(ink.isEmpty());
    const double inkCenterX = (ink.left() + ink.right() + 1) / 2.0;
    const double inkCenterY = (ink.top() + ink.bottom() + 1) / 2.0;
    if (c.centerX >= 0) {
        EXPECT_NEAR(inkCenterX, c.centerX, 1.5) << ink.left() << ".." << ink.right();
    }
    if (c.left >= 0) {
        EXPECT_NEAR(ink.left(), c.left, 2) << ink.left();
    }
    if (c.right >= 0) {
        EXPECT_NEAR(ink.right() + 1, c.right, 2) << ink.right();
    }
    if (c.centerY >= 0) {
        EXPECT_NEAR(inkCenterY, c.centerY, 3) << ink.top() << ".." << ink.bottom();
    }
    if (c.top >= 0) {
        EXPECT_GE(ink.top(), c.top);
    }
    if (c.top >= 0) {
        EXPECT_LE(ink.top(), c.top + 8);
    }
    if (c.bottom >= 0) {
        EXPECT_LE(ink.bottom() + 1, c.bottom);
    }
    if (c.bottom >= 0) {
        EXPECT_GE(ink.bottom() + 1, c.bottom - 8);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Modes, ButtonPlacement,
    ::testing::Values(
        // DEFAULT centres in the rectangle whose left edge moved in by the offset.
        PlacementCase{"HorAlig=10\n", 55, -1, -1, 20, -1, -1},
        PlacementCase{"HorAlignMode=CENTER\n", 50, -1, -1, 20, -1, -1},
        PlacementCase{"HorAlignMode=LEFT\nHorAlig=4\n", -1, 4, -1, 20, -1, -1},
        PlacementCase{"HorAlignMode=RIGHT\nHorAlig=4\n", -1, -1, 96, 20, -1, -1},
        // Mode words are compared with regard to case: "center" is DEFAULT.
        PlacementCase{"HorAlignMode=center\nHorAlig=10\n", 55, -1, -1, -1, -1, -1},
        PlacementCase{"VerAlignMode=TOP\nVerAlig=3\n", 50, -1, -1, -1, 3, -1},
        PlacementCase{"VerAlignMode=BOTTOM\nVerAlig=3\n", 50, -1, -1, -1, -1, 37},
        PlacementCase{"VerAlignMode=CENTER\nVerAlig=10\n", 50, -1, -1, 25, -1, -1}));

TEST_F(ButtonTest, MultilineCaptionIsCentredByItsHeight) {
    skin_.section("IDW_MAIN_0", "Type=PUSHBUTTON\nIDs=IDC_PUSH\nRect=0,0,40,80\nCaption=HHH HHH\n"
                                "ColorN=16777215\nIsMultiline=1\nVerAlignMode=CENTER");
    create();
    const QRect ink = BoundsExcept(button(101)->renderFace({false, kStateNormal}), kN);
    ASSERT_FALSE(ink.isEmpty());
    EXPECT_GT(ink.height(), 15); // two lines
    EXPECT_NEAR(ink.top(), 80 - 1 - ink.bottom(), 4);
}

TEST_F(ButtonTest, CheckedNormalTextIsBlackUnlessTheOwnerSetsIt) {
    skin_.section("IDW_MAIN_0",
                  std::string("Type=CHECK\nIDs=IDC_CHECK\nRect=0,0,100,40\nCaption=HHH\n"
                              "ColorN=16777215\nIsHSameNColor=0\nColorH=65280\n") +
                      kCheckImages);
    create();
    UIButton* check = button(102);
    auto ink = [check](ButtonLook look, QColor color) {
        return !BoundsOf(check->renderFace(look), color).isEmpty();
    };
    EXPECT_TRUE(ink({false, kStateNormal}, Qt::white));
    EXPECT_TRUE(ink({true, kStateNormal}, Qt::black));
    EXPECT_FALSE(ink({true, kStateNormal}, Qt::white));
    EXPECT_TRUE(ink({true, kStateHover}, QColor(0, 255, 0)));
    check->setCheckedTextColors({qRgb(255, 255, 255), 0, 0, 0});
    EXPECT_TRUE(ink({true, kStateNormal}, Qt::white));
}

TEST_F(ButtonTest, MaskImageCutsTheButtonShape) {
    QImage mask(40, 20, QImage::Format_RGB32);
    mask.fill(Qt::white);
    for (int y = 0; y < 20; ++y)
        mask.setPixel(0, y, qRgb(255, 0, 255));
    skin_.bitmap("mask.bmp", mask);
    windowKeys_ = "BKN=n.bmp\nBKNO=d.bmp\nBKH=h.bmp";
    skin_.section("IDW_MAIN_0",
                  "Type=PUSHBUTTON\nIDs=IDC_PUSH\nRect=10,10,50,30\nMaskBmp=mask.bmp");
    create();
    UIButton* push = button(101);
    EXPECT_FALSE(push->mask().contains(QPoint(0, 5)));
    EXPECT_TRUE(push->mask().contains(QPoint(1, 5)));
    EXPECT_EQ(shown(push, {0, 5}), Rgb(kD)); // the window's background shows through
    EXPECT_EQ(shown(push, {1, 5}), Rgb(kN));
    // A click on the cut column reaches the window, not the button.
    QTest::mouseClick(&window_, Qt::LeftButton, {}, {10, 15});
    EXPECT_TRUE(window_.commands.empty());
    QTest::mouseClick(&window_, Qt::LeftButton, {}, {11, 15});
    EXPECT_EQ(window_.commands.size(), 1u);
}

} // namespace
} // namespace corvane

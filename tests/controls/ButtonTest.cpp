#include "TestSkin.h"
#include "skin/controls/UIButton.h"

#include <QApplication>

namespace corvane {
namespace {

using namespace test;
using Commands = std::vector<std::pair<int, int>>;

// The checked images: one colour per look, so a pixel tells the look.
const QColor kCheckedN(0, 0, 200), kCheckedH(0, 200, 200), kCheckedS(200, 0, 200),
    kCheckedD(40, 40, 40);
constexpr const char* kCheckImages = "BKCN=cn.bmp\nBKCH=ch.bmp\nBKCS=cs.bmp\nBKCD=cd.bmp\n";

class ButtonTest : public SkinWindowTest {
protected:
    ButtonTest() {
        skin_.flat("cn.bmp", {40, 20}, kCheckedN);
        skin_.flat("ch.bmp", {40, 20}, kCheckedH);
        skin_.flat("cs.bmp", {40, 20}, kCheckedS);
        skin_.flat("cd.bmp", {40, 20}, kCheckedD);
    }
    UIButton* button(int id) { return window_.controlAs<UIButton>(id); }
};

// One row of the look table, driven with real mouse input.
struct LookRow {
    bool checked, enabled;
    bool held;  // left button pressed on the button and still down
    bool hover; // cursor over the button
    QColor shows;
};

TEST_F(ButtonTest, ShowsTheLookOfItsCheckEnablingMouseButtonAndHover) {
    UIButton* check =
        single<UIButton>(std::string("Type=CHECK\nRect=10,10,50,30\n") + kCheckImages);
    const QPoint inside(20, 10), outside = check->mapFrom(&window_, QPoint(120, 80));
    const LookRow rows[] = {
        {false, false, false, true, kDisabled}, {false, true, true, true, kPressed},
        {false, true, true, false, kHover},     {false, true, false, true, kHover},
        {false, true, false, false, kNormal},   {true, false, true, true, kCheckedD},
        {true, true, true, true, kCheckedS},    {true, true, true, false, kCheckedH},
        {true, true, false, true, kCheckedH},   {true, true, false, false, kCheckedN},
    };
    for (const LookRow& row : rows) {
        check->setChecked(row.checked);
        check->setEnabled(row.enabled);
        QTest::mouseMove(check, outside);
        if (row.held) {
            QTest::mouseMove(check, inside);
            QTest::mousePress(check, Qt::LeftButton, {}, inside);
        }
        QTest::mouseMove(check, row.hover ? inside + QPoint(1, 0) : outside);
        EXPECT_EQ(shown(check), Rgb(row.shows))
            << "checked " << row.checked << " enabled " << row.enabled << " held " << row.held;
        if (row.held)
            QTest::mouseRelease(check, Qt::LeftButton, {}, outside);
        EXPECT_EQ(check->isChecked(), row.checked); // released elsewhere: no toggle
    }
}

TEST_F(ButtonTest, DraggedOffReleaseSendsNoClickAndSpaceShowsNoPressedLook) {
    UIButton* push = single<UIButton>("Type=PUSHBUTTON\nRect=10,10,50,30");
    QTest::mouseMove(push, {5, 5});
    QTest::mousePress(push, Qt::LeftButton, {}, {5, 5});
    std::vector<QRgb> looks{shown(push)};
    for (QPoint at : {QPoint(100, 50), QPoint(6, 6), QPoint(100, 50)}) {
        QTest::mouseMove(push, at);
        looks.push_back(shown(push));
    }
    QTest::mouseRelease(push, Qt::LeftButton, {}, {100, 50});
    looks.push_back(shown(push));
    EXPECT_EQ(looks, (std::vector<QRgb>{Rgb(kPressed), Rgb(kHover), Rgb(kPressed), Rgb(kHover),
                                        Rgb(kNormal)}));
    EXPECT_TRUE(window_.commands.empty());

    push->setFocus();
    QTest::keyPress(push, Qt::Key_Space);
    EXPECT_EQ(shown(push), Rgb(kNormal));
    QTest::keyRelease(push, Qt::Key_Space);
    EXPECT_EQ(window_.commands, (Commands{{101, kButtonClicked}}));
}

TEST_F(ButtonTest, CheckBoxTogglesAndRadioGroupsStayExclusive) {
    skin_.section("IDW_MAIN_0",
                  std::string("Type=CHECK\nIDs=IDC_101\nRect=0,0,40,20\n") + kCheckImages);
    skin_.section("IDW_MAIN_1", "Type=RADIO\nIDs=IDC_102\nRect=0,20,40,40\nIsGroup=1");
    skin_.section("IDW_MAIN_2", "Type=RADIO\nIDs=IDC_103\nRect=0,40,40,60");
    skin_.section("IDW_MAIN_3", "Type=RADIO\nIDs=IDC_104\nRect=40,20,80,40\nIsGroup=1");
    skin_.section("IDW_MAIN_4", "Type=RADIO\nIDs=IDC_105\nRect=40,40,80,60");
    create();
    UIButton* check = button(101);
    QTest::mouseClick(check, Qt::LeftButton, {}, {5, 5});
    EXPECT_EQ(shown(check), Rgb(kCheckedH));
    QTest::mouseClick(check, Qt::LeftButton, {}, {5, 5});
    EXPECT_EQ(shown(check), Rgb(kHover));

    auto checkedRadios = [this] {
        std::vector<int> ids;
        for (int id = 102; id <= 105; ++id)
            if (button(id)->isChecked())
                ids.push_back(id);
        return ids;
    };
    std::vector<std::vector<int>> after;
    for (int id : {102, 104, 103, 103}) { // the last click hits the checked one
        QTest::mouseClick(button(id), Qt::LeftButton);
        after.push_back(checkedRadios());
    }
    // The code may uncheck any radio button, as with the Windows control.
    button(103)->setChecked(false);
    after.push_back(checkedRadios());
    EXPECT_EQ(after,
              (std::vector<std::vector<int>>{{102}, {102, 104}, {103, 104}, {103, 104}, {104}}));
    EXPECT_EQ(window_.commands,
              (Commands{{101, 0}, {101, 0}, {102, 0}, {104, 0}, {103, 0}, {103, 0}}));
    // An arrow key moves to the group's next radio button, wrapping, and clicks it.
    window_.commands.clear();
    QApplication::setActiveWindow(&window_);
    button(103)->setFocus();
    QTest::keyClick(button(103), Qt::Key_Down);
    EXPECT_TRUE(button(102)->hasFocus());
    EXPECT_EQ(checkedRadios(), (std::vector<int>{102, 104}));
    QTest::keyClick(button(102), Qt::Key_Left);
    EXPECT_EQ(checkedRadios(), (std::vector<int>{103, 104}));
    EXPECT_EQ(window_.commands, (Commands{{102, 0}, {103, 0}}));
}

TEST_F(ButtonTest, FocusRectangleOnlyWithTheTabStopKey) {
    skin_.section("IDW_MAIN_0", "Type=PUSHBUTTON\nIDs=IDC_101\nRect=10,10,50,30\nIsTabStop=1");
    // A check box is a tab stop without the key, but draws no focus rectangle.
    skin_.section("IDW_MAIN_1", "Type=CHECK\nIDs=IDC_102\nRect=60,10,100,30");
    create();
    QApplication::setActiveWindow(&window_);
    QTest::mouseMove(&window_, {150, 80});
    for (int id : {101, 102}) {
        UIButton* b = button(id);
        b->setFocus();
        ASSERT_TRUE(b->hasFocus());
        const QRgb corner = id == 101 ? Rgb(kNormal) ^ 0xFFFFFF : Rgb(kNormal);
        EXPECT_EQ(shown(b, {0, 0}), corner) << id;
        EXPECT_EQ(shown(b, {39, 19}), corner) << id;
        EXPECT_EQ(shown(b, {1, 0}), Rgb(kNormal)) << "dotted " << id;
        EXPECT_EQ(shown(b, {20, 10}), Rgb(kNormal)) << "inside " << id;
    }
}

TEST_F(ButtonTest, PlacesTheCaptionByModeAndOffset) {
    const struct {
        const char* keys;
        // Expected ink of the caption in a 100x40 button; -1: not checked.
        int centerX, left, right, centerY, top, bottom;
    } cases[] = {// DEFAULT centres in the rectangle whose left edge moved in by the offset.
                 {"HorAlig=10\n", 55, -1, -1, 20, -1, -1},
                 {"HorAlignMode=CENTER\n", 50, -1, -1, 20, -1, -1},
                 {"HorAlignMode=LEFT\nHorAlig=4\n", -1, 4, -1, 20, -1, -1},
                 {"HorAlignMode=RIGHT\nHorAlig=4\n", -1, -1, 96, 20, -1, -1},
                 // Mode words are compared with regard to case: "center" is DEFAULT.
                 {"HorAlignMode=center\nHorAlig=10\n", 55, -1, -1, -1, -1, -1},
                 {"VerAlignMode=TOP\nVerAlig=3\n", 50, -1, -1, -1, 3, -1},
                 {"VerAlignMode=BOTTOM\nVerAlig=3\n", 50, -1, -1, -1, -1, 37},
                 {"VerAlignMode=CENTER\nVerAlig=10\n", 50, -1, -1, 25, -1, -1}};
    auto near = [](double actual, int expected, double tolerance, const char* what) {
        if (expected >= 0) {
            EXPECT_NEAR(actual, expected, tolerance) << what;
        }
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.keys);
        TestWindow window(1000);
        UIButton* push = single<UIButton>(
            window,
            std::string("Type=PUSHBUTTON\nRect=0,0,100,40\nCaption=HHH\nColorN=16777215\n") +
                c.keys);
        const QRect ink = BoundsExcept(push->renderFace({false, kStateNormal}), kNormal);
        ASSERT_FALSE(ink.isEmpty());
        near((ink.left() + ink.right() + 1) / 2.0, c.centerX, 1.5, "centre x");
        near(ink.left(), c.left, 2, "left");
        near(ink.right() + 1, c.right, 2, "right");
        near((ink.top() + ink.bottom() + 1) / 2.0, c.centerY, 3, "centre y");
        // The glyphs' ink lies a little inside the line's top and bottom.
        near(ink.top() - 4, c.top, 4.5, "top");
        near(ink.bottom() + 5, c.bottom, 4.5, "bottom");
    }
}

TEST_F(ButtonTest, MultilineCaptionIsCentredByItsHeight) {
    UIButton* push = single<UIButton>("Type=PUSHBUTTON\nRect=0,0,40,80\nCaption=HHH HHH\n"
                                      "ColorN=16777215\nIsMultiline=1\nVerAlignMode=CENTER");
    const QRect ink = BoundsExcept(push->renderFace({false, kStateNormal}), kNormal);
    EXPECT_GT(ink.height(), 15); // two lines
    EXPECT_NEAR(ink.top(), 80 - 1 - ink.bottom(), 4);
}

TEST_F(ButtonTest, CheckedNormalTextIsBlackUnlessTheOwnerSetsIt) {
    UIButton* check =
        single<UIButton>(std::string("Type=CHECK\nRect=0,0,100,40\nCaption=HHH\nColorN=16777215\n"
                                     "IsHSameNColor=0\nColorH=65280\n") +
                         kCheckImages);
    auto inked = [check](ButtonLook look, QColor color) {
        return !BoundsOf(check->renderFace(look), color).isEmpty();
    };
    EXPECT_TRUE(inked({false, kStateNormal}, Qt::white));
    EXPECT_TRUE(inked({true, kStateNormal}, Qt::black));
    EXPECT_FALSE(inked({true, kStateNormal}, Qt::white));
    EXPECT_TRUE(inked({true, kStateHover}, QColor(0, 255, 0)));
    check->setCheckedTextColors({qRgb(255, 255, 255), 0, 0, 0});
    EXPECT_TRUE(inked({true, kStateNormal}, Qt::white));
}

TEST_F(ButtonTest, MaskImageCutsTheButtonShape) {
    QImage mask(40, 20, QImage::Format_RGB32);
    mask.fill(Qt::white);
    for (int y = 0; y < 20; ++y)
        mask.setPixel(0, y, qRgb(255, 0, 255));
    skin_.bitmap("mask.bmp", mask);
    windowKeys_ = "BKN=n.bmp\nBKNO=d.bmp";
    UIButton* push = single<UIButton>("Type=PUSHBUTTON\nRect=10,10,50,30\nMaskBmp=mask.bmp");
    EXPECT_EQ(shown(push, {0, 5}), Rgb(kDisabled)); // the window's background shows through
    EXPECT_EQ(shown(push, {1, 5}), Rgb(kNormal));
    // A click on the cut column reaches the window, not the button.
    QTest::mouseClick(&window_, Qt::LeftButton, {}, {10, 15});
    EXPECT_TRUE(window_.commands.empty());
    QTest::mouseClick(&window_, Qt::LeftButton, {}, {11, 15});
    EXPECT_EQ(window_.commands.size(), 1u);
}

} // namespace
} // namespace corvane

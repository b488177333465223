#include "TestSkin.h"
#include "skin/controls/UIButton.h"

#include <QApplication>

namespace corvane {
namespace {

using namespace test;

// The checked images: one colour per look, so a pixel tells the look.
const QColor kCheckedN(0, 0, 200), kCheckedH(0, 200, 200), kCheckedS(200, 0, 200),
    kCheckedD(40, 40, 40);
const std::string kCheckImages = "BKCN=cn.bmp\nBKCH=ch.bmp\nBKCS=cs.bmp\nBKCD=cd.bmp\n";

class ButtonTest : public SkinWindowTest {
protected:
    ButtonTest() {
        for (const auto& [name, color] : {std::pair{"cn.bmp", kCheckedN},
                                          {"ch.bmp", kCheckedH},
                                          {"cs.bmp", kCheckedS},
                                          {"cd.bmp", kCheckedD}})
            skin_.flat(name, {40, 20}, color);
    }
    UIButton* button(int id) { return window_.controlAs<UIButton>(id); }
};

TEST_F(ButtonTest, ShowsTheLookOfItsCheckEnablingMouseButtonAndHover) {
    UIButton* check = single<UIButton>("Type=CHECK\nRect=10,10,50,30\n" + kCheckImages);
    const QPoint inside(20, 10), outside = check->mapFrom(&window_, QPoint(120, 80));
    // held: left button pressed on the button and still down; hover: cursor over it.
    const struct {
        bool checked, enabled, held, hover;
        QColor shows;
    } rows[] = {{false, false, false, true, kDisabled}, {false, true, true, true, kPressed},
                {false, true, true, false, kHover},     {false, true, false, true, kHover},
                {false, true, false, false, kNormal},   {true, false, true, true, kCheckedD},
                {true, true, true, true, kCheckedS},    {true, true, true, false, kCheckedH},
                {true, true, false, true, kCheckedH},   {true, true, false, false, kCheckedN}};
    for (const auto& row : rows) {
        check->setChecked(row.checked);
        check->setEnabled(row.enabled);
        QTest::mouseMove(check, outside);
        if (row.held) {
            QTest::mouseMove(check, inside);
            QTest::mousePress(check, Qt::LeftButton, {}, inside);
        }
        QTest::mouseMove(check, row.hover ? inside + QPoint(1, 0) : outside);
        EXPECT_EQ(shown(check), Rgb(row.shows))
            << row.checked << row.enabled << row.held << row.hover;
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
    skin_.section("IDW_MAIN_0", "Type=CHECK\nIDs=IDC_101\nRect=0,0,40,20\n" + kCheckImages);
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
    button(103)->setChecked(false); // the code may uncheck any radio button
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
    EXPECT_EQ(checkedRadios(), (std::vector<int>{102, 104}));
    EXPECT_EQ(window_.commands, (Commands{{102, 0}}));
}

TEST_F(ButtonTest, FocusRectangleOnlyWithTheTabStopKey) {
    skin_.section("IDW_MAIN_0", "Type=PUSHBUTTON\nIDs=IDC_101\nRect=10,10,50,30\nIsTabStop=1");
    // A check box is a tab stop without the key, but draws no focus rectangle.
    skin_.section("IDW_MAIN_1", "Type=CHECK\nIDs=IDC_102\nRect=60,10,100,30");
    create();
    QApplication::setActiveWindow(&window_);
    QTest::mouseMove(&window_, {150, 80});
    for (int id : {101, 102}) {
        button(id)->setFocus();
        ASSERT_TRUE(button(id)->hasFocus());
        const QRgb corner = id == 101 ? Rgb(kNormal) ^ 0xFFFFFF : Rgb(kNormal);
        EXPECT_EQ((std::vector<QRgb>{shown(button(id), {0, 0}), shown(button(id), {39, 19}),
                                     shown(button(id), {1, 0}), shown(button(id), {20, 10})}),
                  (std::vector<QRgb>{corner, corner, Rgb(kNormal), Rgb(kNormal)}))
            << id; // dotted
    }
}

TEST_F(ButtonTest, PlacesTheCaptionByModeAndOffset) {
    // Expected ink of the caption in a 100x40 button; -1: not checked.
    // clang-format off
    const struct { const char* keys; int centerX, left, right, centerY, top, bottom; } cases[] = {
        {"HorAlig=10\n", 55, -1, -1, 20, -1, -1}, // DEFAULT centres right of the offset
        {"HorAlignMode=CENTER\n", 50, -1, -1, 20, -1, -1},
        {"HorAlignMode=LEFT\nHorAlig=4\n", -1, 4, -1, 20, -1, -1},
        {"HorAlignMode=RIGHT\nHorAlig=4\n", -1, -1, 96, 20, -1, -1},
        {"HorAlignMode=center\nHorAlig=10\n", 55, -1, -1, -1, -1, -1}, // case matters: DEFAULT
        {"VerAlignMode=TOP\nVerAlig=3\n", 50, -1, -1, -1, 3, -1},
        {"VerAlignMode=BOTTOM\nVerAlig=3\n", 50, -1, -1, -1, -1, 37},
        {"VerAlignMode=CENTER\nVerAlig=10\n", 50, -1, -1, 25, -1, -1}};
    // clang-format on
    for (const auto& c : cases) {
        SCOPED_TRACE(c.keys);
        UIButton* push = single<UIButton>(
            std::string("Type=PUSHBUTTON\nRect=0,0,100,40\nCaption=HHH\nColorN=16777215\n") +
                c.keys,
            fresh());
        const QRect ink = BoundsExcept(push->renderFace({false, kStateNormal}), kNormal);
        ASSERT_FALSE(ink.isEmpty());
        // The glyphs' ink lies a little inside the line's top and bottom.
        const std::pair<double, double> measured[] = {{(ink.left() + ink.right() + 1) / 2.0, 1.5},
                                                      {ink.left(), 2},
                                                      {ink.right() + 1, 2},
                                                      {(ink.top() + ink.bottom() + 1) / 2.0, 3},
                                                      {ink.top() - 4, 4.5},
                                                      {ink.bottom() + 5, 4.5}};
        const int expected[] = {c.centerX, c.left, c.right, c.centerY, c.top, c.bottom};
        for (int i = 0; i < 6; ++i)
            if (expected[i] >= 0)
                EXPECT_NEAR(measured[i].first, expected[i], measured[i].second) << "measure " << i;
    }
}

TEST_F(ButtonTest, CheckedNormalTextIsBlackUnlessTheOwnerSetsIt) {
    UIButton* check = single<UIButton>("Type=CHECK\nRect=0,0,100,40\nCaption=HHH\nColorN=16777215\n"
                                       "IsHSameNColor=0\nColorH=65280\n" +
                                       kCheckImages);
    auto inked = [check](ButtonLook look, QColor color) {
        return !BoundsOf(check->renderFace(look), color).isEmpty();
    };
    EXPECT_EQ((std::vector<bool>{inked({false, kStateNormal}, Qt::white),
                                 inked({true, kStateNormal}, Qt::black),
                                 inked({true, kStateNormal}, Qt::white),
                                 inked({true, kStateHover}, QColor(0, 255, 0))}),
              (std::vector<bool>{true, true, false, true}));
    check->setCheckedTextColors({qRgb(255, 255, 255), 0, 0, 0});
    EXPECT_TRUE(inked({true, kStateNormal}, Qt::white));
}

} // namespace
} // namespace corvane

#include "TestSkin.h"
#include "skin/controls/UIButton.h"

#include <QApplication>

namespace corvane {
namespace {

using namespace test;

// The checked images: one colour per look, so a pixel tells the look.
const QColor kCheckedN(0, 0, 200), kCheckedH(0, 200, 200);
const std::string kCheckImages = "BKCN=cn.bmp\nBKCH=ch.bmp\n";

class ButtonTest : public SkinWindowTest {
protected:
    ButtonTest() {
        flat("cn.bmp", {40, 20}, kCheckedN);
        flat("ch.bmp", {40, 20}, kCheckedH);
    }
    UIButton* button(int id) { return window_->controlAs<UIButton>(id); }
};

TEST_F(ButtonTest, ShowsTheLookOfItsCheckEnablingMouseButtonAndHover) {
    UIButton* check = single<UIButton>("Type=CHECK\nRect=10,10,50,30\n" + kCheckImages);
    const QPoint inside(20, 10), outside = check->mapFrom(&*window_, QPoint(120, 80));
    // held: left button pressed on the button and still down; hover: cursor over it.
    struct Row {
        bool checked, enabled, held, hover;
        QColor shows;
    };
    // clang-format off
    const Row rows[] = {
        {false, false, false, true,  kDisabled},
        {false, true,  true,  true,  kPressed},
        {false, true,  true,  false, kHover}, // dragged off while held
        {false, true,  false, false, kNormal},
        {true,  true,  false, true,  kCheckedH},
    };
    // clang-format on
    for (const Row& row : rows) {
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

TEST_F(ButtonTest, RadioGroupsStayExclusive) {
    controls({"Type=RADIO\nIDs=IDC_102\nRect=0,20,40,40\nIsGroup=1",
              "Type=RADIO\nIDs=IDC_103\nRect=0,40,40,60",
              "Type=RADIO\nIDs=IDC_104\nRect=40,20,80,40\nIsGroup=1",
              "Type=RADIO\nIDs=IDC_105\nRect=40,40,80,60"});
    create();
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
    EXPECT_EQ(window_->commands, (Commands{{102, 0}, {104, 0}, {103, 0}, {103, 0}}));
    // An arrow key moves to the group's next radio button, wrapping, and clicks it.
    window_->commands.clear();
    QApplication::setActiveWindow(&*window_);
    button(103)->setFocus();
    QTest::keyClick(button(103), Qt::Key_Down);
    EXPECT_EQ(checkedRadios(), (std::vector<int>{102, 104}));
    EXPECT_EQ(window_->commands, (Commands{{102, 0}}));
}

} // namespace
} // namespace corvane

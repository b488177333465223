#include "TestSkin.h"
#include "skin/ControlFactory.h"
#include "skin/controls/UIComboBox.h"

#include <QAbstractItemView>

namespace corvane {
namespace {

using namespace test;

const QColor kBackground(0, 0, 200);

class UIWndTest : public SkinWindowTest {
protected:
    UIWndTest() {
        define("IDW_LOST", 1002);
        define("IDW_EMPTY", 1004);
        flat("o.bmp", {200, 100}, kBackground);
        windowKeys_ = "BKN=n.bmp\nBKNO=o.bmp\nBKH=h.bmp\nBKS=s.bmp\nBKD=d.bmp";
        section("IDW_LOST", "BKN=missing.bmp\nBKNO=o.bmp");
        section("IDW_EMPTY", "BKNO=o.bmp");
    }
};

TEST_F(UIWndTest, PaintsItsBackgroundAndAnswersImagesByCode) {
    create();
    EXPECT_EQ(Pixel(window_->grab().toImage(), {30, 20}), Rgb(kBackground));
    struct Case {
        int code;
        QColor color; // invalid: no image
    };
    const Case cases[] = {
        {0, {}},
        {1, kBackground},
        {3, kHover},
    };
    for (const Case& c : cases) {
        const QImage image = window_->image(c.code);
        ASSERT_EQ(image.isNull(), !c.color.isValid()) << "code " << c.code;
        if (!image.isNull()) {
            EXPECT_EQ(Pixel(image, {0, 0}), Rgb(c.color)) << "code " << c.code;
        }
    }
    // Skin error 2: a missing file, no BKN key, an unnamed number.
    for (int number : {1002, 1004, 1999}) {
        TestWindow window(number);
        EXPECT_FALSE(window.createSkin()) << number;
        EXPECT_EQ(window.skinError(), 2) << number;
    }
}

TEST_F(UIWndTest, ControlsGetTheirRectanglesAndFlags) {
    controls({"Type=EDIT\nRect=10,20", "Type=STATIC\nRect=1,2,31,12\nIsDisabled=1",
              "Type=COMBOBOX\nIDs=IDC_103\nRect=5,6,45,26\nDropListHeight=50\nIsVisible=0"});
    create();
    const auto& controls = window_->controls();
    ASSERT_EQ(controls.size(), 3u);
    EXPECT_EQ(controls[0].rect, QRect(10, 20, 0, 0));
    EXPECT_FALSE(controls[1].control->isEnabled());
    // The combo box shows its closed rectangle; its images reach over the list.
    EXPECT_EQ(controls[2].control->geometry(), QRect(5, 6, 40, 20));
    EXPECT_EQ(window_->controlAs<UIComboBox>(103)->stateImages()[kStateNormal].size(),
              QSize(40, 70));
    EXPECT_FALSE(controls[2].control->isVisible());
}

TEST_F(UIWndTest, StatePiecesAreClippedToTheImageOnAllFourEdges) {
    create();
    constexpr std::int32_t kMin = -2147483647 - 1, kMax = 2147483647;
    struct Case {
        SkinRect rect; // over the window's 200 x 100 images
        QSize size;    // of each piece; empty: no piece
        QPoint offset; // where it sits in the control
    };
    const Case cases[] = {
        {{-5, -5, 15, 10}, {15, 10}, {5, 5}},
        {{190, 95, 10000, 10000}, {10, 5}, {0, 0}},
        {{kMin, kMin, kMax, kMax}, {200, 100}, {1 << 24, 1 << 24}},
        {{kMax, kMax, kMin, kMin}, {}, {}},
    };
    const ControlFactory factory(*window_);
    for (const Case& c : cases) {
        const PerState<QImage> pieces = factory.cutStateImages(c.rect, StateImages::All);
        for (const QImage& piece : pieces) {
            EXPECT_EQ(piece.size(), c.size.isEmpty() ? QSize(0, 0) : c.size) << c.rect.left;
            if (!piece.isNull()) {
                EXPECT_EQ(piece.offset(), c.offset) << c.rect.left;
            }
        }
    }
}

// Buttons, edits and combo keys reach the panels' rules in their own tests;
// here are the routes they do not take.
TEST_F(UIWndTest, StaticClicksAndListChoicesReachOnCommand) {
    controls({"Type=STATIC\nIDs=IDC_104\nRect=30,0,60,10",
              "Type=COMBOBOX\nIDs=IDC_103\nRect=0,20,60,30\nComboStyle=2\nIsSort=0"});
    create();
    auto* combo = window_->controlAs<UIComboBox>(103);
    combo->addItems({"a", "b"});
    combo->setCurrentIndex(1); // a change by code is not reported
    QTest::mouseClick(window_->control(104), Qt::LeftButton);
    // Choosing from the list reports only a change of the selection.
    combo->showPopup();
    combo->view()->setCurrentIndex(combo->view()->model()->index(0, 0));
    QTest::keyClick(combo->view(), Qt::Key_Return);
    EXPECT_EQ(combo->currentIndex(), 0);
    EXPECT_EQ(window_->commands, (Commands{{104, kButtonClicked}, {103, kSelectionChange}}));
}

} // namespace
} // namespace corvane

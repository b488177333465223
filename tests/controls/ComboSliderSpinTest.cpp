#include "TestSkin.h"
#include "skin/controls/SpinButton.h"
#include "skin/controls/UIComboBox.h"
#include "skin/controls/UISlider.h"

#include <QAbstractItemView>
#include <QGuiApplication>
#include <QLineEdit>
#include <QScreen>
#include <QSignalSpy>

namespace corvane {
namespace {

using namespace test;

using ComboTest = SkinWindowTest;

// The default skin's combo boxes are unsorted, and the panel tests fill them.
TEST_F(ComboTest, ASortedOneInsertsInOrderAndKeepsTheSelection) {
    auto* combo = single<UIComboBox>("Type=COMBOBOX\nRect=0,0,80,20\n");
    combo->addItems({"b", "C", "a"});
    combo->setCurrentIndex(1);
    combo->addItem("d");
    QStringList items;
    for (int i = 0; i < combo->count(); ++i)
        items << combo->itemText(i);
    EXPECT_EQ(items, (QStringList{"a", "b", "C", "d"}));
    EXPECT_EQ(combo->currentText(), "b");
}

TEST_F(ComboTest, EditableLineSitsOverTheFaceKeepsTheCaseStyleAndLeavesTheArrowFree) {
    auto* combo = single<UIComboBox>(
        "Type=COMBOBOX\nRect=10,10,110,34\nBtnWidth=30\nIsUppercase=1\nIsSort=0\n");
    ASSERT_TRUE(combo->isEditable());
    combo->showPopup(); // an empty list does not drop
    EXPECT_FALSE(combo->view()->isVisible());
    QLineEdit* line = combo->lineEdit();
    EXPECT_EQ(line->geometry().right() + 1, 100 - 3 - 30);
    EXPECT_EQ(shown(combo, line->geometry().center()), Rgb(kNormal)); // the face shows through
    combo->addItems({"ALPHA", "ALPINE"});
    line->setFocus();
    QTest::keyClicks(line, "al");
    EXPECT_EQ(line->text(), "AL"); // nothing completed inline
    // A press on the left edge of the skin's arrow opens the list.
    QTest::mouseClick(combo, Qt::LeftButton, {}, QPoint(100 - 30, 12));
    EXPECT_TRUE(combo->view()->isVisible());
}

TEST_F(ComboTest, ExtremeDropListHeightsStillOpenAListThatFitsTheScreen) {
    const int screenHeight = QGuiApplication::primaryScreen()->availableGeometry().height();
    for (const char* height : {"0", "10000"}) {
        auto* combo = single<UIComboBox>(
            std::string("Type=COMBOBOX\nRect=0,10,100,34\nComboStyle=2\nDropListHeight=") + height);
        for (int item = 0; item < 600; ++item)
            combo->addItem(QString::number(item));
        combo->showPopup();
        EXPECT_TRUE(combo->view()->isVisible()) << height;
        EXPECT_GE(combo->view()->height(), combo->view()->sizeHintForRow(0)) << height;
        EXPECT_LE(combo->view()->window()->height(), screenHeight) << height;
        combo->hidePopup();
    }
}

TEST_F(ComboTest, UnknownComboStyleStillShowsItsText) {
    auto* combo = single<UIComboBox>("Type=COMBOBOX\nRect=0,0,120,24\nComboStyle=7\n");
    const QImage empty = combo->renderFace(kStateNormal);
    combo->addItem("HHHH");
    combo->setCurrentIndex(0);
    EXPECT_NE(combo->renderFace(kStateNormal), empty);
}

using SliderTest = SkinWindowTest;

TEST_F(SliderTest, KeysMoveAVerticalOneAsATrackbarAndItsWindowHearsOfEveryMove) {
    const struct {
        Qt::Key key;
        int value;
    } cases[] = {
        {Qt::Key_Up, 49},
        {Qt::Key_End, 100},
    };
    auto* slider = single<UISlider>("Type=SLIDER\nRect=10,10,130,40\nIsVertical=1\n");
    slider->setRange(0, 100);
    for (const auto& c : cases) {
        slider->setValue(50);
        window_->commands.clear();
        QTest::keyClick(slider, c.key);
        EXPECT_EQ(slider->value(), c.value) << c.key;
        EXPECT_EQ(window_->commands, (Commands{{101, kScrolled}})) << c.key;
    }
}

TEST(SpinButtonTest, StepsWithinTheRangeAndClampsWhatTheCodeSets) {
    SpinButton spin;
    spin.resize(16, 30);
    spin.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&spin));
    QSignalSpy spy(&spin, &SpinButton::scrolled);
    // Set by the code: clamped, not reported. Up moves towards the upper end even when smaller.
    struct Case {
        int lower, upper, set, expected, steppedUp;
    };
    const Case cases[] = {
        {0, 59, 75, 59, 59},
        {5, 0, 2, 2, 1},
    };
    for (const Case& c : cases) {
        spin.setRange(c.lower, c.upper);
        spin.setPosition(c.set);
        EXPECT_EQ(spin.position(), c.expected);
        EXPECT_TRUE(spy.isEmpty());
        spin.step(true);
        EXPECT_EQ(spin.position(), c.steppedUp);
        spy.clear();
    }
    spin.setRange(1, 3);
    spin.setPosition(2);
    for (int y : {5, 5, 25, 25, 25}) // twice at each end
        QTest::mouseClick(&spin, Qt::LeftButton, {}, QPoint(8, y));
    std::vector<int> reported;
    for (const auto& arguments : spy)
        reported.push_back(arguments.at(0).toInt());
    EXPECT_EQ(reported, (std::vector<int>{3, 2, 1}));
}

} // namespace
} // namespace corvane

#define QTEST_QPA_MOUSE_HANDLING
#include "TestSkin.h"
#include "skin/controls/UIComboBox.h"
#include "skin/controls/UISlider.h"

#include <QAbstractItemView>
#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>

namespace corvane {
namespace {

using test::BoundsExcept;
using test::BoundsOf;
using test::Pixel;
using test::TestSkin;
using test::TestWindow;

const QColor kN(200, 0, 0), kH(0, 200, 0), kS(200, 200, 0), kD(90, 90, 90);
const QColor kThumbN(0, 0, 250), kThumbH(0, 250, 250), kThumbS(250, 0, 250 - 1),
    kThumbD(30, 30, 30);

QRgb Rgb(const QColor& color) {
    return color.rgb() & 0xFFFFFF;
}

class ComboSliderTest : public ::testing::Test {
protected:
    void SetUp() override {
        skin_.define("IDW_MAIN", 1000).define("IDC_CONTROL", 101);
        skin_.flat("n.bmp", {200, 100}, kN);
        skin_.flat("h.bmp", {200, 100}, kH);
        skin_.flat("s.bmp", {200, 100}, kS);
        skin_.flat("d.bmp", {200, 100}, kD);
        skin_.section("IDW_MAIN", "BKN=n.bmp\nBKH=h.bmp\nBKS=s.bmp\nBKD=d.bmp");
    }
    template <typename T> T* create(const std::string& keys) {
        skin_.section("IDW_MAIN_0", "IDs=IDC_CONTROL\n" + keys);
        skin_.install();
        EXPECT_TRUE(window_.createSkin());
        window_.move(0, 0);
        window_.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&window_));
        return window_.controlAs<T>(101);
    }
    static QStringList Items(const QComboBox* combo) {
        QStringList items;
        for (int i = 0; i < combo->count(); ++i)
            items << combo->itemText(i);
        return items;
    }
    TestSkin skin_;
    TestWindow window_{1000};
};

TEST_F(ComboSliderTest, ComboInsertsSortedUnlessToldNotTo) {
    const struct {
        const char* keys;
        QStringList items;
    } cases[] = {
        {"", {"a", "b", "C", "d"}},
        {"IsSort=0\n", {"b", "C", "a", "d"}},
        {"IsSort=0\nIsUppercase=1\n", {"B", "C", "A", "D"}},
        {"IsSort=1\nIsLowercase=1\n", {"a", "b", "c", "d"}},
    };
    for (const auto& c : cases) {
        TestWindow window(1000);
        skin_.section("IDW_MAIN_0",
                      std::string("Type=COMBOBOX\nIDs=IDC_CONTROL\nRect=0,0,80,20\n") + c.keys);
        skin_.install();
        ASSERT_TRUE(window.createSkin());
        auto* combo = window.controlAs<UIComboBox>(101);
        for (const char* item : {"b", "C", "a"})
            combo->addItem(item);
        EXPECT_EQ(combo->currentIndex(), -1) << "adding selects nothing";
        combo->setCurrentIndex(1);
        const QString selected = combo->currentText();
        combo->addItem("d");
        EXPECT_EQ(Items(combo), c.items) << c.keys;
        // Adding keeps the selected item selected.
        EXPECT_EQ(combo->currentText(), selected) << c.keys;
    }
}

TEST_F(ComboSliderTest, DropDownListFaceKeepsTheButtonWidthFree) {
    for (const int width : {18, 30}) {
        TestWindow window(1000);
        std::string keys =
            "Type=COMBOBOX\nIDs=IDC_CONTROL\nRect=0,0,120,24\nComboStyle=2\nHorAlig=5\n";
        if (width != 18)
            keys += "BtnWidth=" + std::to_string(width) + "\n";
        skin_.section("IDW_MAIN_0", keys);
        skin_.install();
        ASSERT_TRUE(window.createSkin());
        auto* combo = window.controlAs<UIComboBox>(101);
        combo->addItem(QString(40, QChar(u'H')));
        combo->setCurrentIndex(0);
        const QRect ink = BoundsExcept(combo->renderFace(kStateNormal), kN);
        ASSERT_FALSE(ink.isEmpty());
        EXPECT_LE(ink.right() + 1, 120 - width) << width;
        EXPECT_GE(ink.right() + 1, 120 - width - 10) << width;
        EXPECT_NEAR(ink.left(), 5, 2);
        EXPECT_EQ(combo->textRect(), QRect(5, 0, 120 - 5 - width, 22));
    }
}

TEST_F(ComboSliderTest, ComboFaceFollowsHoverAndTheMouseButtonNotTheEnabling) {
    auto* combo = create<UIComboBox>("Type=COMBOBOX\nRect=10,10,90,30\nComboStyle=2\n");
    auto shown = [this, combo] {
        return Pixel(window_.grab().toImage(), combo->mapTo(&window_, QPoint(70, 5)));
    };
    QTest::mouseMove(&window_, {150, 80});
    EXPECT_EQ(shown(), Rgb(kN));
    QTest::mouseMove(combo, {20, 10});
    EXPECT_EQ(shown(), Rgb(kH));
    combo->setEnabled(false);
    EXPECT_EQ(shown(), Rgb(kH));
    QTest::mouseMove(&window_, {150, 80});
    EXPECT_EQ(shown(), Rgb(kN));
    combo->setEnabled(true);
    QTest::mouseMove(combo, {20, 10});
    QTest::mousePress(combo, Qt::LeftButton, {}, {20, 10});
    EXPECT_EQ(combo->currentState(), kStatePressed);
    EXPECT_EQ(Pixel(combo->renderFace(combo->currentState()), 70, 5), Rgb(kS));
    combo->hidePopup();
    QTest::mouseRelease(combo, Qt::LeftButton, {}, {20, 10});
}

TEST_F(ComboSliderTest, DropDownGetsAnEditableLineOverItsFace) {
    auto* combo =
        create<UIComboBox>("Type=COMBOBOX\nRect=10,10,110,34\nBtnWidth=30\nIsUppercase=1\n");
    ASSERT_TRUE(combo->isEditable());
    combo->showPopup(); // an empty list does not drop
    EXPECT_FALSE(combo->view()->isVisible());
    QLineEdit* line = combo->lineEdit();
    EXPECT_EQ(line->geometry(), combo->editRect());
    EXPECT_EQ(line->geometry().right() + 1, 100 - 3 - 30);
    // The line lets the combo box's face show through.
    EXPECT_EQ(Pixel(window_.grab().toImage(), combo->mapTo(&window_, line->geometry().center())),
              Rgb(kN));
    line->setFocus();
    QTest::keyClicks(line, "ab");
    EXPECT_EQ(combo->currentText(), "AB");
}

// Thumb images: a coloured square with a magenta frame that must not show.
void WriteThumbs(TestSkin& skin) {
    const QColor colors[] = {kThumbN, kThumbH, kThumbS, kThumbD};
    const char* names[] = {"tn.bmp", "th.bmp", "ts.bmp", "td.bmp"};
    for (int i = 0; i < 4; ++i) {
        QImage thumb(12, 12, QImage::Format_RGB32);
        thumb.fill(QColor(255, 0, 255));
        for (int y = 2; y < 10; ++y)
            for (int x = 2; x < 10; ++x)
                thumb.setPixelColor(x, y, colors[i]);
        skin.bitmap(names[i], thumb);
    }
}

constexpr const char* kThumbKeys = "ThumbN=tn.bmp\nThumbH=th.bmp\nThumbS=ts.bmp\nThumbD=td.bmp\n";

TEST_F(ComboSliderTest, SliderShowsTheWindowImageAndItsThumbImages) {
    WriteThumbs(skin_);
    auto* slider = create<UISlider>(std::string("Type=SLIDER\nRect=10,10,130,40\n") + kThumbKeys);
    ASSERT_NE(slider, nullptr);
    EXPECT_EQ(slider->orientation(), Qt::Horizontal);
    QTest::mouseMove(&window_, {180, 90});
    const QRect thumb = slider->thumbRect();
    auto shown = [slider](QPoint at) { return Pixel(slider->grab().toImage(), at); };
    EXPECT_EQ(shown(thumb.center()), Rgb(kThumbN));
    EXPECT_EQ(shown(thumb.topLeft()), Rgb(kN)); // magenta frame left out
    EXPECT_EQ(shown({thumb.right() + 20, thumb.center().y()}), Rgb(kN));
    EXPECT_EQ(shown({119, 0}), Rgb(kN));

    QTest::mouseMove(slider, thumb.center());
    EXPECT_EQ(shown(thumb.center()), Rgb(kThumbH));
    QTest::mousePress(slider, Qt::LeftButton, {}, thumb.center());
    EXPECT_EQ(slider->thumbState(), kStatePressed);
    EXPECT_EQ(Pixel(slider->renderFace(slider->thumbState()), thumb.center()), Rgb(kThumbS));
    QTest::mouseRelease(slider, Qt::LeftButton, {}, thumb.center());
    slider->setEnabled(false);
    EXPECT_EQ(shown(slider->thumbRect().center()), Rgb(kThumbD));
}

TEST_F(ComboSliderTest, SliderMarkFillsUpToTheThumbWithTheHoverImage) {
    WriteThumbs(skin_);
    auto* slider =
        create<UISlider>(std::string("Type=SLIDER\nRect=10,10,130,40\nIsUseMark=1\n") + kThumbKeys);
    QTest::mouseMove(&window_, {180, 90});
    auto markedUpTo = [slider] {
        const QImage face = slider->grab().toImage();
        int x = 0;
        while (x < face.width() && Pixel(face, x, 1) == Rgb(kH))
            ++x;
        return x;
    };
    slider->setValue(slider->minimum());
    const int atMinimum = markedUpTo();
    slider->setValue(slider->maximum());
    const int atMaximum = markedUpTo();
    EXPECT_LE(atMinimum, slider->thumbRect().width());
    EXPECT_GT(atMaximum, 90);
    EXPECT_EQ(atMaximum, slider->thumbRect().center().x());
}

TEST_F(ComboSliderTest, SliderOrientationAndMissingThumb) {
    const struct {
        const char* keys;
        Qt::Orientation orientation;
    } cases[] = {
        {"IsVertical=1\n", Qt::Vertical}, {"IsVertical=2\n", Qt::Horizontal}, {"", Qt::Horizontal}};
    for (const auto& c : cases) {
        TestWindow window(1000);
        skin_.section(
            "IDW_MAIN_0",
            std::string("Type=SLIDER\nIDs=IDC_CONTROL\nRect=0,0,40,90\nThumbN=none.bmp\n") +
                c.keys);
        skin_.install();
        ASSERT_TRUE(window.createSkin());
        auto* slider = window.controlAs<UISlider>(101);
        EXPECT_EQ(slider->orientation(), c.orientation) << c.keys;
        // Without a thumb image the style draws its own thumb.
        const QImage face = slider->renderFace(kStateNormal);
        EXPECT_FALSE(BoundsExcept(face.copy(slider->thumbRect()), kN).isEmpty()) << c.keys;
        EXPECT_TRUE(BoundsOf(face, QColor(255, 0, 255)).isEmpty());
    }
}

} // namespace
} // namespace corvane

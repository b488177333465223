#include "TestSkin.h"
#include "skin/controls/SpinButton.h"
#include "skin/controls/UIComboBox.h"
#include "skin/controls/UISlider.h"

#include <QAbstractItemView>
#include <QClipboard>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPaintEngine>
#include <QPainter>
#include <QScreen>
#include <QSignalSpy>
#include <QStyleOptionComboBox>

namespace corvane {
namespace {

using namespace test;

using ComboTest = SkinWindowTest;

TEST_F(ComboTest, InsertsSortedUnlessToldNotToAndSelectsNothing) {
    const std::pair<const char*, QStringList> cases[] = {
        {"", {"a", "b", "C", "d"}},
        {"IsSort=0\n", {"b", "C", "a", "d"}},
        {"IsSort=0\nIsUppercase=1\n", {"B", "C", "A", "D"}},
        {"IsLowercase=1\n", {"a", "b", "c", "d"}},
    };
    for (const auto& [keys, expected] : cases) {
        SCOPED_TRACE(keys);
        auto* combo =
            single<UIComboBox>(std::string("Type=COMBOBOX\nRect=0,0,80,20\n") + keys, fresh());
        for (const char* item : {"b", "C", "a"})
            combo->addItem(item);
        EXPECT_EQ(combo->currentIndex(), -1);
        combo->setCurrentIndex(1);
        const QString selected = combo->currentText();
        combo->addItem("d");
        QStringList items;
        for (int i = 0; i < combo->count(); ++i)
            items << combo->itemText(i);
        EXPECT_EQ(items, expected);
        EXPECT_EQ(combo->currentText(), selected);
    }
}

TEST_F(ComboTest, DropDownListFaceFollowsHoverAndKeepsTheButtonFree) {
    auto* combo = single<UIComboBox>("Type=COMBOBOX\nRect=10,10,130,34\nComboStyle=2\nHorAlig=5\n");
    // The face follows hover and the mouse button, not the enabling.
    const QPoint over(20, 10), away = combo->mapFrom(&window_, QPoint(150, 80));
    std::vector<QRgb> faces;
    for (QPoint at : {away, over, over, away}) {
        combo->setEnabled(faces.size() < 2);
        QTest::mouseMove(combo, at);
        faces.push_back(shown(combo, {110, 5}));
    }
    EXPECT_EQ(faces, (std::vector<QRgb>{Rgb(kNormal), Rgb(kHover), Rgb(kHover), Rgb(kNormal)}));
    combo->setEnabled(true);
    QTest::mouseMove(combo, over);
    QTest::mousePress(combo, Qt::LeftButton, {}, over);
    EXPECT_EQ(Pixel(combo->renderFace(combo->currentState()), {110, 5}), Rgb(kPressed));
    QTest::mouseRelease(combo, Qt::LeftButton, {}, over);
    // The text starts at the offset and keeps clear of the button (18 wide by default).
    combo->addItem(QString(40, QChar(u'H')));
    combo->setCurrentIndex(0);
    const QRect ink = BoundsOf(combo->renderFace(kStateNormal), Qt::black);
    EXPECT_NEAR(ink.left(), 5, 2);
    EXPECT_LE(ink.right() + 1, 120 - 18);
}

TEST_F(ComboTest, DropDownGetsAnEditableLineOverItsFace) {
    auto* combo =
        single<UIComboBox>("Type=COMBOBOX\nRect=10,10,110,34\nBtnWidth=30\nIsUppercase=1\n");
    ASSERT_TRUE(combo->isEditable());
    combo->showPopup(); // an empty list does not drop
    EXPECT_FALSE(combo->view()->isVisible());
    QLineEdit* line = combo->lineEdit();
    EXPECT_EQ(line->geometry().right() + 1, 100 - 3 - 30);
    EXPECT_EQ(shown(combo, line->geometry().center()), Rgb(kNormal)); // the face shows through
    line->setFocus();
    QTest::keyClicks(line, "ab");
    EXPECT_EQ(combo->currentText(), "AB");
}

TEST_F(ComboTest, DropsAPlainListBelowTheFaceWhateverTheStyle) {
    auto* combo = single<UIComboBox>("Type=COMBOBOX\nRect=10,10,110,34\nComboStyle=2\n");
    QStyleOptionComboBox option;
    option.initFrom(combo);
    EXPECT_EQ(combo->style()->styleHint(QStyle::SH_ComboBox_Popup, &option, combo), 0);
}

TEST_F(ComboTest, EditableLineKeepsWhatIsTypedSetOrPastedInTheCaseStyle) {
    auto* combo = single<UIComboBox>("Type=COMBOBOX\nRect=10,10,110,34\nIsUppercase=1\nIsSort=0\n");
    for (const char* item : {"ALPHA", "ALPINE"})
        combo->addItem(item);
    QLineEdit* line = combo->lineEdit();
    line->setFocus();
    QTest::keyClicks(line, "al");
    EXPECT_EQ(line->text(), "AL"); // nothing completed inline
    combo->setEditText("beta");
    EXPECT_EQ(line->text(), "BETA");
    line->clear();
    QGuiApplication::clipboard()->setText("gamma");
    line->paste();
    EXPECT_EQ(line->text(), "GAMMA");
}

TEST_F(ComboTest, PressAnywhereOnTheSkinsArrowOpensTheList) {
    for (int x : {100 - 30, 100 - 15, 100 - 2}) {
        auto* combo = single<UIComboBox>("Type=COMBOBOX\nRect=0,10,100,34\nBtnWidth=30\n", fresh());
        combo->addItems({"a", "b"});
        QTest::mouseClick(combo, Qt::LeftButton, {}, QPoint(x, 12));
        EXPECT_TRUE(combo->view()->isVisible()) << x;
        combo->hidePopup();
    }
}

TEST_F(ComboTest, ExtremeDropListHeightsStillOpenAListThatFitsTheScreen) {
    const int screenHeight = QGuiApplication::primaryScreen()->availableGeometry().height();
    for (const char* height : {"0", "10000"}) {
        auto* combo = single<UIComboBox>(
            std::string("Type=COMBOBOX\nRect=0,10,100,34\nComboStyle=2\nDropListHeight=") + height,
            fresh());
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
    combo->addItem("HHHH");
    combo->setCurrentIndex(0);
    EXPECT_FALSE(BoundsOf(combo->renderFace(kStateNormal), Qt::black).isEmpty());
}

// Thumbs: a coloured square in a magenta frame that must not show.
const QColor kThumbs[] = {{0, 0, 250}, {0, 250, 250}, {250, 0, 249}, {30, 30, 30}};

class SliderTest : public SkinWindowTest {
protected:
    SliderTest() {
        for (int i = 0; i < 4; ++i) {
            QImage thumb(12, 12, QImage::Format_RGB32);
            thumb.fill(QColor(255, 0, 255));
            for (int y = 2; y < 10; ++y)
                for (int x = 2; x < 10; ++x)
                    thumb.setPixelColor(x, y, kThumbs[i]);
            skin_.bitmap("t" + std::to_string(i) + ".bmp", thumb);
        }
    }
    UISlider* slider(const std::string& keys) {
        return single<UISlider>("Type=SLIDER\nRect=10,10,130,40\nThumbN=t0.bmp\nThumbH=t1.bmp\n"
                                "ThumbS=t2.bmp\nThumbD=t3.bmp\n" +
                                keys);
    }
};

TEST_F(SliderTest, ShowsTheWindowImageAndItsThumbImages) {
    UISlider* slider = this->slider("");
    QTest::mouseMove(&window_, {180, 90});
    const QRect thumb = slider->thumbRect();
    EXPECT_EQ(shown(slider, thumb.center()), Rgb(kThumbs[kStateNormal]));
    EXPECT_EQ(shown(slider, thumb.topLeft()), Rgb(kNormal)); // magenta frame left out
    EXPECT_EQ(shown(slider, {thumb.right() + 20, thumb.center().y()}), Rgb(kNormal));
    QTest::mouseMove(slider, thumb.center());
    EXPECT_EQ(shown(slider, thumb.center()), Rgb(kThumbs[kStateHover]));
    QTest::mousePress(slider, Qt::LeftButton, {}, thumb.center());
    EXPECT_EQ(Pixel(slider->renderFace(slider->thumbState()), thumb.center()),
              Rgb(kThumbs[kStatePressed]));
    QTest::mouseRelease(slider, Qt::LeftButton, {}, thumb.center());
    slider->setEnabled(false);
    EXPECT_EQ(shown(slider, slider->thumbRect().center()), Rgb(kThumbs[kStateDisabled]));
}

// A paint device that only notes the size of every image drawn on it.
class ImageSizes final : public QPaintDevice, QPaintEngine {
public:
    explicit ImageSizes(QSize size) : QPaintEngine(AllFeatures), size_(size) {}
    QPaintEngine* paintEngine() const override { return const_cast<ImageSizes*>(this); }
    bool begin(QPaintDevice*) override { return true; }
    bool end() override { return true; }
    void updateState(const QPaintEngineState&) override {}
    void drawRects(const QRectF*, int) override {}
    void drawPixmap(const QRectF&, const QPixmap& pixmap, const QRectF&) override {
        drawn.push_back(pixmap.size());
    }
    void drawImage(const QRectF&, const QImage& image, const QRectF&,
                   Qt::ImageConversionFlags) override {
        drawn.push_back(image.size());
    }
    Type type() const override { return User; }
    int metric(PaintDeviceMetric metric) const override {
        switch (metric) {
        case PdmWidth:
            return size_.width();
        case PdmHeight:
            return size_.height();
        case PdmDepth:
            return 32;
        case PdmDevicePixelRatio:
            return 1;
        case PdmDevicePixelRatioScaled:
            return int(devicePixelRatioFScale());
        default:
            return 96;
        }
    }
    std::vector<QSize> drawn;

private:
    QSize size_;
};

TEST_F(SliderTest, APaintDrawsNothingAsLargeAsTheSlider) {
    // The window's image ends inside the slider, so no piece of it is as wide either.
    auto* slider = single<UISlider>(
        "Type=SLIDER\nRect=100,10,300,40\nThumbN=t0.bmp\nThumbH=t1.bmp\nIsUseMark=1\n");
    slider->setValue(slider->maximum() / 2);
    ImageSizes device(slider->size());
    QPainter painter(&device);
    slider->render(&painter);
    painter.end();
    ASSERT_FALSE(device.drawn.empty());
    for (const QSize drawn : device.drawn)
        EXPECT_LT(drawn.width(), slider->width());
}

TEST_F(SliderTest, MarkFillsUpToTheThumbWithTheHoverImage) {
    UISlider* slider = this->slider("IsUseMark=1\n");
    slider->setValue(slider->maximum());
    const QImage face = slider->grab().toImage();
    int marked = 0;
    while (marked < face.width() && Pixel(face, {marked, 1}) == Rgb(kHover))
        ++marked;
    EXPECT_EQ(marked, slider->thumbRect().center().x());
    EXPECT_GT(marked, 90);
}

TEST_F(SliderTest, KeysMoveItAsATrackbarAndItsWindowHearsOfEveryMove) {
    // clang-format off
    const struct { Qt::Key key; int horizontal; int vertical; } cases[] = {
        {Qt::Key_Left, 49, 49}, {Qt::Key_Up, 49, 49}, {Qt::Key_Right, 51, 51}, {Qt::Key_Down, 51, 51},
        {Qt::Key_PageUp, 40, 40}, {Qt::Key_PageDown, 60, 60}, {Qt::Key_Home, 0, 0}, {Qt::Key_End, 100, 100},
    };
    // clang-format on
    for (const char* vertical : {"0", "1"}) {
        TestWindow* window = fresh();
        auto* slider = single<UISlider>(
            std::string("Type=SLIDER\nRect=10,10,130,40\nThumbN=t0.bmp\nIsVertical=") + vertical,
            window);
        slider->setRange(0, 100);
        slider->setPageStep(10);
        for (const auto& c : cases) {
            slider->setValue(50);
            window->commands.clear();
            QTest::keyClick(slider, c.key);
            EXPECT_EQ(slider->value(), *vertical == '1' ? c.vertical : c.horizontal) << c.key;
            EXPECT_EQ(window->commands, (Commands{{101, kScrolled}})) << c.key;
        }
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
        int lower, upper, set, expected;
        bool up;
        int stepped;
    };
    const Case cases[] = {
        {0, 59, 75, 59, true, 59},
        {0, 59, -3, 0, false, 0},
        {10, 0, 11, 10, false, 10},
        {5, 0, 2, 2, true, 1},
    };
    for (const Case& c : cases) {
        spin.setRange(c.lower, c.upper);
        spin.setPosition(c.set);
        EXPECT_EQ(spin.position(), c.expected);
        EXPECT_TRUE(spy.isEmpty());
        spin.step(c.up);
        EXPECT_EQ(spin.position(), c.stepped);
        spy.clear();
    }
    spin.setRange(1, 3);
    spin.setPosition(2);
    for (int y : {5, 5, 25, 25, 25}) // twice at each end
        QTest::mouseClick(&spin, Qt::LeftButton, {}, QPoint(8, y));
    QTest::keyClick(&spin, Qt::Key_Up);
    std::vector<int> reported;
    for (const auto& arguments : spy)
        reported.push_back(arguments.at(0).toInt());
    EXPECT_EQ(reported, (std::vector<int>{3, 2, 1, 2}));
}

} // namespace
} // namespace corvane

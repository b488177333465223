#include "TestSkin.h"
#include "skin/ControlFactory.h"
#include "skin/ControlReader.h"
#include "skin/SkinFiles.h"
#include "skin/controls/UIButton.h"
#include "skin/controls/UIComboBox.h"
#include "skin/controls/UIEdit.h"

#include <QAbstractItemView>
#include <QFileInfo>
#include <QLineEdit>
#include <QListWidget>

namespace corvane {
namespace {

using namespace test;

const QColor kBackground(0, 0, 200);

class UIWndTest : public SkinWindowTest {
protected:
    UIWndTest() {
        skin_.define("IDW_BARE", 1001).define("IDW_LOST", 1002).define("IDW_EMPTY", 1004);
        skin_.flat("o.bmp", {200, 100}, kBackground);
        windowKeys_ = "BKN=n.bmp\nBKNO=o.bmp\nBKH=h.bmp\nBKS=s.bmp\nBKD=d.bmp";
        skin_.section("IDW_BARE", "BKN=n.bmp").section("IDW_LOST", "BKN=missing.bmp\nBKNO=o.bmp");
        skin_.section("IDW_EMPTY", "BKNO=o.bmp");
    }
    // The sections IDW_MAIN_0.. in order.
    void controls(const std::vector<std::string>& sections) {
        for (std::size_t n = 0; n < sections.size(); ++n)
            skin_.section("IDW_MAIN_" + std::to_string(n), sections[n]);
    }
};

TEST_F(UIWndTest, TakesTheSizeOfItsNormalImagePaintsItsBackgroundAndAnswersImagesByCode) {
    skin_.section("IDW_MAIN", windowKeys_);
    skin_.install();
    window_.setGeometry(7, 9, 500, 300);
    ASSERT_TRUE(window_.createSkin());
    EXPECT_EQ(window_.geometry(), QRect(7, 9, 200, 100));
    TestWindow bare(1001); // without BKNO the normal image is the background
    ASSERT_TRUE(bare.createSkin());
    EXPECT_EQ(Pixel(window_.grab().toImage(), {30, 20}), Rgb(kBackground));
    EXPECT_EQ(Pixel(bare.grab().toImage(), {30, 20}), Rgb(kNormal));
    struct Case {
        int code;
        QColor main, bare; // invalid: no image
    };
    // clang-format off
    const Case cases[] = {
        {0, {},          {}},
        {1, kBackground, kNormal},
        {2, kNormal,     kNormal},
        {3, kHover,      {}},
        {4, kPressed,    {}},
        {5, kDisabled,   {}},
        {6, {},          {}},
    };
    // clang-format on
    for (const Case& c : cases) {
        for (const auto& [window, color] : {std::pair{&window_, c.main}, {&bare, c.bare}}) {
            const QImage image = window->image(c.code);
            ASSERT_EQ(image.isNull(), !color.isValid()) << "code " << c.code;
            if (!image.isNull())
                EXPECT_EQ(Pixel(image, {0, 0}), Rgb(color)) << "code " << c.code;
        }
    }
    // Skin error 2: a missing file, no BKN key, an unnamed number.
    for (int number : {1002, 1004, 1999}) {
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
    skin_.section("IDW_MAIN", "BKN=k.bmp\nIsUseMaskColor=1\nRValue=255\nGValue=0\nBValue=255");
    skin_.section("IDW_BARE", "BKN=k.bmp\nIsUseMaskColor=0");
    skin_.install();
    ASSERT_TRUE(window_.createSkin());
    EXPECT_FALSE(window_.mask().contains(QPoint(0, 5)));
    EXPECT_TRUE(window_.mask().contains(QPoint(1, 5)));
    TestWindow plain(1001);
    ASSERT_TRUE(plain.createSkin());
    EXPECT_TRUE(plain.mask().isEmpty());
}

TEST_F(UIWndTest, ControlsGetTheirIdsRectanglesAndFlags) {
    controls({"Type=EDIT\nIDs=IDC_101\nRect=10,20", "Type=STATIC\nRect=1,2,31,12\nIsDisabled=1",
              "Type=COMBOBOX\nIDs=IDC_103\nRect=5,6,45,26\nDropListHeight=50\nIsVisible=0",
              "Type=PUSHBUTTON\nIDs=IDC_104\nRect=15,5,99999,999"});
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
    EXPECT_EQ(controls[2].control->geometry(), QRect(5, 6, 40, 20));
    EXPECT_EQ(window_.controlAs<UIComboBox>(103)->stateImages()[kStateNormal].size(),
              QSize(40, 70));
    EXPECT_FALSE(controls[2].control->isVisible());
    EXPECT_EQ(window_.controlAs<UIEdit>(103), nullptr);
    // Controls the code adds are found once they carry an id.
    auto* list = new QListWidget(&window_);
    SetControlId(list, 102);
    EXPECT_EQ(window_.controlAs<QListWidget>(102), list);
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
        {{10, 20, 30, 60}, {20, 40}, {0, 0}},
        {{-9999, -9999, 1, 1}, {1, 1}, {9999, 9999}},
        {{-9999, -9999, 0, 0}, {}, {}},
        {{-5, -5, 15, 10}, {15, 10}, {5, 5}},
        {{190, 95, 10000, 10000}, {10, 5}, {0, 0}},
        {{kMin, kMin, kMax, kMax}, {200, 100}, {1 << 24, 1 << 24}},
        {{kMax, kMax, kMin, kMin}, {}, {}},
    };
    const ControlFactory factory(window_);
    for (const Case& c : cases) {
        const PerState<QImage> pieces = factory.cutStateImages(c.rect, StateImages::All);
        for (const QImage& piece : pieces) {
            EXPECT_EQ(piece.size(), c.size.isEmpty() ? QSize(0, 0) : c.size) << c.rect.left;
            if (!piece.isNull())
                EXPECT_EQ(piece.offset(), c.offset) << c.rect.left;
        }
    }
}

TEST_F(UIWndTest, RoutesTheOperatorsActionsToOnCommand) {
    controls({"Type=PUSHBUTTON\nIDs=IDC_101\nRect=0,0,20,10",
              "Type=EDIT\nIDs=IDC_102\nRect=0,10,60,20\nIsMultiline=0",
              "Type=COMBOBOX\nIDs=IDC_103\nRect=0,20,60,30\nComboStyle=2\nIsSort=0",
              "Type=STATIC\nIDs=IDC_104\nRect=30,0,60,10"});
    create();
    auto* combo = window_.controlAs<UIComboBox>(103);
    auto* edit = window_.controlAs<UIEdit>(102);
    combo->addItem("a");
    combo->addItem("b");
    combo->setCurrentIndex(0); // a change by code is not reported
    edit->setText("x");
    window_.commands.clear();

    QTest::mouseClick(window_.control(101), Qt::LeftButton);
    QTest::mouseClick(window_.control(104), Qt::LeftButton);
    edit->setFocus();
    QTest::keyClick(edit->lineEdit(), Qt::Key_A);
    combo->setFocus();
    QTest::keyClick(combo, Qt::Key_Down);
    // Choosing from the list reports only a change of the selection.
    for (int row : {1, 0}) {
        combo->showPopup();
        combo->view()->setCurrentIndex(combo->view()->model()->index(row, 0));
        QTest::keyClick(combo->view(), Qt::Key_Return);
        EXPECT_EQ(combo->currentIndex(), row);
    }
    EXPECT_EQ(window_.commands, (Commands{{101, kButtonClicked},
                                          {104, kButtonClicked},
                                          {102, kEditChange},
                                          {103, kSelectionChange},
                                          {103, kSelectionChange}}));
}

TEST_F(UIWndTest, TabWalksTheStopsOfWindowAndPanelsInReadingOrderArrowsOnlyFromButtons) {
    controls({"Type=PUSHBUTTON\nIDs=IDC_101\nRect=100,0,140,15\nIsTabStop=1",
              "Type=EDIT\nIDs=IDC_102\nRect=0,70,60,85\nIsMultiline=0"});
    skin_.section("IDW_BARE_0", "Type=PUSHBUTTON\nIDs=IDC_103\nRect=10,10,40,25\nIsTabStop=1");
    create();
    TestWindow panel(1001, &window_);
    ASSERT_TRUE(panel.createSkin());
    panel.setGeometry(0, 20, 60, 40);
    panel.show();
    auto* list = new QListWidget(&window_);
    list->setGeometry(150, 20, 40, 60);
    list->addItem("only");
    list->setCurrentRow(0);
    list->show();
    QApplication::setActiveWindow(&window_);
    window_.control(101)->setFocus();
    // clang-format off
    const struct { Qt::Key key; QWidget* focus; } steps[] = {
        {Qt::Key_Tab, list}, {Qt::Key_Down, list}, {Qt::Key_Up, list}, {Qt::Key_Tab, panel.control(103)},
        {Qt::Key_Tab, window_.controlAs<UIEdit>(102)->lineEdit()}, {Qt::Key_Tab, window_.control(101)},
        {Qt::Key_Right, list}, {Qt::Key_Backtab, window_.control(101)},
    };
    // clang-format on
    for (const auto& step : steps) {
        QTest::keyClick(QApplication::focusWidget(), step.key);
        EXPECT_EQ(QApplication::focusWidget(), step.focus) << step.key;
    }
}

// The main window and the seven editor panels of the default skin.
constexpr int kSkinNumbers[] = {1000, 1020, 1055, 1080, 1098, 1114, 1125, 1142};

TEST(DefaultSkin, BuildsEveryWindowWithAllItsControls) {
    const QString ui = QStringLiteral(CORVANE_DEFAULT_SKIN_DIR "/the.ui");
    if (!QFileInfo::exists(ui))
        GTEST_SKIP() << "the default skin is not built: " << ui.toStdString();
    ASSERT_EQ(SetUIPath(ui.toStdString()), 0);
    TestWindow main(1000);
    ASSERT_TRUE(main.createSkin());
    for (const int number : kSkinNumbers) {
        TestWindow panel(number, &main);
        ASSERT_TRUE(panel.createSkin()) << number;
        const auto descriptions =
            ReadControlDescriptions(SkinFiles::current(), panel.sectionName().toStdString());
        EXPECT_FALSE(descriptions.empty()) << number;
        EXPECT_EQ(panel.controls().size(), descriptions.size()) << number;
        for (const ControlEntry& entry : panel.controls()) {
            EXPECT_EQ(entry.control->parentWidget(), &panel);
            EXPECT_FALSE(entry.control->size().isEmpty())
                << number << " " << entry.typeName.toStdString();
        }
        EXPECT_EQ(panel.size(), panel.image(kImageNormal).size());
    }
}

} // namespace
} // namespace corvane

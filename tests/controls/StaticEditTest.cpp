#define QTEST_QPA_MOUSE_HANDLING
#include "TestSkin.h"
#include "skin/controls/UIEdit.h"
#include "skin/controls/UIStatic.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>
#include <gtest/gtest.h>

namespace corvane {
namespace {

using test::BoundsExcept;
using test::BoundsOf;
using test::Pixel;
using test::TestSkin;
using test::TestWindow;

const QColor kN(200, 0, 0), kD(90, 90, 90);

class SkinnedControlTest : public ::testing::Test {
protected:
    void SetUp() override {
        skin_.define("IDW_MAIN", 1000).define("IDC_CONTROL", 101);
        skin_.flat("n.bmp", {200, 100}, kN);
        skin_.flat("d.bmp", {200, 100}, kD);
        skin_.section("IDW_MAIN", "BKN=n.bmp\nBKD=d.bmp\nBKNO=d.bmp");
    }
    // The window with one control made from the keys, shown.
    QWidget* create(const std::string& keys) {
        skin_.section("IDW_MAIN_0", "IDs=IDC_CONTROL\n" + keys);
        skin_.install();
        EXPECT_TRUE(window_.createSkin());
        window_.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&window_));
        return window_.control(101);
    }
    TestSkin skin_;
    TestWindow window_{1000};
};

using StaticTest = SkinnedControlTest;

TEST_F(StaticTest, DisabledLookUsesTheDisabledImageAndColour) {
    auto* label = qobject_cast<UIStatic*>(
        create("Type=STATIC\nRect=0,0,100,30\nCaption=HHH\nColorN=16777215\n"
               "IsDSameNColor=0\nColorD=65280\n"));
    ASSERT_NE(label, nullptr);
    QImage face = label->grab().toImage();
    EXPECT_EQ(Pixel(face, 99, 29), kN.rgb() & 0xFFFFFF);
    EXPECT_FALSE(BoundsOf(face, Qt::white).isEmpty());
    label->setEnabled(false);
    face = label->grab().toImage();
    EXPECT_EQ(Pixel(face, 99, 29), kD.rgb() & 0xFFFFFF);
    EXPECT_TRUE(BoundsOf(face, Qt::white).isEmpty());
    EXPECT_FALSE(BoundsOf(face, QColor(0, 255, 0)).isEmpty());
}

TEST_F(StaticTest, WithoutNormalImageNothingIsDrawn) {
    auto* label = qobject_cast<UIStatic*>(create("Type=STATIC\nRect=0,0,50,20\nCaption=HHH"));
    label->setImages({QImage(), QImage()});
    EXPECT_TRUE(label->renderFace(UIStatic::kLookNormal).isNull());
    EXPECT_EQ(Pixel(window_.grab().toImage(), 10, 10), kD.rgb() & 0xFFFFFF);
}

struct StaticCase {
    const char* keys;
    int left, right; // expected ink edges, -1 unchecked
    bool wrapped;
};

void PrintTo(const StaticCase& c, std::ostream* os) {
    *os << c.keys;
}

class StaticLayout : public SkinnedControlTest, public ::testing::WithParamInterface<StaticCase> {};

TEST_P(StaticLayout, PlacesAndWrapsItsCaption) {
    const StaticCase& c = GetParam();
    auto* label = qobject_cast<UIStatic*>(
        create(std::string("Type=STATIC\nRect=0,0,80,60\nColorN=16777215\n") + c.keys));
    const QRect ink = BoundsExcept(label->renderFace(UIStatic::kLookNormal), kN);
    ASSERT_FALSE(ink.isEmpty());
    if (c.left >= 0) {
        EXPECT_NEAR(ink.left(), c.left, 2);
    }
    if (c.right >= 0) {
        EXPECT_NEAR(ink.right() + 1, c.right, 2);
    }
    const int lineHeight = QFontMetrics(label->font()).height();
    EXPECT_EQ(ink.height() > lineHeight, c.wrapped) << ink.height() << " vs " << lineHeight;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, StaticLayout,
    ::testing::Values(StaticCase{"Caption=HH\nHorAlig=4\n", 4, -1, false},
                      StaticCase{"Caption=HH\nHorAlignMode=RIGHT\nHorAlig=4\n", -1, 76, false},
                      // Unknown mode words are DEFAULT: left aligned.
                      StaticCase{"Caption=HH\nHorAlignMode=Middle\nHorAlig=4\n", 4, -1, false},
                      StaticCase{"Caption=HHHH HHHH HHHH HHHH\nNoWrap=0\n", 0, -1, true},
                      StaticCase{"Caption=HHHH HHHH HHHH HHHH\nNoWrap=1\n", 0, -1, false}));

using EditTest = SkinnedControlTest;

TEST_F(EditTest, ShowsTheNormalImageBehindItsText) {
    auto* edit = qobject_cast<UIEdit*>(create("Type=EDIT\nRect=10,10,90,40"));
    ASSERT_NE(edit, nullptr);
    edit->setText("HHH");
    const QImage face = edit->grab().toImage();
    EXPECT_EQ(Pixel(face, 79, 29), kN.rgb() & 0xFFFFFF);
    EXPECT_FALSE(BoundsExcept(face, kN).isEmpty()); // the text
    EXPECT_TRUE(edit->isMultiline());               // the default
}

struct TypingCase {
    const char* keys;
    const char* typed;
    const char* result;
};

void PrintTo(const TypingCase& c, std::ostream* os) {
    *os << c.keys;
}

class EditTyping : public SkinnedControlTest, public ::testing::WithParamInterface<TypingCase> {};

TEST_P(EditTyping, StyleBitsRuleWhatTypingEnters) {
    auto* edit = qobject_cast<UIEdit*>(
        create(std::string("Type=EDIT\nRect=0,0,150,40\n") + GetParam().keys));
    ASSERT_NE(edit, nullptr);
    edit->setFocus();
    QTest::keyClicks(edit->editor(), GetParam().typed);
    EXPECT_EQ(edit->text(), QString::fromUtf8(GetParam().result));
}

INSTANTIATE_TEST_SUITE_P(
    Styles, EditTyping,
    ::testing::Values(TypingCase{"", "aB1 x", "aB1 x"}, TypingCase{"IsNumber=1\n", "a1-2b3", "123"},
                      TypingCase{"IsNumber=1\nIsMultiline=0\n", "4x5", "45"},
                      TypingCase{"IsUpperCase=1\n", "abC1", "ABC1"},
                      TypingCase{"IsLowerCase=1\nIsMultiline=0\n", "AbC", "abc"},
                      TypingCase{"IsReadOnly=1\n", "abc", ""},
                      TypingCase{"IsReadOnly=1\nIsMultiline=0\n", "abc", ""},
                      TypingCase{"IsPassword=1\nIsMultiline=0\n", "pw", "pw"}));

TEST_F(EditTest, LineWithoutSidewaysScrollingTakesOnlyWhatFits) {
    for (const char* scrolls : {"0", "1"}) {
        TestWindow window(1000);
        skin_.section("IDW_MAIN_0",
                      std::string("Type=EDIT\nRect=0,0,60,20\nIsMultiline=0\nIsAutoHScroll=") +
                          scrolls);
        skin_.install();
        ASSERT_TRUE(window.createSkin());
        auto* edit = qobject_cast<UIEdit*>(window.controls().at(0).control);
        QTest::keyClicks(edit->editor(), QString(40, QChar(u'W')));
        if (*scrolls == '1') {
            EXPECT_EQ(edit->text().size(), 40);
        } else {
            EXPECT_GT(edit->text().size(), 0);
            EXPECT_LE(edit->fontMetrics().horizontalAdvance(edit->text()), 56);
        }
    }
}

TEST_F(EditTest, PasswordHidesTheText) {
    auto* edit = qobject_cast<UIEdit*>(create("Type=EDIT\nRect=0,0,100,20\nIsPassword=1"));
    ASSERT_NE(edit->lineEdit(), nullptr);
    EXPECT_EQ(edit->lineEdit()->echoMode(), QLineEdit::Password);
}

TEST_F(EditTest, AlignmentComesFromTheIntegerModeKey) {
    const struct {
        const char* keys;
        Qt::Alignment alignment;
    } cases[] = {{"HorAligMode=1\n", Qt::AlignHCenter},
                 {"HorAligMode=2\n", Qt::AlignRight},
                 {"HorAligMode=3\n", Qt::AlignLeft},
                 {"HorAlignMode=CENTER\n", Qt::AlignLeft}};
    for (const auto& c : cases) {
        TestWindow window(1000);
        skin_.section("IDW_MAIN_0",
                      std::string("Type=EDIT\nRect=0,0,100,20\nIsMultiline=0\n") + c.keys);
        skin_.install();
        ASSERT_TRUE(window.createSkin());
        auto* edit = qobject_cast<UIEdit*>(window.controls().at(0).control);
        EXPECT_EQ(edit->lineEdit()->alignment() & Qt::AlignHorizontal_Mask, c.alignment) << c.keys;
    }
}

TEST_F(EditTest, ReturnIsEnteredOnlyWhenTheEditWantsIt) {
    for (const bool wants : {false, true}) {
        TestWindow window(1000);
        skin_.section("IDW_MAIN_0", std::string("Type=EDIT\nRect=0,0,100,40\nIsWantReturn=") +
                                        (wants ? "1" : "0"));
        skin_.install();
        ASSERT_TRUE(window.createSkin());
        auto* edit = qobject_cast<UIEdit*>(window.controls().at(0).control);
        window.show();
        edit->setFocus();
        QTest::keyClicks(edit->editor(), "a");
        QTest::keyClick(edit->editor(), Qt::Key_Return);
        QTest::keyClicks(edit->editor(), "b");
        EXPECT_EQ(edit->text(), wants ? "a\nb" : "ab");
    }
}

} // namespace
} // namespace corvane

#include "TestSkin.h"
#include "skin/controls/UIEdit.h"
#include "skin/controls/UIStatic.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSignalSpy>

namespace corvane {
namespace {

using namespace test;

using StaticTest = SkinWindowTest;

TEST_F(StaticTest, DisabledLookUsesTheDisabledImageAndColour) {
    auto* label =
        single<UIStatic>("Type=STATIC\nRect=0,0,100,30\nCaption=HHH\nColorN=16777215\n"
                         "IsDSameNColor=0\nColorD=65280\nHorAlignMode=RIGHT\nHorAlig=4\n");
    QImage face = label->grab().toImage();
    EXPECT_EQ(Pixel(face, {99, 29}), Rgb(kNormal));
    EXPECT_NEAR(BoundsOf(face, Qt::white).right() + 1, 96, 2); // placed by the layout
    label->setEnabled(false);
    face = label->grab().toImage();
    EXPECT_EQ(Pixel(face, {99, 29}), Rgb(kDisabled));
    EXPECT_TRUE(BoundsOf(face, Qt::white).isEmpty());
    EXPECT_FALSE(BoundsOf(face, QColor(0, 255, 0)).isEmpty());
}

TEST_F(StaticTest, WrapsItsCaptionUnlessNoWrap) {
    for (const char* noWrap : {"0", "1"}) {
        auto* label = single<UIStatic>(
            std::string("Type=STATIC\nRect=0,0,80,60\nCaption=HHHH HHHH HHHH HHHH\nNoWrap=") +
                noWrap,
            fresh());
        const QRect ink = BoundsExcept(label->renderFace(UIStatic::kLookNormal), kNormal);
        EXPECT_EQ(ink.height() > QFontMetrics(label->font()).height(), *noWrap == '0') << noWrap;
    }
}

using EditTest = SkinWindowTest;

TEST_F(EditTest, StyleBitsRuleWhatTypingEntersAndHowTheLineShowsIt) {
    struct Case {
        const char* keys;
        const char* typed;
        const char* result;
        Qt::Alignment align = Qt::AlignLeft; // of a one-line field
    };
    const Case cases[] = {
        {"", "aB1 x", "aB1 x"},
        {"IsNumber=1\nIsMultiline=0\n", "a1-2b3", "123"},
        {"IsUpperCase=1\n", "abC1", "ABC1"},
        {"IsLowerCase=1\nIsMultiline=0\n", "AbC", "abc"},
        {"IsReadOnly=1\nIsMultiline=0\n", "abc", ""},
        {"IsPassword=1\n", "pw", "pw"}, // one line even where multi-line is asked for
        {"", "a\rb", "ab"},             // Return goes to the window unless wanted
        {"IsWantReturn=1\n", "a\rb", "a\nb"},
        {"HorAligMode=1\nIsMultiline=0\n", "a", "a", Qt::AlignHCenter},
        {"HorAligMode=2\nIsMultiline=0\n", "a", "a", Qt::AlignRight},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.keys);
        auto* edit = single<UIEdit>(std::string("Type=EDIT\nRect=0,0,150,40\n") + c.keys, fresh());
        edit->setFocus();
        QTest::keyClicks(edit->editor(), c.typed);
        EXPECT_EQ(edit->text(), QString::fromUtf8(c.result));
        const bool password = std::string(c.keys).starts_with("IsPassword");
        ASSERT_TRUE(edit->lineEdit() || !password);
        if (QLineEdit* line = edit->lineEdit()) {
            EXPECT_EQ(line->alignment() & Qt::AlignHorizontal_Mask, c.align);
            EXPECT_EQ(line->echoMode() == QLineEdit::Password, password);
        }
    }
    auto* edit = single<UIEdit>("Type=EDIT\nRect=10,10,90,40");
    edit->setText("HHH");
    const QImage face = edit->grab().toImage();
    EXPECT_EQ(Pixel(face, {79, 29}), Rgb(kNormal));
    EXPECT_FALSE(BoundsExcept(face, kNormal).isEmpty()); // the text
    EXPECT_TRUE(edit->isMultiline());                    // the default
}

TEST_F(EditTest, LineWithoutSidewaysScrollingTakesOnlyWhatFits) {
    for (const char* scrolls : {"0", "1"}) {
        auto* edit = single<UIEdit>(
            std::string("Type=EDIT\nRect=0,0,60,20\nIsMultiline=0\nIsAutoHScroll=") + scrolls,
            fresh());
        QTest::keyClicks(edit->editor(), QString(40, QChar(u'W')));
        const int taken = edit->text().size();
        EXPECT_TRUE(*scrolls == '1'
                        ? taken == 40
                        : taken > 0 && edit->fontMetrics().horizontalAdvance(edit->text()) <= 56)
            << scrolls << " " << taken;
    }
}

TEST_F(EditTest, CaseStylesConvertSetAndPastedTextToo) {
    // clang-format off
    const struct { const char* keys; const char* set; const char* result; } cases[] = {
        {"IsUpperCase=1\nIsMultiline=0\n", "abC1", "ABC1"},
        {"IsLowerCase=1\nIsMultiline=0\n", "AbC", "abc"},
        {"IsUpperCase=1\n", "one\ntwo", "ONE\nTWO"},
        {"IsMultiline=0\n", "AbC", "AbC"},
    };
    // clang-format on
    for (const auto& c : cases) {
        SCOPED_TRACE(c.keys);
        auto* edit = single<UIEdit>(std::string("Type=EDIT\nRect=0,0,150,40\n") + c.keys, fresh());
        QSignalSpy changes(edit, &UIEdit::textChanged);
        edit->setText(QString::fromUtf8(c.set));
        EXPECT_EQ(edit->text(), QString::fromUtf8(c.result));
        EXPECT_EQ(changes.size(), 1);
        edit->setText({});
        QGuiApplication::clipboard()->setText(QString::fromUtf8(c.set));
        if (QLineEdit* line = edit->lineEdit())
            line->paste();
        else
            edit->textEdit()->paste();
        EXPECT_EQ(edit->text(), QString::fromUtf8(c.result));
    }
}

TEST_F(EditTest, MultiLineWrapsOnlyWithoutSidewaysScrolling) {
    // clang-format off
    const struct { const char* keys; QPlainTextEdit::LineWrapMode wrap; } cases[] = {
        {"IsAutoHScroll=0\n", QPlainTextEdit::WidgetWidth},
        {"IsAutoHScroll=1\n", QPlainTextEdit::NoWrap},
        {"IsAutoHScroll=0\nIsHScroll=1\n", QPlainTextEdit::NoWrap},
    };
    // clang-format on
    for (const auto& c : cases) {
        auto* edit = single<UIEdit>(std::string("Type=EDIT\nRect=0,0,150,40\n") + c.keys, fresh());
        ASSERT_NE(edit->textEdit(), nullptr) << c.keys;
        EXPECT_EQ(edit->textEdit()->lineWrapMode(), c.wrap) << c.keys;
    }
}

TEST_F(EditTest, DisabledEditShowsTheDisabledImageAndGreyText) {
    auto* edit = single<UIEdit>("Type=EDIT\nRect=10,10,90,40\nIsMultiline=0\n");
    edit->setText("HHH");
    edit->setEnabled(false);
    const QImage face = edit->grab().toImage();
    EXPECT_EQ(Pixel(face, {79, 29}), Rgb(kDisabled));
    const QColor text = edit->lineEdit()->palette().color(QPalette::Disabled, QPalette::Text);
    EXPECT_NE(Rgb(text), Rgb(Qt::black));
}

} // namespace
} // namespace corvane

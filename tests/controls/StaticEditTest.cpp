#include "TestSkin.h"
#include "skin/controls/UIEdit.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSignalSpy>

namespace corvane {
namespace {

using namespace test;

using EditTest = SkinWindowTest;

TEST_F(EditTest, StyleBitsRuleWhatTypingEntersAndHowTheLineShowsIt) {
    struct Case {
        const char* keys;
        const char* typed;
        const char* result;
        Qt::Alignment align = Qt::AlignLeft; // of a one-line field
    };
    const Case cases[] = {
        {"IsNumber=1\nIsMultiline=0\n", "a1-2b3", "123"},
        {"IsUpperCase=1\n", "abC1", "ABC1"},
        {"IsReadOnly=1\nIsMultiline=0\n", "abc", ""},
        {"IsPassword=1\n", "pw", "pw"}, // one line even where multi-line is asked for
        {"", "a\rb", "ab"},             // Return goes to the window unless wanted
        {"IsWantReturn=1\n", "a\rb", "a\nb"},
        {"HorAligMode=2\nIsMultiline=0\n", "a", "a", Qt::AlignRight},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.keys);
        auto* edit = single<UIEdit>(std::string("Type=EDIT\nRect=0,0,150,40\n") + c.keys);
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
}

TEST_F(EditTest, LineWithoutSidewaysScrollingTakesOnlyWhatFits) {
    auto* edit = single<UIEdit>("Type=EDIT\nRect=0,0,60,20\nIsMultiline=0\nIsAutoHScroll=0");
    QTest::keyClicks(edit->editor(), QString(40, QChar(u'W')));
    EXPECT_GT(edit->text().size(), 0);
    EXPECT_LE(edit->fontMetrics().horizontalAdvance(edit->text()), 56);
}

TEST_F(EditTest, CaseStylesConvertSetAndPastedTextToo) {
    const struct {
        const char* keys;
        const char* set;
        const char* result;
    } cases[] = {
        {"IsLowerCase=1\nIsMultiline=0\n", "AbC", "abc"},
        {"IsUpperCase=1\n", "one\ntwo", "ONE\nTWO"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.keys);
        auto* edit = single<UIEdit>(std::string("Type=EDIT\nRect=0,0,150,40\n") + c.keys);
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
    const struct {
        const char* keys;
        QPlainTextEdit::LineWrapMode wrap;
    } cases[] = {
        {"IsAutoHScroll=0\n", QPlainTextEdit::WidgetWidth},
        {"IsAutoHScroll=0\nIsHScroll=1\n", QPlainTextEdit::NoWrap},
    };
    for (const auto& c : cases) {
        auto* edit = single<UIEdit>(std::string("Type=EDIT\nRect=0,0,150,40\n") + c.keys);
        ASSERT_NE(edit->textEdit(), nullptr) << c.keys;
        EXPECT_EQ(edit->textEdit()->lineWrapMode(), c.wrap) << c.keys;
    }
}

} // namespace
} // namespace corvane

#include "skin/controls/CaptionLayout.h"

#include <QFontMetrics>
#include <gtest/gtest.h>

namespace corvane {
namespace {

using H = HorizontalMode;
using V = VerticalMode;

// Captions of "HHH" laid out in a 100x40 client area; edges are inclusive.
struct Row {
    TextLayout layout;
    bool flag; // multi-line for a button, no-wrap for a static
    int left, top, right, bottom;
    unsigned format;
};
constexpr unsigned kLine = kTextSingleLine, kWrap = kTextWordBreak;

TextBox Box(const Row& row) {
    return {QRect(QPoint(row.left, row.top), QPoint(row.right, row.bottom)), row.format};
}

TEST(CaptionLayout, ButtonCaptionsByModeAndOffset) {
    const Row rows[] = {
        {{10, 0, H::Default, V::Default}, false, 10, 0, 99, 39, kLine | kTextCenter | kTextVCenter},
        {{4, 0, H::Left, V::Top}, false, 4, 0, 99, 39, kLine},
        {{4, 0, H::Right, V::Default}, false, 0, 0, 95, 39, kLine | kTextRight | kTextVCenter},
        {{0, 3, H::Center, V::Bottom}, false, 0, 0, 99, 36, kLine | kTextCenter | kTextBottom},
        {{0, 2, H::Left, V::Top}, true, 0, 2, 99, 39, kWrap},
    };
    for (const Row& row : rows)
        EXPECT_EQ(LayoutButtonText(QRect(0, 0, 100, 40), row.flag, row.layout, QFont(), "HHH"),
                  Box(row))
            << row.left << "," << row.top << "-" << row.right << "," << row.bottom;
}

TEST(CaptionLayout, StaticCaptionsDefaultToLeftAndTop) {
    const Row rows[] = {
        {{4, 2, H::Default, V::Default}, true, 4, 2, 99, 39, kLine},
        {{4, 0, H::Right, V::Bottom}, true, 0, 0, 95, 39, kLine | kTextRight | kTextBottom},
        {{0, 0, H::Left, V::Top}, false, 0, 0, 99, 39, kWrap},
    };
    for (const Row& row : rows)
        EXPECT_EQ(LayoutStaticText(QRect(0, 0, 100, 40), row.flag, row.layout, QFont(), "HHH"),
                  Box(row))
            << row.left << "," << row.top << "-" << row.right << "," << row.bottom;
}

// Wrapped text cannot use the vertical flags: its box starts where the
// measured lines end up centred or at the bottom.
TEST(CaptionLayout, WrappedCaptionsPlacedByTheirMeasuredHeight) {
    const int line = QFontMetrics(QFont()).height();
    const QRect client(0, 0, 100, 40);
    EXPECT_EQ(LayoutButtonText(client, true, {0, 0, H::Left, V::Center}, QFont(), "HHH").rect,
              QRect(0, (40 - line) / 2, 100, 40 - (40 - line) / 2));
    EXPECT_EQ(LayoutStaticText(client, false, {0, 4, H::Left, V::Bottom}, QFont(), "HHH").rect,
              QRect(0, 36 - line, 100, line));
}

} // namespace
} // namespace corvane

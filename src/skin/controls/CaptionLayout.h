#pragma once

#include "skin/ControlDescription.h"

#include <QFont>
#include <QRect>
#include <QString>

class QPainter;

namespace corvane {

// The text format bits the controls lay out their captions with, with the
// values of the Windows DT_ flags they stand for.
enum TextFormat : unsigned {
    kTextCenter = 0x1,
    kTextRight = 0x2,
    kTextVCenter = 0x4,
    kTextBottom = 0x8,
    kTextWordBreak = 0x10,
    kTextSingleLine = 0x20,
    kTextNoPrefix = 0x800,
};

// Where and how a caption is drawn: the rectangle and the format bits.
struct TextBox {
    QRect rect;
    unsigned format = 0;
    friend bool operator==(const TextBox&, const TextBox&) = default;
};

// Height of the text laid out in the rectangle's width with the format.
int MeasureTextHeight(const QFont& font, const QRect& rect, const QString& text, unsigned format);

// Draws the text in the rectangle with the format, clipped to the rectangle.
// Without kTextNoPrefix an '&' underlines the next character and "&&" shows one.
void DrawFormattedText(QPainter& painter, const QRect& rect, const QString& text, unsigned format);

// Button captions: DEFAULT centres like CENTER; multi-line captions are
// centred or bottom-aligned by their measured height.
TextBox LayoutButtonText(const QRect& client, bool multiline, const TextLayout& layout,
                         const QFont& font, const QString& text);

// Static captions: DEFAULT (and any unknown mode) is left and top.
TextBox LayoutStaticText(const QRect& client, bool noWrap, const TextLayout& layout,
                         const QFont& font, const QString& text);

} // namespace corvane

#include "skin/controls/CaptionLayout.h"

#include <QFontMetrics>
#include <QPainter>

namespace corvane {

namespace {

int QtTextFlags(unsigned format) {
    int flags = 0;
    if (format & kTextCenter)
        flags |= Qt::AlignHCenter;
    else if (format & kTextRight)
        flags |= Qt::AlignRight;
    else
        flags |= Qt::AlignLeft;
    // Vertical placement only applies to single lines; wrapped text starts at
    // the top of its rectangle.
    if ((format & kTextSingleLine) && (format & kTextVCenter))
        flags |= Qt::AlignVCenter;
    else if ((format & kTextSingleLine) && (format & kTextBottom))
        flags |= Qt::AlignBottom;
    else
        flags |= Qt::AlignTop;
    if (format & kTextSingleLine)
        flags |= Qt::TextSingleLine;
    else if (format & kTextWordBreak)
        flags |= Qt::TextWordWrap;
    if (!(format & kTextNoPrefix))
        flags |= Qt::TextShowMnemonic;
    return flags;
}

// Moves the top of the box so that text of height h sits vertically centred
// (center) or at the bottom, for wrapped text that cannot use the flags.
void PlaceWrappedVertically(TextBox& box, const QFont& font, const QString& text, bool center) {
    const int height = MeasureTextHeight(font, box.rect, text, box.format);
    if (center)
        box.rect.setTop(box.rect.top() + (box.rect.height() - height) / 2);
    else
        box.rect.setTop(box.rect.bottom() + 1 - height);
}

} // namespace

int MeasureTextHeight(const QFont& font, const QRect& rect, const QString& text, unsigned format) {
    const QFontMetrics metrics(font);
    const QRect bounds(0, 0, qMax(rect.width(), 1), 1 << 20);
    return metrics.boundingRect(bounds, QtTextFlags(format) & ~Qt::AlignVertical_Mask, text)
        .height();
}

void DrawFormattedText(QPainter& painter, const QRect& rect, const QString& text, unsigned format) {
    painter.save();
    painter.setClipRect(rect, Qt::IntersectClip);
    painter.drawText(rect, QtTextFlags(format), text);
    painter.restore();
}

TextBox LayoutButtonText(const QRect& client, bool multiline, const TextLayout& layout,
                         const QFont& font, const QString& text) {
    TextBox box{client, multiline ? kTextWordBreak : kTextSingleLine};
    switch (layout.horMode) {
    case HorizontalMode::Default:
    case HorizontalMode::Center:
        box.rect.setLeft(box.rect.left() + layout.horOffset);
        box.format |= kTextCenter;
        break;
    case HorizontalMode::Left:
        box.rect.setLeft(box.rect.left() + layout.horOffset);
        break;
    case HorizontalMode::Right:
        box.rect.setRight(box.rect.right() - layout.horOffset);
        box.format |= kTextRight;
        break;
    default:
        break;
    }
    switch (layout.verMode) {
    case VerticalMode::Default:
    case VerticalMode::Center:
        box.rect.setTop(box.rect.top() + layout.verOffset);
        if (multiline)
            PlaceWrappedVertically(box, font, text, true);
        else
            box.format |= kTextVCenter;
        break;
    case VerticalMode::Top:
        box.rect.setTop(box.rect.top() + layout.verOffset);
        break;
    case VerticalMode::Bottom:
        box.rect.setBottom(box.rect.bottom() - layout.verOffset);
        if (multiline)
            PlaceWrappedVertically(box, font, text, false);
        else
            box.format |= kTextBottom;
        break;
    default:
        break;
    }
    return box;
}

TextBox LayoutStaticText(const QRect& client, bool noWrap, const TextLayout& layout,
                         const QFont& font, const QString& text) {
    TextBox box{client, noWrap ? kTextSingleLine : kTextWordBreak};
    switch (layout.horMode) {
    case HorizontalMode::Right:
        box.rect.setRight(box.rect.right() - layout.horOffset);
        box.format |= kTextRight;
        break;
    case HorizontalMode::Center:
        box.rect.setLeft(box.rect.left() + layout.horOffset);
        box.format |= kTextCenter;
        break;
    default:
        box.rect.setLeft(box.rect.left() + layout.horOffset);
        break;
    }
    switch (layout.verMode) {
    case VerticalMode::Bottom:
        box.rect.setBottom(box.rect.bottom() - layout.verOffset);
        if (noWrap)
            box.format |= kTextBottom;
        else
            PlaceWrappedVertically(box, font, text, false);
        break;
    case VerticalMode::Center:
        box.rect.setTop(box.rect.top() + layout.verOffset);
        if (noWrap)
            box.format |= kTextVCenter;
        else
            PlaceWrappedVertically(box, font, text, true);
        break;
    default:
        box.rect.setTop(box.rect.top() + layout.verOffset);
        break;
    }
    return box;
}

} // namespace corvane

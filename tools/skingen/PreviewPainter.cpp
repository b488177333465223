#include "PreviewPainter.h"

#include "SkinTheme.h"

#include <QPainter>

namespace corvane::skingen {

namespace {

QRect ToQRect(const SkinRect& r) {
    return QRect(r.left, r.top, r.width(), r.height());
}

QColor FromColorRef(ColorRef c) {
    return QColor(RedOf(c), GreenOf(c), BlueOf(c));
}

// The font a control makes from its LOGFONTA: face, pixel size, weight.
QFont FontOf(const LOGFONTA& logFont) {
    QFont font = theme::uiFont(12);
    if (logFont.isZero())
        return font;
    const std::string face = logFont.faceName();
    if (!face.empty())
        font.setFamily(QString::fromStdString(face));
    if (logFont.lfHeight != 0)
        font.setPixelSize(std::abs(logFont.lfHeight));
    font.setBold(logFont.lfWeight >= 600);
    return font;
}

Qt::Alignment AlignmentOf(HorizontalMode hor, VerticalMode ver, bool buttonRules) {
    Qt::Alignment align;
    switch (hor) {
    case HorizontalMode::Right:
        align |= Qt::AlignRight;
        break;
    case HorizontalMode::Left:
        align |= Qt::AlignLeft;
        break;
    case HorizontalMode::Center:
        align |= Qt::AlignHCenter;
        break;
    case HorizontalMode::Default:
        align |= buttonRules ? Qt::AlignHCenter : Qt::AlignLeft;
        break;
    }
    switch (ver) {
    case VerticalMode::Bottom:
        align |= Qt::AlignBottom;
        break;
    case VerticalMode::Top:
        align |= Qt::AlignTop;
        break;
    case VerticalMode::Center:
        align |= Qt::AlignVCenter;
        break;
    case VerticalMode::Default:
        align |= buttonRules ? Qt::AlignVCenter : Qt::AlignTop;
        break;
    }
    return align;
}

// The rectangle moved in by the offsets as the controls do it.
QRect OffsetRect(QRect rect, const TextLayout& layout) {
    if (layout.horMode == HorizontalMode::Right)
        rect.setRight(rect.right() - layout.horOffset);
    else
        rect.setLeft(rect.left() + layout.horOffset);
    if (layout.verMode == VerticalMode::Bottom)
        rect.setBottom(rect.bottom() - layout.verOffset);
    else
        rect.setTop(rect.top() + layout.verOffset);
    return rect;
}

} // namespace

QImage PreviewPainter::paint() const {
    QImage image = window_.images[kStateNormal].copy();
    QPainter painter(&image);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    for (const RenderControl& control : window_.controls)
        paintControl(painter, control);
    return image;
}

void PreviewPainter::paintControl(QPainter& painter, const RenderControl& control) const {
    const ControlCommon& common = CommonOf(control.description);
    const QRect rect = ToQRect(common.rect);
    if (!common.visible())
        return;

    if (const auto* button = std::get_if<ButtonDescription>(&control.description)) {
        QColor colour = FromColorRef(button->colors[kStateNormal]);
        if (control.previewChecked) {
            const auto found = window_.checkedImages.find(control.checkedImageFiles[kStateNormal]);
            if (found != window_.checkedImages.end())
                painter.drawImage(rect.topLeft(), found->second);
            // Checked text is black unless the owner sets it; the main window
            // sets white for its kind selectors.
            colour = control.face == Face::Tab ? QColor(Qt::white) : QColor(Qt::black);
        }
        painter.setFont(FontOf(button->fonts[kStateNormal]));
        painter.setPen(colour);
        painter.drawText(OffsetRect(rect, button->layout),
                         AlignmentOf(button->layout.horMode, button->layout.verMode, true) |
                             Qt::TextSingleLine,
                         QString::fromStdString(button->caption));
    } else if (const auto* label = std::get_if<StaticDescription>(&control.description)) {
        painter.setFont(FontOf(label->fonts[0]));
        painter.setPen(FromColorRef(label->colors[0]));
        painter.drawText(OffsetRect(rect, label->layout),
                         AlignmentOf(label->layout.horMode, label->layout.verMode, false) |
                             (label->noWrap ? Qt::TextSingleLine : Qt::TextWordWrap),
                         QString::fromStdString(label->caption));
    } else if (const auto* combo = std::get_if<ComboBoxDescription>(&control.description)) {
        painter.setFont(FontOf(combo->font));
        painter.setPen(Qt::black);
        const QRect text =
            rect.adjusted(combo->horOffset, combo->verOffset, -combo->buttonWidth, -2);
        painter.drawText(text, Qt::AlignLeft | Qt::AlignTop, control.sample);
    } else if (const auto* edit = std::get_if<EditDescription>(&control.description)) {
        painter.setFont(FontOf(edit->font));
        painter.setPen(Qt::black);
        painter.drawText(rect.adjusted(2, 0, -2, 0), Qt::AlignLeft | Qt::AlignVCenter,
                         control.sample);
    }
}

QImage PreviewPainter::paintStateSheet() const {
    const QSize size = window_.decor.size;
    constexpr int kGap = 16;
    QImage sheet(size.width() * 4 + kGap * 5, size.height() + kGap * 3, QImage::Format_RGB32);
    sheet.fill(QColor(0x0B, 0x0C, 0x0E));
    QPainter painter(&sheet);
    painter.setFont(theme::uiFont(12, true));
    painter.setPen(theme::kCaptionText);
    static constexpr std::array<const char*, 4> kNames{"Normal", "Hover", "Pressed", "Disabled"};
    for (int s = 0; s < 4; ++s) {
        const int x = kGap + s * (size.width() + kGap);
        painter.drawText(QPoint(x, kGap + 8),
                         QString::fromLatin1(kNames[static_cast<std::size_t>(s)]));
        painter.drawImage(QPoint(x, kGap * 2), window_.images[static_cast<std::size_t>(s)]);
    }
    return sheet;
}

} // namespace corvane::skingen

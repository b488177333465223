#include "WindowBackground.h"

#include "FacePainter.h"
#include "SkinTheme.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPainterPath>

namespace corvane::skingen {

namespace {
constexpr qreal kWindowRadius = 10.0;
constexpr qreal kCardRadius = 6.0;
} // namespace

QImage WindowBackground::paint() const {
    QImage image(decor_.size, QImage::Format_RGB32);
    image.fill(decor_.rounded ? theme::kOutside : theme::kWindow);
    QPainter painter(&image);
    paintBody(painter);
    if (decor_.titleBar > 0)
        paintTitleBar(painter);
    else if (!decor_.title.isEmpty())
        paintPanelTitle(painter);
    for (const Heading& heading : decor_.headings)
        paintHeading(painter, heading);
    painter.end();
    if (decor_.rounded)
        cutCorners(image);
    return image;
}

// The corners are drawn smooth against a dark outside; every pixel whose
// centre lies outside the rounded shape then becomes the mask colour, which
// the window cuts away. Only the corner squares can hold such pixels.
void WindowBackground::cutCorners(QImage& image) const {
    QPainterPath shape;
    shape.addRoundedRect(QRectF(QPointF(0, 0), QSizeF(decor_.size)), kWindowRadius, kWindowRadius);
    const int w = image.width();
    const int h = image.height();
    const int r = static_cast<int>(kWindowRadius) + 1;
    for (int y = 0; y < h; ++y) {
        if (y >= r && y < h - r)
            continue;
        for (int x = 0; x < w; ++x) {
            if (x >= r && x < w - r)
                continue;
            if (!shape.contains(QPointF(x + 0.5, y + 0.5)))
                image.setPixelColor(x, y, theme::kMask);
        }
    }
}

void WindowBackground::paintBody(QPainter& painter) const {
    painter.setRenderHint(QPainter::Antialiasing, true);
    const QRectF all = OutlineBox(QRectF(QPointF(0, 0), QSizeF(decor_.size)));
    if (decor_.rounded) {
        FillRounded(painter, all, kWindowRadius, theme::kWindow, theme::kWindowBorder);
    } else {
        // A panel: a card on the window colour, so it sits in the main window
        // like the cards the main window draws for it.
        FillRounded(painter, all, kCardRadius, theme::kCard, theme::kCardBorder);
    }
    for (const QRect& card : decor_.cards)
        FillRounded(painter, OutlineBox(card), kCardRadius, theme::kCard, theme::kCardBorder);
    for (const QRect& well : decor_.wells)
        FillRounded(painter, OutlineBox(well), 3, theme::kWell, theme::kCardBorder);
}

void WindowBackground::paintTitleBar(QPainter& painter) const {
    const qreal width = decor_.size.width();
    QPainterPath body;
    body.addRoundedRect(QRectF(1, 1, width - 2, decor_.size.height() - 2), kWindowRadius - 1,
                        kWindowRadius - 1);
    QPainterPath strip;
    strip.addRect(QRectF(1, 1, width - 2, decor_.titleBar - 1));
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setPen(Qt::NoPen);
    painter.setBrush(theme::kTitleBar);
    painter.drawPath(body.intersected(strip));
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(QPen(theme::kHairline, 1.0));
    painter.drawLine(QPointF(1, decor_.titleBar - 0.5), QPointF(width - 2, decor_.titleBar - 0.5));

    painter.setRenderHint(QPainter::Antialiasing, true);
    const qreal middle = decor_.titleBar / 2.0;
    paintLogo(painter, QPointF(22, middle));
    painter.setFont(theme::uiFont(15, true));
    painter.setPen(theme::kTitleText);
    const QFontMetrics titleMetrics(painter.font());
    const QRectF titleBox(38, 0, titleMetrics.horizontalAdvance(decor_.title) + 2, decor_.titleBar);
    painter.drawText(titleBox, Qt::AlignLeft | Qt::AlignVCenter, decor_.title);
    if (!decor_.subtitle.isEmpty()) {
        painter.setFont(theme::uiFont(11));
        painter.setPen(theme::kCaptionText);
        painter.drawText(QRectF(titleBox.right() + 12, 1, 300, decor_.titleBar),
                         Qt::AlignLeft | Qt::AlignVCenter, decor_.subtitle);
    }
}

// The mark: a lens ring around a lit centre, as a fixture seen from the front.
void WindowBackground::paintLogo(QPainter& painter, const QPointF& centre) const {
    QRadialGradient glow(centre, 9);
    QColor halo = theme::kAccentLight;
    halo.setAlpha(70);
    glow.setColorAt(0.0, halo);
    halo.setAlpha(0);
    glow.setColorAt(1.0, halo);
    painter.setPen(Qt::NoPen);
    painter.setBrush(glow);
    painter.drawEllipse(centre, 9, 9);
    painter.setPen(QPen(theme::kAccent, 2.0));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(centre, 7, 7);
    painter.setPen(Qt::NoPen);
    painter.setBrush(theme::kAccentLight);
    painter.drawEllipse(centre, 3.2, 3.2);
}

void WindowBackground::paintPanelTitle(QPainter& painter) const {
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setPen(Qt::NoPen);
    painter.setBrush(theme::kAccent);
    painter.drawRoundedRect(QRectF(12, 11, 3, 18), 1.5, 1.5);
    painter.setFont(theme::uiFont(14, true));
    painter.setPen(theme::kTitleText);
    painter.drawText(QRectF(22, 8, 200, 24), Qt::AlignLeft | Qt::AlignVCenter, decor_.title);
}

void WindowBackground::paintHeading(QPainter& painter, const Heading& heading) const {
    QFont font = theme::uiFont(10, true);
    font.setLetterSpacing(QFont::AbsoluteSpacing, 0.8);
    painter.setFont(font);
    painter.setPen(theme::kCaptionText);
    const QRectF box(heading.rect);
    const qreal textWidth = QFontMetricsF(font).horizontalAdvance(heading.caption);
    painter.drawText(box, (heading.centred ? Qt::AlignHCenter : Qt::AlignLeft) | Qt::AlignVCenter,
                     heading.caption);

    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(QPen(theme::kHairline, 1.0));
    const int y = heading.rect.center().y() + 1;
    const auto line = [&](qreal from, qreal to) {
        if (to - from >= 4)
            painter.drawLine(QPointF(from, y), QPointF(to, y));
    };
    if (heading.centred) {
        const qreal textLeft = box.center().x() - textWidth / 2;
        line(box.left(), textLeft - 6);
        line(textLeft + textWidth + 6, box.right());
    } else {
        line(box.left() + textWidth + 8, box.right());
    }
}

} // namespace corvane::skingen

#include "skin/controls/Drawing.h"

#include <QFileInfo>
#include <QPainter>
#include <QPolygon>
#include <QVector>
#include <QWidget>

namespace corvane {

namespace {

bool SameColor(QRgb a, QRgb b) {
    return (a & 0x00FFFFFF) == (b & 0x00FFFFFF);
}

} // namespace

QRgb RgbFromColorRef(std::uint32_t colorRef) {
    return qRgb(colorRef & 0xFF, (colorRef >> 8) & 0xFF, (colorRef >> 16) & 0xFF);
}

QImage LoadSkinImage(const QString& path) {
    // Only a regular file: opening a pipe or a device named by a skin could wait for good.
    QImage image;
    if (path.isEmpty() || !QFileInfo(path).isFile() || !image.load(path))
        return {};
    return image.convertToFormat(QImage::Format_RGB32);
}

QRegion MaskRegion(const QImage& mask, QSize widgetSize, QRgb keyColor) {
    const QImage image = mask.convertToFormat(QImage::Format_RGB32);
    const int width = widgetSize.width();
    const int height = widgetSize.height();
    const int coveredWidth = qMin(width, image.width());
    const int coveredHeight = qMin(height, image.height());
    // One band per row: the runs of non-key pixels, plus what the image does not
    // cover. Rows are emitted top to bottom, runs left to right, as QRegion's
    // banded form wants them.
    QVector<QRect> rects;
    for (int y = 0; y < height; ++y) {
        const QRgb* line =
            y < coveredHeight ? reinterpret_cast<const QRgb*>(image.constScanLine(y)) : nullptr;
        const int rowCovered = line ? coveredWidth : 0;
        int x = 0;
        while (x < width) {
            while (x < rowCovered && SameColor(line[x], keyColor))
                ++x;
            if (x >= width)
                break;
            const int start = x;
            while (x < width && (x >= rowCovered || !SameColor(line[x], keyColor)))
                ++x;
            rects.append(QRect(start, y, x - start, 1));
        }
    }
    QRegion region;
    region.setRects(rects.constData(), int(rects.size()));
    return region;
}

void SetWidgetShape(QWidget* widget, const QRegion& shape) {
    // A pixel outside the widget covers none of it.
    widget->setMask(shape.isEmpty() ? QRegion(-1, -1, 1, 1) : shape);
}

int ApplyMaskRegion(QWidget* widget, const QImage& mask, QRgb keyColor) {
    if (mask.isNull())
        return -1;
    SetWidgetShape(widget, MaskRegion(mask, widget->size(), keyColor));
    if (QWidget* parent = widget->parentWidget())
        parent->update(widget->geometry());
    return 0;
}

int LoadMaskRegion(QWidget* widget, const QString& path, QRgb keyColor) {
    return ApplyMaskRegion(widget, LoadSkinImage(path), keyColor);
}

void DrawTransparent(QImage& target, const QRect& targetArea, const QImage& source,
                     const QRect& sourceArea, QRgb keyColor) {
    if (targetArea.isEmpty() || sourceArea.isEmpty() || source.isNull() || target.isNull())
        return;
    const QImage piece = source.copy(sourceArea).convertToFormat(QImage::Format_RGB32);
    const QImage stretched =
        piece.size() == targetArea.size()
            ? piece
            : piece.scaled(targetArea.size(), Qt::IgnoreAspectRatio, Qt::FastTransformation);
    const QRect clipped = targetArea.intersected(target.rect());
    for (int y = clipped.top(); y <= clipped.bottom(); ++y) {
        const QRgb* from =
            reinterpret_cast<const QRgb*>(stretched.constScanLine(y - targetArea.top()));
        for (int x = clipped.left(); x <= clipped.right(); ++x) {
            const QRgb pixel = from[x - targetArea.left()];
            if (!SameColor(pixel, keyColor))
                target.setPixel(x, y, pixel);
        }
    }
}

void DrawPiece(QPainter& painter, const QImage& piece) {
    painter.drawImage(piece.offset(), piece);
}

void DrawFocusRect(QPainter& painter, const QRect& rect) {
    if (rect.isEmpty())
        return;
    QPolygon dots;
    auto dot = [&dots](int x, int y) {
        if ((x + y) % 2 == 0)
            dots << QPoint(x, y);
    };
    for (int x = rect.left(); x <= rect.right(); ++x) {
        dot(x, rect.top());
        if (rect.bottom() != rect.top())
            dot(x, rect.bottom());
    }
    for (int y = rect.top() + 1; y < rect.bottom(); ++y) {
        dot(rect.left(), y);
        if (rect.right() != rect.left())
            dot(rect.right(), y);
    }
    painter.save();
    painter.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
    painter.setPen(QColor(255, 255, 255));
    painter.drawPoints(dots);
    painter.restore();
}

QImage RenderFace(QSize size, const std::function<bool(QPainter&)>& paint) {
    QImage face(size, QImage::Format_RGB32);
    face.fill(Qt::black);
    QPainter painter(&face);
    const bool painted = paint(painter);
    painter.end();
    return painted ? face : QImage();
}

} // namespace corvane

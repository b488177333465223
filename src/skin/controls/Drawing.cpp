#include "skin/controls/Drawing.h"

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
    QImage image;
    if (path.isEmpty() || !image.load(path))
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

int ApplyMaskRegion(QWidget* widget, const QImage& mask, QRgb keyColor) {
    if (mask.isNull())
        return -1;
    widget->setMask(MaskRegion(mask, widget->size(), keyColor));
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

void DrawFocusRect(QImage& image, const QRect& rect) {
    const QRect area = rect.intersected(image.rect());
    if (area.isEmpty())
        return;
    auto invert = [&image](int x, int y) {
        if ((x + y) % 2 == 0)
            image.setPixel(x, y, image.pixel(x, y) ^ 0x00FFFFFF);
    };
    for (int x = area.left(); x <= area.right(); ++x) {
        invert(x, area.top());
        if (area.bottom() != area.top())
            invert(x, area.bottom());
    }
    for (int y = area.top() + 1; y < area.bottom(); ++y) {
        invert(area.left(), y);
        if (area.right() != area.left())
            invert(area.right(), y);
    }
}

} // namespace corvane

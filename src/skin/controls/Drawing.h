#pragma once

#include <QImage>
#include <QRegion>
#include <QRgb>
#include <QString>
#include <cstdint>
#include <functional>

class QPainter;
class QWidget;

namespace corvane {

// A colour of the UI file (0x00BBGGRR, red in the low byte) as a Qt colour.
QRgb RgbFromColorRef(std::uint32_t colorRef);

// Loads a bitmap file as RGB32; a file that does not load gives a null image.
QImage LoadSkinImage(const QString& path);

// The shape of a widget of the given size cut by a mask image: the full
// rectangle without every pixel of the image that has the key colour. Parts of
// the widget that the image does not cover stay in the region.
QRegion MaskRegion(const QImage& mask, QSize widgetSize, QRgb keyColor);

// Gives the widget the shape; an empty shape hides the whole widget (to Qt an
// empty mask would mean no mask at all).
void SetWidgetShape(QWidget* widget, const QRegion& shape);

// Shapes the widget with MaskRegion of its own size: key pixels are then
// neither drawn nor hit by the mouse. -1 for a null image (the shape is left
// as it is), else 0.
int ApplyMaskRegion(QWidget* widget, const QImage& mask, QRgb keyColor);

// ApplyMaskRegion with the image loaded from a file; -1 when it does not load.
int LoadMaskRegion(QWidget* widget, const QString& path, QRgb keyColor);

// Copies the source area onto the target area, stretched (nearest pixel) when
// the sizes differ, leaving the target unchanged where the source has the key
// colour. Areas are clipped to the images.
void DrawTransparent(QImage& target, const QRect& targetArea, const QImage& source,
                     const QRect& sourceArea, QRgb keyColor);

// Draws a piece of a window image where it sits in the control: at its offset,
// which is not zero when the control begins left of or above the window's image.
void DrawPiece(QPainter& painter, const QImage& piece);

// Inverts every other pixel along the inside of the rectangle: the dotted
// focus rectangle, visible on any background. Needs a raster paint device.
void DrawFocusRect(QPainter& painter, const QRect& rect);

// A control's face painted into an RGB32 image of the size on black, or a null
// image when paint reports that it painted nothing.
QImage RenderFace(QSize size, const std::function<bool(QPainter&)>& paint);

} // namespace corvane

#pragma once

#include "skin/ControlDescription.h"
#include "skin/controls/CaptionLayout.h"

#include <QFont>
#include <QImage>
#include <QRgb>
#include <QWidget>
#include <array>

class QPainter;

namespace corvane {

// The skinned static text: a caption over a piece of the window's image, with
// a normal look and a disabled look. Reports clicks (it is created with the
// notify style).
class UIStatic : public QWidget {
    Q_OBJECT

public:
    // The two looks, indexes of every per-look array.
    enum Look { kLookNormal = 0, kLookDisabled = 1 };

    explicit UIStatic(QWidget* parent = nullptr);

    QString text() const { return text_; }
    void setText(const QString& text);

    void setSectionName(const QString& name) { sectionName_ = name; }
    const QString& sectionName() const { return sectionName_; }

    void setImages(const std::array<QImage, 2>& images);
    void setTextFonts(const std::array<QFont, 2>& fonts);
    void setTextColors(const std::array<QRgb, 2>& colors);
    void setTextLayouts(const std::array<TextLayout, 2>& layouts);
    void setNoWrap(bool noWrap);

    Look currentLook() const { return isEnabled() ? kLookNormal : kLookDisabled; }
    TextBox captionBox(Look look) const;
    // The control as painted in a look; null when there is no normal image
    // (the control then shows what lies behind it).
    QImage renderFace(Look look) const;
    bool paintFace(QPainter& painter, Look look) const;

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QString text_;
    QString sectionName_;
    std::array<QImage, 2> images_;
    std::array<QFont, 2> fonts_;
    std::array<QRgb, 2> colors_{};
    std::array<TextLayout, 2> layouts_{};
    bool noWrap_ = false;
};

} // namespace corvane

#pragma once

#include "skin/ControlDescription.h"

#include <QImage>
#include <QSlider>

namespace corvane {

// The skinned slider: Qt's slider logic (dragging, keys, paging) drawn as the
// window's own image under it with a thumb image on top. No tick marks. With
// the mark, the part from the start up to the thumb shows the window's hover
// image instead. Vertical sliders run from the top (minimum) down, like
// the Windows trackbar, and the keys move it as they move a trackbar:
// Left and Up towards the minimum, Right and Down towards the maximum, Page
// Up and Page Down by a page, Home and End to the ends.
class UISlider : public QSlider {
    Q_OBJECT

public:
    explicit UISlider(Qt::Orientation orientation, QWidget* parent = nullptr);

    void setSectionName(const QString& name) { sectionName_ = name; }
    const QString& sectionName() const { return sectionName_; }

    // The pieces of the window's normal and hover images that lie under the
    // slider.
    void setBackgroundImages(const QImage& normal, const QImage& hover);
    // Thumb images N, H, S, D; magenta pixels are not drawn. Without a normal
    // thumb image the style draws its own thumb.
    void setThumbImages(const PerState<QImage>& thumbs);
    void setMarkEnabled(bool enabled);

    QRect thumbRect() const;
    // The thumb image the next paint uses: D disabled, S while held with the
    // mouse, H with the cursor over the thumb, else N.
    VisualState thumbState() const;
    // Paints the face straight onto painter's device: the window's image under
    // the slider, the mark, and the thumb in the given state.
    void paintFace(QPainter& painter, VisualState thumb) const;
    // The face in an image of the slider's size, for tests.
    QImage renderFace(VisualState thumb) const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    QImage normal_;
    QImage hover_;
    PerState<QImage> thumbs_;
    QString sectionName_;
    bool mark_ = false;
    QPoint cursor_{-1, -1};
};

} // namespace corvane

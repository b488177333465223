#pragma once

#include "skin/ControlDescription.h"

#include <QComboBox>
#include <QFont>
#include <QImage>
#include <cstdint>

class QPainter;

namespace corvane {

// The skinned combo box: Qt's combo box and list with a face painted from the
// control's images. The combo style picks the kind:
// - drop-down list: the face shows the current text, left and top aligned
//   after the text offsets, and keeps the button width free on the right;
// - drop-down: an editable line over the face image (it shares the combo
//   box's images by letting them show through);
// - simple: an editable line and nothing painted.
// A style outside these three shows its current text like a drop-down list.
// With the sort style every added item goes to its place in case-insensitive
// order; the case styles convert items and any text of the editable line,
// which takes only what fits unless it scrolls sideways and never completes
// what is typed. Like the Windows control, adding items never selects one.
// The list drops below the face (above where the screen has no room below),
// about twice the drop list height tall, with the current item in view.
class UIComboBox : public QComboBox {
    Q_OBJECT

public:
    explicit UIComboBox(std::uint32_t comboStyle, QWidget* parent = nullptr);

    std::uint32_t comboStyle() const { return style_; }
    bool isDropDownList() const {
        return (style_ & style::kComboStyleMask) == style::kComboDropDownList;
    }

    void setSectionName(const QString& name) { sectionName_ = name; }
    const QString& sectionName() const { return sectionName_; }

    void setStateImages(const PerState<QImage>& images);
    const PerState<QImage>& stateImages() const { return images_; }
    void setTextFont(const QFont& font);
    void setTextOffsets(int horizontal, int vertical);
    void setButtonWidth(int width);
    // The extra height the skin gives the dropped list.
    void setDropListHeight(int height) { dropListHeight_ = height; }
    int dropListHeight() const { return dropListHeight_; }
    int buttonWidth() const { return buttonWidth_; }

    // Normal, hover, or pressed while the left button is down over it; the
    // enabled state plays no part.
    VisualState currentState() const;
    // Where the current text goes on a drop-down list's face, where its focus
    // rectangle goes, and where the editable line of a drop-down sits.
    QRect textRect() const;
    QRect focusRect() const;
    QRect editRect() const;
    // The face as painted in a state; null when the style paints nothing or
    // the state has no image.
    QImage renderFace(VisualState state) const;
    bool paintFace(QPainter& painter, VisualState state) const;

    void showPopup() override;
    void hidePopup() override;

signals:
    // The operator chose another item (from the list, with keys or the wheel);
    // choosing the item that was already selected is no change.
    void selectionChangedByUser();

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void createEditLine();
    void itemsAboutToBeAdded();
    void itemsAdded(int first, int last);
    void placeEditLine();

    std::uint32_t style_;
    QString sectionName_;
    PerState<QImage> images_;
    int horizontalOffset_ = 0;
    int verticalOffset_ = 0;
    int buttonWidth_ = 18;
    int dropListHeight_ = 16;
    bool hover_ = false;
    bool wasUnselected_ = false;
    bool arranging_ = false;
    int indexBeforeUser_ = -1;
};

} // namespace corvane

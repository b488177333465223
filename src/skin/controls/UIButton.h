#pragma once

#include "skin/ControlDescription.h"
#include "skin/controls/CaptionLayout.h"

#include <QAbstractButton>
#include <QFont>
#include <QImage>
#include <QRgb>
#include <vector>

class QPainter;

namespace corvane {

enum class ButtonKind { Push, Check, Radio };

// Which of the eight looks a button shows: checked or not, and the state.
struct ButtonLook {
    bool checked = false;
    VisualState state = kStateNormal;
    friend bool operator==(const ButtonLook&, const ButtonLook&) = default;
};

// The look from the button's inputs. A held button shows its pressed look only
// while the cursor is over it and falls back to hover when dragged off.
ButtonLook ChooseButtonLook(bool checked, bool enabled, bool heldWithMouse, bool hover);

// The skinned push button, check box and radio button: Qt's button logic
// (click, keyboard, check toggling) with a face painted from eight image sets.
// Check boxes toggle on a click; a clicked radio button unchecks the other
// radio buttons of its group (same parent, same group number), while
// setChecked() changes only the button it is called on. The arrow keys move
// from a radio button to the next one of its group and click it, as in a
// dialog box.
class UIButton : public QAbstractButton {
    Q_OBJECT

public:
    explicit UIButton(ButtonKind kind, QWidget* parent = nullptr);

    ButtonKind kind() const { return kind_; }

    void setSectionName(const QString& name) { sectionName_ = name; }
    const QString& sectionName() const { return sectionName_; }

    void setStateImages(const PerState<QImage>& images);
    void setCheckedImages(const PerState<QImage>& images);
    const PerState<QImage>& stateImages() const { return images_[0]; }
    const PerState<QImage>& checkedImages() const { return images_[1]; }

    void setTextFonts(const PerState<QFont>& fonts);
    void setCheckedTextFonts(const PerState<QFont>& fonts);
    void setTextColors(const PerState<QRgb>& colors);
    void setCheckedTextColors(const PerState<QRgb>& colors);
    void setTextLayouts(const PerState<TextLayout>& layouts);
    void setCheckedTextLayouts(const PerState<TextLayout>& layouts);
    QRgb textColor(ButtonLook look) const { return colors_[look.checked][look.state]; }

    // The dotted focus rectangle is drawn only when this is on and the button
    // is a tab stop.
    void setFocusRectEnabled(bool enabled);
    void setMultiline(bool multiline);
    bool isMultiline() const { return multiline_; }
    // The button Return activates in its window.
    void setDefault(bool isDefault) { default_ = isDefault; }
    bool isDefault() const { return default_; }
    void setRadioGroup(int group) { radioGroup_ = group; }
    int radioGroup() const { return radioGroup_; }

    // What the next paint shows, and where its caption goes.
    ButtonLook currentLook() const;
    TextBox captionBox(ButtonLook look) const;
    // The face of a look as painted, or a null image when that look has none.
    QImage renderFace(ButtonLook look) const;
    // Paints the face of a look; false (nothing painted) when it has no image.
    bool paintFace(QPainter& painter, ButtonLook look) const;

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void nextCheckState() override;

private:
    std::vector<UIButton*> groupPeers() const;
    void uncheckGroupPeers();
    bool moveInGroup(bool forward);

    ButtonKind kind_;
    QString sectionName_;
    // [0] unchecked, [1] checked
    PerState<QImage> images_[2];
    PerState<QFont> fonts_[2];
    PerState<QRgb> colors_[2]{};
    PerState<TextLayout> layouts_[2]{};
    bool focusRect_ = false;
    bool multiline_ = false;
    bool default_ = false;
    int radioGroup_ = 0;
    bool hover_ = false;
    bool pressed_ = false;
};

} // namespace corvane

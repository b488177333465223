#pragma once

#include <QImage>
#include <QString>
#include <QWidget>
#include <vector>

namespace corvane {

// Notification codes a control passes to UIWnd::onCommand, as the window
// messages name them.
enum Notification : int {
    kButtonClicked = 0,   // BN_CLICKED (also STN_CLICKED)
    kSelectionChange = 1, // CBN_SELCHANGE, for changes the operator made
    kEditChange = 0x0300, // EN_CHANGE
    kScrolled = 0x0114,   // WM_HSCROLL / WM_VSCROLL: a slider moved by the operator
};

// Codes of the five skin images a control may ask its window for.
enum SkinImage : int {
    kImageBackground = 1, // BKNO, or BKN when there is none
    kImageNormal = 2,     // BKN
    kImageHover = 3,      // BKH
    kImagePressed = 4,    // BKS
    kImageDisabled = 5,   // BKD
};

// One created skinned control: the widget, its rectangle and its canonical
// type name ("PUSHBUTTON", "CHECK", "RADIO", "STATIC", "EDIT", "COMBOBOX",
// "SLIDER").
struct ControlEntry {
    QWidget* control = nullptr;
    QRect rect;
    QString typeName;
};

// Every control, skinned or created by code, carries its numeric child id.
void SetControlId(QWidget* control, int id);
int ControlId(const QWidget* control); // -1 when the widget has none

// The skinned window: draws itself from the bitmaps of its section of the UI
// file and creates its controls from the control sections below it.
//
// A derived window supplies its skin number and, in its own create(), first
// calls createSkin() and gives up when that fails; after it, the skinned
// controls exist and the window may add controls of its own.
class UIWnd : public QWidget {
    Q_OBJECT

public:
    explicit UIWnd(QWidget* parent = nullptr);
    ~UIWnd() override;

    // The creation: section from the skin number through Resource.h, the five
    // images, the size of BKN, the mask colour and the controls. False (and
    // skinError() 2) when BKN does not load or the number has no name.
    bool createSkin();

    int skinError() const { return skinError_; }
    int skinNumber() const { return skinNumber_; }
    const QString& sectionName() const { return sectionName_; }

    // One of the five images by its code (SkinImage); a null image for any
    // other code or an image that did not load.
    QImage image(int code) const;

    const std::vector<ControlEntry>& controls() const { return controls_; }

    // The child (skinned or created by code) with this id, or nullptr.
    QWidget* control(int id) const;
    template <typename T> T* controlAs(int id) const { return qobject_cast<T*>(control(id)); }

    // Called for every user signal of a child control: the control's id and
    // the notification code.
    virtual void onCommand(int id, int notification);

protected:
    // Each window class names its skin number (1000 main window, 1020.. panels).
    virtual int designatedSkinNumber() const = 0;

    // Paints the background image unscaled at (0,0).
    virtual void drawBackground(QPainter& painter);

    void paintEvent(QPaintEvent* event) override;
    bool focusNextPrevChild(bool next) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void destroyControls();

    QString sectionName_;
    int skinNumber_ = -1;
    int skinError_ = 0;
    // background, normal, disabled, hover, pressed
    QImage background_;
    QImage normal_;
    QImage disabled_;
    QImage hover_;
    QImage pressed_;
    std::vector<ControlEntry> controls_;
};

} // namespace corvane

#pragma once

#include "skin/ControlDescription.h"

#include <QFont>
#include <QImage>
#include <QWidget>
#include <cstdint>
#include <optional>

class QLineEdit;
class QPlainTextEdit;

namespace corvane {

// The text in the case the style asks for (upper, lower or as it is).
QString CaseConverted(const QString& text, std::uint32_t editStyle);

// What typing a text into an edit with these style bits enters: the text as
// the edit takes it (upper or lower case), or nothing when the edit refuses
// it (digits-only edits refuse anything but digits).
std::optional<QString> TypedTextFor(const QString& typed, std::uint32_t editStyle);

// Whether typing the text into the line keeps the line's whole text within
// the width the line has; a line that does not scroll sideways refuses what
// would not fit.
bool TypedTextFits(const QLineEdit& line, const QString& typed, int width);

// The skinned edit box: a line editor (or a multi-line editor for the
// multi-line style) without frame or background over the control's normal
// image (the disabled image while disabled). The edit style bits give it the behaviour of the
// Windows bits they name: digits only, upper or lower case for any text, password, read-only,
// centred or right-aligned text, scroll bars, word wrap unless the text
// scrolls sideways (a single line that does not scroll takes only what fits),
// and Return entered only when the edit wants it (otherwise
// it goes to the window, which presses its default button).
class UIEdit : public QWidget {
    Q_OBJECT

public:
    // style: the edit's style bits (style::kEdit..., kHScroll, kVScroll).
    explicit UIEdit(std::uint32_t editStyle, QWidget* parent = nullptr);

    QString text() const;
    void setText(const QString& text);

    void setSectionName(const QString& name) { sectionName_ = name; }
    const QString& sectionName() const { return sectionName_; }

    // Only the normal image is drawn; the others are kept for the owner.
    void setStateImages(const PerState<QImage>& images);
    const PerState<QImage>& stateImages() const { return images_; }

    void setTextFont(const QFont& font);

    std::uint32_t editStyle() const { return style_; }
    bool isMultiline() const { return textEdit_ != nullptr; }
    bool isReadOnly() const;
    // The editor inside: exactly one of them exists.
    QLineEdit* lineEdit() const { return lineEdit_; }
    QPlainTextEdit* textEdit() const { return textEdit_; }
    QWidget* editor() const;

signals:
    // The text changed, by typing or by setText.
    void textChanged();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void createLineEditor();
    void createTextEditor();
    bool filterKey(QKeyEvent* event);
    void editorTextChanged();

    std::uint32_t style_;
    QString sectionName_;
    PerState<QImage> images_;
    QLineEdit* lineEdit_ = nullptr;
    QPlainTextEdit* textEdit_ = nullptr;
};

} // namespace corvane

#include "skin/controls/UIEdit.h"

#include "skin/controls/Drawing.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPainter>
#include <QPlainTextEdit>
#include <QTextCursor>
#include <QTextOption>

namespace corvane {

namespace {

// Editors draw only their text: the skin image of the UIEdit shows through.
void MakeTransparent(QWidget* editor) {
    QPalette palette = editor->palette();
    palette.setColor(QPalette::Base, Qt::transparent);
    palette.setColor(QPalette::Window, Qt::transparent);
    palette.setColor(QPalette::Text, Qt::black);
    // A disabled edit greys its text, as its disabled image greys its face.
    palette.setColor(QPalette::Disabled, QPalette::Text, QColor(0x80, 0x80, 0x80));
    editor->setPalette(palette);
    editor->setAutoFillBackground(false);
}

Qt::Alignment HorizontalAlignment(std::uint32_t editStyle) {
    if (editStyle & style::kEditCenter)
        return Qt::AlignHCenter;
    if (editStyle & style::kEditRight)
        return Qt::AlignRight;
    return Qt::AlignLeft;
}

bool IsReturn(const QKeyEvent* event) {
    return event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
}

} // namespace

QString CaseConverted(const QString& text, std::uint32_t editStyle) {
    if (editStyle & style::kEditUpperCase)
        return text.toUpper();
    if (editStyle & style::kEditLowerCase)
        return text.toLower();
    return text;
}

std::optional<QString> TypedTextFor(const QString& typed, std::uint32_t editStyle) {
    if (editStyle & style::kEditNumber) {
        for (const QChar c : typed) {
            if (c < u'0' || c > u'9')
                return std::nullopt;
        }
    }
    return CaseConverted(typed, editStyle);
}

bool TypedTextFits(const QLineEdit& line, const QString& typed, int width) {
    QString result = line.text();
    const int start = line.hasSelectedText() ? line.selectionStart() : line.cursorPosition();
    const int replaced = line.hasSelectedText() ? int(line.selectedText().size()) : 0;
    result.replace(start, replaced, typed);
    // QLineEdit keeps two pixels free on either side of its text.
    const QMargins margins = line.textMargins();
    const int room = width - margins.left() - margins.right() - 4;
    return line.fontMetrics().horizontalAdvance(result) <= room;
}

UIEdit::UIEdit(std::uint32_t editStyle, QWidget* parent) : QWidget(parent), style_(editStyle) {
    setAttribute(Qt::WA_NoSystemBackground);
    // A password can only be hidden on one line, so the password style
    // always gets the line editor.
    const bool multiline =
        (editStyle & style::kEditMultiline) && !(editStyle & style::kEditPassword);
    if (multiline)
        createTextEditor();
    else
        createLineEditor();
    QWidget* inner = editor();
    MakeTransparent(inner);
    inner->installEventFilter(this);
    const Qt::FocusPolicy policy = (editStyle & style::kTabStop) ? Qt::StrongFocus : Qt::ClickFocus;
    setFocusPolicy(policy);
    inner->setFocusPolicy(policy);
    setFocusProxy(inner);
}

void UIEdit::createLineEditor() {
    lineEdit_ = new QLineEdit(this);
    lineEdit_->setFrame(false);
    // One line of text sits at the top of the edit, however tall the skin
    // made it.
    lineEdit_->setAlignment(HorizontalAlignment(style_) | Qt::AlignTop);
    lineEdit_->setReadOnly(style_ & style::kEditReadOnly);
    if (style_ & style::kEditPassword)
        lineEdit_->setEchoMode(QLineEdit::Password);
    connect(lineEdit_, &QLineEdit::textChanged, this, &UIEdit::editorTextChanged);
}

void UIEdit::createTextEditor() {
    textEdit_ = new QPlainTextEdit(this);
    textEdit_->setFrameShape(QFrame::NoFrame);
    textEdit_->viewport()->setAutoFillBackground(false);
    MakeTransparent(textEdit_->viewport());
    textEdit_->setReadOnly(style_ & style::kEditReadOnly);
    textEdit_->setTabChangesFocus(true);
    // Sideways scrolling (by itself or with a bar) keeps each line whole;
    // otherwise lines wrap at words.
    const bool sideways = style_ & (style::kEditAutoHScroll | style::kHScroll);
    textEdit_->setLineWrapMode(sideways ? QPlainTextEdit::NoWrap : QPlainTextEdit::WidgetWidth);
    textEdit_->setHorizontalScrollBarPolicy((style_ & style::kHScroll) ? Qt::ScrollBarAlwaysOn
                                                                       : Qt::ScrollBarAlwaysOff);
    textEdit_->setVerticalScrollBarPolicy((style_ & style::kVScroll) ? Qt::ScrollBarAlwaysOn
                                                                     : Qt::ScrollBarAlwaysOff);
    // Skins size their edits for a line of text with a pixel around it.
    textEdit_->document()->setDocumentMargin(1);
    QTextOption option = textEdit_->document()->defaultTextOption();
    option.setAlignment(HorizontalAlignment(style_));
    textEdit_->document()->setDefaultTextOption(option);
    connect(textEdit_, &QPlainTextEdit::textChanged, this, &UIEdit::editorTextChanged);
}

// Pasted, dropped and programmatically set text follows the case style as
// typed text does; the converted text then reports the change.
void UIEdit::editorTextChanged() {
    const QString current = text();
    const QString converted = CaseConverted(current, style_);
    if (converted == current) {
        emit textChanged();
        return;
    }
    if (lineEdit_) {
        const int cursor = lineEdit_->cursorPosition();
        lineEdit_->setText(converted);
        lineEdit_->setCursorPosition(cursor);
        return;
    }
    QTextCursor cursor = textEdit_->textCursor();
    const int position = cursor.position();
    cursor.select(QTextCursor::Document);
    cursor.insertText(converted);
    cursor.setPosition(position);
    textEdit_->setTextCursor(cursor);
}

QWidget* UIEdit::editor() const {
    return lineEdit_ ? static_cast<QWidget*>(lineEdit_) : static_cast<QWidget*>(textEdit_);
}

QString UIEdit::text() const {
    return lineEdit_ ? lineEdit_->text() : textEdit_->toPlainText();
}

void UIEdit::setText(const QString& text) {
    if (text == this->text())
        return;
    if (lineEdit_)
        lineEdit_->setText(text);
    else
        textEdit_->setPlainText(text);
}

bool UIEdit::isReadOnly() const {
    return lineEdit_ ? lineEdit_->isReadOnly() : textEdit_->isReadOnly();
}

void UIEdit::setStateImages(const PerState<QImage>& images) {
    images_ = images;
    update();
}

void UIEdit::setTextFont(const QFont& font) {
    setFont(font);
    editor()->setFont(font);
}

void UIEdit::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QImage& disabled = images_[kStateDisabled];
    const QImage& face = (!isEnabled() && !disabled.isNull()) ? disabled : images_[kStateNormal];
    if (face.isNull())
        painter.fillRect(rect(), isEnabled() ? Qt::white : QColor(0xF0, 0xF0, 0xF0));
    else
        DrawPiece(painter, face);
}

void UIEdit::resizeEvent(QResizeEvent* event) {
    editor()->setGeometry(rect());
    QWidget::resizeEvent(event);
}

bool UIEdit::eventFilter(QObject* watched, QEvent* event) {
    if (watched == editor() && event->type() == QEvent::KeyPress)
        return filterKey(static_cast<QKeyEvent*>(event));
    return QWidget::eventFilter(watched, event);
}

// Applies the typing rules of the style; true when the key is dealt with here.
bool UIEdit::filterKey(QKeyEvent* event) {
    if (IsReturn(event)) {
        // The line editor passes Return on by itself.
        if (lineEdit_ || (style_ & style::kEditWantReturn))
            return false;
        // Not taken by the edit: its window decides (the default button).
        QWidget* window = parentWidget();
        if (window)
            QCoreApplication::sendEvent(window, event);
        return true;
    }
    // An edit keeps all arrow keys, even those a single line has no use for,
    // so that they never move the focus away.
    if (lineEdit_ && (event->key() == Qt::Key_Up || event->key() == Qt::Key_Down))
        return true;
    const QString typed = event->text();
    const bool printable = !typed.isEmpty() && typed.at(0).isPrint() &&
                           !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier));
    if (!printable || isReadOnly())
        return false;
    const std::optional<QString> accepted = TypedTextFor(typed, style_);
    if (!accepted)
        return true; // refused: nothing is entered
    if (lineEdit_ && !(style_ & style::kEditAutoHScroll) &&
        !TypedTextFits(*lineEdit_, *accepted, width()))
        return true;
    if (*accepted == typed)
        return false;
    if (lineEdit_)
        lineEdit_->insert(*accepted);
    else
        textEdit_->insertPlainText(*accepted);
    return true;
}

} // namespace corvane

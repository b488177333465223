#include "app/StatusNote.h"

namespace corvane {

StatusNote::StatusNote(QWidget* parent) : QLabel(parent) {
    hideTimer_.setSingleShot(true);
    connect(&hideTimer_, &QTimer::timeout, this, &QLabel::hide);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    hide();
}

void StatusNote::showNote(const QString& text) {
    setText(text);
    show();
    raise();
    hideTimer_.start(kShownMilliseconds);
}

} // namespace corvane

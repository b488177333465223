#pragma once

#include <QLabel>
#include <QTimer>

namespace corvane {

// A short line of text where the progress bar sits, saying what the last
// command did ("Sent 12 events."); it goes by itself after a few seconds and
// never asks for a click, unlike a message box.
class StatusNote : public QLabel {
    Q_OBJECT

public:
    explicit StatusNote(QWidget* parent = nullptr);

    // Shows the text (replacing one still shown) and starts its time.
    void showNote(const QString& text);

    static constexpr int kShownMilliseconds = 4000;

private:
    QTimer hideTimer_;
};

} // namespace corvane

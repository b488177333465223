#pragma once

#include <QTimer>
#include <QWidget>

namespace corvane {

// A vertical up/down control without a buddy: it keeps a position within a
// range; the upper arrow (and the Up key) moves it towards the upper end of
// the range, the lower arrow (and the Down key) towards the lower end. A held
// arrow repeats. Each change of the position is reported with scrolled().
class SpinButton : public QWidget {
    Q_OBJECT

public:
    explicit SpinButton(QWidget* parent = nullptr);

    // The range as the Windows control takes it: the lower end may be the
    // larger number, then the upper arrow counts down.
    void setRange(int lower, int upper);
    int lower() const { return lower_; }
    int upper() const { return upper_; }

    int position() const { return position_; }
    // Sets the position (clamped to the range) without reporting it.
    void setPosition(int position);

    // Delay before a held arrow starts repeating, and the repeat interval.
    void setAutoRepeat(int delayMs, int intervalMs);

    // One step towards the upper (up) or the lower end; reports a change.
    void step(bool up);

    QSize sizeHint() const override;

signals:
    void scrolled(int position);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    enum class Held { None, Up, Down };
    int clamp(int position) const;
    void repeat();

    int lower_ = 0;
    int upper_ = 100;
    int position_ = 0;
    Held held_ = Held::None;
    QTimer repeatTimer_;
    int repeatDelay_ = 400;
    int repeatInterval_ = 80;
};

} // namespace corvane

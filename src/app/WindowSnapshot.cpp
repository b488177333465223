#include "app/WindowSnapshot.h"

#include <QCoreApplication>
#include <QEvent>
#include <QRegion>
#include <QTimer>
#include <QWidget>
#include <QWindow>
#include <cstdio>
#include <memory>
#include <utility>

namespace corvane {

namespace {

constexpr int kPollMilliseconds = 20;
constexpr int kMaximumPolls = 500; // ten seconds

bool IsShown(const QWidget& window) {
    const QWindow* handle = window.windowHandle();
    return window.isVisible() && handle != nullptr && handle->isExposed();
}

void SaveOrRetry(QWidget* window, const QString& path, int pollsLeft,
                 const std::shared_ptr<bool>& done) {
    if (*done)
        return;
    if (!IsShown(*window) && pollsLeft > 0) {
        QTimer::singleShot(kPollMilliseconds, window, [window, path, pollsLeft, done] {
            SaveOrRetry(window, path, pollsLeft - 1, done);
        });
        return;
    }
    *done = true;
    const bool saved = IsShown(*window) && WindowSnapshot(*window).save(path, "PNG");
    if (!saved)
        std::fprintf(stderr, "Corvane: could not save the window to %s\n", qPrintable(path));
    QCoreApplication::exit(saved ? 0 : 1);
}

// Looks again right after the window's first paint, before work that the
// paint itself queued (the controller's clock) can delay the picture.
class FirstPaintWatch : public QObject {
public:
    FirstPaintWatch(QWidget* window, QString path, std::shared_ptr<bool> done)
        : QObject(window), window_(window), path_(std::move(path)), done_(std::move(done)) {
        window->installEventFilter(this);
    }
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == window_ && event->type() == QEvent::Paint) {
            window_->removeEventFilter(this);
            QTimer::singleShot(0, window_, [window = window_, path = path_, done = done_] {
                SaveOrRetry(window, path, kMaximumPolls, done);
            });
        }
        return false;
    }

private:
    QWidget* window_;
    QString path_;
    std::shared_ptr<bool> done_;
};

} // namespace

QImage WindowSnapshot(QWidget& window) {
    QImage image = window.grab().toImage().convertToFormat(QImage::Format_ARGB32);
    const QRegion mask = window.mask();
    if (mask.isEmpty())
        return image;
    const QRegion outside = QRegion(image.rect()).subtracted(mask);
    for (const QRect& rect : outside) {
        for (int y = rect.top(); y <= rect.bottom(); ++y) {
            for (int x = rect.left(); x <= rect.right(); ++x)
                image.setPixel(x, y, qRgba(0, 0, 0, 0));
        }
    }
    return image;
}

void SaveSnapshotWhenShown(QWidget& window, const QString& path) {
    // Let the first paint happen before looking.
    QWidget* target = &window;
    auto done = std::make_shared<bool>(false);
    new FirstPaintWatch(target, path, done);
    QTimer::singleShot(0, target,
                       [target, path, done] { SaveOrRetry(target, path, kMaximumPolls, done); });
}

} // namespace corvane

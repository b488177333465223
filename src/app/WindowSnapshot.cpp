#include "app/WindowSnapshot.h"

#include <QCoreApplication>
#include <QRegion>
#include <QTimer>
#include <QWidget>
#include <QWindow>
#include <cstdio>

namespace corvane {

namespace {

constexpr int kPollMilliseconds = 20;
constexpr int kMaximumPolls = 500; // ten seconds

bool IsShown(const QWidget& window) {
    const QWindow* handle = window.windowHandle();
    return window.isVisible() && handle != nullptr && handle->isExposed();
}

void SaveOrRetry(QWidget* window, const QString& path, int pollsLeft) {
    if (!IsShown(*window) && pollsLeft > 0) {
        QTimer::singleShot(kPollMilliseconds, window,
                           [window, path, pollsLeft] { SaveOrRetry(window, path, pollsLeft - 1); });
        return;
    }
    const bool saved = IsShown(*window) && WindowSnapshot(*window).save(path, "PNG");
    if (!saved)
        std::fprintf(stderr, "Corvane: could not save the window to %s\n", qPrintable(path));
    QCoreApplication::exit(saved ? 0 : 1);
}

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
    QTimer::singleShot(0, target, [target, path] { SaveOrRetry(target, path, kMaximumPolls); });
}

} // namespace corvane

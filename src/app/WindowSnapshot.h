#pragma once

#include <QImage>
#include <QString>

class QWidget;

namespace corvane {

// The window as the operator sees it: its rendering at its own size, with
// everything outside its mask (the cut-out corners) transparent.
QImage WindowSnapshot(QWidget& window);

// Once window is exposed and painted, saves its snapshot to path as PNG and
// ends the event loop: exit status 0 when the file was written, else 1.
void SaveSnapshotWhenShown(QWidget& window, const QString& path);

} // namespace corvane

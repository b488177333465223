#include "app/ProgramIcon.h"

#include <QPainter>
#include <QPixmap>

namespace corvane {

namespace {

// Paints the 64-unit drawing of corvane.svg scaled to a square of side pixels.
QPixmap IconPixmap(int side) {
    QPixmap pixmap(side, side);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.scale(side / 64.0, side / 64.0);
    const QColor accent(0x2A, 0x7D, 0xC4);
    painter.setPen(QPen(QColor(0x34, 0x3A, 0x44), 2));
    painter.setBrush(QColor(0x16, 0x19, 0x1E));
    painter.drawRoundedRect(QRectF(2, 2, 60, 60), 12, 12);
    painter.setPen(QPen(accent, 4));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(QPointF(32, 26), 11, 11);
    painter.fillRect(QRectF(26, 38, 12, 6), accent);
    painter.fillRect(QRectF(27, 47, 10, 3), QColor(0xC8, 0xCC, 0xD4));
    painter.setPen(QPen(accent, 3, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(12, 14), QPointF(18, 19));
    painter.drawLine(QPointF(52, 14), QPointF(46, 19));
    painter.drawLine(QPointF(32, 6), QPointF(32, 11));
    painter.setPen(QPen(QColor(0x5A, 0x62, 0x72), 2));
    painter.drawLine(QPointF(10, 56), QPointF(54, 56));
    return pixmap;
}

} // namespace

QIcon ProgramIcon() {
    QIcon icon;
    for (int side : {16, 24, 32, 48, 64, 128})
        icon.addPixmap(IconPixmap(side));
    return icon;
}

} // namespace corvane

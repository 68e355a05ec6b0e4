#include "app/shell/AppIcon.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace {

QPixmap DrawIcon(int size) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal s = size;
    QLinearGradient tile(0, 0, s, s);
    tile.setColorAt(0, QColor(0x2b, 0x6c, 0xb0));
    tile.setColorAt(1, QColor(0x1a, 0x36, 0x5d));
    painter.setBrush(tile);
    painter.setPen(Qt::NoPen);
    painter.drawRoundedRect(QRectF(0.04 * s, 0.04 * s, 0.92 * s, 0.92 * s), 0.2 * s, 0.2 * s);

    QPainterPath quill;
    quill.moveTo(0.78 * s, 0.18 * s);
    quill.cubicTo(0.50 * s, 0.22 * s, 0.30 * s, 0.45 * s, 0.26 * s, 0.74 * s);
    quill.lineTo(0.33 * s, 0.70 * s);
    quill.cubicTo(0.42 * s, 0.52 * s, 0.58 * s, 0.40 * s, 0.78 * s, 0.18 * s);
    painter.setBrush(QColor(0xf7, 0xfa, 0xfc));
    painter.drawPath(quill);
    painter.setPen(QPen(QColor(0xf6, 0xad, 0x55), 0.05 * s, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(0.22 * s, 0.80 * s), QPointF(0.62 * s, 0.80 * s));
    return pixmap;
}

}  // namespace

QIcon ApplicationIcon() {
    static const QIcon icon = [] {
        QIcon drawn;
        for (int size : {16, 32, 48, 64, 128, 256}) drawn.addPixmap(DrawIcon(size));
        return drawn;
    }();
    return icon;
}

#include "wordlist/ui/arrowicons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

QIcon arrowIcon(int direction)
{
    QPixmap pixmap(40, 40);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(20, 20);
    painter.rotate(45.0 * (direction - 1));
    QPainterPath arrow;
    arrow.moveTo(0, -16);
    arrow.lineTo(11, -3);
    arrow.lineTo(4, -3);
    arrow.lineTo(4, 15);
    arrow.lineTo(-4, 15);
    arrow.lineTo(-4, -3);
    arrow.lineTo(-11, -3);
    arrow.closeSubpath();
    painter.setPen(QPen(QColor(20, 60, 110), 1.5));
    painter.setBrush(QColor(46, 111, 183));
    painter.drawPath(arrow);
    return QIcon(pixmap);
}

#include "app/mainclientarea.h"

#include <QPainter>

MainClientArea::MainClientArea(QWidget* parent) : QWidget(parent), m_tile(backgroundTile())
{
    setAutoFillBackground(true);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, QColor(192, 192, 192));
    setPalette(palette);
}

void MainClientArea::setTiled(bool tiled)
{
    m_tiled = tiled;
    update();
}

QPixmap MainClientArea::backgroundTile()
{
    QPixmap tile(96, 96);
    tile.fill(QColor(192, 192, 192));
    QPainter painter(&tile);
    painter.setRenderHint(QPainter::TextAntialiasing);
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(14);
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(QColor(178, 178, 178));
    static const char letters[] = "QUILLMAZEWORDSFIND";
    int k = 0;
    for (int row = 0; row < 4; ++row) {
        for (int col = 0; col < 4; ++col) {
            const QRect cellRect(col * 24, row * 24, 24, 24);
            painter.drawText(cellRect, Qt::AlignCenter, QString(QLatin1Char(letters[k++ % 18])));
        }
    }
    return tile;
}

void MainClientArea::paintEvent(QPaintEvent* event)
{
    QWidget::paintEvent(event);
    if (!m_tiled || m_tile.isNull())
        return;
    QPainter painter(this);
    painter.drawTiledPixmap(rect(), m_tile);
}

#include "shapes/shapedrawing.h"

#include "storage/shaperecord.h"

#include <QPainter>

#include <algorithm>

void drawShapeGrid(QPainter& painter, const QSize& area, const ShapeRecord& shape, int cellSize,
                   const QColor& cellColour, const QColor& background)
{
    const int w = shape.width();
    const int h = shape.height();
    const int s = std::max(cellSize, 1);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.fillRect(QRect(QPoint(0, 0), area), background);
    painter.fillRect(0, 0, w * s, h * s, Qt::white);
    painter.setPen(QPen(Qt::black, 0));
    for (int k = 0; k <= h; ++k)
        painter.drawLine(0, k * s, w * s, k * s);
    for (int k = 0; k <= w; ++k)
        painter.drawLine(k * s, 0, k * s, h * s);
    // Inside the lines, so the grid stays visible between filled cells.
    for (int r = 1; r <= h; ++r)
        for (int c = 1; c <= w; ++c)
            if (shape.cellInShape(r, c))
                painter.fillRect((c - 1) * s + 1, (r - 1) * s + 1, s - 1, s - 1, cellColour);
    painter.restore();
}

int thumbnailCellSize(const QSize& area, const ShapeRecord& shape)
{
    return std::min(area.width() / shape.width(), area.height() / shape.height());
}

QColor thumbnailCellColour()
{
    // Dark blue rather than black, so the black grid lines stay visible
    // between neighbouring cells and a full rectangle reads as a grid.
    return QColor(38, 64, 139);
}

QImage shapeThumbnail(const ShapeRecord& shape, const QSize& size, const QColor& background)
{
    QImage image(size, QImage::Format_RGB32);
    QPainter painter(&image);
    drawShapeGrid(painter, size, shape, thumbnailCellSize(size, shape), thumbnailCellColour(), background);
    return image;
}

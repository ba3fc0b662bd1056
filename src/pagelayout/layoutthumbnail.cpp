#include "pagelayout/layoutthumbnail.h"

#include "storage/pagelayoutrecord.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

namespace {

// Scaled coordinates are kept within this range before they reach the
// painter, so absurd rectangles of a damaged record cannot overflow.
constexpr qint64 kCoordinateLimit = 100000;

int toPainter(qint64 value) { return static_cast<int>(std::clamp(value, -kCoordinateLimit, kCoordinateLimit)); }

qint64 scaled(int value, double scale)
{
    return static_cast<qint64>(std::trunc(static_cast<double>(value) * scale));
}

// The rectangle of (left, top) .. (right, bottom), right and bottom just
// outside, as the painter's outline expects it.
QRect blockRect(qint64 left, qint64 top, qint64 right, qint64 bottom)
{
    return QRect(QPoint(toPainter(left), toPainter(top)), QPoint(toPainter(right) - 1, toPainter(bottom) - 1));
}

void drawOutline(QPainter& painter, const QRect& rect, Qt::PenStyle style)
{
    painter.setPen(QPen(Qt::black, 0, style));
    painter.setBrush(Qt::NoBrush);
    // A one-pixel outline covers the rectangle's edges, so its last row and
    // column lie one pixel inside right and bottom.
    painter.drawRect(rect.adjusted(0, 0, -1, -1));
}

void drawColumnDividers(QPainter& painter, qint64 left, qint64 top, qint64 right, qint64 bottom, int columns)
{
    painter.setPen(QPen(Qt::black, 0, Qt::DotLine));
    const qint64 step = (right - left) / columns;
    for (int k = 1; k < columns; ++k) {
        const int x = toPainter(left + k * step);
        painter.drawLine(x, toPainter(top), x, toPainter(bottom) - 1);
    }
}

} // namespace

QColor thumbnailColour(int kind)
{
    switch (static_cast<ObjectKind>(kind)) {
    case ObjectKind::Title: return QColor(0xFF, 0xFF, 0x00);
    case ObjectKind::Puzzle: return QColor(0x80, 0x00, 0x00);
    case ObjectKind::WordList: return QColor(0x00, 0x80, 0x80);
    case ObjectKind::Bonus: return QColor(0xFF, 0x00, 0xFF);
    case ObjectKind::Text:
    case ObjectKind::Rectangle:
    case ObjectKind::Circle: return QColor(0x80, 0x80, 0x80);
    case ObjectKind::Bitmap: return QColor(Qt::white);
    }
    return QColor();
}

void drawLayoutThumbnail(QPainter& painter, const QSize& size, const PageLayoutRecord& layout,
                         const QColor& background)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.fillRect(QRect(QPoint(0, 0), size), background);
    const int pageWidth = layout.PageWidthPixels;
    const int pageHeight = layout.PageHeightPixels;
    if (pageWidth <= 0 || pageHeight <= 0) {
        painter.restore();
        return;
    }
    const double s = std::min(static_cast<double>(size.width()) / pageWidth,
                              static_cast<double>(size.height()) / pageHeight);
    const QRect page = blockRect(0, 0, scaled(pageWidth, s), scaled(pageHeight, s));
    painter.fillRect(page, Qt::white);

    for (int n = 1; n <= layout.objectCount(); ++n) {
        const LayoutObject& object = layout.object(n);
        const int kind = object.ObjKind;
        if (!isKnownObjectKind(kind))
            continue;
        const qint64 left = scaled(object.left(), s);
        const qint64 top = scaled(object.top(), s);
        const qint64 right = scaled(object.right(), s);
        const qint64 bottom = scaled(object.bottom(), s);
        const QRect rect = blockRect(left, top, right, bottom);
        const QColor colour = thumbnailColour(kind);

        if (kind == int(ObjectKind::Circle)) {
            painter.setPen(QPen(Qt::black, 0));
            painter.setBrush(colour);
            painter.drawEllipse(rect.adjusted(0, 0, -1, -1));
            continue;
        }
        painter.fillRect(rect, colour);
        if (kind == int(ObjectKind::Bitmap))
            drawOutline(painter, object.Transparent ? page : rect, Qt::DotLine);
        else
            drawOutline(painter, rect, Qt::SolidLine);
        if (kind == int(ObjectKind::WordList) && object.numColumns() >= 2)
            drawColumnDividers(painter, left, top, right, bottom, object.numColumns());
    }
    painter.restore();
}

QImage layoutThumbnail(const PageLayoutRecord& layout, const QSize& size, const QColor& background)
{
    QImage image(size, QImage::Format_RGB32);
    QPainter painter(&image);
    drawLayoutThumbnail(painter, size, layout, background);
    return image;
}

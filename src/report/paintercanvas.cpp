#include "report/paintercanvas.h"

#include "report/canvasfont.h"

#include <QImage>
#include <QPaintDevice>
#include <QPainter>
#include <QPainterPath>
#include <QPen>

PainterCanvas::PainterCanvas(QPainter* painter, double dpiX, double dpiY, const QPointF& origin)
{
    attach(painter, dpiX, dpiY, origin);
}

void PainterCanvas::attach(QPainter* painter, double dpiX, double dpiY, const QPointF& origin)
{
    m_painter = painter;
    m_dpiX = dpiX > 0 ? dpiX : 96;
    m_dpiY = dpiY > 0 ? dpiY : 96;
    m_origin = origin;
    if (ready() && inPage())
        applyAll();
}

bool PainterCanvas::ready() const
{
    return m_painter && m_painter->isActive();
}

void PainterCanvas::pageStarted(const PageSetup&)
{
    if (ready())
        applyAll();
}

void PainterCanvas::applyAll()
{
    // Everything is drawn in inches; the transform takes it to the device.
    m_painter->setWorldTransform(QTransform::fromTranslate(m_origin.x(), m_origin.y()).scale(m_dpiX, m_dpiY));
    m_painter->setRenderHint(QPainter::Antialiasing, false);
    m_painter->setRenderHint(QPainter::TextAntialiasing, true);
    m_painter->setRenderHint(QPainter::SmoothPixmapTransform, true);
    m_painter->setBackgroundMode(Qt::TransparentMode);
    penChanged();
    brushChanged();
    fontChanged();
    clipChanged();
}

void PainterCanvas::penChanged()
{
    if (!ready())
        return;
    QPen qpen(pen().color, pen().width, pen().style);
    qpen.setCosmetic(pen().width <= 0);
    m_painter->setPen(qpen);
}

void PainterCanvas::brushChanged()
{
    if (!ready())
        return;
    m_painter->setBrush(brush().solid ? QBrush(brush().color) : QBrush(Qt::NoBrush));
}

void PainterCanvas::fontChanged()
{
    if (!ready())
        return;
    QPaintDevice* device = m_painter->device();
    m_qfont = layoutFont(font(), device ? device->logicalDpiY() : 96);
    m_metrics = device ? QFontMetricsF(m_qfont, device) : QFontMetricsF(m_qfont);
}

void PainterCanvas::clipChanged()
{
    if (!ready())
        return;
    if (hasClip())
        m_painter->setClipRect(clip());
    else
        m_painter->setClipping(false);
}

void PainterCanvas::drawLine(const QPointF& from, const QPointF& to)
{
    if (ready())
        m_painter->drawLine(from, to);
}

void PainterCanvas::drawPolygon(const QPolygonF& polygon)
{
    if (ready())
        m_painter->drawPolygon(polygon);
}

void PainterCanvas::drawPolyline(const QPolygonF& points)
{
    if (ready())
        m_painter->drawPolyline(points);
}

void PainterCanvas::drawRect(const QRectF& rect)
{
    if (ready())
        m_painter->drawRect(rect.normalized());
}

void PainterCanvas::fillRect(const QRectF& rect)
{
    if (ready() && brush().solid)
        m_painter->fillRect(rect.normalized(), brush().color);
}

void PainterCanvas::drawEllipse(const QRectF& box)
{
    if (ready())
        m_painter->drawEllipse(box.normalized());
}

void PainterCanvas::drawArc(const QRectF& box, double startAngle, double spanAngle)
{
    if (!ready())
        return;
    // QPainter takes whole sixteenths of a degree; a path keeps the exact angles.
    QPainterPath path;
    const QRectF r = box.normalized();
    path.arcMoveTo(r, startAngle);
    path.arcTo(r, startAngle, spanAngle);
    m_painter->strokePath(path, m_painter->pen());
}

void PainterCanvas::drawText(const QPointF& origin, const QString& text)
{
    if (!ready() || text.isEmpty())
        return;
    m_painter->save();
    // Lay the text out at the reference size and scale it onto the device,
    // so its length is the same on every device.
    m_painter->translate(origin);
    m_painter->scale(1.0 / kReferenceDpi, 1.0 / kReferenceDpi);
    m_painter->setFont(m_qfont);
    if (textBackground().alpha() > 0) {
        const QRectF cell(0, -m_metrics.ascent(), m_metrics.horizontalAdvance(text),
                          m_metrics.ascent() + m_metrics.descent());
        m_painter->fillRect(cell, textBackground());
    }
    m_painter->setPen(QPen(font().color));
    m_painter->drawText(QPointF(0, 0), text);
    m_painter->restore();
}

void PainterCanvas::drawImage(const QRectF& target, const QImage& image)
{
    if (ready() && !image.isNull())
        m_painter->drawImage(target.normalized(), image);
}

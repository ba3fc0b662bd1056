#pragma once

#include "report/canvas.h"

#include <QFont>
#include <QFontMetricsF>

class QPainter;

// A canvas that draws with a QPainter, so the preview image (QImage), PDF
// (QPdfWriter) and the printer share one implementation. An inch maps onto
// dpiX × dpiY device pixels and the paper's top-left corner onto origin.
// Lines drawn with a zero-width pen are one device pixel wide; shapes are not
// antialiased, text is.
class PainterCanvas : public Canvas {
public:
    // painter must be active while pages are drawn; it is not owned.
    PainterCanvas(QPainter* painter, double dpiX, double dpiY, const QPointF& origin = {});

    void drawLine(const QPointF& from, const QPointF& to) override;
    void drawPolygon(const QPolygonF& polygon) override;
    void drawText(const QPointF& origin, const QString& text) override;
    void drawImage(const QRectF& target, const QImage& image) override;
    void drawPolyline(const QPolygonF& points) override;
    void drawRect(const QRectF& rect) override;
    void fillRect(const QRectF& rect) override;
    void drawEllipse(const QRectF& box) override;
    void drawArc(const QRectF& box, double startAngle, double spanAngle) override;

protected:
    PainterCanvas() = default;
    // Points the canvas at a painter (for canvases that open their device
    // page by page); null detaches it, after which drawing does nothing.
    void attach(QPainter* painter, double dpiX, double dpiY, const QPointF& origin = {});

    void pageStarted(const PageSetup& page) override;
    void pageEnded() override {}
    void penChanged() override;
    void brushChanged() override;
    void fontChanged() override;
    void clipChanged() override;

private:
    bool ready() const;
    void applyAll();

    QPainter* m_painter = nullptr;
    double m_dpiX = 96;
    double m_dpiY = 96;
    QPointF m_origin;
    QFont m_qfont;
    QFontMetricsF m_metrics{QFont()};
};

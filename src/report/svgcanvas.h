#pragma once

#include "report/canvas.h"

#include <QByteArray>
#include <QFontMetricsF>

#include <memory>
#include <optional>

class QBuffer;
class QXmlStreamWriter;

// A canvas that writes one page as a Scalable Vector Graphics document: the
// paper's size in inches with 96 user units to the inch, text as <text> in
// its font (stretched to the length it has on every other canvas), lines,
// rectangles, polygons, ellipses and arcs as shapes, pictures embedded as
// PNG, clips as clip paths. The document is complete when its page ends; a
// later page starts a new one.
class SvgCanvas : public Canvas {
public:
    SvgCanvas();
    ~SvgCanvas() override;

    // The last complete document; empty before a page has ended.
    const QByteArray& document() const { return m_document; }

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
    void pageStarted(const PageSetup& page) override;
    void pageEnded() override;
    void fontChanged() override;
    void clipChanged() override;

private:
    // An element with the position and size of rect.
    void box(const char* element, const QRectF& rect);
    void stroke(bool filled);
    void fillOnly(const QColor& color);
    void points(const char* element, const QPolygonF& polygon, bool filled);

    std::unique_ptr<QBuffer> m_buffer;
    std::unique_ptr<QXmlStreamWriter> m_xml;
    QByteArray m_document;
    std::optional<QFontMetricsF> m_metrics; // of the current font at the reference resolution
    bool m_clipOpen = false;
    int m_clips = 0;
};

#pragma once

#include "report/pagesetup.h"

#include <QColor>
#include <QPointF>
#include <QPolygonF>
#include <QRectF>
#include <QString>

#include <cstdint>

class QImage;

// Every page of the program is drawn onto a Canvas: the report engine, the
// stream recorder and replayer, the preview image, PDF and printer output all
// meet here. Coordinates are inches from the top-left corner of the paper, x
// to the right and y downwards; each canvas maps them onto its own device.

// A Windows colour value 0x00BBGGRR as a QColor (the high byte is ignored).
QColor colorFromWindows(std::uint32_t bgr);

struct CanvasPen {
    QColor color = Qt::black;
    double width = 0;                   // inches; 0 draws one device pixel wide
    Qt::PenStyle style = Qt::SolidLine; // NoPen .. DashDotDotLine
    bool operator==(const CanvasPen&) const = default;
};

struct CanvasBrush {
    QColor color = Qt::white;
    bool solid = true; // false: shapes are not filled
    bool operator==(const CanvasBrush&) const = default;
};

// A font as drawn: the family, the em size in inches (the engine turns point
// sizes into em sizes), style flags and colour. Text is laid out at the
// reference resolution (see canvasfont.h) whatever the device, so a line is
// equally long on every canvas.
struct CanvasFont {
    QString family = QStringLiteral("Arial");
    double emSize = 10.0 / 72.0;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;
    QColor color = Qt::black;
    bool operator==(const CanvasFont&) const = default;
};

class Canvas {
public:
    virtual ~Canvas() = default;

    // Starts a page on the given paper. Pen, brush, font, text background and
    // clip return to their defaults (default-constructed values, transparent
    // text background, no clip).
    void beginPage(const PageSetup& page);
    void endPage();
    bool inPage() const { return m_inPage; }
    const PageSetup& page() const { return m_page; }

    // State setters tell the device only about real changes.
    void setPen(const CanvasPen& pen);
    void setBrush(const CanvasBrush& brush);
    void setFont(const CanvasFont& font);
    // The colour drawn behind text; alpha 0 draws text without background.
    void setTextBackground(const QColor& color);
    // Drawing is limited to rect until resetClip.
    void setClip(const QRectF& rect);
    void resetClip();

    const CanvasPen& pen() const { return m_pen; }
    const CanvasBrush& brush() const { return m_brush; }
    const CanvasFont& font() const { return m_font; }
    const QColor& textBackground() const { return m_textBackground; }
    bool hasClip() const { return m_hasClip; }
    const QRectF& clip() const { return m_clip; }

    // Drawing. The essential primitives are pure; the others have simple
    // fallbacks in terms of them, so a small canvas implements five calls.
    virtual void drawLine(const QPointF& from, const QPointF& to) = 0;
    // Closed polygon outlined with the pen and filled with the brush.
    virtual void drawPolygon(const QPolygonF& polygon) = 0;
    // Text with the left end of its baseline at origin, in the current font.
    virtual void drawText(const QPointF& origin, const QString& text) = 0;
    // The image scaled into target.
    virtual void drawImage(const QRectF& target, const QImage& image) = 0;

    virtual void drawPolyline(const QPolygonF& points);
    // Outlined with the pen, filled with the brush.
    virtual void drawRect(const QRectF& rect);
    // Filled with the brush, no outline.
    virtual void fillRect(const QRectF& rect);
    virtual void drawEllipse(const QRectF& box);
    // Arc of the ellipse inscribed in box, from startAngle over spanAngle
    // degrees, counter-clockwise as seen on the page for positive spans;
    // 0 degrees points right. Angles are those of the ellipse's parameter
    // (the point box centre + (rx cos a, -ry sin a)).
    virtual void drawArc(const QRectF& box, double startAngle, double spanAngle);

protected:
    virtual void pageStarted(const PageSetup& page) = 0;
    virtual void pageEnded() = 0;
    virtual void penChanged() {}
    virtual void brushChanged() {}
    virtual void fontChanged() {}
    virtual void textBackgroundChanged() {}
    virtual void clipChanged() {}

private:
    PageSetup m_page;
    bool m_inPage = false;
    CanvasPen m_pen;
    CanvasBrush m_brush;
    CanvasFont m_font;
    QColor m_textBackground = Qt::transparent;
    QRectF m_clip;
    bool m_hasClip = false;
};

// Points along the arc of the ellipse inscribed in box (see drawArc), close
// enough for a smooth curve at any page size.
QPolygonF arcPoints(const QRectF& box, double startAngle, double spanAngle);

#pragma once

#include "report/canvas.h"

#include <QImage>
#include <QStringList>

// A canvas that writes every call it receives as one line of text, lengths
// to 1/10000 inch, so two sequences of calls compare as string lists. Only
// the essential primitives are its own unless allCalls is set; otherwise the
// others reach it through the Canvas fallbacks.
class LoggingCanvas : public Canvas {
public:
    explicit LoggingCanvas(bool allCalls = true) : m_allCalls(allCalls) {}

    QStringList calls;

    void drawLine(const QPointF& a, const QPointF& b) override { log("line", pts({a, b})); }
    void drawPolygon(const QPolygonF& p) override { log("polygon", pts(p)); }
    void drawText(const QPointF& o, const QString& text) override { log("text", pts({o}) + u' ' + text); }
    void drawImage(const QRectF& r, const QImage& image) override
    {
        log("image", rect(r) + QStringLiteral(" %1x%2 %3").arg(image.width()).arg(image.height()).arg(image.pixel(0, 0), 0, 16));
    }
    void drawPolyline(const QPolygonF& p) override { m_allCalls ? log("polyline", pts(p)) : Canvas::drawPolyline(p); }
    void drawRect(const QRectF& r) override { m_allCalls ? log("rect", rect(r)) : Canvas::drawRect(r); }
    void fillRect(const QRectF& r) override { m_allCalls ? log("fillRect", rect(r)) : Canvas::fillRect(r); }
    void drawEllipse(const QRectF& r) override { m_allCalls ? log("ellipse", rect(r)) : Canvas::drawEllipse(r); }
    void drawArc(const QRectF& r, double start, double span) override
    {
        if (m_allCalls)
            log("arc", rect(r) + u' ' + num(start) + u' ' + num(span));
        else
            Canvas::drawArc(r, start, span);
    }

    static QString num(double v) { return QString::number(v, 'f', 4); }

protected:
    void pageStarted(const PageSetup& p) override
    {
        log("beginPage", QStringLiteral("%1 %2x%3%4").arg(p.paperCode).arg(p.widthTenthsMm).arg(p.heightTenthsMm)
                             .arg(p.landscape ? " landscape" : ""));
    }
    void pageEnded() override { log("endPage", {}); }
    void penChanged() override
    {
        log("pen", pen().color.name(QColor::HexArgb) + u' ' + num(pen().width) + u' ' + QString::number(int(pen().style)));
    }
    void brushChanged() override { log("brush", brush().color.name(QColor::HexArgb) + (brush().solid ? " solid" : " clear")); }
    void fontChanged() override
    {
        const CanvasFont& f = font();
        log("font", QStringLiteral("%1 %2 %3%4%5%6 %7").arg(f.family, num(f.emSize)).arg(f.bold).arg(f.italic)
                        .arg(f.underline).arg(f.strikeOut).arg(f.color.name(QColor::HexArgb)));
    }
    void textBackgroundChanged() override { log("textBackground", textBackground().name(QColor::HexArgb)); }
    void clipChanged() override { log("clip", hasClip() ? rect(clip()) : QStringLiteral("off")); }

private:
    void log(const char* what, const QString& args) { calls << (QLatin1String(what) + u' ' + args).trimmed(); }
    static QString pts(const QPolygonF& points)
    {
        QStringList parts;
        for (const QPointF& p : points)
            parts << num(p.x()) + u',' + num(p.y());
        return parts.join(u' ');
    }
    static QString rect(const QRectF& r) { return pts({r.topLeft(), QPointF(r.width(), r.height())}); }

    bool m_allCalls;
};

#pragma once

#include "report/canvas.h"
#include "report/reportformat.h"

#include <QImage>

#include <cmath>

// A canvas that checks every call against the limits a replayed report
// stream promises (reportformat.h): finite coordinates within the page area
// a reader accepts, pen widths and font sizes in range, texts and polygons
// no longer than a record may hold. Counts what breaks them.
class LimitsCanvas : public Canvas {
public:
    int violations = 0;
    int drawn = 0;

    void drawLine(const QPointF& a, const QPointF& b) override { check({a, b}); }
    void drawPolygon(const QPolygonF& polygon) override
    {
        check(polygon);
        count(polygon.size() <= reportformat::MaxPoints);
    }
    void drawText(const QPointF& origin, const QString& text) override
    {
        check({origin});
        count(text.toUtf8().size() <= reportformat::MaxTextLength);
    }
    void drawImage(const QRectF& target, const QImage& image) override
    {
        check({target.topLeft(), target.bottomRight()});
        count(!image.isNull());
    }

protected:
    void pageStarted(const PageSetup&) override {}
    void pageEnded() override {}
    void penChanged() override { count(inRange(pen().width, 0, reportformat::MaxPenWidth)); }
    void fontChanged() override { count(inRange(font().emSize, 0, reportformat::MaxEmSize)); }
    void clipChanged() override
    {
        if (hasClip())
            check({clip().topLeft(), clip().bottomRight()});
    }

private:
    static bool inRange(double v, double low, double high) { return std::isfinite(v) && v >= low && v <= high; }
    // Sizes are added to corners, so a rectangle may reach twice as far.
    static bool onPage(const QPointF& p)
    {
        const double limit = 2 * reportformat::MaxCoordinate;
        return inRange(p.x(), -limit, limit) && inRange(p.y(), -limit, limit);
    }
    void check(const QPolygonF& points)
    {
        for (const QPointF& p : points)
            count(onPage(p));
    }
    void count(bool ok)
    {
        ++drawn;
        if (!ok)
            ++violations;
    }
};

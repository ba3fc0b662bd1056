#include "report/canvas.h"

#include <QtMath>

#include <algorithm>
#include <array>
#include <cmath>

QColor colorFromWindows(std::uint32_t bgr)
{
    return QColor(bgr & 0xFF, (bgr >> 8) & 0xFF, (bgr >> 16) & 0xFF);
}

void Canvas::beginPage(const PageSetup& page)
{
    if (m_inPage)
        endPage();
    m_page = page;
    m_pen = {};
    m_brush = {};
    m_font = {};
    m_textBackground = Qt::transparent;
    m_hasClip = false;
    m_clip = {};
    m_inPage = true;
    pageStarted(page);
}

void Canvas::endPage()
{
    if (!m_inPage)
        return;
    m_inPage = false;
    pageEnded();
}

void Canvas::setPen(const CanvasPen& pen)
{
    if (pen == m_pen)
        return;
    m_pen = pen;
    penChanged();
}

void Canvas::setBrush(const CanvasBrush& brush)
{
    if (brush == m_brush)
        return;
    m_brush = brush;
    brushChanged();
}

void Canvas::setFont(const CanvasFont& font)
{
    if (font == m_font)
        return;
    m_font = font;
    fontChanged();
}

void Canvas::setTextBackground(const QColor& color)
{
    // Every fully transparent colour means the same: no background.
    const QColor value = color.alpha() == 0 ? QColor(Qt::transparent) : color;
    if (value == m_textBackground)
        return;
    m_textBackground = value;
    textBackgroundChanged();
}

void Canvas::setClip(const QRectF& rect)
{
    if (m_hasClip && rect == m_clip)
        return;
    m_clip = rect;
    m_hasClip = true;
    clipChanged();
}

void Canvas::resetClip()
{
    if (!m_hasClip)
        return;
    m_hasClip = false;
    m_clip = {};
    clipChanged();
}

void Canvas::drawPolyline(const QPolygonF& points)
{
    for (qsizetype i = 1; i < points.size(); ++i)
        drawLine(points[i - 1], points[i]);
}

void Canvas::drawRect(const QRectF& rect)
{
    drawPolygon(QPolygonF(rect.normalized()).mid(0, 4));
}

void Canvas::fillRect(const QRectF& rect)
{
    const CanvasPen saved = m_pen;
    setPen(CanvasPen{saved.color, saved.width, Qt::NoPen});
    drawRect(rect);
    setPen(saved);
}

void Canvas::drawEllipse(const QRectF& box)
{
    QPolygonF points = arcPoints(box, 0, 360);
    if (points.size() > 1)
        points.removeLast(); // the polygon closes itself
    drawPolygon(points);
}

void Canvas::drawArc(const QRectF& box, double startAngle, double spanAngle)
{
    drawPolyline(arcPoints(box, startAngle, spanAngle));
}

namespace {

// The angle of point i of an arc cut into steps, in radians.
double arcAngle(double startAngle, double spanAngle, int i, int steps)
{
    return qDegreesToRadians(startAngle + spanAngle * i / steps);
}

// Cosine and sine of every point of a whole circle from 0 degrees: ellipses
// take them from here, the same values the arc loop would compute.
struct UnitCircle {
    static constexpr int Steps = 360;
    std::array<double, Steps + 1> cos{};
    std::array<double, Steps + 1> sin{};
};

const UnitCircle& unitCircle()
{
    static const UnitCircle circle = [] {
        UnitCircle c;
        for (int i = 0; i <= UnitCircle::Steps; ++i) {
            const double a = arcAngle(0, UnitCircle::Steps, i, UnitCircle::Steps);
            c.cos[i] = std::cos(a);
            c.sin[i] = std::sin(a);
        }
        return c;
    }();
    return circle;
}

} // namespace

QPolygonF arcPoints(const QRectF& box, double startAngle, double spanAngle)
{
    const QRectF r = box.normalized();
    const double rx = r.width() / 2;
    const double ry = r.height() / 2;
    const QPointF centre = r.center();
    if (!std::isfinite(startAngle) || !std::isfinite(spanAngle))
        return {};
    spanAngle = std::clamp(spanAngle, -360.0, 360.0);
    // About one point per degree of a full circle; fewer for short arcs.
    const int steps = std::max(2, static_cast<int>(std::ceil(std::abs(spanAngle))));
    QPolygonF points(steps + 1);
    QPointF* point = points.data();
    if (startAngle == 0 && spanAngle == UnitCircle::Steps) {
        const UnitCircle& circle = unitCircle();
        for (int i = 0; i <= steps; ++i)
            point[i] = QPointF(centre.x() + rx * circle.cos[i], centre.y() - ry * circle.sin[i]);
        return points;
    }
    for (int i = 0; i <= steps; ++i) {
        const double a = arcAngle(startAngle, spanAngle, i, steps);
        point[i] = QPointF(centre.x() + rx * std::cos(a), centre.y() - ry * std::sin(a));
    }
    return points;
}

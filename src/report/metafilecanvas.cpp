#include "report/metafilecanvas.h"

#include "report/canvasfont.h"

#include <QIODevice>
#include <QImage>
#include <QtMath>

#include <algorithm>
#include <cmath>

namespace {

constexpr double Units = MetafileGeometry::UnitsPerInch;
// Far beyond any paper in units, well inside the 16-bit coordinates of WMF.
constexpr double MaxUnits = 30000;

int toUnits(double inches)
{
    const double value = std::isfinite(inches) ? std::round(inches * Units) : 0.0;
    return int(std::clamp(value, -MaxUnits, MaxUnits));
}

std::uint16_t penStyle(Qt::PenStyle style)
{
    switch (style) {
    case Qt::NoPen:
        return PenNull;
    case Qt::DashLine:
        return PenDash;
    case Qt::DotLine:
        return PenDot;
    case Qt::DashDotLine:
        return PenDashDot;
    case Qt::DashDotDotLine:
        return PenDashDotDot;
    default:
        return PenSolid;
    }
}

} // namespace

std::uint32_t windowsColor(const QColor& color)
{
    const QRgb rgb = color.rgb();
    return std::uint32_t(qRed(rgb)) | std::uint32_t(qGreen(rgb)) << 8 | std::uint32_t(qBlue(rgb)) << 16;
}

MetafileCanvas::MetafileCanvas(MetafileFormat format) : m_format(format) {}

MetafileCanvas::~MetafileCanvas() = default;

bool MetafileCanvas::writeTo(QIODevice& device) const
{
    return !m_picture.isEmpty() && device.write(m_picture) == m_picture.size();
}

// ---------------------------------------------------------------- page

void MetafileCanvas::pageStarted(const PageSetup& page)
{
    m_records = makeMetafileRecords(m_format);
    m_geometry = MetafileGeometry::forPage(page.widthInches(), page.heightInches());
    m_slots.clear();
    m_slotsNeeded = 0;
    m_retired.clear();
    m_pen = {};
    m_brush = {};
    m_font = {};
    m_textColor.reset();
    m_backgroundColor.reset();
    m_opaque.reset();
    m_position.reset();
    m_clipSaved = false;
    m_records->setTextAlign(TextAlignBaseline);
    fontChanged();
}

void MetafileCanvas::pageEnded()
{
    if (m_clipSaved)
        m_records->restoreState();
    m_picture = m_records->picture(m_geometry, m_slotsNeeded);
    m_records.reset();
}

void MetafileCanvas::fontChanged()
{
    m_metrics.emplace(layoutFont(font(), kReferenceDpi), &referenceDevice());
    m_advanceOf.clear();
}

void MetafileCanvas::clipChanged()
{
    if (!m_records)
        return;
    // A clip lives in a saved state, so that restoring the state removes it.
    if (m_clipSaved) {
        m_records->restoreState();
        m_clipSaved = false;
        reselectAfterRestore();
    }
    if (hasClip()) {
        m_records->saveState();
        m_clipSaved = true;
        m_records->intersectClip(units(clip()));
    }
}

// ---------------------------------------------------------------- units

QPoint MetafileCanvas::units(const QPointF& inches) const
{
    return {toUnits(inches.x()), toUnits(inches.y())};
}

MetaRect MetafileCanvas::units(const QRectF& inches) const
{
    const QRectF r = inches.normalized();
    return {toUnits(r.left()), toUnits(r.top()), toUnits(r.right()), toUnits(r.bottom())};
}

QList<QPoint> MetafileCanvas::units(const QPolygonF& inches) const
{
    QList<QPoint> points;
    points.reserve(inches.size());
    for (const QPointF& p : inches)
        points << units(p);
    return points;
}

// ---------------------------------------------------------------- objects

int MetafileCanvas::takeSlot()
{
    // A new object takes the lowest free slot, as the formats' players do.
    const auto free = std::find(m_slots.begin(), m_slots.end(), false);
    const int slot = int(free - m_slots.begin());
    if (free == m_slots.end())
        m_slots.push_back(true);
    else
        *free = true;
    m_slotsNeeded = std::max(m_slotsNeeded, int(m_slots.size()));
    return slot;
}

void MetafileCanvas::releaseSlot(int slot)
{
    m_records->deleteObject(slot);
    m_slots[size_t(slot)] = false;
}

template <typename Value, typename Create>
void MetafileCanvas::select(Selected<Value>& selected, const Value& value, Create create)
{
    if (selected.value == value) {
        if (!selected.selected)
            m_records->selectObject(selected.slot);
        selected.selected = true;
        return;
    }
    const int slot = takeSlot();
    create(slot, value);
    m_records->selectObject(slot);
    if (selected.slot >= 0) {
        // A saved state may select the old object again when it is restored.
        if (m_clipSaved)
            m_retired.push_back(selected.slot);
        else
            releaseSlot(selected.slot);
    }
    selected = {value, slot, true};
}

void MetafileCanvas::reselectAfterRestore()
{
    for (int slot : {m_pen.slot, m_brush.slot, m_font.slot})
        if (slot >= 0)
            m_records->selectObject(slot);
    for (int slot : m_retired)
        releaseSlot(slot);
    m_retired.clear();
    // The restored state has its own colours, modes and position.
    m_textColor.reset();
    m_backgroundColor.reset();
    m_opaque.reset();
    m_position.reset();
}

MetaPen MetafileCanvas::currentPen() const
{
    const int width = pen().width > 0 ? std::max(1, toUnits(pen().width)) : 0;
    return {penStyle(pen().style), width, windowsColor(pen().color)};
}

MetaBrush MetafileCanvas::currentBrush() const
{
    return {brush().solid ? BrushSolid : BrushNull, windowsColor(brush().color)};
}

void MetafileCanvas::usePen(const MetaPen& pen)
{
    select(m_pen, pen, [this](int slot, const MetaPen& p) { m_records->createPen(slot, p); });
}

void MetafileCanvas::useBrush(const MetaBrush& brush)
{
    select(m_brush, brush, [this](int slot, const MetaBrush& b) { m_records->createBrush(slot, b); });
}

void MetafileCanvas::useTextState()
{
    const CanvasFont& f = font();
    MetaFont meta;
    meta.height = -std::max(1, toUnits(f.emSize));
    meta.weight = f.bold ? 700 : 400;
    meta.italic = f.italic;
    meta.underline = f.underline;
    meta.strikeOut = f.strikeOut;
    meta.face = f.family;
    select(m_font, meta, [this](int slot, const MetaFont& font) { m_records->createFont(slot, font); });

    const std::uint32_t textColor = windowsColor(f.color);
    if (m_textColor != textColor)
        m_records->setTextColor(textColor);
    m_textColor = textColor;
    const bool opaque = textBackground().alpha() > 0;
    if (m_opaque != opaque)
        m_records->setBackgroundMode(opaque);
    m_opaque = opaque;
    if (opaque) {
        const std::uint32_t background = windowsColor(textBackground());
        if (m_backgroundColor != background)
            m_records->setBackgroundColor(background);
        m_backgroundColor = background;
    }
}

qreal MetafileCanvas::advanceOf(const QString& character) const
{
    // Every letter of a text is measured alone, and a page has few
    // different letters; shaping each one anew was a quarter of an export's time.
    constexpr qsizetype kMaxRemembered = 1024;
    if (const auto found = m_advanceOf.constFind(character); found != m_advanceOf.constEnd())
        return *found;
    const qreal advance = m_metrics->horizontalAdvance(character);
    if (m_advanceOf.size() >= kMaxRemembered)
        m_advanceOf.clear();
    m_advanceOf.insert(character, advance);
    return advance;
}

QList<int> MetafileCanvas::advances(const QString& text) const
{
    // Positions are rounded as they add up, so the whole text keeps the
    // length it has on every other canvas.
    QList<int> dx;
    dx.reserve(text.size());
    double position = 0;
    int previous = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const bool pair = text[i].isHighSurrogate() && i + 1 < text.size();
        position += advanceOf(text.mid(i, pair ? 2 : 1)) * Units / kReferenceDpi;
        const int next = int(std::lround(position));
        dx << next - previous;
        previous = next;
        if (pair)
            dx << 0, ++i;
    }
    return dx;
}

// ---------------------------------------------------------------- drawing

void MetafileCanvas::drawLine(const QPointF& from, const QPointF& to)
{
    if (!m_records)
        return;
    usePen(currentPen());
    const QPoint start = units(from);
    if (m_position != start)
        m_records->moveTo(start);
    m_position = units(to);
    m_records->lineTo(*m_position);
}

void MetafileCanvas::drawPolyline(const QPolygonF& points)
{
    if (!m_records || points.size() < 2)
        return;
    usePen(currentPen());
    m_records->polyline(units(points));
}

void MetafileCanvas::drawPolygon(const QPolygonF& polygon)
{
    if (!m_records || polygon.size() < 2)
        return;
    usePen(currentPen());
    useBrush(currentBrush());
    m_records->polygon(units(polygon));
}

void MetafileCanvas::drawRect(const QRectF& rect)
{
    if (!m_records)
        return;
    usePen(currentPen());
    useBrush(currentBrush());
    m_records->rectangle(units(rect));
}

void MetafileCanvas::fillRect(const QRectF& rect)
{
    if (!m_records || !brush().solid)
        return;
    usePen(MetaPen{PenNull, 0, windowsColor(pen().color)});
    useBrush(currentBrush());
    // Without an outline a rectangle leaves out its right and bottom edge;
    // one unit more covers the whole box.
    MetaRect box = units(rect);
    ++box.right;
    ++box.bottom;
    m_records->rectangle(box);
}

void MetafileCanvas::drawEllipse(const QRectF& box)
{
    if (!m_records)
        return;
    usePen(currentPen());
    useBrush(currentBrush());
    m_records->ellipse(units(box));
}

void MetafileCanvas::drawArc(const QRectF& box, double startAngle, double spanAngle)
{
    if (!m_records || !std::isfinite(startAngle) || !std::isfinite(spanAngle) || spanAngle == 0)
        return;
    usePen(currentPen());
    const MetaRect r = units(box);
    // The formats always run counter-clockwise; a clockwise arc is the same
    // arc taken from its other end.
    double from = startAngle;
    double to = startAngle + std::clamp(spanAngle, -360.0, 360.0);
    if (spanAngle < 0)
        std::swap(from, to);
    if (std::abs(spanAngle) >= 360)
        to = from; // equal rays: the whole ellipse
    // The records take points on the rays, which need not lie on the
    // ellipse: far-out points keep the angles exact in whole units.
    const double cx = (r.left + r.right) / 2.0;
    const double cy = (r.top + r.bottom) / 2.0;
    const double rx = std::max(0.5, (r.right - r.left) / 2.0);
    const double ry = std::max(0.5, (r.bottom - r.top) / 2.0);
    const double reach = std::max(200.0, 4 * std::max(rx, ry));
    const auto ray = [&](double degrees) {
        const double a = qDegreesToRadians(degrees);
        const double dx = rx * std::cos(a);
        const double dy = -ry * std::sin(a);
        const double length = std::hypot(dx, dy);
        return QPoint(int(std::lround(cx + dx / length * reach)), int(std::lround(cy + dy / length * reach)));
    };
    m_records->arc(r, ray(from), ray(to));
}

void MetafileCanvas::drawText(const QPointF& origin, const QString& text)
{
    if (!m_records || text.isEmpty())
        return;
    useTextState();
    m_records->text(units(origin), text, advances(text));
}

void MetafileCanvas::drawImage(const QRectF&, const QImage&) {}

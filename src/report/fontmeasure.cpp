#include "report/fontmeasure.h"

#include "report/canvasfont.h"

#include <QHash>
#include <QImage>

#include <algorithm>
#include <cmath>

namespace {

// Proportions of a typeface: cell height per em, and ascent per cell height.
struct CellShape {
    double cellPerEm = 1.15;
    double ascentPerCell = 0.8;
};

CellShape cellShape(const QString& family, bool bold, bool italic)
{
    static QHash<QString, CellShape> cache;
    const QString key = family + u'|' + QChar(bold ? u'b' : u'-') + QChar(italic ? u'i' : u'-');
    const auto found = cache.constFind(key);
    if (found != cache.constEnd())
        return *found;

    // Measured at a large size so that rounding inside the font engine does
    // not matter.
    constexpr double em = 2048;
    CanvasFont probe;
    probe.family = family;
    probe.emSize = em / kReferenceDpi;
    probe.bold = bold;
    probe.italic = italic;
    const QFontMetricsF metrics(layoutFont(probe, kReferenceDpi), &referenceDevice());
    CellShape shape;
    const double cell = metrics.ascent() + metrics.descent();
    if (cell > 0 && std::isfinite(cell)) {
        shape.cellPerEm = cell / em;
        shape.ascentPerCell = metrics.ascent() / cell;
    }
    cache.insert(key, shape);
    return shape;
}

double clampPoints(double points)
{
    if (!std::isfinite(points))
        return FontMeasure::MinPoints;
    return std::clamp(points, FontMeasure::MinPoints, FontMeasure::MaxPoints);
}

CanvasFont makeFont(const QString& family, double points, bool bold, bool italic, bool underline,
                    bool strikeOut, int cellHeight)
{
    CanvasFont font;
    font.family = family;
    font.bold = bold;
    font.italic = italic;
    font.underline = underline;
    font.strikeOut = strikeOut;
    font.emSize = cellHeight / cellShape(family, bold, italic).cellPerEm / kReferenceDpi;
    return font;
}

int cellHeightFor(double points)
{
    return std::max(1, static_cast<int>(std::lround(points * kReferenceDpi / 72.0)));
}

} // namespace

FontMeasure::FontMeasure(const QString& family, double points, bool bold, bool italic, bool underline,
                         bool strikeOut)
    : m_font(makeFont(family, clampPoints(points), bold, italic, underline, strikeOut,
                      cellHeightFor(clampPoints(points))))
    , m_points(clampPoints(points))
    , m_cellHeight(cellHeightFor(m_points))
    , m_ascent(std::clamp(static_cast<int>(std::lround(m_cellHeight * cellShape(family, bold, italic).ascentPerCell)),
                          0, m_cellHeight))
    , m_metrics(layoutFont(m_font, kReferenceDpi), &referenceDevice())
{
}

int FontMeasure::textWidth(const QString& text) const
{
    constexpr qsizetype kMaxRemembered = 1024;
    if (const auto found = m_widths.constFind(text); found != m_widths.constEnd())
        return *found;
    const int width = std::max(1, static_cast<int>(std::lround(m_metrics.horizontalAdvance(text))));
    if (m_widths.size() >= kMaxRemembered)
        m_widths.clear();
    m_widths.insert(text, width);
    return width;
}

CanvasFont FontMeasure::canvasFont(const QColor& color) const
{
    CanvasFont font = m_font;
    font.color = color;
    return font;
}

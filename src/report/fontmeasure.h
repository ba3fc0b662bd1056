#pragma once

#include "report/canvas.h"

#include <QFontMetricsF>
#include <QHash>
#include <QString>

// A report font measured on the reference device (kReferenceDpi pixels per
// inch). Font sizes are points, and a font of size s gets a character cell
// (ascent plus descent, internal leading included) of round(s × dpi / 72)
// device pixels, as report fonts are specified; the em size follows from the
// typeface's proportions. All results are whole reference pixels.
class FontMeasure {
public:
    // Sizes are clamped to MinPoints..MaxPoints; a non-finite size counts as
    // MinPoints.
    static constexpr double MinPoints = 0.5;
    static constexpr double MaxPoints = 1000;

    FontMeasure(const QString& family, double points, bool bold = false, bool italic = false,
                bool underline = false, bool strikeOut = false);

    double points() const { return m_points; }
    int cellHeight() const { return m_cellHeight; }
    int ascent() const { return m_ascent; }
    int descent() const { return m_cellHeight - m_ascent; }
    // Advance width of text, at least 1.
    int textWidth(const QString& text) const;
    // The font to draw with, in the given colour.
    CanvasFont canvasFont(const QColor& color) const;

private:
    CanvasFont m_font;
    double m_points;
    int m_cellHeight;
    int m_ascent;
    QFontMetricsF m_metrics;
    // Widths already measured: a page measures the same letters and words
    // over and over, and each measure shapes the text anew.
    mutable QHash<QString, int> m_widths;
};

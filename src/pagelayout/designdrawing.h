#pragma once

#include "pagelayout/designgeometry.h"

#include <QImage>
#include <QString>

class PageDesign;
class QFontMetrics;
class QPainter;

// The pictures of the page designer: the page with a placeholder look of
// every object (kind colour and label, borders, dotted outlines, column
// dividers, bitmaps), the selection handles, the rubber band of a drag and
// the two rulers. All in design pixels, without antialiasing.

// The page picture: PageWidthPixels × PageHeightPixels, white, with objects
// 1..ObjectCount drawn in slot order and the selected object's handles.
QImage designPagePicture(const PageDesign& design);

// The top ruler (Qt::Horizontal: page width × 29) or the left one
// (Qt::Vertical: 29 × page height): red, outlined in black, with the ticks
// and whole-unit labels of rulerMarks() in Arial 8.
QImage designRuler(const PageDesign& design, Qt::Orientation orientation);

// A dotted frame around the rectangle that inverts what lies beneath, so it
// shows on every colour.
void drawRubberBand(QPainter& painter, const DesignRect& rect);

// The label cut from its end, one character at a time, until it is no wider
// than `width` (possibly empty).
QString fittedLabel(const QString& label, const QFontMetrics& metrics, int width);

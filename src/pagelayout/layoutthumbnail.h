#pragma once

#include <QColor>
#include <QImage>
#include <QSize>

class QPainter;
struct PageLayoutRecord;

// The miniature of a page layout shown by the layout list, the word list
// editor and the print options: the page in white, scaled to fit, with every
// object of a known kind as a block in its kind's colour.

// The block colour of a kind code (the legend uses the same colours); an
// unknown kind gives an invalid colour.
QColor thumbnailColour(int kind);

// Paints the miniature into the area (0, 0, size) of the painter: the area in
// `background`, the page white from the top-left corner at the largest scale
// that fits. A layout whose page has no positive pixel size shows the
// background only. Damaged values (any object count, kind or coordinate) are
// drawn without harm.
void drawLayoutThumbnail(QPainter& painter, const QSize& size, const PageLayoutRecord& layout,
                         const QColor& background);

// The miniature as an image of the given size.
QImage layoutThumbnail(const PageLayoutRecord& layout, const QSize& size, const QColor& background);

#pragma once

#include <QColor>
#include <QImage>
#include <QSize>

class QPainter;
struct ShapeRecord;

// Draws a shape from the painter's origin as a grid of square cells of
// `cellSize` pixels: the whole `area` in `background`, the width x height
// cells white with black grid lines, and every cell of the shape filled with
// `cellColour` inside its lines. Width and height are taken clamped to 1..50.
void drawShapeGrid(QPainter& painter, const QSize& area, const ShapeRecord& shape, int cellSize,
                   const QColor& cellColour, const QColor& background);

// The cell size of a thumbnail: the largest square cell that fits the area.
int thumbnailCellSize(const QSize& area, const ShapeRecord& shape);

// The thumbnail of the shape list: black cells on a white grid.
// The colour of the cells in a thumbnail.
QColor thumbnailCellColour();

QImage shapeThumbnail(const ShapeRecord& shape, const QSize& size, const QColor& background);

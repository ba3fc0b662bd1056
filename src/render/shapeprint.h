#pragma once

class QImage;
struct LayoutObject;
struct PageContext;

// Rectangle and circle objects: filled with FillColor when FillShape is 1
// (a circle with Ellipse, outlined in the fill colour; a rectangle with
// FillRect), then the border when UseBorder is 1. A circle's border is, for
// each step, the ellipse inscribed in the box widened by that many reference
// pixels, drawn as two arcs that meet.
void drawRectangle(PageContext& page, const LayoutObject& object);
void drawCircle(PageContext& page, const LayoutObject& object);

// A bitmap object: stretched into its box and bordered, or, when Transparent
// is 1, tiled over the whole paper in tiles of the box's size, without
// border. An empty (missing) bitmap draws nothing but its border. Tilings of
// more than MaxTiles tiles are not drawn (only a damaged layout asks for one).
void drawBitmap(PageContext& page, const LayoutObject& object, const QImage& image);

constexpr int MaxTiles = 10000;

// Tiles needed to cover length with tiles of size tile: the whole part of the
// quotient plus 1, minus 1 when the quotient is whole. 0 for a tile without
// size.
int tilesToCover(double length, double tile);

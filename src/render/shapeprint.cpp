#include "render/shapeprint.h"

#include "render/printcontext.h"
#include "render/printrun.h"
#include "report/basereport.h"
#include "storage/pagelayoutrecord.h"

#include <QImage>

#include <cmath>

namespace {

std::uint32_t colorValue(std::int32_t value)
{
    return static_cast<std::uint32_t>(value);
}

void fillWithPenAndBrush(TBaseReport& r, const LayoutObject& object)
{
    r.setPenColor(colorValue(object.FillColor));
    r.setBrushColor(colorValue(object.FillColor));
    r.setBrushSolid(true);
}

} // namespace

void drawRectangle(PageContext& page, const LayoutObject& object)
{
    TBaseReport& r = page.report;
    const PrintBox box = objectBox(object, page.run.PageScale);
    if (box.isEmpty())
        return;
    if (object.FillShape == 1) {
        fillWithPenAndBrush(r, object);
        r.FillRect(box.x1, box.y1, box.x2, box.y2);
    }
    drawBorder(r, box, object, page.run.pageWidthInches, page.run.pageHeightInches);
}

void drawCircle(PageContext& page, const LayoutObject& object)
{
    TBaseReport& r = page.report;
    const PrintBox box = objectBox(object, page.run.PageScale);
    if (box.isEmpty())
        return;
    if (object.FillShape == 1) {
        fillWithPenAndBrush(r, object);
        r.Ellipse(box.x1, box.y1, box.x2, box.y2);
    }
    if (object.UseBorder != 1)
        return;
    r.setPenColor(colorValue(object.BorderColor));
    const int steps =
        visibleBorderSteps(box, object.BorderWidth, page.run.pageWidthInches, page.run.pageHeightInches);
    for (int k = 0; k < steps; ++k) {
        const PrintBox b = pixelStep(box, k);
        const double middle = b.y1 + (b.y2 - b.y1) / 2; // as the report finds the box's centre
        r.Arc(b.x1, b.y1, b.x2, b.y2, b.x2, middle, b.x1, middle); // upper half
        r.Arc(b.x1, b.y1, b.x2, b.y2, b.x1, middle, b.x2, middle); // lower half
    }
}

int tilesToCover(double length, double tile)
{
    if (!(tile > 0) || !(length > 0))
        return 0;
    const double quotient = length / tile;
    if (quotient > MaxTiles)
        return MaxTiles + 1;
    const double whole = std::floor(quotient);
    return static_cast<int>(whole) + 1 - (whole == quotient ? 1 : 0);
}

void drawBitmap(PageContext& page, const LayoutObject& object, const QImage& image)
{
    TBaseReport& r = page.report;
    const PrintBox box = objectBox(object, page.run.PageScale);
    if (box.isEmpty())
        return;
    if (object.Transparent == 1) {
        const double w = box.width();
        const double h = box.height();
        const int columns = tilesToCover(page.run.pageWidthInches, w);
        const int rows = tilesToCover(page.run.pageHeightInches, h);
        if (image.isNull() || static_cast<long long>(columns) * rows > MaxTiles)
            return;
        for (int a = 0; a < rows; ++a)
            for (int b = 0; b < columns; ++b)
                r.StretchDraw(b * w, a * h, (b + 1) * w, (a + 1) * h, image);
        return;
    }
    if (!image.isNull())
        r.StretchDraw(box.x1, box.y1, box.x2, box.y2, image);
    drawBorder(r, box, object, page.run.pageWidthInches, page.run.pageHeightInches);
}

#include "render/listfitting.h"

#include "render/printcontext.h"
#include "report/basereport.h"
#include "storage/pagelayoutrecord.h"

#include <cmath>

namespace {

constexpr int MinListPoints = 3;

} // namespace

ListRows listRows(TBaseReport& report, const PrintBox& box)
{
    if (box.isEmpty())
        return {};
    const double rows = std::floor(box.height() / report.TextHeight(QStringLiteral("ABCWjkl")));
    if (!(rows >= 1))
        return {};
    // A box can hold no more lines than a page has reference pixels.
    const int whole = static_cast<int>(std::min(rows, 1e6));
    return {whole, box.height() / whole};
}

bool fitList(TBaseReport& report, LayoutObject& object, int size, const PrintBox& box,
             const std::function<bool()>& measure)
{
    bool fits = measure();
    if (object.MakeFit != 1)
        return fits;
    // Whether the last measurement failed in a box without rows. Telling the
    // rows needs only the font's cell height, not the font itself.
    bool failedWithoutRows = listRows(report, box).rows == 0;
    while (!fits && size > 1) {
        size = reduceFontSize(report, object, size);
        if (size <= MinListPoints)
            break;
        const bool lastToMeasure = size - 1 <= MinListPoints;
        const bool noRows = listRows(report, box).rows == 0;
        if (failedWithoutRows && noRows && !lastToMeasure)
            continue;
        fits = measure();
        failedWithoutRows = noRows;
    }
    return fits;
}

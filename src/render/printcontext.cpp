#include "render/printcontext.h"

#include "base/ansi.h"
#include "report/basereport.h"
#include "storage/pagelayoutrecord.h"

#include <algorithm>

namespace {

double designToInches(int pixels, double pageScale)
{
    return std::clamp(pixels, -MaxDesignPixels, MaxDesignPixels) * pageScale;
}

} // namespace

PrintBox objectBox(const LayoutObject& object, double pageScale)
{
    return PrintBox{designToInches(object.left(), pageScale), designToInches(object.top(), pageScale),
                    designToInches(object.right(), pageScale), designToInches(object.bottom(), pageScale)};
}

int startFontSize(const LayoutObject& object)
{
    return std::clamp<int>(object.FontSize, 1, 1000);
}

void applyObjectFont(TBaseReport& report, const LayoutObject& object, int size)
{
    report.SetFontSize(size);
    report.SetFontName(object.FontName.text());
    report.SetFontColor(static_cast<std::uint32_t>(static_cast<std::int32_t>(object.FontColor)));
    report.SetFontItalic(object.FontItalic != 0);
    report.SetFontBold(object.FontBold != 0);
    report.SetFontStrikeOut(object.FontStrikeOut != 0);
    report.SetFontUnderline(object.FontUnderline != 0);
    report.UpdateFontMetrics();
}

int setObjectFont(TBaseReport& report, LayoutObject& object)
{
    const int size = startFontSize(object);
    applyObjectFont(report, object, size);
    object.FittedFontSize = static_cast<std::int16_t>(size);
    return size;
}

int fittedFontSize(const LayoutObject& object)
{
    return object.FittedFontSize > 0 ? std::clamp<int>(object.FittedFontSize, 1, 1000) : startFontSize(object);
}

int reduceFontSize(TBaseReport& report, LayoutObject& object, int size)
{
    size = std::max(1, size - 1);
    report.SetFontSize(size);
    object.FittedFontSize = static_cast<std::int16_t>(size);
    return size;
}

PrintBox pixelStep(const PrintBox& box, int k)
{
    return PrintBox{TBaseReport::XFromDevice(TBaseReport::XToDevice(box.x1) - k),
                    TBaseReport::YFromDevice(TBaseReport::YToDevice(box.y1) - k),
                    TBaseReport::XFromDevice(TBaseReport::XToDevice(box.x2) + k),
                    TBaseReport::YFromDevice(TBaseReport::YToDevice(box.y2) + k)};
}

int visibleBorderSteps(int left, int top, int right, int bottom, int width, int pageWidth, int pageHeight)
{
    if (width < 1)
        return 0;
    // Step k shows while one of its edges still lies on the paper: the left
    // edge up to k = left, the right one up to k = page width - right, and so
    // on. Further steps would draw only off the page.
    const int w = std::max(0, pageWidth);
    const int h = std::max(0, pageHeight);
    const int reach = std::max({std::clamp(left, 0, w), std::clamp(w - right, 0, w), std::clamp(top, 0, h),
                                std::clamp(h - bottom, 0, h)});
    return std::min(width, reach + 1);
}

int visibleBorderSteps(const PrintBox& box, int width, double pageWidth, double pageHeight)
{
    return visibleBorderSteps(TBaseReport::XToDevice(box.x1), TBaseReport::YToDevice(box.y1),
                              TBaseReport::XToDevice(box.x2), TBaseReport::YToDevice(box.y2), width,
                              TBaseReport::XToDevice(pageWidth), TBaseReport::YToDevice(pageHeight));
}

void drawBorder(TBaseReport& report, const PrintBox& box, const LayoutObject& object, double pageWidth,
                double pageHeight)
{
    if (object.UseBorder != 1)
        return;
    report.setPenColor(static_cast<std::uint32_t>(static_cast<std::int32_t>(object.BorderColor)));
    const int steps = visibleBorderSteps(box, object.BorderWidth, pageWidth, pageHeight);
    for (int k = 0; k < steps; ++k) {
        const PrintBox b = pixelStep(box, k);
        report.MoveTo(b.x1, b.y1);
        report.LineTo(b.x2, b.y1);
        report.LineTo(b.x2, b.y2);
        report.LineTo(b.x1, b.y2);
        report.LineTo(b.x1, b.y1);
    }
}

void setTextBackground(TBaseReport& report, const LayoutObject& object)
{
    report.SetTextBKMode(object.Transparent == 1 ? 0 : 1);
}

QString printable(QByteArrayView bytes)
{
    return ansiToUnicode(bytes);
}

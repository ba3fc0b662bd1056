#include "report/pagesetup.h"

#include <algorithm>
#include <cmath>

namespace {

struct PaperSize {
    int code;
    int width;  // tenths of a millimetre
    int height;
};

// The Windows paper codes the page layouts use.
constexpr PaperSize kPapers[] = {
    {1, 2159, 2794},  // Letter 8.5 x 11 in
    {5, 2159, 3556},  // Legal 8.5 x 14 in
    {7, 1842, 2667},  // Executive 7.25 x 10.5 in
    {9, 2100, 2970},  // A4
    {11, 1480, 2100}, // A5
    {13, 1820, 2570}, // B5 (JIS)
};

int clampTenths(double tenths)
{
    if (!std::isfinite(tenths))
        return PageSetup::MinTenthsMm;
    return static_cast<int>(std::lround(std::clamp<double>(tenths, PageSetup::MinTenthsMm, PageSetup::MaxTenthsMm)));
}

} // namespace

PageSetup PageSetup::fromPaperCode(int code, double widthInches, double heightInches)
{
    if (code == 0)
        return custom(clampTenths(widthInches * 254.0), clampTenths(heightInches * 254.0));
    for (const PaperSize& paper : kPapers)
        if (paper.code == code)
            return PageSetup{paper.code, paper.width, paper.height, false};
    return PageSetup{};
}

PageSetup PageSetup::custom(int widthTenthsMm, int heightTenthsMm)
{
    return PageSetup{0, clampTenths(widthTenthsMm), clampTenths(heightTenthsMm), false};
}

double PageSetup::widthInches() const
{
    return (landscape ? heightTenthsMm : widthTenthsMm) / 254.0;
}

double PageSetup::heightInches() const
{
    return (landscape ? widthTenthsMm : heightTenthsMm) / 254.0;
}

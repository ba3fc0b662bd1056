#include "report/canvasfont.h"

#include "report/canvas.h"

#include <QFontInfo>
#include <QImage>

#include <algorithm>
#include <cmath>

namespace {

struct Substitution {
    const char* family;
    const char* replacement;
};

constexpr Substitution kSubstitutions[] = {
    {"Arial", "Liberation Sans"},
    {"Times New Roman", "Liberation Serif"},
    {"Courier New", "Liberation Mono"},
};

} // namespace

const QImage& referenceDevice()
{
    static const QImage device = [] {
        QImage image(1, 1, QImage::Format_RGB32);
        const int dotsPerMeter = static_cast<int>(std::lround(kReferenceDpi / 0.0254));
        image.setDotsPerMeterX(dotsPerMeter);
        image.setDotsPerMeterY(dotsPerMeter);
        return image;
    }();
    return device;
}

void installFontSubstitutions()
{
    static bool installed = false;
    if (installed)
        return;
    installed = true;
    for (const Substitution& s : kSubstitutions) {
        const QString family = QString::fromLatin1(s.family);
        const QString replacement = QString::fromLatin1(s.replacement);
        // Only where the system's own matching picks something else, so a
        // machine that really has the Windows font keeps it.
        const QFontInfo info{QFont(family)};
        if (info.family() != family && info.family() != replacement)
            QFont::insertSubstitution(family, replacement);
    }
}

QFont layoutFont(const CanvasFont& font, int deviceDpiY)
{
    installFontSubstitutions();
    QFont result(font.family);
    const double emPixels = std::max(font.emSize, 0.0) * kReferenceDpi;
    const int dpi = deviceDpiY > 0 ? deviceDpiY : 72;
    // A point size gives a fractional pixel size, which setPixelSize cannot.
    result.setPointSizeF(std::max(emPixels, 0.01) * 72.0 / dpi);
    result.setBold(font.bold);
    result.setItalic(font.italic);
    result.setUnderline(font.underline);
    result.setStrikeOut(font.strikeOut);
    result.setHintingPreference(QFont::PreferNoHinting);
    result.setKerning(false);
    return result;
}

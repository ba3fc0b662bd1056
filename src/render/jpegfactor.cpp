#include "render/jpegfactor.h"

std::optional<int> parseJpegFactor(const QString& text)
{
    bool ok = false;
    const int value = text.trimmed().toInt(&ok);
    if (!ok || value < 1 || value > 100)
        return std::nullopt;
    return value;
}

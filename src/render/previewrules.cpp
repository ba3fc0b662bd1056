#include "render/previewrules.h"

#include <algorithm>
#include <cmath>

QString formatZoom(double factor)
{
    return QString::number(factor, 'f', 1);
}

std::optional<double> typedZoom(const QString& text, double current)
{
    bool ok = false;
    const double value = text.trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(value) || value == current)
        return std::nullopt;
    return value;
}

std::optional<int> parseCopies(const QString& text)
{
    bool ok = false;
    const int value = text.trimmed().toInt(&ok);
    if (!ok || value < 1)
        return std::nullopt;
    return value;
}

CopyJobs planCopies(int copies, int largestCopyCount)
{
    copies = std::max(copies, 1);
    if (copies < largestCopyCount)
        return {1, copies};
    return {copies, 1};
}

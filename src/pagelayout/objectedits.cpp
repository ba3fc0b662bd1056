#include "pagelayout/objectedits.h"

#include "base/ansi.h"

#include <QLocale>

#include <algorithm>
#include <climits>
#include <cmath>

namespace {

QString threeDecimals(int pixels, int pixelsPerUnit)
{
    return QString::number(static_cast<double>(pixels) / pixelsPerUnit, 'f', 3);
}

// value × P rounded half to even, held within a range that no page
// approaches, so that any typed number gives a usable rectangle.
int toPixels(double value, int pixelsPerUnit)
{
    constexpr double limit = 1e8;
    return static_cast<int>(std::nearbyint(std::clamp(value * pixelsPerUnit, -limit, limit)));
}

SizeLocationEntry invalidEntry(SizeField field, const QString& message)
{
    SizeLocationEntry entry;
    entry.invalid = field;
    entry.message = message;
    return entry;
}

} // namespace

QString objectDialogTitle(const QString& prefix, const LayoutObject& object, int maxLength)
{
    return (prefix + object.ObjName.text()).left(maxLength);
}

QString objectDialogTitle(const ObjectDialogTitle& title, const LayoutObject& object)
{
    return objectDialogTitle(QString::fromLatin1(title.prefix), object, title.maxLength);
}

SizeLocationTexts sizeLocationTexts(const DesignRect& rect, int pixelsPerUnit)
{
    const int p = std::max(pixelsPerUnit, 1);
    const auto span = [](int from, int to) {
        return static_cast<int>(std::clamp<qint64>(qint64(to) - from, INT_MIN, INT_MAX));
    };
    return {threeDecimals(rect.left, p), threeDecimals(rect.top, p), threeDecimals(span(rect.left, rect.right), p),
            threeDecimals(span(rect.top, rect.bottom), p)};
}

SizeLocationEntry readSizeLocation(const SizeLocationTexts& texts, int pixelsPerUnit, int pageWidthPixels,
                                   int pageHeightPixels)
{
    const std::optional<double> left = readDecimal(texts.left);
    if (!left || *left < 0)
        return invalidEntry(SizeField::Left, kInvalidLeft);
    const std::optional<double> top = readDecimal(texts.top);
    if (!top || *top < 0)
        return invalidEntry(SizeField::Top, kInvalidTop);
    const std::optional<double> width = readDecimal(texts.width);
    if (!width || *width <= 0)
        return invalidEntry(SizeField::Width, kInvalidWidth);
    const std::optional<double> height = readDecimal(texts.height);
    if (!height || *height <= 0)
        return invalidEntry(SizeField::Height, kInvalidHeight);

    SizeLocationEntry entry;
    DesignRect& rect = entry.rect;
    rect.left = toPixels(*left, pixelsPerUnit);
    rect.top = toPixels(*top, pixelsPerUnit);
    rect.right = rect.left + toPixels(*width, pixelsPerUnit);
    rect.bottom = rect.top + toPixels(*height, pixelsPerUnit);
    entry.offPage = rect.left >= pageWidthPixels || rect.top >= pageHeightPixels;
    return entry;
}

std::optional<int> readPositiveWhole(const QString& text)
{
    const std::optional<int> value = readWhole(text);
    if (!value || *value <= 0)
        return std::nullopt;
    return value;
}

QString objectTextForEdit(const LayoutObject& object)
{
    QString text = ansiToUnicode(object.text());
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return text;
}

void storeObjectText(LayoutObject& object, const QString& editText)
{
    QString text = limitedEditText(editText, LayoutObject::TextCapacity - 2);
    text.replace(u'\n', QStringLiteral("\r\n"));
    object.setText(unicodeToAnsi(text));
}

QString limitedEditText(const QString& editText, int limit)
{
    int stored = 0;
    for (qsizetype i = 0; i < editText.size(); ++i) {
        stored += editText[i] == u'\n' ? 2 : 1; // stored as CR LF
        if (stored > limit)
            return editText.left(i);
    }
    return editText;
}

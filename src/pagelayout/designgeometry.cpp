#include "pagelayout/designgeometry.h"

#include <QLocale>

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

struct SideRange {
    int min;
    int max;
    const char* prefix;
    const char* tail;
};

SideRange sideRange(PageSide side, bool inches)
{
    if (side == PageSide::Width)
        return inches ? SideRange{3, 12, "Width must be between 3 and ", " inches.  Please re-enter width."}
                      : SideRange{7, 31, "Width must be between 7 and ", " centimeters.  Please re-enter width."};
    return inches ? SideRange{4, 18, "Height must be between 4 and ", " inches.  Please re-enter height."}
                  : SideRange{10, 46, "Height must be between 10 and ", " centimeters.  Please re-enter height."};
}

QString trimBlanks(const QString& text)
{
    qsizetype start = 0;
    qsizetype end = text.size();
    while (start < end && text[start] == u' ')
        ++start;
    while (end > start && text[end - 1] == u' ')
        --end;
    return text.mid(start, end - start);
}

int clampToInt(double value)
{
    if (std::isnan(value))
        return 0;
    constexpr double low = std::numeric_limits<int>::min();
    constexpr double high = std::numeric_limits<int>::max();
    return static_cast<int>(std::clamp(value, low, high));
}

bool inRange(qint64 value, qint64 low, qint64 high) { return value >= low && value <= high; }

int countOfKind(const PageLayoutRecord& layout, ObjectKind kind)
{
    int count = 0;
    for (int n = 1; n <= layout.objectCount(); ++n)
        count += layout.object(n).ObjKind == static_cast<int>(kind) ? 1 : 0;
    return count;
}

bool singleKind(ObjectKind kind)
{
    return kind == ObjectKind::Title || kind == ObjectKind::Puzzle || kind == ObjectKind::WordList
           || kind == ObjectKind::Bonus;
}

} // namespace

// ---------------------------------------------------------------- number edits

std::optional<double> readDecimal(const QString& text)
{
    bool ok = false;
    const double value = QLocale::c().toDouble(trimBlanks(text), &ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    return value;
}

std::optional<int> readWhole(const QString& text)
{
    bool ok = false;
    const int value = QLocale::c().toInt(trimBlanks(text), &ok);
    return ok ? std::optional<int>(value) : std::nullopt;
}

// ---------------------------------------------------------------- zoom and units

int validZoom(int zoom) { return zoom >= 1 && zoom <= 3 ? zoom : 2; }

int pixelsPerUnit(int zoom, bool inches)
{
    static constexpr int perInch[] = {48, 72, 96};
    static constexpr int perCentimetre[] = {20, 30, 40};
    const int z = validZoom(zoom) - 1;
    return inches ? perInch[z] : perCentimetre[z];
}

double zoomFactor(int from, int to)
{
    static constexpr double factors[3][3] = {{1.0, 1.5, 2.0}, {0.667, 1.0, 1.334}, {0.5, 0.75, 1.0}};
    if (from < 1 || from > 3 || to < 1 || to > 3)
        return 1.0;
    return factors[from - 1][to - 1];
}

double centimetresToInches(double centimetres)
{
    return std::trunc(centimetres * 0.3937007874015748 * 100) / 100;
}

double inchesToCentimetres(double inches) { return std::trunc(inches * 254) / 100; }

int scaledCoordinate(int value, double factor) { return clampToInt(std::trunc(value * factor)); }

void rescaleObjects(PageLayoutRecord& layout, double factor)
{
    for (int n = 1; n <= layout.objectCount(); ++n) {
        for (auto& coordinate : layout.object(n).ObjRect)
            coordinate = scaledCoordinate(coordinate, factor);
    }
}

int pagePixels(double side, int pixelsPerUnit)
{
    const double pixels = side * pixelsPerUnit;
    if (!(pixels >= 1))
        return 1; // zero, negative or not a number
    return static_cast<int>(std::min(std::trunc(pixels), double(kMaxPagePixels)));
}

// ---------------------------------------------------------------- paper

const QList<PaperSize>& namedPapers()
{
    static const QList<PaperSize> papers = {
        {"Letter", 8.5, 11, true, false}, {"Legal", 8.5, 14, true, false},  {"A4", 21, 29.7, false, false},
        {"A5", 14.8, 21, false, true},    {"B5", 18.2, 25.7, false, true}, {"Executive", 7.25, 10.5, true, true},
    };
    return papers;
}

std::optional<PaperSize> paperNamed(QByteArrayView name)
{
    for (const PaperSize& paper : namedPapers()) {
        if (name == QByteArrayView(paper.name))
            return paper;
    }
    return std::nullopt;
}

// ---------------------------------------------------------------- custom size

std::optional<double> readCustomSide(PageSide side, const QString& text, bool inches, QString* message)
{
    const SideRange range = sideRange(side, inches);
    const std::optional<double> value = readDecimal(text);
    if (value && *value >= range.min && *value <= range.max)
        return value;
    if (message)
        *message = QString::fromLatin1(range.prefix) + QString::number(range.max) + QString::fromLatin1(range.tail);
    return std::nullopt;
}

QString twoDecimals(double value) { return QString::number(value, 'f', 2); }

// ---------------------------------------------------------------- rulers

RulerMarks rulerMarks(double length, int pixelsPerUnit, bool inches)
{
    const int p = std::max(pixelsPerUnit, 1);
    QList<RulerTick> minor;
    if (inches) {
        const int half = p / 2;
        const int quarter = p / 4;
        const int eighth = p / 8;
        minor = {{half, 18}, {quarter, 21}, {3 * quarter, 21}, {eighth, 24},
                 {3 * eighth, 24}, {5 * eighth, 24}, {7 * eighth, 24}};
    } else {
        const int tenth = p / 10;
        for (int m = 1; m <= 9; ++m)
            minor.append({m * tenth, m == 5 ? 20 : 24});
    }

    RulerMarks marks;
    // A damaged length is held to what the page picture can show.
    const double units = std::clamp(std::isfinite(length) ? length : 0.0, 0.0, double(kMaxPagePixels) / p);
    const int whole = static_cast<int>(std::trunc(units));
    for (int k = 1; k <= whole; ++k) {
        const int x = k * p;
        marks.ticks.append({x, 15});
        marks.labels.append(x);
        for (const RulerTick& tick : minor)
            marks.ticks.append({x - tick.offset, tick.depth});
    }
    const double rest = (units - whole) * p;
    for (const RulerTick& tick : minor) {
        if (tick.offset <= rest)
            marks.ticks.append({whole * p + tick.offset, tick.depth});
    }
    return marks;
}

// ---------------------------------------------------------------- handles

DesignRect objectRect(const LayoutObject& object)
{
    return {object.left(), object.top(), object.right(), object.bottom()};
}

Handle handleAt(const DesignRect& rect, QPoint point)
{
    // 64-bit sums: damaged rectangles may lie at the ends of the int range.
    const qint64 l = rect.left, t = rect.top, r = rect.right, b = rect.bottom;
    const qint64 cx = l + (r - l) / 2;
    const qint64 cy = t + (b - t) / 2;
    const qint64 x = point.x(), y = point.y();
    struct Zone {
        Handle handle;
        qint64 x1, x2, y1, y2;
    };
    const Zone zones[] = {
        {TopLeft, l - 2, l + 3, t - 2, t + 3},          {TopRight, r - 3, r + 2, t - 2, t + 3},
        {BottomLeft, l - 2, l + 3, b - 3, b + 2},       {BottomRight, r - 3, r + 2, b - 3, b + 2},
        {TopCentre, cx - 3, cx + 2, t - 2, t + 3},      {BottomCentre, cx - 3, cx + 2, b - 3, b + 2},
        {LeftMiddle, l - 2, l + 3, cy - 3, cy + 2},     {RightMiddle, r - 3, r + 2, cy - 3, cy + 2},
    };
    for (const Zone& zone : zones) {
        if (inRange(x, zone.x1, zone.x2) && inRange(y, zone.y1, zone.y2))
            return zone.handle;
    }
    return NoHandle;
}

DesignRect handleSquare(const DesignRect& rect, Handle handle)
{
    const int cx = rect.left + (rect.right - rect.left) / 2;
    const int cy = rect.top + (rect.bottom - rect.top) / 2;
    int x = 0; // left edge of the square
    int y = 0;
    switch (handle) {
    case TopLeft: x = rect.left - 2; y = rect.top - 2; break;
    case TopCentre: x = cx - 3; y = rect.top - 2; break;
    case TopRight: x = rect.right - 3; y = rect.top - 2; break;
    case LeftMiddle: x = rect.left - 2; y = cy - 3; break;
    case RightMiddle: x = rect.right - 3; y = cy - 3; break;
    case BottomLeft: x = rect.left - 2; y = rect.bottom - 3; break;
    case BottomCentre: x = cx - 3; y = rect.bottom - 3; break;
    case BottomRight: x = rect.right - 3; y = rect.bottom - 3; break;
    case NoHandle: return {};
    }
    return {x, y, x + 5, y + 5};
}

DesignRect draggedRect(const DesignRect& rect, Handle handle, QPoint offset)
{
    const int dx = offset.x();
    const int dy = offset.y();
    const bool left = handle == NoHandle || handle == TopLeft || handle == LeftMiddle || handle == BottomLeft;
    const bool right = handle == NoHandle || handle == TopRight || handle == RightMiddle || handle == BottomRight;
    const bool top = handle == NoHandle || handle == TopLeft || handle == TopCentre || handle == TopRight;
    const bool bottom = handle == NoHandle || handle == BottomLeft || handle == BottomCentre || handle == BottomRight;
    const auto shift = [](int value, int by) { return clampToInt(double(value) + by); };
    return {left ? shift(rect.left, dx) : rect.left, top ? shift(rect.top, dy) : rect.top,
            right ? shift(rect.right, dx) : rect.right, bottom ? shift(rect.bottom, dy) : rect.bottom};
}

DesignRect normalisedRect(const DesignRect& rect)
{
    DesignRect result = rect;
    if (result.right < result.left)
        std::swap(result.right, result.left);
    if (result.bottom < result.top)
        std::swap(result.bottom, result.top);
    return result;
}

int objectAt(const PageLayoutRecord& layout, QPoint point)
{
    for (int n = layout.objectCount(); n >= 1; --n) {
        const DesignRect r = objectRect(layout.object(n));
        if (point.x() >= r.left && point.x() <= r.right && point.y() >= r.top && point.y() <= r.bottom)
            return n;
    }
    return 0;
}

// ---------------------------------------------------------------- objects

bool canPlaceKind(const PageLayoutRecord& layout, ObjectKind kind)
{
    if (layout.objectCount() >= PageLayoutRecord::MaxObjects)
        return false;
    return !singleKind(kind) || countOfKind(layout, kind) == 0;
}

UnitSize newObjectSize(ObjectKind kind)
{
    switch (kind) {
    case ObjectKind::Title: return {2, 0.25};
    case ObjectKind::Puzzle: return {3, 3};
    case ObjectKind::WordList: return {2, 3};
    case ObjectKind::Bonus: return {4, 0.25};
    default: return {2, 2};
    }
}

QByteArray newObjectName(const PageLayoutRecord& layout, ObjectKind kind)
{
    const QByteArray number = QByteArray::number(countOfKind(layout, kind) + 1);
    switch (kind) {
    case ObjectKind::Title: return "Title";
    case ObjectKind::Puzzle: return "Puzzle";
    case ObjectKind::WordList: return "Words / Clues";
    case ObjectKind::Bonus: return "Bonus Question";
    case ObjectKind::Text: return "Text " + number;
    case ObjectKind::Bitmap: return "Bitmap " + number;
    case ObjectKind::Rectangle: return "Rectangle " + number;
    case ObjectKind::Circle: return "Circle " + number;
    }
    return number;
}

int appendObject(PageLayoutRecord& layout, ObjectKind kind, QPoint at, int pixelsPerUnit)
{
    const int n = layout.objectCount() + 1;
    if (n > PageLayoutRecord::MaxObjects)
        return 0;
    LayoutObject object = newLayoutObject(kind);
    object.ObjName.assign(newObjectName(layout, kind));
    const UnitSize size = newObjectSize(kind);
    const int width = static_cast<int>(std::trunc(size.width * pixelsPerUnit));
    const int height = static_cast<int>(std::trunc(size.height * pixelsPerUnit));
    object.setRect(at.x(), at.y(), at.x() + width, at.y() + height);
    layout.object(n) = object;
    layout.ObjectCount = static_cast<std::int16_t>(n);
    return n;
}

// ---------------------------------------------------------------- popup

bool popupItemEnabled(int kind, PopupItem item)
{
    using P = PopupItem;
    const auto enabledUnless = [item](std::initializer_list<PopupItem> items) {
        return std::find(items.begin(), items.end(), item) == items.end();
    };
    switch (static_cast<ObjectKind>(kind)) {
    case ObjectKind::Title:
    case ObjectKind::Bonus: return enabledUnless({P::ChangeText, P::LoadBitmap, P::Fill});
    case ObjectKind::Puzzle: return enabledUnless({P::ChangeText, P::TextAlignment, P::LoadBitmap, P::Border, P::Fill});
    case ObjectKind::WordList: return enabledUnless({P::ChangeText, P::TextAlignment, P::LoadBitmap, P::Fill});
    case ObjectKind::Text: return enabledUnless({P::LoadBitmap, P::Fill});
    case ObjectKind::Bitmap:
        return enabledUnless({P::Properties, P::TextFont, P::ChangeText, P::TextAlignment, P::Fill});
    case ObjectKind::Rectangle:
    case ObjectKind::Circle:
        return enabledUnless({P::Properties, P::ChangeText, P::TextFont, P::TextAlignment, P::LoadBitmap});
    }
    return true;
}

#include "pagelayout/designdrawing.h"

#include "pagelayout/pagedesign.h"
#include "report/canvas.h"

#include <QFontMetrics>
#include <QPainter>

#include <algorithm>

namespace {

const QColor kRulerColour = colorFromWindows(0x0000FF);

// The border edit takes one digit; wider borders come only from damaged or
// foreign records, and drawing hundreds of nested outlines (ellipses above
// all) would hold the window up for seconds.
constexpr int kMaxDrawnOutlines = 20;

// A rectangle given by its edges, right and bottom just outside, as a
// painter's outline takes it: the pen covers the last row and column inside.
QRect outline(const DesignRect& r) { return QRect(r.left, r.top, r.right - r.left - 1, r.bottom - r.top - 1); }
QRect area(const DesignRect& r) { return QRect(r.left, r.top, r.right - r.left, r.bottom - r.top); }

DesignRect inset(const DesignRect& r, int by) { return {r.left + by, r.top + by, r.right - by, r.bottom - by}; }

bool isEmpty(const DesignRect& r) { return r.right - r.left <= 0 || r.bottom - r.top <= 0; }

// The rectangle held to a range around the page, so damaged coordinates of
// a stored layout do not reach the painter.
DesignRect drawable(const DesignRect& r)
{
    static constexpr int limit = 2 * kMaxPagePixels;
    const auto hold = [](int v) { return std::clamp(v, -limit, limit); };
    return {hold(r.left), hold(r.top), hold(r.right), hold(r.bottom)};
}

struct KindLook {
    QColor fill;
    const char* label;
};

KindLook kindLook(const LayoutObject& object)
{
    switch (static_cast<ObjectKind>(int(object.ObjKind))) {
    case ObjectKind::Title: return {colorFromWindows(0x00FFFF), "Title"};
    case ObjectKind::Puzzle: return {colorFromWindows(0x000080), "Puzzle"};
    case ObjectKind::WordList: return {colorFromWindows(0x808000), "Word List"};
    case ObjectKind::Bonus: return {colorFromWindows(0xFF00FF), "Bonus Question"};
    case ObjectKind::Text: return {colorFromWindows(0xC0C0C0), "Text"};
    case ObjectKind::Rectangle:
    case ObjectKind::Circle:
        return {object.FillShape ? colorFromWindows(object.FillColor) : QColor(Qt::white),
                object.ObjKind == int(ObjectKind::Circle) ? "Circle" : "Rectangle"};
    case ObjectKind::Bitmap: break;
    }
    return {QColor(Qt::white), nullptr};
}

void drawShape(QPainter& painter, const DesignRect& rect, bool ellipse)
{
    if (isEmpty(rect))
        return;
    if (ellipse)
        painter.drawEllipse(outline(rect));
    else
        painter.drawRect(outline(rect));
}

// UseBorder: BorderWidth outlines in BorderColor, each one pixel further in;
// otherwise one dotted black outline (none for a bitmap).
void drawFrame(QPainter& painter, const LayoutObject& object, const DesignRect& rect)
{
    const bool ellipse = object.ObjKind == int(ObjectKind::Circle);
    painter.setBrush(Qt::NoBrush);
    if (object.UseBorder) {
        painter.setPen(QPen(colorFromWindows(object.BorderColor), 0));
        const int outlines = std::min(object.borderWidth(), kMaxDrawnOutlines);
        for (int k = 0; k < outlines && !isEmpty(inset(rect, k)); ++k)
            drawShape(painter, inset(rect, k), ellipse);
    } else if (object.ObjKind != int(ObjectKind::Bitmap)) {
        painter.setPen(QPen(Qt::black, 0, Qt::DotLine));
        drawShape(painter, rect, ellipse);
    }
}

void drawColumnDividers(QPainter& painter, const LayoutObject& object, const DesignRect& rect)
{
    const int columns = object.numColumns();
    painter.setPen(QPen(Qt::black, 0, Qt::DotLine));
    const int step = (rect.right - rect.left) / columns;
    for (int k = 1; k < columns; ++k) {
        const int x = rect.left + k * step;
        painter.drawLine(x, rect.top, x, rect.bottom - 1);
    }
}

// Black on light fills, white on the dark ones (puzzle, word list), so the
// label reads on every kind.
void drawLabel(QPainter& painter, const QString& label, const DesignRect& rect, const QColor& fill)
{
    const QString text = fittedLabel(label, painter.fontMetrics(), rect.right - rect.left);
    painter.setPen(fill.lightness() < 100 ? Qt::white : Qt::black);
    painter.drawText(area(rect), Qt::AlignCenter, text);
}

// The picture stretched to the rectangle; without one the placeholder:
// white, a one-pixel black frame and "Bitmap" in the middle.
void drawBitmap(QPainter& painter, const QImage& picture, const DesignRect& rect)
{
    if (!picture.isNull()) {
        painter.drawImage(area(rect), picture);
        return;
    }
    painter.fillRect(area(rect), Qt::white);
    painter.setPen(QPen(Qt::black, 0));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(outline(rect));
    painter.drawText(area(rect), Qt::AlignCenter, QStringLiteral("Bitmap"));
}

void drawObject(QPainter& painter, const PageDesign& design, int n, const QRect& page)
{
    const LayoutObject& object = design.layout().object(n);
    const ObjectKind kind = static_cast<ObjectKind>(int(object.ObjKind));
    if (!isKnownObjectKind(object.ObjKind))
        return;
    const DesignRect rect = drawable(objectRect(object));
    const KindLook look = kindLook(object);
    if (kind == ObjectKind::Circle) {
        painter.setPen(QPen(look.fill, 0));
        painter.setBrush(look.fill);
        drawShape(painter, rect, true);
    } else if (kind == ObjectKind::Bitmap) {
        if (!isEmpty(rect))
            drawBitmap(painter, design.picture(n), rect);
        if (object.Transparent) {
            painter.setPen(QPen(Qt::black, 0, Qt::DotLine));
            painter.setBrush(Qt::NoBrush);
            painter.drawRect(page.adjusted(0, 0, -1, -1));
        }
    } else if (!isEmpty(rect)) {
        painter.fillRect(area(rect), look.fill);
    }
    if (kind == ObjectKind::Puzzle) {
        painter.setPen(QPen(Qt::black, 0));
        painter.setBrush(Qt::NoBrush);
        drawShape(painter, rect, false);
    } else {
        drawFrame(painter, object, rect);
    }
    if (kind == ObjectKind::WordList && object.numColumns() >= 2)
        drawColumnDividers(painter, object, rect);
    if (look.label)
        drawLabel(painter, QString::fromLatin1(look.label), rect, look.fill);
    painter.setPen(QPen(Qt::black, 0));
}

void drawHandles(QPainter& painter, const DesignRect& rect)
{
    for (int h = TopLeft; h <= BottomRight; ++h)
        painter.fillRect(area(handleSquare(rect, static_cast<Handle>(h))), Qt::black);
}

} // namespace

QString fittedLabel(const QString& label, const QFontMetrics& metrics, int width)
{
    QString text = label;
    while (!text.isEmpty() && metrics.horizontalAdvance(text) > width)
        text.chop(1);
    return text;
}

QImage designPagePicture(const PageDesign& design)
{
    const PageLayoutRecord& layout = design.layout();
    QImage picture(layout.PageWidthPixels, layout.PageHeightPixels, QImage::Format_RGB32);
    picture.fill(Qt::white);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setFont(QFont(QStringLiteral("Arial"), 9));
    for (int n = 1; n <= layout.objectCount(); ++n)
        drawObject(painter, design, n, picture.rect());
    if (design.selected() != 0)
        drawHandles(painter, drawable(objectRect(layout.object(design.selected()))));
    return picture;
}

QImage designRuler(const PageDesign& design, Qt::Orientation orientation)
{
    const PageLayoutRecord& layout = design.layout();
    const bool top = orientation == Qt::Horizontal;
    const int length = top ? layout.PageWidthPixels : layout.PageHeightPixels;
    QImage ruler(top ? QSize(length, kRulerDepth) : QSize(kRulerDepth, length), QImage::Format_RGB32);
    ruler.fill(kRulerColour);
    QPainter painter(&ruler);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(QPen(Qt::black, 0));
    painter.drawRect(ruler.rect().adjusted(0, 0, -1, -1));

    const RulerMarks marks =
        rulerMarks(top ? layout.PageWidth : layout.PageHeight, design.pixelsPerUnit(), design.inches());
    for (const RulerTick& tick : marks.ticks) {
        if (top)
            painter.drawLine(tick.offset, tick.depth, tick.offset, kRulerDepth - 1);
        else
            painter.drawLine(tick.depth, tick.offset, kRulerDepth - 1, tick.offset);
    }
    painter.setFont(QFont(QStringLiteral("Arial"), 8));
    for (int k = 1; k <= marks.labels.size(); ++k) {
        const int at = marks.labels[k - 1];
        const QPoint corner = top ? QPoint(at - 3, 1) : QPoint(2, at - 6);
        painter.drawText(QRect(corner, QSize(kRulerDepth * 2, kRulerDepth)), Qt::AlignLeft | Qt::AlignTop,
                         QString::number(k));
    }
    return ruler;
}

void drawRubberBand(QPainter& painter, const DesignRect& rect)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setCompositionMode(QPainter::RasterOp_NotDestination);
    painter.setPen(QPen(Qt::black, 0, Qt::DotLine));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(outline(normalisedRect(drawable(rect))));
    painter.restore();
}

#include "report/recordingcanvas.h"

#include "report/reportformat.h"

#include <QBuffer>
#include <QImage>

#include <algorithm>

using namespace reportformat;

namespace {

// A point is stored as two 32-bit floats. Lines and boxes, of which a print
// may hold many thousands, are written straight into the stream; payloads of
// many points are sized up front rather than grown one byte at a time.
constexpr qsizetype kPointBytes = 8;

void writeRect(Writer& w, const QRectF& rect)
{
    w.f32(rect.x());
    w.f32(rect.y());
    w.f32(rect.width());
    w.f32(rect.height());
}

void writePoint(Writer& w, const QPointF& point)
{
    w.f32(point.x());
    w.f32(point.y());
}

QByteArray textBytes(const QString& text)
{
    QByteArray utf8 = text.toUtf8();
    if (utf8.size() > MaxTextLength) {
        // Cut at a character boundary so the stored text stays valid UTF-8.
        qsizetype end = MaxTextLength;
        while (end > 0 && (static_cast<unsigned char>(utf8[end]) & 0xC0) == 0x80)
            --end;
        utf8.truncate(end);
    }
    return utf8;
}

} // namespace

RecordingCanvas::RecordingCanvas()
{
    clear();
}

void RecordingCanvas::clear()
{
    endPage();
    m_data.clear();
    m_imageIds.clear();
    m_data.append(Magic, sizeof Magic);
    Writer w(m_data);
    w.u16(Version);
    w.u16(0);
}

void RecordingCanvas::record(std::uint8_t op, const QByteArray& payload)
{
    Writer w(m_data);
    w.u8(op);
    w.varint(static_cast<std::uint32_t>(payload.size()));
    m_data.append(payload);
}

Writer RecordingCanvas::startRecord(std::uint8_t op, qsizetype payloadSize)
{
    Writer w(m_data);
    w.u8(op);
    w.varint(static_cast<std::uint32_t>(payloadSize));
    return w;
}

void RecordingCanvas::recordRect(std::uint8_t op, const QRectF& rect)
{
    Writer w = startRecord(op, 2 * kPointBytes);
    writeRect(w, rect);
}

void RecordingCanvas::recordPoints(std::uint8_t op, const QPolygonF& points)
{
    const qsizetype count = std::min<qsizetype>(points.size(), MaxPoints);
    QByteArray payload;
    payload.reserve(5 + count * kPointBytes); // the count, then the points
    Writer w(payload);
    w.varint(static_cast<std::uint32_t>(count));
    for (qsizetype i = 0; i < count; ++i)
        writePoint(w, points[i]);
    record(op, payload);
}

void RecordingCanvas::pageStarted(const PageSetup& page)
{
    QByteArray payload;
    Writer w(payload);
    w.u8(static_cast<std::uint8_t>(std::clamp(page.paperCode, 0, 255)));
    w.u16(static_cast<std::uint16_t>(page.widthTenthsMm));
    w.u16(static_cast<std::uint16_t>(page.heightTenthsMm));
    w.u8(page.landscape ? 1 : 0);
    record(BeginPage, payload);
}

void RecordingCanvas::pageEnded()
{
    record(EndPage, {});
}

void RecordingCanvas::penChanged()
{
    QByteArray payload;
    Writer w(payload);
    w.u32(pen().color.rgba());
    w.f32(pen().width);
    w.u8(static_cast<std::uint8_t>(pen().style));
    record(Pen, payload);
}

void RecordingCanvas::brushChanged()
{
    QByteArray payload;
    Writer w(payload);
    w.u32(brush().color.rgba());
    w.u8(brush().solid ? 1 : 0);
    record(Brush, payload);
}

void RecordingCanvas::fontChanged()
{
    QByteArray payload;
    Writer w(payload);
    const CanvasFont& f = font();
    w.u32(f.color.rgba());
    w.f32(f.emSize);
    w.u8((f.bold ? 1 : 0) | (f.italic ? 2 : 0) | (f.underline ? 4 : 0) | (f.strikeOut ? 8 : 0));
    w.string(f.family.left(255).toUtf8());
    record(Font, payload);
}

void RecordingCanvas::textBackgroundChanged()
{
    QByteArray payload;
    Writer w(payload);
    w.u32(textBackground().rgba());
    record(TextBackground, payload);
}

void RecordingCanvas::clipChanged()
{
    if (hasClip())
        recordRect(Clip, clip());
    else
        record(ResetClip, {});
}

void RecordingCanvas::drawLine(const QPointF& from, const QPointF& to)
{
    Writer w = startRecord(Line, 2 * kPointBytes);
    writePoint(w, from);
    writePoint(w, to);
}

void RecordingCanvas::drawPolygon(const QPolygonF& polygon)
{
    recordPoints(Polygon, polygon);
}

void RecordingCanvas::drawPolyline(const QPolygonF& points)
{
    recordPoints(Polyline, points);
}

void RecordingCanvas::drawRect(const QRectF& rect)
{
    recordRect(Rect, rect);
}

void RecordingCanvas::fillRect(const QRectF& rect)
{
    recordRect(FillRect, rect);
}

void RecordingCanvas::drawEllipse(const QRectF& box)
{
    recordRect(Ellipse, box);
}

void RecordingCanvas::drawArc(const QRectF& box, double startAngle, double spanAngle)
{
    QByteArray payload;
    Writer w(payload);
    writeRect(w, box);
    w.f32(startAngle);
    w.f32(spanAngle);
    record(Arc, payload);
}

void RecordingCanvas::drawText(const QPointF& origin, const QString& text)
{
    QByteArray payload;
    Writer w(payload);
    writePoint(w, origin);
    w.string(textBytes(text));
    record(Text, payload);
}

int RecordingCanvas::imageId(const QImage& image)
{
    const auto found = m_imageIds.constFind(image.cacheKey());
    if (found != m_imageIds.constEnd())
        return *found;
    const int id = static_cast<int>(m_imageIds.size()) + 1;
    if (id > MaxImageId)
        return 0;
    m_imageIds.insert(image.cacheKey(), id);

    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    QByteArray payload;
    Writer w(payload);
    w.varint(static_cast<std::uint32_t>(id));
    w.u32(checksum(png.constData(), png.size()));
    payload.append(png);
    record(ImageData, payload);
    return id;
}

void RecordingCanvas::drawImage(const QRectF& target, const QImage& image)
{
    if (image.isNull())
        return;
    const int id = imageId(image);
    if (id == 0)
        return;
    QByteArray payload;
    Writer w(payload);
    w.varint(static_cast<std::uint32_t>(id));
    writeRect(w, target);
    record(Image, payload);
}

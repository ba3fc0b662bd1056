#include "report/reportstream.h"

#include "report/canvas.h"
#include "report/reportformat.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <optional>

using namespace reportformat;

namespace {

// A record's values pass only when finite; lengths are clamped to the page
// area a reader accepts.
std::optional<double> coordinate(Reader& r)
{
    const float v = r.f32();
    if (!r.ok() || !std::isfinite(v))
        return std::nullopt;
    return std::clamp<double>(v, -MaxCoordinate, MaxCoordinate);
}

std::optional<QPointF> point(Reader& r)
{
    const auto x = coordinate(r);
    const auto y = coordinate(r);
    if (!x || !y)
        return std::nullopt;
    return QPointF(*x, *y);
}

std::optional<QRectF> rect(Reader& r)
{
    const auto topLeft = point(r);
    const auto size = point(r);
    if (!topLeft || !size)
        return std::nullopt;
    return QRectF(*topLeft, QSizeF(size->x(), size->y()));
}

std::optional<QPolygonF> points(Reader& r)
{
    const std::uint32_t count = r.varint();
    // Each point takes eight bytes, so a count the payload cannot hold is false.
    if (!r.ok() || count > static_cast<std::uint32_t>(MaxPoints) || count * 8 > static_cast<std::uint64_t>(r.remaining()))
        return std::nullopt;
    QPolygonF polygon;
    polygon.reserve(count);
    for (std::uint32_t i = 0; i < count; ++i) {
        const auto p = point(r);
        if (!p)
            return std::nullopt;
        polygon << *p;
    }
    return polygon;
}

std::optional<double> bounded(Reader& r, double low, double high)
{
    const float v = r.f32();
    if (!r.ok() || !std::isfinite(v))
        return std::nullopt;
    return std::clamp<double>(v, low, high);
}

std::optional<PageSetup> readPageSetup(Reader& r)
{
    const int code = r.u8();
    const int width = r.u16();
    const int height = r.u16();
    const bool landscape = r.u8() != 0;
    if (!r.ok())
        return std::nullopt;
    PageSetup setup = PageSetup::custom(width, height);
    setup.paperCode = code;
    setup.landscape = landscape;
    return setup;
}

} // namespace

ReportStream::ReportStream(QByteArray data)
    : m_data(std::move(data))
{
    index();
}

void ReportStream::fail(const QString& message)
{
    m_damaged = true;
    if (m_error.isEmpty())
        m_error = message;
}

void ReportStream::index()
{
    if (m_data.size() < HeaderSize || std::memcmp(m_data.constData(), Magic, sizeof Magic) != 0) {
        m_error = QStringLiteral("report stream: not a report stream");
        return;
    }
    Reader header(m_data.constData() + sizeof Magic, HeaderSize - sizeof Magic);
    const int version = header.u16();
    if (version < 1 || version > Version) {
        m_error = QStringLiteral("report stream: version %1 is not supported").arg(version);
        return;
    }
    m_valid = true;

    Reader r(m_data.constData(), m_data.size());
    r.skip(HeaderSize);
    bool pageOpen = false;
    while (!r.atEnd()) {
        const qsizetype recordStart = r.position();
        const std::uint8_t op = r.u8();
        const std::uint32_t length = r.varint();
        if (!r.ok() || length > static_cast<std::uint64_t>(r.remaining())) {
            fail(QStringLiteral("report stream: record at byte %1 is truncated").arg(recordStart));
            break;
        }
        const qsizetype payload = r.position();
        Reader body(m_data.constData() + payload, length);
        if (op == BeginPage) {
            if (pageOpen)
                m_pages.last().end = recordStart;
            const auto setup = readPageSetup(body);
            if (!setup)
                fail(QStringLiteral("report stream: page start at byte %1 is malformed").arg(recordStart));
            m_pages.append(PageEntry{setup.value_or(PageSetup{}), payload + length, payload + length});
            pageOpen = true;
        } else if (op == EndPage) {
            if (pageOpen)
                m_pages.last().end = recordStart;
            pageOpen = false;
        } else if (op == ImageData) {
            const std::uint32_t id = body.varint();
            const std::uint32_t sum = body.u32();
            if (body.ok() && id >= 1 && id <= static_cast<std::uint32_t>(MaxImageId) && !m_images.contains(int(id)))
                m_images.insert(int(id), ImageEntry{payload + body.position(), body.remaining(), sum});
        }
        r.skip(length);
    }
    if (pageOpen) {
        // A page cut off by the end of the stream ends where its data does.
        m_pages.last().end = r.position();
        fail(QStringLiteral("report stream: the last page is not complete"));
    }
}

PageSetup ReportStream::pageSetup(int page) const
{
    if (page < 1 || page > pageCount())
        return PageSetup{};
    return m_pages[page - 1].setup;
}

bool ReportStream::replayPage(int page, Canvas& canvas) const
{
    if (page < 1 || page > pageCount())
        return false;
    const PageEntry& entry = m_pages[page - 1];
    canvas.beginPage(entry.setup);
    Reader r(m_data.constData() + entry.begin, std::max<qsizetype>(0, entry.end - entry.begin));
    while (!r.atEnd()) {
        const std::uint8_t op = r.u8();
        const std::uint32_t length = r.varint();
        if (!r.ok() || length > static_cast<std::uint64_t>(r.remaining()))
            break;
        replayRecord(op, m_data.constData() + entry.begin + r.position(), length, canvas);
        r.skip(length);
    }
    canvas.endPage();
    return true;
}

void ReportStream::replayAll(Canvas& canvas) const
{
    for (int page = 1; page <= pageCount(); ++page)
        replayPage(page, canvas);
}

QImage ReportStream::image(int id) const
{
    const auto decoded = m_decoded.constFind(id);
    if (decoded != m_decoded.constEnd())
        return *decoded;
    const auto entry = m_images.constFind(id);
    QImage result;
    if (entry != m_images.constEnd()) {
        const char* bytes = m_data.constData() + entry->offset;
        // A picture whose bytes were damaged is left out, not decoded.
        if (checksum(bytes, entry->size) == entry->checksum)
            result = QImage::fromData(QByteArrayView(bytes, entry->size), "PNG");
    }
    m_decoded.insert(id, result);
    return result;
}

void ReportStream::replayRecord(std::uint8_t op, const char* payload, qsizetype size, Canvas& canvas) const
{
    Reader r(payload, size);
    switch (op) {
    case Pen: {
        const QColor color = QColor::fromRgba(r.u32());
        const auto width = bounded(r, 0, MaxPenWidth);
        const int style = r.u8();
        if (width && r.ok())
            canvas.setPen(CanvasPen{color, *width, static_cast<Qt::PenStyle>(std::min(style, int(Qt::DashDotDotLine)))});
        break;
    }
    case Brush: {
        const QColor color = QColor::fromRgba(r.u32());
        const bool solid = r.u8() != 0;
        if (r.ok())
            canvas.setBrush(CanvasBrush{color, solid});
        break;
    }
    case Font: {
        CanvasFont font;
        font.color = QColor::fromRgba(r.u32());
        const auto em = bounded(r, 0, MaxEmSize);
        const int flags = r.u8();
        font.family = QString::fromUtf8(r.string(1024));
        if (!em || !r.ok())
            break;
        font.emSize = *em;
        font.bold = flags & 1;
        font.italic = flags & 2;
        font.underline = flags & 4;
        font.strikeOut = flags & 8;
        canvas.setFont(font);
        break;
    }
    case TextBackground: {
        const QColor color = QColor::fromRgba(r.u32());
        if (r.ok())
            canvas.setTextBackground(color);
        break;
    }
    case Clip:
        if (const auto box = rect(r))
            canvas.setClip(*box);
        break;
    case ResetClip:
        canvas.resetClip();
        break;
    case Line: {
        const auto from = point(r);
        const auto to = point(r);
        if (from && to)
            canvas.drawLine(*from, *to);
        break;
    }
    case Polygon:
        if (const auto polygon = points(r))
            canvas.drawPolygon(*polygon);
        break;
    case Polyline:
        if (const auto polyline = points(r))
            canvas.drawPolyline(*polyline);
        break;
    case Rect:
        if (const auto box = rect(r))
            canvas.drawRect(*box);
        break;
    case FillRect:
        if (const auto box = rect(r))
            canvas.fillRect(*box);
        break;
    case Ellipse:
        if (const auto box = rect(r))
            canvas.drawEllipse(*box);
        break;
    case Arc: {
        const auto box = rect(r);
        const auto start = bounded(r, -36000, 36000);
        const auto span = bounded(r, -360, 360);
        if (box && start && span)
            canvas.drawArc(*box, *start, *span);
        break;
    }
    case Text: {
        const auto origin = point(r);
        const QByteArray text = r.string(MaxTextLength);
        if (origin && r.ok())
            canvas.drawText(*origin, QString::fromUtf8(text));
        break;
    }
    case Image: {
        const std::uint32_t id = r.varint();
        const auto target = rect(r);
        if (target && r.ok() && id >= 1 && id <= static_cast<std::uint32_t>(MaxImageId)) {
            const QImage picture = image(static_cast<int>(id));
            if (!picture.isNull())
                canvas.drawImage(*target, picture);
        }
        break;
    }
    default:
        break; // page marks and image data are handled by the index; others are newer records
    }
}

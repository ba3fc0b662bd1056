#include "report/metafilerecords.h"

#include "base/ansi.h"

#include <algorithm>
#include <bit>
#include <cmath>

namespace {

// Little-endian fields appended one after another.
class Fields {
public:
    Fields& u8(std::uint8_t v)
    {
        m_bytes.append(char(v));
        return *this;
    }
    Fields& u16(std::uint16_t v) { return u8(v & 0xFF).u8(v >> 8); }
    Fields& u32(std::uint32_t v) { return u16(v & 0xFFFF).u16(v >> 16); }
    // 16-bit coordinates saturate instead of wrapping round.
    Fields& i16(int v) { return u16(std::uint16_t(std::int16_t(std::clamp(v, -32768, 32767)))); }
    Fields& i32(int v) { return u32(std::uint32_t(v)); }
    Fields& f32(float v) { return u32(std::bit_cast<std::uint32_t>(v)); }
    Fields& bytes(const QByteArray& b)
    {
        m_bytes.append(b);
        return *this;
    }
    Fields& padTo(int multiple)
    {
        while (m_bytes.size() % multiple)
            m_bytes.append('\0');
        return *this;
    }
    const QByteArray& data() const { return m_bytes; }
    qsizetype size() const { return m_bytes.size(); }

private:
    QByteArray m_bytes;
};

std::uint8_t flag(bool on) { return on ? 1 : 0; }

// ---------------------------------------------------------------- WMF

// 16-bit records: size in words (32 bits), function (16 bits), parameters.
// Points and rectangles are written in the reversed order the format uses
// (y before x, bottom-right before top-left).
class WmfRecords : public MetafileRecords {
public:
    void createPen(int, const MetaPen& pen) override
    {
        record(0x02FA, Fields().u16(pen.style).i16(pen.width).i16(0).u32(pen.color));
    }
    void createBrush(int, const MetaBrush& brush) override
    {
        record(0x02FC, Fields().u16(brush.style).u32(brush.color).u16(0));
    }
    void createFont(int, const MetaFont& font) override
    {
        Fields f;
        f.i16(font.height).i16(0).i16(0).i16(0).i16(font.weight);
        f.u8(flag(font.italic)).u8(flag(font.underline)).u8(flag(font.strikeOut));
        f.u8(0).u8(0).u8(0).u8(0).u8(0); // ANSI character set, default precision, quality, pitch
        QByteArray face = unicodeToAnsi(font.face).left(31);
        face.resize(32, '\0');
        record(0x02FB, f.bytes(face));
    }
    // Objects fill the lowest free slot of the table when created, which
    // is how the canvas numbers them, so handles are used as they are.
    void selectObject(int handle) override { record(0x012D, Fields().u16(std::uint16_t(handle))); }
    void deleteObject(int handle) override { record(0x01F0, Fields().u16(std::uint16_t(handle))); }

    void setBackgroundMode(bool opaque) override { record(0x0102, Fields().u16(opaque ? 2 : 1)); }
    void setBackgroundColor(std::uint32_t color) override { record(0x0201, Fields().u32(color)); }
    void setTextColor(std::uint32_t color) override { record(0x0209, Fields().u32(color)); }
    void setTextAlign(std::uint16_t align) override { record(0x012E, Fields().u16(align)); }

    void moveTo(QPoint p) override { record(0x0214, Fields().i16(p.y()).i16(p.x())); }
    void lineTo(QPoint p) override { record(0x0213, Fields().i16(p.y()).i16(p.x())); }
    void rectangle(const MetaRect& box) override { record(0x041B, rect(box)); }
    void ellipse(const MetaRect& box) override { record(0x0418, rect(box)); }
    void arc(const MetaRect& box, QPoint start, QPoint end) override
    {
        Fields f;
        f.i16(end.y()).i16(end.x()).i16(start.y()).i16(start.x()).bytes(rect(box).data());
        record(0x0817, f);
    }
    void polygon(const QList<QPoint>& points) override { record(0x0324, pointList(points)); }
    void polyline(const QList<QPoint>& points) override { record(0x0325, pointList(points)); }
    // The advances are optional here and left out: players then lay the
    // text out whole with their own font, where with them some place every
    // character on its own.
    void text(QPoint p, const QString& text, const QList<int>&) override
    {
        const QByteArray bytes = unicodeToAnsi(text).left(0x7FFF);
        record(0x0A32, Fields().i16(p.y()).i16(p.x()).i16(int(bytes.size())).u16(0).bytes(bytes).padTo(2));
    }

    void saveState() override { record(0x001E, Fields()); }
    void restoreState() override { record(0x0127, Fields().i16(-1)); }
    void intersectClip(const MetaRect& box) override { record(0x0416, rect(box)); }

    QByteArray picture(const MetafileGeometry& g, int objectCount) const override
    {
        // The prologue: the window the picture is drawn in, and the
        // creator and description as a comment.
        WmfRecords prologue;
        prologue.record(0x0103, Fields().u16(8)); // MM_ANISOTROPIC: the window scales to the frame
        prologue.record(0x020B, Fields().i16(0).i16(0));
        prologue.record(0x020C, Fields().i16(g.heightUnits).i16(g.widthUnits));
        const QByteArray comment = unicodeToAnsi(kMetafileCreator) + '\0' + unicodeToAnsi(kMetafileDescription) + '\0';
        prologue.record(0x0626, Fields().u16(0x000F).u16(std::uint16_t(comment.size())).bytes(comment).padTo(2));
        WmfRecords end;
        end.record(0x0000, Fields());

        const QByteArray body = prologue.m_records + m_records + end.m_records;
        const std::uint32_t maxRecord = std::max({prologue.m_maxRecord, m_maxRecord, end.m_maxRecord});

        Fields placeable;
        placeable.u32(0x9AC6CDD7).u16(0);
        placeable.i16(0).i16(0).i16(g.widthUnits).i16(g.heightUnits);
        placeable.u16(std::uint16_t(g.unitsPerPhysicalInch())).u32(0);
        std::uint16_t checksum = 0;
        for (int i = 0; i < 20; i += 2)
            checksum ^= std::uint16_t(std::uint8_t(placeable.data()[i]) | std::uint8_t(placeable.data()[i + 1]) << 8);
        placeable.u16(checksum);

        constexpr int headerWords = 9;
        Fields header;
        header.u16(1).u16(headerWords).u16(0x0300);
        header.u32(std::uint32_t(headerWords + body.size() / 2));
        header.u16(std::uint16_t(objectCount)).u32(maxRecord).u16(0);
        return placeable.data() + header.data() + body;
    }

private:
    static Fields rect(const MetaRect& r) { return Fields().i16(r.bottom).i16(r.right).i16(r.top).i16(r.left); }
    static Fields pointList(const QList<QPoint>& points)
    {
        Fields f;
        const qsizetype count = std::min<qsizetype>(points.size(), 0x7FFF);
        f.i16(int(count));
        for (qsizetype i = 0; i < count; ++i)
            f.i16(points[i].x()).i16(points[i].y());
        return f;
    }
    void record(std::uint16_t function, const Fields& params)
    {
        const std::uint32_t words = std::uint32_t(3 + params.size() / 2);
        Fields r;
        r.u32(words).u16(function).bytes(params.data());
        m_records += r.data();
        m_maxRecord = std::max(m_maxRecord, words);
    }

    QByteArray m_records;
    std::uint32_t m_maxRecord = 0;
};

// ---------------------------------------------------------------- EMF

// 32-bit records: type, size in bytes (a multiple of 4), parameters.
// Handle 0 stands for the picture itself, so objects count from 1.
// Rectangles of shapes are inclusive of their right and bottom edge.
class EmfRecords : public MetafileRecords {
public:
    void createPen(int handle, const MetaPen& pen) override
    {
        record(38, Fields().u32(slot(handle)).u32(pen.style).i32(pen.width).i32(0).u32(pen.color));
    }
    void createBrush(int handle, const MetaBrush& brush) override
    {
        record(39, Fields().u32(slot(handle)).u32(brush.style).u32(brush.color).u32(0));
    }
    void createFont(int handle, const MetaFont& font) override
    {
        Fields f;
        m_fontHeight = std::abs(font.height);
        f.u32(slot(handle)).i32(font.height).i32(0).i32(0).i32(0).i32(font.weight);
        f.u8(flag(font.italic)).u8(flag(font.underline)).u8(flag(font.strikeOut));
        f.u8(0).u8(0).u8(0).u8(0).u8(0);
        const QString face = font.face.left(31);
        for (int i = 0; i < 32; ++i)
            f.u16(i < face.size() ? face[i].unicode() : 0);
        record(82, f);
    }
    void selectObject(int handle) override { record(37, Fields().u32(slot(handle))); }
    void deleteObject(int handle) override { record(40, Fields().u32(slot(handle))); }

    void setBackgroundMode(bool opaque) override { record(18, Fields().u32(opaque ? 2 : 1)); }
    void setBackgroundColor(std::uint32_t color) override { record(25, Fields().u32(color)); }
    void setTextColor(std::uint32_t color) override { record(24, Fields().u32(color)); }
    void setTextAlign(std::uint16_t align) override { record(22, Fields().u32(align)); }

    void moveTo(QPoint p) override { record(27, Fields().i32(p.x()).i32(p.y())); }
    void lineTo(QPoint p) override { record(54, Fields().i32(p.x()).i32(p.y())); }
    void rectangle(const MetaRect& box) override { record(43, inclusive(box)); }
    void ellipse(const MetaRect& box) override { record(42, inclusive(box)); }
    void arc(const MetaRect& box, QPoint start, QPoint end) override
    {
        record(45, inclusive(box).i32(start.x()).i32(start.y()).i32(end.x()).i32(end.y()));
    }
    void polygon(const QList<QPoint>& points) override { record(3, pointList(points)); }
    void polyline(const QList<QPoint>& points) override { record(4, pointList(points)); }
    void text(QPoint p, const QString& text, const QList<int>& dx) override
    {
        constexpr std::uint32_t fixedSize = 76; // record header up to the string
        const std::uint32_t stringBytes = std::uint32_t((text.size() * 2 + 3) / 4 * 4);
        int width = 0;
        for (int d : dx)
            width += d;
        Fields f;
        f.i32(p.x()).i32(p.y() - m_fontHeight).i32(p.x() + width).i32(p.y() + m_fontHeight / 3); // bounds
        f.u32(1).f32(0).f32(0); // compatible graphics mode, no scaling
        f.i32(p.x()).i32(p.y()).u32(std::uint32_t(text.size())).u32(fixedSize).u32(0);
        f.i32(0).i32(0).i32(-1).i32(-1).u32(fixedSize + stringBytes);
        for (QChar c : text)
            f.u16(c.unicode());
        f.padTo(4);
        for (qsizetype i = 0; i < text.size(); ++i)
            f.i32(dx.value(i));
        record(84, f);
    }

    void saveState() override { record(33, Fields()); }
    void restoreState() override { record(34, Fields().i32(-1)); }
    void intersectClip(const MetaRect& box) override
    {
        record(30, Fields().i32(box.left).i32(box.top).i32(box.right).i32(box.bottom));
    }

    QByteArray picture(const MetafileGeometry& g, int objectCount) const override
    {
        QByteArray description;
        for (const QString& part : {kMetafileCreator, kMetafileDescription}) {
            for (QChar c : part)
                description += char(c.unicode() & 0xFF), description += char(c.unicode() >> 8);
            description += QByteArray(2, '\0');
        }
        description += QByteArray(2, '\0');
        const std::uint32_t descriptionChars = std::uint32_t(description.size() / 2);

        EmfRecords end;
        end.record(14, Fields().u32(0).u32(16).u32(20));

        constexpr std::uint32_t headerFixed = 108;
        Fields header;
        header.u32(1).u32(0); // size filled below
        header.i32(0).i32(0).i32(g.widthUnits - 1).i32(g.heightUnits - 1);
        header.i32(0).i32(0).i32(g.widthHundredthsMm).i32(g.heightHundredthsMm);
        header.u32(0x464D4520).u32(0x00010000);
        header.u32(0).u32(std::uint32_t(m_count + 2)); // bytes filled below, records
        header.u16(std::uint16_t(objectCount + 1)).u16(0);
        header.u32(descriptionChars).u32(headerFixed).u32(0);
        // The reference device is the picture itself: its pixels are the
        // logical units and its size is the physical size.
        header.i32(g.widthUnits).i32(g.heightUnits);
        header.i32(qRound(g.widthHundredthsMm / 100.0)).i32(qRound(g.heightHundredthsMm / 100.0));
        header.u32(0).u32(0).u32(0);
        header.u32(std::uint32_t(g.widthHundredthsMm) * 10).u32(std::uint32_t(g.heightHundredthsMm) * 10);
        header.bytes(description).padTo(4);

        QByteArray result = header.data() + m_records + end.m_records;
        Fields headerSize, totalSize;
        headerSize.u32(std::uint32_t(header.size()));
        totalSize.u32(std::uint32_t(result.size()));
        result.replace(4, 4, headerSize.data());
        result.replace(48, 4, totalSize.data());
        return result;
    }

private:
    static std::uint32_t slot(int handle) { return std::uint32_t(handle + 1); }
    static Fields inclusive(const MetaRect& r)
    {
        return Fields().i32(r.left).i32(r.top).i32(r.right - 1).i32(r.bottom - 1);
    }
    static Fields pointList(const QList<QPoint>& points)
    {
        int left = 0, top = 0, right = -1, bottom = -1;
        if (!points.isEmpty()) {
            left = right = points.first().x();
            top = bottom = points.first().y();
        }
        for (const QPoint& p : points) {
            left = std::min(left, p.x()), right = std::max(right, p.x());
            top = std::min(top, p.y()), bottom = std::max(bottom, p.y());
        }
        Fields f;
        f.i32(left).i32(top).i32(right).i32(bottom).u32(std::uint32_t(points.size()));
        for (const QPoint& p : points)
            f.i32(p.x()).i32(p.y());
        return f;
    }
    void record(std::uint32_t type, const Fields& params)
    {
        Fields r;
        r.u32(type).u32(std::uint32_t(8 + (params.size() + 3) / 4 * 4)).bytes(params.data()).padTo(4);
        m_records += r.data();
        ++m_count;
    }

    QByteArray m_records;
    std::uint32_t m_count = 0;
    int m_fontHeight = 0; // of the last font created, for text bounds
};

} // namespace

MetafileGeometry MetafileGeometry::forPage(double widthInches, double heightInches)
{
    const auto whole = [](double value) {
        // A tiny allowance keeps 8.5 × 96 from being cut to 815 after a
        // rounding error in the paper size.
        return std::isfinite(value) && value > 0 ? int(std::min(std::floor(value + 1e-6), 1e9)) : 0;
    };
    MetafileGeometry g;
    g.widthUnits = whole(widthInches * UnitsPerInch);
    g.heightUnits = whole(heightInches * UnitsPerInch);
    g.widthHundredthsMm = whole(widthInches * 2540 * PhysicalScale);
    g.heightHundredthsMm = whole(heightInches * 2540 * PhysicalScale);
    return g;
}

int MetafileGeometry::unitsPerPhysicalInch() const
{
    if (widthHundredthsMm <= 0)
        return UnitsPerInch;
    return std::max(1, int(std::lround(widthUnits * 2540.0 / widthHundredthsMm)));
}

std::unique_ptr<MetafileRecords> makeMetafileRecords(MetafileFormat format)
{
    if (format == MetafileFormat::Wmf)
        return std::make_unique<WmfRecords>();
    return std::make_unique<EmfRecords>();
}

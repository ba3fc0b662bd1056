#pragma once

#include <QByteArray>
#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>

#include <cstdint>

// Reads a placeable WMF or an EMF back into one line per drawing record, in
// a form shared by both formats, so that the two pictures of one page
// compare as string lists. Objects are named by what they are ("pen 0 1
// ff0000"), not by their slots; creating and deleting them is left out, only
// selecting them shows. Rectangles are written exclusive of their right and
// bottom edge in both formats. Also checks the framing: sizes, record
// counts and the end record.
struct MetafileReading {
    bool ok = false;
    QString error;
    int width = 0, height = 0;           // logical units
    double widthMm = 0, heightMm = 0;    // physical size
    int objectSlots = 0;                 // as the header declares
    QString description;                 // EMF only
    QStringList records;
    QList<QList<int>> textAdvances;      // of each text record, in logical units (EMF only)
};

namespace metafile_detail {

class Cursor {
public:
    explicit Cursor(const QByteArray& bytes, qsizetype at = 0) : m_bytes(bytes), m_at(at) {}
    bool has(qsizetype n) const { return m_at >= 0 && m_at + n <= m_bytes.size(); }
    std::uint32_t u(int n)
    {
        std::uint32_t v = 0;
        for (int i = n - 1; i >= 0; --i)
            v = v << 8 | std::uint8_t(m_bytes[m_at + i]);
        m_at += n;
        return v;
    }
    int i16() { return std::int16_t(u(2)); }
    int i32() { return std::int32_t(u(4)); }
    QByteArray take(qsizetype n)
    {
        const QByteArray b = m_bytes.mid(m_at, n);
        m_at += n;
        return b;
    }
    qsizetype at() const { return m_at; }

private:
    const QByteArray& m_bytes;
    qsizetype m_at;
};

inline QString hex(std::uint32_t color) { return QString::number(color, 16); }
inline QString pt(int x, int y) { return QStringLiteral("%1,%2").arg(x).arg(y); }
inline QString box(int l, int t, int r, int b) { return QStringLiteral("%1,%2,%3,%4").arg(l).arg(t).arg(r).arg(b); }

} // namespace metafile_detail

inline MetafileReading readWmf(const QByteArray& bytes)
{
    using namespace metafile_detail;
    MetafileReading out;
    Cursor c(bytes);
    if (!c.has(22 + 18) || c.u(4) != 0x9AC6CDD7) {
        out.error = QStringLiteral("no placeable header");
        return out;
    }
    c.u(2);
    const int l = c.i16(), t = c.i16(), r = c.i16(), b = c.i16();
    const int inch = int(c.u(2));
    c.u(4);
    c.u(2);
    out.width = r - l;
    out.height = b - t;
    out.widthMm = out.width * 25.4 / inch;
    out.heightMm = out.height * 25.4 / inch;
    if (c.u(2) != 1 || c.u(2) != 9 || c.u(2) != 0x0300) {
        out.error = QStringLiteral("bad header");
        return out;
    }
    const std::uint32_t words = c.u(4);
    out.objectSlots = int(c.u(2));
    const std::uint32_t maxRecord = c.u(4);
    c.u(2);
    if (qsizetype(words) * 2 + 22 != bytes.size()) {
        out.error = QStringLiteral("size %1 words, file %2 bytes").arg(words).arg(bytes.size());
        return out;
    }
    QMap<int, QString> objects;
    QList<int> table; // slot -> in use
    std::uint32_t largest = 0;
    while (c.has(6)) {
        const qsizetype start = c.at();
        const std::uint32_t size = c.u(4);
        const int function = int(c.u(2));
        largest = std::max(largest, size);
        if (size < 3 || !c.has(qsizetype(size) * 2 - 6)) {
            out.error = QStringLiteral("bad record at %1").arg(start);
            return out;
        }
        Cursor p(bytes, c.at());
        auto& rec = out.records;
        switch (function) {
        case 0x0000:
            out.ok = start + 6 == bytes.size() && largest == maxRecord;
            if (!out.ok)
                out.error = QStringLiteral("end record not last, or MaxRecord wrong");
            return out;
        case 0x02FA: case 0x02FC: case 0x02FB: {
            int slot = int(table.indexOf(0));
            if (slot < 0)
                slot = int(table.size()), table << 1;
            table[slot] = 1;
            if (function == 0x02FA) {
                const int style = int(p.u(2)), width = p.i16();
                p.i16();
                objects[slot] = QStringLiteral("pen %1 %2 %3").arg(style).arg(width).arg(hex(p.u(4)));
            } else if (function == 0x02FC) {
                const int style = int(p.u(2));
                objects[slot] = QStringLiteral("brush %1 %2").arg(style).arg(hex(p.u(4)));
            } else {
                const int height = p.i16();
                p.i16(), p.i16(), p.i16();
                const int weight = p.i16();
                const int italic = int(p.u(1)), underline = int(p.u(1)), strike = int(p.u(1));
                p.take(5);
                const QByteArray face = p.take(32);
                objects[slot] = QStringLiteral("font %1 %2 %3 %4%5%6").arg(QString::fromLatin1(face.left(face.indexOf('\0'))))
                                    .arg(height).arg(weight).arg(italic).arg(underline).arg(strike);
            }
            break;
        }
        case 0x012D: rec << QStringLiteral("select ") + objects.value(int(p.u(2)), QStringLiteral("?")); break;
        case 0x01F0: table[int(p.u(2))] = 0; break;
        case 0x0102: rec << QStringLiteral("bkmode %1").arg(p.u(2)); break;
        case 0x0201: rec << QStringLiteral("bkcolor ") + hex(p.u(4)); break;
        case 0x0209: rec << QStringLiteral("textcolor ") + hex(p.u(4)); break;
        case 0x012E: rec << QStringLiteral("textalign %1").arg(p.u(2)); break;
        case 0x0214: case 0x0213: {
            const int y = p.i16(), x = p.i16();
            rec << (function == 0x0214 ? QStringLiteral("moveto ") : QStringLiteral("lineto ")) + pt(x, y);
            break;
        }
        case 0x041B: case 0x0418: case 0x0416: {
            const int bb = p.i16(), rr = p.i16(), tt = p.i16(), ll = p.i16();
            const char* name = function == 0x041B ? "rectangle " : function == 0x0418 ? "ellipse " : "clip ";
            rec << QLatin1String(name) + box(ll, tt, rr, bb);
            break;
        }
        case 0x0817: {
            const int ey = p.i16(), ex = p.i16(), sy = p.i16(), sx = p.i16();
            const int bb = p.i16(), rr = p.i16(), tt = p.i16(), ll = p.i16();
            rec << QStringLiteral("arc ") + box(ll, tt, rr, bb) + u' ' + pt(sx, sy) + u' ' + pt(ex, ey);
            break;
        }
        case 0x0324: case 0x0325: {
            QStringList points;
            for (int n = p.i16(); n > 0; --n) {
                const int x = p.i16();
                points << pt(x, p.i16());
            }
            rec << (function == 0x0324 ? QStringLiteral("polygon ") : QStringLiteral("polyline ")) + points.join(u' ');
            break;
        }
        case 0x0A32: {
            const int y = p.i16(), x = p.i16(), n = p.i16();
            const int options = int(p.u(2));
            if (options & 6)
                p.take(8);
            rec << QStringLiteral("text %1 ").arg(pt(x, y)) + QString::fromLatin1(p.take(n));
            break;
        }
        case 0x001E: rec << QStringLiteral("savedc"); break;
        case 0x0127: rec << QStringLiteral("restoredc"); break;
        default: break; // map mode, window, comments
        }
        c.take(qsizetype(size) * 2 - 6);
    }
    out.error = QStringLiteral("no end record");
    return out;
}

inline MetafileReading readEmf(const QByteArray& bytes)
{
    using namespace metafile_detail;
    MetafileReading out;
    Cursor c(bytes);
    if (!c.has(108) || c.u(4) != 1) {
        out.error = QStringLiteral("no header");
        return out;
    }
    const std::uint32_t headerSize = c.u(4);
    const int bl = c.i32(), bt = c.i32(), br = c.i32(), bb = c.i32();
    const int fl = c.i32(), ft = c.i32(), fr = c.i32(), fb = c.i32();
    const std::uint32_t signature = c.u(4);
    c.u(4);
    const std::uint32_t totalBytes = c.u(4), recordCount = c.u(4);
    out.objectSlots = int(c.u(2)) - 1;
    c.u(2);
    const std::uint32_t descriptionChars = c.u(4), descriptionAt = c.u(4);
    out.width = br - bl + 1;
    out.height = bb - bt + 1;
    out.widthMm = (fr - fl) / 100.0;
    out.heightMm = (fb - ft) / 100.0;
    if (signature != 0x464D4520 || totalBytes != std::uint32_t(bytes.size())) {
        out.error = QStringLiteral("bad signature or size");
        return out;
    }
    Cursor d(bytes, descriptionAt);
    for (std::uint32_t i = 0; i < descriptionChars && d.has(2); ++i) {
        const char16_t ch = char16_t(d.u(2));
        out.description += ch ? QChar(ch) : QChar(u'|');
    }
    Cursor r(bytes, headerSize);
    QMap<int, QString> objects;
    std::uint32_t count = 1;
    while (r.has(8)) {
        const qsizetype start = r.at();
        const std::uint32_t type = r.u(4), size = r.u(4);
        ++count;
        if (size < 8 || size % 4 || !r.has(qsizetype(size) - 8)) {
            out.error = QStringLiteral("bad record at %1").arg(start);
            return out;
        }
        Cursor p(bytes, r.at());
        auto& rec = out.records;
        const auto inclusiveBox = [&p] {
            const int l = p.i32(), t = p.i32(), rr = p.i32(), b = p.i32();
            return box(l, t, rr + 1, b + 1);
        };
        switch (type) {
        case 14:
            out.ok = start + size == bytes.size() && count == recordCount;
            if (!out.ok)
                out.error = QStringLiteral("end record not last, or record count wrong");
            return out;
        case 38: {
            const int slot = int(p.u(4)) - 1, style = int(p.u(4)), width = p.i32();
            p.i32();
            objects[slot] = QStringLiteral("pen %1 %2 %3").arg(style).arg(width).arg(hex(p.u(4)));
            break;
        }
        case 39: {
            const int slot = int(p.u(4)) - 1, style = int(p.u(4));
            objects[slot] = QStringLiteral("brush %1 %2").arg(style).arg(hex(p.u(4)));
            break;
        }
        case 82: {
            const int slot = int(p.u(4)) - 1, height = p.i32();
            p.i32(), p.i32(), p.i32();
            const int weight = p.i32();
            const int italic = int(p.u(1)), underline = int(p.u(1)), strike = int(p.u(1));
            p.take(5);
            QString face;
            for (int i = 0; i < 32; ++i)
                if (const char16_t ch = char16_t(p.u(2)); ch && face.size() == i)
                    face += QChar(ch);
            objects[slot] = QStringLiteral("font %1 %2 %3 %4%5%6").arg(face).arg(height).arg(weight).arg(italic)
                                .arg(underline).arg(strike);
            break;
        }
        case 37: rec << QStringLiteral("select ") + objects.value(int(p.u(4)) - 1, QStringLiteral("?")); break;
        case 18: rec << QStringLiteral("bkmode %1").arg(p.u(4)); break;
        case 25: rec << QStringLiteral("bkcolor ") + hex(p.u(4)); break;
        case 24: rec << QStringLiteral("textcolor ") + hex(p.u(4)); break;
        case 22: rec << QStringLiteral("textalign %1").arg(p.u(4)); break;
        case 27: case 54: {
            const int x = p.i32(), y = p.i32();
            rec << (type == 27 ? QStringLiteral("moveto ") : QStringLiteral("lineto ")) + pt(x, y);
            break;
        }
        case 43: rec << QStringLiteral("rectangle ") + inclusiveBox(); break;
        case 42: rec << QStringLiteral("ellipse ") + inclusiveBox(); break;
        case 30: {
            const int l = p.i32(), t = p.i32(), rr = p.i32(), b = p.i32();
            rec << QStringLiteral("clip ") + box(l, t, rr, b);
            break;
        }
        case 45: {
            const QString b = inclusiveBox();
            const int sx = p.i32(), sy = p.i32(), ex = p.i32(), ey = p.i32();
            rec << QStringLiteral("arc ") + b + u' ' + pt(sx, sy) + u' ' + pt(ex, ey);
            break;
        }
        case 3: case 4: {
            p.take(16);
            QStringList points;
            for (std::uint32_t n = p.u(4); n > 0; --n) {
                const int x = p.i32();
                points << pt(x, p.i32());
            }
            rec << (type == 3 ? QStringLiteral("polygon ") : QStringLiteral("polyline ")) + points.join(u' ');
            break;
        }
        case 84: {
            p.take(16 + 12);
            const int x = p.i32(), y = p.i32();
            const std::uint32_t n = p.u(4), offset = p.u(4);
            p.take(4 + 16);
            Cursor s(bytes, start + offset), d(bytes, start + p.u(4));
            QString text;
            QList<int> dx;
            for (std::uint32_t i = 0; i < n && s.has(2) && d.has(4); ++i) {
                text += QChar(char16_t(s.u(2)));
                dx << d.i32();
            }
            rec << QStringLiteral("text %1 ").arg(pt(x, y)) + text;
            out.textAdvances << dx;
            break;
        }
        case 33: rec << QStringLiteral("savedc"); break;
        case 34: rec << QStringLiteral("restoredc"); break;
        default: break; // deletes
        }
        r.take(qsizetype(size) - 8);
    }
    out.error = QStringLiteral("no end record");
    return out;
}

#pragma once

#include <QByteArray>
#include <QString>

#include <cstdint>

// The report stream: a header, then records. All numbers are little-endian.
//
//   header   "QMRS", u16 version (1), u16 flags (0)
//   record   u8 opcode, varint payload length, payload
//
// A reader skips records whose opcode it does not know, so later versions
// can add records; it stops at a record that runs past the end. Lengths are
// inches as float32, colours ARGB u32, strings a varint byte count and UTF-8.
namespace reportformat {

constexpr char Magic[4] = {'Q', 'M', 'R', 'S'};
constexpr std::uint16_t Version = 1;
constexpr int HeaderSize = 8;

enum Op : std::uint8_t {
    BeginPage = 1,      // u8 paper code, u16 width, u16 height (tenths of mm, portrait), u8 landscape
    EndPage = 2,        // -
    Pen = 3,            // u32 colour, f32 width, u8 style
    Brush = 4,          // u32 colour, u8 solid
    Font = 5,           // u32 colour, f32 em size, u8 flags (1 bold, 2 italic, 4 underline, 8 strike-out), string family
    TextBackground = 6, // u32 colour
    Clip = 7,           // rect
    ResetClip = 8,      // -
    Line = 16,          // point, point
    Polygon = 17,       // varint count, points
    Polyline = 18,      // varint count, points
    Rect = 19,          // rect (x, y, width, height)
    FillRect = 20,      // rect
    Ellipse = 21,       // rect
    Arc = 22,           // rect, f32 start angle, f32 span angle (degrees)
    Text = 23,          // point, string
    Image = 24,         // varint image id, rect
    ImageData = 32,     // varint image id, u32 checksum of the PNG bytes, PNG bytes (to the end of the payload)
};

// Limits a reader enforces on damaged input.
constexpr double MaxCoordinate = 1000;  // inches either way
constexpr double MaxEmSize = 15;        // inches
constexpr double MaxPenWidth = 1;       // inches
constexpr int MaxTextLength = 65535;    // UTF-8 bytes of one text
constexpr int MaxPoints = 100000;       // points of one polygon
constexpr int MaxImageId = 65535;

// FNV-1a checksum of stored pictures, so that damaged picture data is
// recognised before it reaches the image decoder.
std::uint32_t checksum(const char* data, qsizetype size);

// Appends little-endian values to a byte array.
class Writer {
public:
    explicit Writer(QByteArray& out) : m_out(out) {}
    void u8(std::uint8_t v) { m_out.append(static_cast<char>(v)); }
    void u16(std::uint16_t v);
    void u32(std::uint32_t v);
    void f32(double v);
    void varint(std::uint32_t v);
    void string(const QByteArray& utf8);

private:
    template <typename T>
    void number(T v);

    QByteArray& m_out;
};

// Reads little-endian values from a byte range; every read fails instead of
// passing the end, and a failed read leaves the reader failed.
class Reader {
public:
    Reader(const char* data, qsizetype size) : m_data(data), m_size(size) {}
    bool ok() const { return m_ok; }
    qsizetype position() const { return m_pos; }
    qsizetype remaining() const { return m_size - m_pos; }
    bool atEnd() const { return m_pos >= m_size; }

    std::uint8_t u8();
    std::uint16_t u16();
    std::uint32_t u32();
    float f32();
    std::uint32_t varint();
    // A string of at most maxBytes; a longer one fails.
    QByteArray string(int maxBytes);
    // The next count bytes.
    QByteArray bytes(qsizetype count);
    void skip(qsizetype count);

private:
    bool take(qsizetype count);
    // The next sizeof(T) bytes as one little-endian number.
    template <typename T>
    T number();

    const char* m_data;
    qsizetype m_size;
    qsizetype m_pos = 0;
    bool m_ok = true;
};

} // namespace reportformat

#include "report/reportformat.h"

#include <cstring>

namespace reportformat {

std::uint32_t checksum(const char* data, qsizetype size)
{
    std::uint32_t hash = 2166136261u;
    for (qsizetype i = 0; i < size; ++i) {
        hash ^= static_cast<std::uint8_t>(data[i]);
        hash *= 16777619u;
    }
    return hash;
}

void Writer::u16(std::uint16_t v)
{
    u8(v & 0xFF);
    u8(v >> 8);
}

void Writer::u32(std::uint32_t v)
{
    u16(v & 0xFFFF);
    u16(v >> 16);
}

void Writer::f32(double v)
{
    const float f = static_cast<float>(v);
    std::uint32_t bits;
    std::memcpy(&bits, &f, sizeof bits);
    u32(bits);
}

void Writer::varint(std::uint32_t v)
{
    while (v >= 0x80) {
        u8(static_cast<std::uint8_t>(v | 0x80));
        v >>= 7;
    }
    u8(static_cast<std::uint8_t>(v));
}

void Writer::string(const QByteArray& utf8)
{
    varint(static_cast<std::uint32_t>(utf8.size()));
    m_out.append(utf8);
}

bool Reader::take(qsizetype count)
{
    if (!m_ok || count < 0 || count > remaining()) {
        m_ok = false;
        return false;
    }
    return true;
}

std::uint8_t Reader::u8()
{
    if (!take(1))
        return 0;
    return static_cast<std::uint8_t>(m_data[m_pos++]);
}

std::uint32_t Reader::littleEndian(int byteCount)
{
    if (!take(byteCount))
        return 0;
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(m_data + m_pos);
    std::uint32_t value = 0;
    for (int i = byteCount - 1; i >= 0; --i)
        value = (value << 8) | bytes[i];
    m_pos += byteCount;
    return value;
}

std::uint16_t Reader::u16()
{
    return static_cast<std::uint16_t>(littleEndian(2));
}

std::uint32_t Reader::u32()
{
    return littleEndian(4);
}

float Reader::f32()
{
    const std::uint32_t bits = u32();
    float f;
    std::memcpy(&f, &bits, sizeof f);
    return f;
}

std::uint32_t Reader::varint()
{
    std::uint32_t value = 0;
    for (int shift = 0; shift < 35; shift += 7) {
        const std::uint8_t byte = u8();
        if (!m_ok)
            return 0;
        value |= static_cast<std::uint32_t>(byte & 0x7F) << shift;
        if (!(byte & 0x80))
            return value;
    }
    m_ok = false; // more than five bytes: not a number this format writes
    return 0;
}

QByteArray Reader::string(int maxBytes)
{
    const std::uint32_t length = varint();
    if (!m_ok || length > static_cast<std::uint32_t>(maxBytes)) {
        m_ok = false;
        return {};
    }
    return bytes(length);
}

QByteArray Reader::bytes(qsizetype count)
{
    if (!take(count))
        return {};
    QByteArray result(m_data + m_pos, count);
    m_pos += count;
    return result;
}

void Reader::skip(qsizetype count)
{
    if (take(count))
        m_pos += count;
}

} // namespace reportformat

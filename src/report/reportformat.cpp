#include "report/reportformat.h"

#include "base/littleendian.h"


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

template <typename T>
void Writer::number(T v)
{
    std::uint8_t bytes[sizeof(T)];
    le::store<T>(bytes, v);
    m_out.append(reinterpret_cast<const char*>(bytes), sizeof bytes);
}

void Writer::u16(std::uint16_t v)
{
    number(v);
}

void Writer::u32(std::uint32_t v)
{
    number(v);
}

void Writer::f32(double v)
{
    number(static_cast<float>(v));
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

template <typename T>
T Reader::number()
{
    if (!take(sizeof(T)))
        return 0;
    const T value = le::load<T>(reinterpret_cast<const std::uint8_t*>(m_data + m_pos));
    m_pos += sizeof(T);
    return value;
}

std::uint16_t Reader::u16()
{
    return number<std::uint16_t>();
}

std::uint32_t Reader::u32()
{
    return number<std::uint32_t>();
}

float Reader::f32()
{
    return number<float>();
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

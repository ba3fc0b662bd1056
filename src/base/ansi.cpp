#include "base/ansi.h"

#include <array>

namespace {

// Unicode code points of the bytes 0x80..0x9F in Windows-1252.
constexpr std::array<char16_t, 32> kHighControlRange = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

} // namespace

QChar ansiCharToUnicode(unsigned char byte)
{
    if (byte >= 0x80 && byte <= 0x9F)
        return QChar(kHighControlRange[byte - 0x80]);
    return QChar(byte);
}

char unicodeToAnsiChar(QChar ch)
{
    const char16_t code = ch.unicode();
    if (code < 0x80 || (code >= 0xA0 && code <= 0xFF))
        return static_cast<char>(code);
    for (std::size_t i = 0; i < kHighControlRange.size(); ++i) {
        if (kHighControlRange[i] == code)
            return static_cast<char>(0x80 + i);
    }
    return '?';
}

QString ansiToUnicode(QByteArrayView bytes)
{
    QString result;
    result.reserve(bytes.size());
    for (char byte : bytes)
        result.append(ansiCharToUnicode(static_cast<unsigned char>(byte)));
    return result;
}

QByteArray unicodeToAnsi(const QString& text)
{
    QByteArray result;
    result.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar ch = text.at(i);
        // A surrogate pair is one character with no byte: one "?".
        if (ch.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate())
            ++i;
        result.append(unicodeToAnsiChar(ch));
    }
    return result;
}

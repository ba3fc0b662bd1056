#include "base/latin1.h"

QByteArray Trim(QByteArrayView text)
{
    qsizetype first = 0;
    qsizetype last = text.size();
    while (first < last && text[first] == ' ')
        ++first;
    while (last > first && text[last - 1] == ' ')
        --last;
    return text.sliced(first, last - first).toByteArray();
}

unsigned char UpperLatin1(unsigned char ch)
{
    if ((ch >= 'a' && ch <= 'z') || (ch >= 0xE0 && ch <= 0xF6) || (ch >= 0xF8 && ch <= 0xFE))
        return static_cast<unsigned char>(ch - 32);
    return ch;
}

unsigned char LowerLatin1(unsigned char ch)
{
    if ((ch >= 'A' && ch <= 'Z') || (ch >= 0xC0 && ch <= 0xD6) || (ch >= 0xD8 && ch <= 0xDE))
        return static_cast<unsigned char>(ch + 32);
    return ch;
}

unsigned char UpperAscii(unsigned char ch)
{
    return (ch >= 'a' && ch <= 'z') ? static_cast<unsigned char>(ch - 32) : ch;
}

QByteArray UpperAscii(QByteArrayView text)
{
    QByteArray result = text.toByteArray();
    for (char& ch : result)
        ch = static_cast<char>(UpperAscii(static_cast<unsigned char>(ch)));
    return result;
}

QByteArray UpperLatin1(QByteArrayView text)
{
    QByteArray result = text.toByteArray();
    for (char& ch : result)
        ch = static_cast<char>(UpperLatin1(static_cast<unsigned char>(ch)));
    return result;
}

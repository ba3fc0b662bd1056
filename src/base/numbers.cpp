#include "base/numbers.h"

#include "base/ansi.h"

#include <algorithm>
#include <climits>

namespace {

int digitValue(char ch, int base)
{
    int value = -1;
    if (ch >= '0' && ch <= '9')
        value = ch - '0';
    else if (ch >= 'a' && ch <= 'f')
        value = ch - 'a' + 10;
    else if (ch >= 'A' && ch <= 'F')
        value = ch - 'A' + 10;
    return value < base ? value : -1;
}

int clampToInt(long long value)
{
    return static_cast<int>(std::clamp<long long>(value, INT_MIN, INT_MAX));
}

} // namespace

int readIntegerSetting(QByteArrayView text)
{
    text = text.first(std::min<qsizetype>(text.size(), 14));
    qsizetype pos = 0;
    while (pos < text.size() && text[pos] == ' ')
        ++pos;

    bool negative = false;
    int base = 10;
    if (pos < text.size() && text[pos] == '$') {
        base = 16;
        ++pos;
    } else if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
        negative = text[pos] == '-';
        ++pos;
    }

    long long value = 0;
    for (; pos < text.size(); ++pos) {
        const int digit = digitValue(text[pos], base);
        if (digit < 0)
            return clampToInt(value); // stopped early: digits so far, no sign
        value = std::min<long long>(value * base + digit, 1LL << 40);
    }
    return clampToInt(negative ? -value : value);
}

int readIntegerSettingText(const QString& text)
{
    return readIntegerSetting(unicodeToAnsi(text));
}

QString formatNumber(long long value, int minWidth)
{
    const bool negative = value < 0;
    QString digits = QString::number(negative ? -static_cast<unsigned long long>(value)
                                              : static_cast<unsigned long long>(value));
    QString grouped;
    const qsizetype n = digits.size();
    for (qsizetype i = 0; i < n; ++i) {
        if (i > 0 && (n - i) % 3 == 0)
            grouped.append(u',');
        grouped.append(digits.at(i));
    }
    if (negative)
        grouped.prepend(u'-');
    return grouped.rightJustified(minWidth, u' ');
}

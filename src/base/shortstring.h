#pragma once

#include "base/ansi.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <algorithm>
#include <cstdint>
#include <cstring>

// A String[N] field of a stored record: one length byte followed by N
// character bytes. A length byte above N (a damaged file) reads as N; bytes
// beyond the length are carried along unchanged and never compared.
template <int N>
struct ShortString {
    static_assert(N >= 1 && N <= 255);
    static constexpr int Capacity = N;

    std::uint8_t length;
    char chars[N];

    int size() const { return std::min<int>(length, N); }
    bool isEmpty() const { return size() == 0; }
    QByteArray bytes() const { return QByteArray(chars, size()); }
    QByteArrayView view() const { return QByteArrayView(chars, size()); }
    QString text() const { return ansiToUnicode(view()); }

    // Longer input is cut to N bytes, never rejected.
    void assign(QByteArrayView value)
    {
        const int n = static_cast<int>(std::min<qsizetype>(value.size(), N));
        if (n > 0)
            std::memcpy(chars, value.data(), n);
        length = static_cast<std::uint8_t>(n);
    }
    void setText(const QString& value) { assign(unicodeToAnsi(value)); }
    void clear() { length = 0; }
};

static_assert(sizeof(ShortString<20>) == 21 && alignof(ShortString<20>) == 1);

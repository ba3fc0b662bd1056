#include "generate/placementrules.h"

#include "base/latin1.h"

#include <algorithm>
#include <cstring>

int placementLetters(QByteArrayView word, std::uint8_t* letters)
{
    int count = 0;
    for (const char ch : word.first(std::min<qsizetype>(word.size(), 30)))
        if (ch != ' ')
            letters[count++] = UpperLatin1(static_cast<unsigned char>(ch));
    return count;
}

int compareWords(QByteArrayView a, QByteArrayView b)
{
    const qsizetype common = std::min(a.size(), b.size());
    if (common > 0) {
        const int order = std::memcmp(a.data(), b.data(), common);
        if (order != 0)
            return order;
    }
    return a.size() < b.size() ? -1 : (a.size() > b.size() ? 1 : 0);
}

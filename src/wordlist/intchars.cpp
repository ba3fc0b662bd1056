#include "wordlist/intchars.h"

#include "base/ansi.h"
#include "base/numbers.h"

int intKeyListPosition(const QString& setting)
{
    const int position = readIntegerSettingText(setting) - kIntCharFirstCode;
    return (position >= 0 && position < kIntCharCount) ? position : 0;
}

QString intKeySettingForPosition(int position)
{
    return QStringLiteral("0%1").arg(kIntCharFirstCode + qBound(0, position, kIntCharCount - 1));
}

std::optional<QChar> intKeyCharacter(const QString& setting)
{
    if (setting.isEmpty() || setting.size() > 4)
        return std::nullopt;
    for (QChar ch : setting) {
        if (ch < u'0' || ch > u'9')
            return std::nullopt;
    }
    const int code = setting.toInt();
    if (code < 1 || code > 255)
        return std::nullopt;
    return ansiCharToUnicode(static_cast<unsigned char>(code));
}

#include "base/copyname.h"

#include "base/latin1.h"
#include "base/numbers.h"

QByteArray copyName(QByteArrayView name, int maxLength)
{
    QByteArray text = Trim(name);
    QByteArray result;
    const qsizetype open = text.indexOf('(');
    if (text.endsWith(')') && open >= 0 && open < text.size() - 1) {
        const QByteArray inner = text.mid(open + 1, text.size() - open - 2);
        const int number = readIntegerSetting(inner);
        if (number > 0)
            result = text.left(open) + '(' + QByteArray::number(static_cast<long long>(number) + 1) + ')';
    }
    if (result.isEmpty())
        result = text + " (2)";
    return result.left(maxLength);
}

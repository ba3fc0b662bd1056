#include "wordlist/wordtextfile.h"

#include "base/ansi.h"
#include "base/latin1.h"
#include "base/messageservice.h"
#include "base/wholefile.h"

#include <QFile>
#include <QStringDecoder>

namespace {

constexpr char kUtf8Bom[] = "\xEF\xBB\xBF";

bool hasNonAscii(QByteArrayView bytes)
{
    for (char byte : bytes)
        if (static_cast<unsigned char>(byte) >= 0x80)
            return true;
    return false;
}

} // namespace

QString decodeWordText(QByteArrayView bytes)
{
    if (bytes.startsWith(QByteArrayView(kUtf8Bom)))
        return QString::fromUtf8(bytes.sliced(3));
    if (!hasNonAscii(bytes))
        return QString::fromLatin1(bytes);
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = utf8.decode(bytes);
    return utf8.hasError() ? ansiToUnicode(bytes) : text;
}

QList<QByteArray> wordTextEntries(const QString& text)
{
    QList<QByteArray> entries;
    qsizetype start = 0;
    while (start < text.size()) {
        qsizetype end = start;
        while (end < text.size() && text[end] != u'\n' && text[end] != u'\r')
            ++end;
        const QByteArray entry = Trim(unicodeToAnsi(text.mid(start, std::min<qsizetype>(end - start, kMaxWordTextLine))));
        if (!entry.isEmpty())
            entries.append(entry);
        // CR LF is one line end.
        start = end + ((end + 1 < text.size() && text[end] == u'\r' && text[end + 1] == u'\n') ? 2 : 1);
    }
    return entries;
}

std::optional<QList<QByteArray>> readWordTextFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        throw IoError(QStringLiteral("I/O error reading %1: %2").arg(path, file.errorString()));
    return wordTextEntries(decodeWordText(bytes));
}

bool writeWordTextFile(const QString& path, const QList<QByteArray>& lines)
{
    WholeFile file(path);
    if (!file.open())
        return false;
    QByteArray bytes;
    for (const QByteArray& line : lines)
        bytes += line + "\r\n";
    if (!file.write(bytes) || !file.commit())
        throw IoError(QStringLiteral("I/O error writing %1: %2").arg(path, file.errorString()));
    return true;
}

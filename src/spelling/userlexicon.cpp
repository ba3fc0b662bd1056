#include "spelling/userlexicon.h"

#include "base/wholefile.h"
#include "spelling/dictionarytext.h"

#include <QFile>

namespace {

// Reads the words of the file into `words`; false when the file exists but
// cannot be read, so that callers never write over a list they did not see.
bool readWords(const QString& path, QStringList& words)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return !file.exists();
    const QList<QByteArray> lines = file.readAll().split('\n');
    for (const QByteArray& line : lines) {
        const QString word = trimBlanks(QString::fromUtf8(line).remove(u'\r'));
        if (!word.isEmpty())
            words.append(word);
    }
    return true;
}

} // namespace

QStringList readUserLexicon(const QString& path)
{
    QStringList words;
    readWords(path, words);
    return words;
}

bool writeUserLexicon(const QString& path, const QStringList& words)
{
    QByteArray bytes;
    for (QString word : words) {
        // One word a line: a line break inside a word would split it in two.
        word.replace(u'\n', u' ').replace(u'\r', u' ');
        bytes += word.toUtf8() + '\n';
    }
    return saveWholeFile(path, bytes);
}

bool addToUserLexicon(const QString& path, const QString& word)
{
    QStringList words;
    if (!readWords(path, words))
        return false;
    if (words.contains(word))
        return true;
    words.append(word);
    return writeUserLexicon(path, words);
}

QString userLexiconNotSavedMessage(const QString& path)
{
    return QStringLiteral("Unable to save the user dictionary file %1.").arg(path);
}

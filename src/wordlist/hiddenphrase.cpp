#include "wordlist/hiddenphrase.h"

#include "base/ansi.h"
#include "base/latin1.h"
#include "base/messageservice.h"
#include "base/random.h"

int countFreeCells(const PuzzleRecord& record)
{
    int count = 0;
    forEachFreeCell(record, [&](int) { ++count; });
    return count;
}

void fillRandomly(PuzzleRecord& record)
{
    forEachFreeCell(record, [&](int at) { record.FillGrid[at] = static_cast<std::uint8_t>('A' + Random(26)); });
}

QByteArray presentFill(const PuzzleRecord& record)
{
    QByteArray text;
    forEachFreeCell(record, [&](int at) {
        if (text.size() < kMaxHiddenPhraseLength)
            text.append(static_cast<char>(record.FillGrid[at]));
    });
    return text;
}

bool fillWithPhrase(PuzzleRecord& record, const QString& typed, const QString& blankMessage)
{
    const QByteArray phrase = Trim(unicodeToAnsi(typed)).left(kMaxHiddenPhraseLength);
    if (phrase.contains(' ')) {
        showError(blankMessage);
        return false;
    }
    const int freeCells = countFreeCells(record);
    if (phrase.size() != freeCells) {
        showError(QStringLiteral("%1 characters are required for the hidden phrase."
                                 "  You have entered %2 characters."
                                 "  Please change your phrase or select not to use a phrase.")
                      .arg(freeCells)
                      .arg(phrase.size()));
        return false;
    }
    int next = 0;
    forEachFreeCell(record, [&](int at) {
        record.FillGrid[at] = UpperAscii(static_cast<unsigned char>(phrase[next++]));
    });
    return true;
}

#include "wordlist/wordexchange.h"

#include "base/ansi.h"
#include "base/latin1.h"
#include "storage/collectionbrowser.h"
#include "wordlist/wordtextfile.h"

#include <algorithm>

namespace {

constexpr int kWordColumnWidth = 31;

bool isEmptyText(const QByteArray& text) { return Trim(text).isEmpty(); }

// Can row k take an entry of the mode?
bool rowTakes(const WordEntries::Row& row, WordTextMode mode)
{
    if (mode == WordTextMode::Words)
        return isEmptyText(row.word);
    return isEmptyText(row.word) && isEmptyText(row.clue);
}

void fillRow(WordEntries& rows, int k, const QByteArray& entry, WordTextMode mode, char separator)
{
    switch (mode) {
    case WordTextMode::Words:
        rows.setWord(k, Trim(entry));
        break;
    case WordTextMode::Clues:
        rows.setClue(k, Trim(entry));
        break;
    case WordTextMode::WordsAndClues: {
        const WordAndClue parts = splitWordAndClue(entry, separator);
        rows.setWord(k, parts.word);
        rows.setClue(k, parts.clue);
        break;
    }
    }
}

// A pasted line splits at its first separator or tab, whichever comes first.
char splitterOf(const QByteArray& line, char separator)
{
    for (char ch : line)
        if (ch == separator || ch == '\t')
            return ch;
    return separator;
}

std::optional<char> firstCharacter(const QString& boxText)
{
    const QByteArray text = Trim(unicodeToAnsi(boxText));
    if (text.isEmpty())
        return std::nullopt;
    return text.front();
}

} // namespace

WordTextMode wordTextMode(int option, bool useClues)
{
    if (!useClues || option < 1 || option > 3)
        return WordTextMode::Words;
    return static_cast<WordTextMode>(option);
}

char exportSeparator(const QString& boxText) { return firstCharacter(boxText).value_or(kDefaultSeparator); }

std::optional<char> importSeparator(const QString& boxText) { return firstCharacter(boxText); }

WordAndClue splitWordAndClue(QByteArrayView entry, char separator)
{
    const qsizetype at = entry.indexOf(separator);
    if (at < 0)
        return {Trim(entry), {}};
    return {Trim(entry.first(at)), Trim(entry.sliced(at + 1))};
}

QByteArray wordAndClueLine(QByteArrayView word, QByteArrayView clue, char separator)
{
    QByteArray line = Trim(word);
    if (line.size() < kWordColumnWidth)
        line.append(kWordColumnWidth - line.size(), ' ');
    line.append(separator);
    line.append(' ');
    line.append(Trim(clue));
    return line;
}

void sortEntries(QList<QByteArray>& entries)
{
    QList<CollectionBrowser::Item> items;
    items.reserve(entries.size());
    for (const QByteArray& entry : entries)
        items.append({entry, 0});
    sortListItems(items);
    for (qsizetype i = 0; i < items.size(); ++i)
        entries[i] = items[i].text;
}

QString tooManyWordsQuestion(int excess)
{
    const QString last = excess == 1 ? QStringLiteral("word") : QStringLiteral("%1 words").arg(excess);
    return QStringLiteral("Too many words selected.  Last %1 will not be used.  Continue?").arg(last);
}

int wordListExcess(int wordCount, int adding) { return std::max(0, wordCount + adding - WordEntries::Rows); }

int importEntries(WordEntries& rows, const QList<QByteArray>& selected, WordTextMode mode, char separator)
{
    int count = rows.GetWordCount();
    int placed = 0;
    int firstFree = 1; // rows before it cannot take an entry of this mode
    for (const QByteArray& entry : selected) {
        if (count >= WordEntries::Rows)
            break;
        while (firstFree <= WordEntries::Rows && !rowTakes(rows.row(firstFree), mode))
            ++firstFree;
        if (firstFree > WordEntries::Rows)
            break;
        fillRow(rows, firstFree, entry, mode, separator);
        ++count;
        ++placed;
    }
    return placed;
}

QList<ExportItem> exportItems(const WordEntries& rows, WordTextMode mode, char separator)
{
    QList<CollectionBrowser::Item> items;
    for (int k = 1; k <= WordEntries::Rows; ++k) {
        const WordEntries::Row& row = rows.row(k);
        const QByteArray word = Trim(row.word);
        const QByteArray clue = Trim(row.clue);
        QByteArray text;
        switch (mode) {
        case WordTextMode::Words:
            text = word;
            break;
        case WordTextMode::Clues:
            text = clue;
            break;
        case WordTextMode::WordsAndClues:
            if (!word.isEmpty() || !clue.isEmpty())
                text = wordAndClueLine(word, clue, separator);
            break;
        }
        if (!text.isEmpty())
            items.append({text, row.placed ? 1 : 0});
    }
    sortListItems(items);
    QList<ExportItem> result;
    result.reserve(items.size());
    for (const auto& item : items)
        result.append({item.text, item.tag != 0});
    return result;
}

QList<WordAndClue> pastedEntries(const QString& text, char separator)
{
    QList<WordAndClue> entries;
    for (const QByteArray& line : wordTextEntries(text)) {
        entries.append(splitWordAndClue(line, splitterOf(line, separator)));
    }
    return entries;
}

bool isRowPaste(const QString& text)
{
    return text.contains(u'\n') || text.contains(u'\r') || text.contains(u'\t');
}

QList<int> pasteTargetRows(const WordEntries& rows, int startRow, int count)
{
    QList<int> targets;
    for (int k = std::max(1, startRow); k <= WordEntries::Rows && targets.size() < count; ++k) {
        if (rowTakes(rows.row(k), WordTextMode::WordsAndClues))
            targets.append(k);
    }
    return targets;
}

void fillRows(WordEntries& rows, const QList<int>& targets, const QList<WordAndClue>& entries)
{
    const qsizetype n = std::min(targets.size(), entries.size());
    for (qsizetype i = 0; i < n; ++i) {
        rows.setWord(targets[i], entries[i].word);
        rows.setClue(targets[i], entries[i].clue);
    }
}

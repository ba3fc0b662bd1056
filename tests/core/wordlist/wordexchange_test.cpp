// Words and clues in and out of the editor's rows: text files, import,
// export and the paste of a block of lines.
#include "support/puzzles.h"
#include "support/tempdir.h"
#include "wordlist/wordexchange.h"
#include "wordlist/wordtextfile.h"

#include <gtest/gtest.h>

namespace {

QList<QByteArray> entriesOfBytes(const QByteArray& bytes) { return wordTextEntries(decodeWordText(bytes)); }

WordEntries rowsWithWords(int count)
{
    WordEntries rows;
    for (int k = 1; k <= count; ++k)
        rows.setWord(k, "w" + QByteArray::number(k));
    return rows;
}

} // namespace

TEST(WordTextFile, LineEndsEncodingsAndLongLines)
{
    const struct {
        const char* name;
        QByteArray bytes;
        QList<QByteArray> entries;
    } cases[] = {
        {"CR LF, LF, CR and a last line without an end", "one\r\ntwo\nthree\rfour", {"one", "two", "three", "four"}},
        {"blank and empty lines are left out", "  \r\n\r\n  five  \r\n", {"five"}},
        {"Windows-1252", "caf\xE9 \x80", {"caf\xE9 \x80"}},
        {"UTF-8 without a byte-order mark", "caf\xC3\xA9 \xE2\x82\xAC", {"caf\xE9 \x80"}},
        {"UTF-8 with a byte-order mark", "\xEF\xBB\xBF" "caf\xC3\xA9", {"caf\xE9"}},
        {"a character Windows-1252 lacks", "\xE2\x86\x92 arrow", {"? arrow"}},
        {"255 characters of a line are read", QByteArray(300, 'x') + "\nnext", {QByteArray(255, 'x'), "next"}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(entriesOfBytes(c.bytes), c.entries) << c.name;
}

TEST(WordImport, WordsAndCluesSplitAtTheFirstSeparator)
{
    QList<QByteArray> entries = entriesOfBytes("pear\r\napple : red fruit\r\n");
    sortEntries(entries);
    WordEntries rows;
    EXPECT_EQ(importEntries(rows, entries, WordTextMode::WordsAndClues, ':'), 2);
    EXPECT_EQ(rows.row(1).word, "apple");
    EXPECT_EQ(rows.row(1).clue, "red fruit");
    EXPECT_EQ(rows.row(2).word, "pear");
    EXPECT_EQ(rows.row(2).clue, "");
    EXPECT_EQ(splitWordAndClue("a:b:c", ':').clue, "b:c");
}

TEST(WordImport, LongWordIsImportedWholeAndCutInTheRecord)
{
    const QByteArray word(31, 'q');
    WordEntries rows;
    importEntries(rows, {word}, WordTextMode::Words, ':');
    EXPECT_EQ(rows.row(1).word, word);
    auto record = makePuzzle("", "");
    SetValues(*record, rows, "T", "C", "");
    EXPECT_EQ(record->word(1).bytes(), word.left(30));
}

TEST(WordImport, ExcessAsksAndTheFirstEntriesInListOrderAreImported)
{
    WordEntries rows = rowsWithWords(328);
    QList<QByteArray> entries = {"echo", "Delta", "alpha", "charlie", "Bravo"};
    sortEntries(entries);
    const int excess = wordListExcess(rows.GetWordCount(), static_cast<int>(entries.size()));
    EXPECT_EQ(excess, 3);
    EXPECT_EQ(tooManyWordsQuestion(excess),
              QStringLiteral("Too many words selected.  Last 3 words will not be used.  Continue?"));
    EXPECT_EQ(tooManyWordsQuestion(1), QStringLiteral("Too many words selected.  Last word will not be used.  Continue?"));
    EXPECT_EQ(importEntries(rows, entries, WordTextMode::Words, ':'), 2);
    EXPECT_EQ(rows.row(329).word, "alpha");
    EXPECT_EQ(rows.row(330).word, "Bravo");
}

TEST(WordImport, CluesGoOnlyIntoRowsWithoutWordAndClue)
{
    WordEntries rows;
    rows.setWord(1, "lion");
    rows.setClue(2, "a clue without a word");
    importEntries(rows, {"new clue"}, WordTextMode::Clues, ':');
    EXPECT_EQ(rows.row(2).clue, "a clue without a word");
    EXPECT_EQ(rows.row(3).clue, "new clue");
    EXPECT_EQ(rows.row(3).word, "");
    importEntries(rows, {"zebra"}, WordTextMode::Words, ':'); // a clue-only row takes a word
    EXPECT_EQ(rows.row(2).word, "zebra");
}

TEST(WordExport, LinesAreSortedAndKeepTheirUsedMark)
{
    WordEntries rows;
    rows.setWord(1, "  pear ");
    rows.setWord(2, "Apple");
    rows.setClue(2, " red fruit ");
    rows.setPlaced(2, true);
    rows.setClue(4, "only a clue");
    rows.setWord(5, "pear");
    const QList<ExportItem> lines = exportItems(rows, WordTextMode::WordsAndClues, ';');
    ASSERT_EQ(lines.size(), 4);
    EXPECT_EQ(lines[0].text, QByteArray(31, ' ') + "; only a clue");
    EXPECT_EQ(lines[1].text, "Apple" + QByteArray(26, ' ') + "; red fruit");
    EXPECT_TRUE(lines[1].used);
    EXPECT_EQ(lines[2].text, lines[3].text); // duplicates are kept
    EXPECT_FALSE(lines[2].used);
    EXPECT_EQ(exportItems(rows, WordTextMode::Clues, ';').size(), 2);
    EXPECT_EQ(exportSeparator(QStringLiteral(" ")), ':');
}

TEST(WordExport, ExportedFileImportsToTheSameWordsAndClues)
{
    TestFolders folders;
    WordEntries rows;
    rows.setWord(3, "apple");
    rows.setClue(3, "red fruit");
    rows.setWord(7, "pear");
    rows.setWord(8, "fig");
    rows.setClue(8, "dried: or fresh");
    QList<QByteArray> lines;
    for (const ExportItem& item : exportItems(rows, WordTextMode::WordsAndClues, ':'))
        lines.append(item.text);
    const QString path = folders.path("list.txt");
    ASSERT_TRUE(writeWordTextFile(path, lines));
    EXPECT_TRUE(TestFolders::readFile(path).endsWith("fresh\r\n" + QByteArray("pear") + QByteArray(27, ' ') + ": \r\n"));
    EXPECT_FALSE(writeWordTextFile(folders.path("no/such/dir.txt"), lines));

    WordEntries back;
    importEntries(back, *readWordTextFile(path), WordTextMode::WordsAndClues, ':');
    const QList<std::pair<QByteArray, QByteArray>> expected = {{"apple", "red fruit"}, {"fig", "dried: or fresh"},
                                                               {"pear", ""}};
    for (int k = 1; k <= 3; ++k) {
        EXPECT_EQ(back.row(k).word, expected[k - 1].first);
        EXPECT_EQ(back.row(k).clue, expected[k - 1].second);
    }
}

TEST(WordExchange, WithoutCluesOnlyWordsAreOffered)
{
    EXPECT_EQ(wordTextMode(3, false), WordTextMode::Words);
    EXPECT_EQ(wordTextMode(2, true), WordTextMode::Clues);
    EXPECT_EQ(wordTextMode(9, true), WordTextMode::Words);
}

TEST(WordPaste, LinesFillEmptyRowsFromTheCurrentOneOn)
{
    WordEntries rows;
    rows.setWord(5, "taken");
    const QList<WordAndClue> pasted = pastedEntries(QStringLiteral("a\tone\r\nb\ttwo\nc: three\nd\te:f\n\ne\n"), ':');
    ASSERT_EQ(pasted.size(), 5);
    EXPECT_EQ(pasted[2].clue, "three");
    EXPECT_EQ(pasted[3].clue, "e:f"); // the tab comes first
    const QList<int> targets = pasteTargetRows(rows, 3, 5);
    EXPECT_EQ(targets, (QList<int>{3, 4, 6, 7, 8}));
    fillRows(rows, targets, pasted);
    EXPECT_EQ(rows.row(5).word, "taken");
    EXPECT_EQ(rows.row(8).word, "e");

    EXPECT_EQ(pasteTargetRows(rowsWithWords(327), 1, 5).size(), 3); // two do not fit
    EXPECT_TRUE(isRowPaste(QStringLiteral("w\tc")));
    EXPECT_FALSE(isRowPaste(QStringLiteral("one word")));
}

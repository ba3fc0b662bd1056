#include "support/puzzles.h"
#include "wordlist/intchars.h"
#include "wordlist/wordentries.h"

#include <gtest/gtest.h>

namespace {

std::unique_ptr<PuzzleRecord> recordFrom(const WordEntries& entries, const char* title = "T",
                                         const char* category = "C")
{
    auto record = makePuzzle("", "");
    SetValues(*record, entries, title, category, "  bonus ");
    return record;
}

} // namespace

TEST(WordEntries, RowsWithWordsArePackedInOrder)
{
    auto record = makePuzzle("x", "y");
    record->word(7).assign("stale");
    WordEntries entries;
    entries.loadFrom(*record);
    entries.setWord(7, "");
    entries.setWord(5, "  lion ");
    entries.setClue(5, " big cat ");
    entries.setWord(9, "ice cream");
    entries.setWord(7, "tiger");
    entries.setClue(8, "clue of an empty row");
    EXPECT_EQ(entries.GetWordCount(), 3);

    auto packed = recordFrom(entries);
    EXPECT_EQ(packed->wordCount(), 3);
    EXPECT_EQ(packed->word(1).bytes(), QByteArray("lion"));
    EXPECT_EQ(packed->clue(1).bytes(), QByteArray("big cat"));
    EXPECT_EQ(packed->word(2).bytes(), QByteArray("tiger"));
    EXPECT_EQ(packed->word(3).bytes(), QByteArray("ice cream"));
    EXPECT_TRUE(packed->clue(3).isEmpty());
    EXPECT_TRUE(packed->word(4).isEmpty());
    EXPECT_EQ(packed->BonusQuest.bytes(), QByteArray("bonus"));
    EXPECT_EQ(entries.rowOfEntry(2), 7);
}

TEST(WordEntries, LongTextIsCutToItsField)
{
    WordEntries entries;
    entries.setWord(1, QByteArray(40, 'w'));
    entries.setClue(1, QByteArray(200, 'c'));
    auto record = recordFrom(entries, "A title that is far longer than thirty-five characters", "Category longer than twenty");
    EXPECT_EQ(record->word(1).size(), 30);
    EXPECT_EQ(record->clue(1).size(), 150);
    EXPECT_EQ(record->Title.size(), 35);
    EXPECT_EQ(record->Category.size(), 20);
}

TEST(WordEntries, DeleteMovesRowsUpAndTheLastRowEmpties)
{
    WordEntries entries;
    entries.setWord(1, "a");
    entries.setWord(2, "b");
    entries.setWord(330, "last");
    entries.deleteRow(1);
    EXPECT_EQ(entries.row(1).word, QByteArray("b"));
    EXPECT_EQ(entries.row(329).word, QByteArray("last"));
    EXPECT_TRUE(entries.row(330).word.isEmpty());
    entries.deleteRow(329);
    EXPECT_EQ(entries.GetWordCount(), 1);
    entries.setWord(330, "z");
    entries.deleteRow(330);
    EXPECT_TRUE(entries.row(330).word.isEmpty());
    EXPECT_EQ(entries.row(1).word, QByteArray("b"));
}

TEST(CreateChecks, InOrderWithTheirMessages)
{
    WordEntries entries;
    int attempts = 0;
    EXPECT_EQ(checkCreateInputs("  ", "c", entries, "1", attempts)->message, kNoTitle);
    EXPECT_EQ(checkCreateInputs("t", " ", entries, "1", attempts)->message, kNoCategory);
    EXPECT_EQ(checkCreateInputs("t", "c", entries, "1", attempts)->message, kNoWords);
    entries.setWord(3, "cat");
    for (const char* bad : {"0", "", "1000", "-1", "x"})
        EXPECT_EQ(checkCreateInputs("t", "c", entries, bad, attempts)->focus, InputProblem::Focus::Attempts) << bad;
    EXPECT_FALSE(checkCreateInputs("t", "c", entries, "999", attempts));
    EXPECT_EQ(attempts, 999);
    EXPECT_FALSE(checkCreateInputs("t", "c", entries, " 1 ", attempts));
    EXPECT_EQ(attempts, 1);
}

TEST(CreateChecks, WordLongerThanTheGridNamesTheSizeAndTheWord)
{
    WordEntries entries;
    entries.setWord(2, "abcdefghijklmno");  // 15: fits a 15 x 12 grid
    entries.setWord(4, "abcdefghijklmnop"); // 16: does not
    auto record = recordFrom(entries);
    record->GridCols = 15;
    record->GridRows = 12;
    const auto problem = checkWordLengths(*record, entries);
    ASSERT_TRUE(problem);
    EXPECT_EQ(problem->message,
              QStringLiteral("Word is greater than puzzle dimension size of 15 characters in \"abcdefghijklmnop\"."));
    EXPECT_EQ(problem->row, 4);
    entries.setWord(4, "ice cream sundae"); // inner blanks count
    record = recordFrom(entries);
    record->GridCols = 15;
    record->GridRows = 12;
    EXPECT_TRUE(checkWordLengths(*record, entries));
}

TEST(PuzzleChanged, CluesAndPaperCountButGridsDoNot)
{
    WordEntries entries;
    entries.setWord(1, "cat");
    entries.setClue(1, "meows");
    auto compare = recordFrom(entries);
    auto current = std::make_unique<PuzzleRecord>(*compare);
    EXPECT_FALSE(puzzleChanged(*current, *compare));

    current->AnswerGrid[5] = 'Z';
    current->IncludeHidden = 1;
    current->wordPlaced(1) = 1;
    EXPECT_FALSE(puzzleChanged(*current, *compare));

    current->clue(1).assign("purrs");
    EXPECT_TRUE(puzzleChanged(*current, *compare));
    current->clue(1).assign("meows");

    current->clue(1).chars[10] = 'q'; // beyond the length: not compared
    EXPECT_FALSE(puzzleChanged(*current, *compare));

    current->PageLayout.PaperName.assign("A4");
    EXPECT_TRUE(puzzleChanged(*current, *compare));
}

TEST(IntChars, SettingsPositionsAndCharacters)
{
    EXPECT_EQ(intKeyListPosition("0233"), 41);
    EXPECT_EQ(intKeyListPosition("0300"), 0);
    EXPECT_EQ(intKeyListPosition("abc"), 0);
    EXPECT_EQ(intKeySettingForPosition(0), QStringLiteral("0192"));
    EXPECT_EQ(intKeySettingForPosition(63), QStringLiteral("0255"));
    EXPECT_EQ(intKeyCharacter("0233"), QChar(0xE9));
    EXPECT_EQ(intKeyCharacter("0128"), QChar(0x20AC));
    EXPECT_FALSE(intKeyCharacter("02a3"));
    EXPECT_FALSE(intKeyCharacter("0300"));
}

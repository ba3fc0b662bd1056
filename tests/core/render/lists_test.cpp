#include "core/render/renderfixture.h"

#include "base/random.h"
#include "render/clueprint.h"
#include "render/wordprint.h"

#include <algorithm>

using ListRenderTest = RenderTest;

namespace {

// A word/clue list object at (1, 1) inches, width and height in design
// pixels (48 to the inch).
PageLayoutRecord listLayout(int width, int height, bool makeFit)
{
    LayoutBuilder layout;
    LayoutObject& list = layout.add(ObjectKind::WordList, 48, 48, 48 + width, 48 + height);
    list.MakeFit = makeFit ? 1 : 0;
    list.UseBorder = 0;
    return layout.layout();
}

PrintOptions columns(int n, int style = NormalWords)
{
    PrintOptions options;
    options.NumColumns = n;
    options.WordStyle = style;
    return options;
}

// A puzzle whose words are placed anywhere (the list does not look).
PuzzleBuilder& addWords(PuzzleBuilder& puzzle, const QList<QByteArray>& words)
{
    for (const QByteArray& word : words)
        puzzle.place(word, 1, 1, Right, "Clue for " + word);
    return puzzle;
}

} // namespace

TEST_F(ListRenderTest, PartialWords)
{
    EXPECT_EQ(partialWord("ELEPHANT", 4, 1, true), QByteArray("ELEP _ _ _ T"));
    EXPECT_EQ(partialWord("ELEPHANT", 4, 1, false), QByteArray("ELEP...T"));
    EXPECT_EQ(partialWord("CAT", 3, 3, true), QByteArray("CAT"));
    EXPECT_EQ(partialWord("CAT", 1, 3, false), QByteArray("CAT"));
    EXPECT_EQ(partialWord("HORSE", 1, 1, false), QByteArray("H...E"));
    EXPECT_EQ(partialWord("HORSE", 0, 0, true), QByteArray(" _ _ _ _ _ "));
    EXPECT_EQ(partialWord("HORSE", -3, 9, false), QByteArray("HORSE"));
    EXPECT_EQ(partialWord("", 2, 2, true), QByteArray());

    PuzzleBuilder puzzle(10, 10);
    addWords(puzzle, {"cat", "Elephant", "Ox"});
    PrintOptions options = columns(1, PartialWords);
    options.FirstLets = 3;
    options.LastLets = 3;
    auto copy = copyOf(puzzle, listLayout(192, 96, true));
    EXPECT_EQ(texts(render(*copy, options)), QStringList({"CAT", "ELE...ANT", "OX"}));
}

TEST_F(ListRenderTest, NormalWordsAreSortedByUpperCaseButPrintedAsStored)
{
    PuzzleBuilder puzzle(10, 10);
    addWords(puzzle, {"banana", "Apple", "cherry", "apricot"});
    puzzle.unplaced("aardvark"); // not in the grid: not printed
    auto copy = copyOf(puzzle, listLayout(192, 96, true));
    const QStringList calls = render(*copy, columns(1));
    EXPECT_EQ(texts(calls), QStringList({"Apple", "apricot", "banana", "cherry"}));
    const double h = 96.0 / 48 / std::floor(2.0 / lineHeight(10)); // row height
    const double indent = 0.25 * measureWidth("9", 10);
    EXPECT_TRUE(printedAt(calls, "apricot", 1 + indent, 1 + h + 0.8 * h));
    EXPECT_EQ(copy->run.PrintableWordCount, 4);
    EXPECT_EQ(copy->run.wordList.words[1].wordIndex, 4);
}

TEST_F(ListRenderTest, ScrambledWordsAreLowerCasePermutationsFromTheProgramsGenerator)
{
    setFixedRandomSeed(1234);
    Randomize();
    const QByteArray first = scrambleWord("ELEPHANTS");
    const QByteArray second = scrambleWord("ELEPHANTS");
    Randomize();
    EXPECT_EQ(scrambleWord("ELEPHANTS"), first);
    clearFixedRandomSeed();
    for (const QByteArray& s : {first, second}) {
        QByteArray sorted = s;
        std::sort(sorted.begin(), sorted.end());
        EXPECT_EQ(sorted, QByteArray("aeehlnpst")) << s.constData();
    }
    EXPECT_NE(first, second);

    // Listed in the puzzle's order; two runs scramble differently.
    PuzzleBuilder puzzle(10, 10);
    addWords(puzzle, {"Zebra", "Antelope", "Giraffe"});
    auto copy = copyOf(puzzle, listLayout(192, 96, true));
    setFixedRandomSeed(7);
    const QStringList run1 = texts(render(*copy, columns(1, ScrambledWords)));
    setFixedRandomSeed(8);
    const QStringList run2 = texts(render(*copy, columns(1, ScrambledWords)));
    clearFixedRandomSeed();
    ASSERT_EQ(run1.size(), 3);
    EXPECT_EQ(run1[0].size(), 5);
    EXPECT_TRUE(run1[0].contains(u'z'));
    EXPECT_EQ(run1[1].size(), 8);
    EXPECT_NE(run1, run2);
}

TEST_F(ListRenderTest, RowsTimesColumnsWordsFitAndOneMoreOverflows)
{
    const double h = lineHeight(10);
    const int height = 24; // half an inch: three rows at 10 points
    ASSERT_EQ(int(std::floor(0.5 / h)), 3);
    const QList<QByteArray> six = {"ONE", "TWO", "THREE", "FOUR", "FIVE", "SIX"};

    PuzzleBuilder puzzle(10, 10);
    addWords(puzzle, six);
    auto copy = copyOf(puzzle, listLayout(192, height, false));
    QStringList calls = render(*copy, columns(2));
    EXPECT_EQ(texts(calls).size(), 6);
    EXPECT_FALSE(copy->run.WordsDidNotFit);
    EXPECT_TRUE(messages.shown.isEmpty());
    const WordListLayout& list = copy->run.wordList;
    EXPECT_EQ(list.rows, 3);
    EXPECT_EQ(list.placed, 6);
    const double indent = 0.25 * measureWidth("9", 10);
    EXPECT_DOUBLE_EQ(list.columnWidth, (4 - indent) / 2);
    // TWO is the sixth word in sorted order: second column, last row.
    EXPECT_TRUE(printedAt(calls, "TWO", 1 + indent + list.columnWidth, 1 + 2 * (0.5 / 3) + 0.8 * (0.5 / 3)));

    puzzle.place("SEVEN", 1, 1, Right);
    copy = copyOf(puzzle, listLayout(192, height, false));
    calls = render(*copy, columns(2));
    EXPECT_EQ(texts(calls).size(), 6);
    EXPECT_FALSE(texts(calls).contains("TWO")); // the last in sorted order is left out
    EXPECT_TRUE(copy->run.WordsDidNotFit);
    EXPECT_EQ(copy->run.wordList.placed, 6);
    ASSERT_EQ(messages.shown.size(), 1);
    EXPECT_EQ(messages.lastText(), kWordsDidNotFit);

    // Make It Fit shrinks the font until all seven fit.
    messages.clear();
    copy = copyOf(puzzle, listLayout(192, height, true));
    calls = render(*copy, columns(2));
    EXPECT_EQ(texts(calls).size(), 7);
    EXPECT_FALSE(copy->run.WordsDidNotFit);
    EXPECT_LT(copy->puzzle.PageLayout.object(1).FittedFontSize, 10);
    EXPECT_TRUE(messages.shown.isEmpty());
}

TEST_F(ListRenderTest, ListThatNeverFitsPrintsThreePointsAndWarns)
{
    PuzzleBuilder puzzle(10, 10);
    addWords(puzzle, {"ALPHA", "BETA", "GAMMA", "DELTA", "EPSILON", "ZETA", "ETA", "THETA"});
    auto copy = copyOf(puzzle, listLayout(48, 2, true)); // lower than a line even at 4 points
    const QStringList calls = render(*copy, columns(1));
    EXPECT_EQ(copy->puzzle.PageLayout.object(1).FittedFontSize, 3);
    EXPECT_TRUE(copy->run.WordsDidNotFit);
    EXPECT_EQ(texts(calls).size(), copy->run.wordList.placed);
    EXPECT_LT(copy->run.wordList.placed, 8);
    ASSERT_EQ(messages.shown.size(), 1);
    EXPECT_EQ(messages.lastText(), kWordsDidNotFit);
}

TEST_F(ListRenderTest, ListStartingFarTooTallFitsAtTheLargestSizeThatGivesItARow)
{
    PuzzleBuilder puzzle(10, 10);
    addWords(puzzle, {"OX"});
    const int height = 12; // a quarter inch
    int expected = 1000;
    while (lineHeight(expected) > height / 48.0)
        --expected;
    for (int style : {NormalWords, ClueList}) {
        PageLayoutRecord layout = listLayout(480, height, true);
        layout.object(1).FontSize = 1000;
        auto copy = copyOf(puzzle, layout);
        const QStringList calls = render(*copy, columns(1, style));
        EXPECT_EQ(copy->puzzle.PageLayout.object(1).FittedFontSize, expected) << style;
        EXPECT_EQ(texts(calls).size(), style == ClueList ? 2 : 1) << style; // a clue prints its number
        EXPECT_FALSE(copy->run.WordsDidNotFit || copy->run.CluesDidNotFit) << style;
    }
}

TEST_F(ListRenderTest, WordWiderThanItsColumnLeavesAnEmptySlotWithoutWarning)
{
    PuzzleBuilder puzzle(10, 10);
    addWords(puzzle, {"HIPPOPOTAMUS", "OX"});
    auto copy = copyOf(puzzle, listLayout(24, 96, false)); // half an inch wide
    const QStringList calls = render(*copy, columns(1));
    EXPECT_EQ(texts(calls), QStringList{"OX"});
    const double h = 2.0 / copy->run.wordList.rows;
    EXPECT_TRUE(printedAt(calls, "OX", 1 + 0.25 * measureWidth("9", 10), 1 + h + 0.8 * h));
    EXPECT_EQ(copy->run.wordList.words[0].row, 1);
    EXPECT_EQ(copy->run.wordList.words[0].printLength, 0);
    EXPECT_FALSE(copy->run.WordsDidNotFit);
    EXPECT_TRUE(messages.shown.isEmpty());
}

TEST_F(ListRenderTest, ClueNumbersTakeTwoOrThreeDigitWidths)
{
    const double digit = measureWidth("9", 10);
    for (int count : {9, 10}) {
        PuzzleBuilder puzzle(10, 10);
        for (int k = 1; k <= count; ++k)
            puzzle.place("W" + QByteArray::number(k), 1, 1, Right, "Clue " + QByteArray::number(k));
        auto copy = copyOf(puzzle, listLayout(192, 240, true));
        const QStringList calls = render(*copy, columns(1, ClueList));
        const double numberWidth = digit * (count == 9 ? 2 : 3);
        EXPECT_DOUBLE_EQ(copy->run.clueList.numberWidth, numberWidth) << count;
        const double h = copy->run.clueList.rowHeight;
        const double x0 = 1 + 0.25 * digit;
        EXPECT_TRUE(printedAt(calls, "1.", x0, 1 + 0.8 * h)) << count;
        EXPECT_TRUE(printedAt(calls, "Clue 1", x0 + numberWidth, 1 + 0.8 * h)) << count;
        EXPECT_DOUBLE_EQ(copy->run.clueList.clueWidth, 4 - (numberWidth + 0.25 * digit));
    }
}

TEST_F(ListRenderTest, CluePrefixesForTheAnswerKeyAndUnderscores)
{
    PuzzleBuilder puzzle(10, 10);
    puzzle.place("HORSE", 1, 1, Right, "It neighs");
    PrintOptions options;
    EXPECT_EQ(clueText(puzzle.record(), 1, options), QByteArray("It neighs"));
    options.CluesUnder = true;
    EXPECT_EQ(clueText(puzzle.record(), 1, options), QByteArray("(_ _ _ _ _) It neighs"));
    options.AnswerKey = true;
    EXPECT_EQ(clueText(puzzle.record(), 1, options), QByteArray("(HORSE) It neighs"));
}

TEST_F(ListRenderTest, ClueThatWouldRunPastTheColumnStartsTheNextOne)
{
    const double h = lineHeight(10);
    const int height = 30; // 0.625 inch: four rows at 10 points
    ASSERT_EQ(int(std::floor(0.625 / h)), 4);
    const QByteArray longClue = QByteArray("word ").repeated(16).trimmed();
    PuzzleBuilder puzzle(10, 10);
    puzzle.place("ONE", 1, 1, Right, "First").place("TWO", 1, 1, Right, "Second").place("SIX", 1, 1, Right, longClue);
    auto copy = copyOf(puzzle, listLayout(192, height, false));
    const QStringList calls = render(*copy, columns(2, ClueList));
    const ClueListLayout& list = copy->run.clueList;
    ASSERT_EQ(list.clues[2].lineCount, 3);
    EXPECT_EQ(list.clues[1].row, 2);
    EXPECT_EQ(list.clues[2].column, 2);
    EXPECT_EQ(list.clues[2].row, 1);
    EXPECT_FALSE(copy->run.CluesDidNotFit);
    const double x0 = 1 + list.indent + list.gap + list.numberWidth + list.clueWidth;
    const double rowHeight = 0.625 / 4;
    EXPECT_TRUE(printedAt(calls, "3.", x0, 1 + 0.8 * rowHeight));
    // The lines keep their words whole, each within the clue width.
    QStringList lines = texts(calls).mid(5);
    ASSERT_EQ(lines.size(), 3);
    EXPECT_EQ(lines.join(u' '), QString::fromLatin1(longClue));
    for (const QString& line : lines)
        EXPECT_LT(measureWidth(line, 10), list.clueWidth);

    // Without room for it anywhere, the clue is left out and reported.
    copy = copyOf(puzzle, listLayout(96, height, false));
    render(*copy, columns(1, ClueList));
    EXPECT_TRUE(copy->run.CluesDidNotFit);
    EXPECT_EQ(copy->run.clueList.placed, 2);
    ASSERT_EQ(messages.shown.size(), 1);
    EXPECT_EQ(messages.lastText(), kCluesDidNotFit);
}

TEST_F(ListRenderTest, ClueWithAWordWiderThanTheColumnCannotBeWrapped)
{
    TReportFiler r;
    r.SetFontSize(10);
    ClueSlot slot;
    slot.text = "short Pneumonoultramicroscopicsilicovolcanoconiosis";
    EXPECT_FALSE(wrapClue(r, 1.0, slot));
    EXPECT_EQ(slot.lineCount, 1);
    EXPECT_EQ(slot.lineLengths[0], 6); // "short " keeps its trailing blank
    slot.text = QByteArray("ab ").repeated(40);
    EXPECT_FALSE(wrapClue(r, 0.3, slot)); // more than seven lines
    EXPECT_EQ(slot.lineCount, 7);
    slot.text = "";
    EXPECT_TRUE(wrapClue(r, 1.0, slot));
    EXPECT_EQ(slot.lineCount, 1);
}

TEST_F(ListRenderTest, ListWithoutRoomForALinePrintsNothing)
{
    PuzzleBuilder puzzle(10, 10);
    addWords(puzzle, {"ONE"});
    for (int style : {NormalWords, ClueList}) {
        auto copy = copyOf(puzzle, listLayout(192, 0, true));
        const QStringList calls = render(*copy, columns(0, style));
        EXPECT_TRUE(texts(calls).isEmpty());
        EXPECT_TRUE(style == ClueList ? copy->run.CluesDidNotFit : copy->run.WordsDidNotFit);
    }
}

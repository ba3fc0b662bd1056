// The shipped page layouts print a class-sized list well: every word or clue
// of a 20-word puzzle finds its place in a readable size.
#include "renderfixture.h"

#include "pagelayout/layouttext.h"
#include "support/shippedsources.h"
#include "support/tempdir.h"

#include <map>

namespace {

// The words and clues of the sample lists, "WORD: clue" a line.
QList<QByteArray> sampleLines()
{
    QList<QByteArray> lines;
    for (const char* name : {"human-body", "world-capitals", "solar-system", "landforms", "african-safari"}) {
        const QByteArray text = TestFolders::readFile(QStringLiteral(QM_SOURCE_DIR "/data/sample/%1.txt").arg(QLatin1String(name)));
        for (const QByteArray& line : text.split('\n'))
            if (line.contains(':'))
                lines << line.trimmed();
    }
    return lines;
}

std::unique_ptr<PuzzleBuilder> puzzleOf(int words)
{
    auto puzzle = std::make_unique<PuzzleBuilder>(15, 15, "Inside the Human Body");
    const QList<QByteArray> lines = sampleLines();
    for (int k = 0; k < words; ++k) {
        const qsizetype colon = lines[k].indexOf(':');
        const QByteArray word = lines[k].left(colon).trimmed().left(15);
        puzzle->place(word, k % 15 + 1, 1, 3, lines[k].mid(colon + 1).trimmed());
    }
    puzzle->fill();
    return puzzle;
}

const LayoutObject& listObject(const PageLayoutRecord& layout)
{
    for (int n = 1; n <= layout.objectCount(); ++n)
        if (layout.object(n).ObjKind == static_cast<int>(ObjectKind::WordList))
            return layout.object(n);
    static const LayoutObject none{};
    return none;
}

} // namespace

// A list's entries per column (clues count their lines).
std::map<int, int> perColumn(const PrintRun& run, int style)
{
    std::map<int, int> columns;
    if (style == ClueList) {
        for (const ClueSlot& clue : run.clueList.clues)
            if (clue.row > 0)
                columns[clue.column] += clue.lineCount;
    } else {
        for (const WordSlot& word : run.wordList.words)
            if (word.row > 0)
                columns[word.column] += 1;
    }
    return columns;
}

class ShippedLayoutPrint : public RenderTest {};

// Every shipped layout prints a 20-word puzzle, as words and as clues, with
// nothing left out and the list at 8 pt or more. In the style a layout is
// made for (clues for a "Clue List", words otherwise) the list fills all its
// columns, the last at least half as full as the first.
TEST_F(ShippedLayoutPrint, TwentyWordsAllPrintReadablyInEvenColumns)
{
    auto layout = std::make_unique<PageLayoutRecord>();
    const QStringList sources = shippedSources("layouts");
    ASSERT_FALSE(sources.isEmpty());
    for (const QString& path : sources) {
        ASSERT_TRUE(parseLayoutText(TestFolders::readFile(path), *layout, nullptr)) << qPrintable(path);
        const int madeFor = listObject(*layout).ObjName.view() == "Clue List" ? ClueList : NormalWords;
        for (const int style : {NormalWords, ClueList}) {
            SCOPED_TRACE(qPrintable(QStringLiteral("%1, %2").arg(path, style == ClueList ? "clues" : "words")));
            auto puzzle = puzzleOf(20);
            auto copy = copyOf(*puzzle, *layout);
            PrintOptions options;
            options.takeLayoutSettings(*layout);
            options.WordStyle = style;
            render(*copy, options);
            const PrintRun& run = copy->run;
            EXPECT_FALSE(run.WordsDidNotFit || run.CluesDidNotFit);
            EXPECT_EQ(style == ClueList ? run.clueList.placed : run.wordList.placed, 20);
            EXPECT_GE(listObject(copy->puzzle.PageLayout).FittedFontSize, 8);
            if (style != madeFor)
                continue;
            const std::map<int, int> columns = perColumn(run, style);
            ASSERT_EQ(int(columns.size()), options.numColumns());
            EXPECT_GE(2 * columns.rbegin()->second, columns.begin()->second);
        }
    }
}

// Every shipped layout prints a 20-word puzzle, as words and as clues, with
// nothing left out and the list at 8 pt or more. In the style a layout is
// made for (clues for a "Clue List", words otherwise) the list fills all its
// columns, the last at least half as full as the first.
#include "renderfixture.h"

#include "pagelayout/layouttext.h"
#include "support/shippedsources.h"
#include "support/tempdir.h"

#include <map>

class ShippedLayoutPrint : public RenderTest {
protected:
    // Twenty words with their clues ("WORD: clue" lines of the samples).
    static std::unique_ptr<PuzzleBuilder> twentyWords()
    {
        auto puzzle = std::make_unique<PuzzleBuilder>(15, 15, "Inside the Human Body");
        QList<QByteArray> lines;
        for (const char* name : {"human-body", "world-capitals"})
            lines << TestFolders::readFile(QStringLiteral(QM_SOURCE_DIR "/data/sample/") + name + ".txt")
                         .trimmed()
                         .split('\n');
        for (int k = 0; k < 20; ++k) {
            const QList<QByteArray> parts = lines[k].split(':');
            puzzle->place(parts[0].trimmed(), k % 15 + 1, 1, 3, parts[1].trimmed());
        }
        return puzzle;
    }

    static const LayoutObject& listObject(const PageLayoutRecord& layout)
    {
        int n = 1;
        while (n < layout.objectCount() && layout.object(n).ObjKind != static_cast<int>(ObjectKind::WordList))
            ++n;
        return layout.object(n);
    }

    // Entries per column (clues count their lines).
    static std::map<int, int> perColumn(const PrintRun& run, int style)
    {
        std::map<int, int> columns;
        for (const ClueSlot& clue : run.clueList.clues)
            if (style == ClueList && clue.row > 0)
                columns[clue.column] += clue.lineCount;
        for (const WordSlot& word : run.wordList.words)
            if (style != ClueList && word.row > 0)
                columns[word.column] += 1;
        return columns;
    }
};

TEST_F(ShippedLayoutPrint, TwentyWordsAllPrintReadablyInEvenColumns)
{
    auto layout = std::make_unique<PageLayoutRecord>();
    const QStringList sources = shippedSources("layouts");
    ASSERT_FALSE(sources.isEmpty());
    for (const QString& path : sources) {
        ASSERT_TRUE(parseLayoutText(TestFolders::readFile(path), *layout, nullptr)) << qPrintable(path);
        const int madeFor = listObject(*layout).ObjName.view() == "Clue List" ? ClueList : NormalWords;
        for (const int style : {NormalWords, ClueList}) {
            SCOPED_TRACE(qPrintable(path + (style == ClueList ? " clues" : " words")));
            auto puzzle = twentyWords();
            auto copy = copyOf(*puzzle, *layout);
            PrintOptions options;
            options.takeLayoutSettings(*layout);
            options.WordStyle = style;
            render(*copy, options);
            const PrintRun& run = copy->run;
            EXPECT_FALSE(run.WordsDidNotFit || run.CluesDidNotFit);
            EXPECT_EQ(style == ClueList ? run.clueList.placed : run.wordList.placed, 20);
            EXPECT_GE(listObject(copy->puzzle.PageLayout).FittedFontSize, 8);
            const std::map<int, int> columns = perColumn(run, style);
            if (style == madeFor) {
                ASSERT_EQ(int(columns.size()), options.numColumns());
                EXPECT_GE(2 * columns.rbegin()->second, columns.begin()->second);
            }
        }
    }
}

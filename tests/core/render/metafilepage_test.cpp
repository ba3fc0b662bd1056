#include "core/render/renderfixture.h"
#include "support/metafilereader.h"

#include "base/random.h"
#include "render/metafilepage.h"
#include "report/canvasreport.h"

#include <algorithm>
#include <cmath>

namespace {

// Whole metafile units (96 to the inch), cut.
int cut(double inches)
{
    return int(std::trunc(inches * 96 + 1e-7));
}

} // namespace

// The page drawn again for a metafile, read back one call at a time.
class MetafilePageTest : public RenderTest {
protected:
    QStringList redraw(const PrintCopy& copy, const PrintOptions& options = {})
    {
        LoggingCanvas canvas;
        TCanvasReport report(canvas);
        MetafilePage page(copy, options);
        page.attachTo(report);
        report.ExecuteReport();
        return canvas.calls;
    }

    // Baseline of a text whose top lies at the given whole unit, in the
    // default font (Arial) at points.
    static double baselineBelow(int topUnits, int points)
    {
        TReportFiler r;
        r.SetFontSize(points);
        return topUnits / 96.0 + r.FontAscent();
    }
    static int units(const QString& text, int points, bool height = false)
    {
        TReportFiler r;
        r.SetFontSize(points);
        return int(std::lround((height ? r.TextHeight(text) : r.TextWidth(text)) * 96));
    }
};

TEST_F(MetafilePageTest, WordsKeepTheRunsSlotsTopsOnTheOldBaselinesAndOnlyPlacedWordsDraw)
{
    LayoutBuilder layout;
    LayoutObject& list = layout.add(ObjectKind::WordList, 48, 48, 48 + 192, 48 + 24); // 4 × 0.5 inches
    list.MakeFit = 0;
    list.UseBorder = 0;
    layout.add(ObjectKind::Bitmap, 300, 300, 340, 340);
    PuzzleBuilder puzzle(10, 10);
    const char* words[] = {"ONE", "TWO", "SIX", "TEN", "FIVE", "FOUR", "NINE", "SEVEN"};
    for (int i = 0; i < 8; ++i)
        puzzle.place(words[i], i + 1, 1, Right);
    auto copy = copyOf(puzzle, layout.layout());
    PrintOptions options;
    options.NumColumns = 2;
    const QStringList printed = texts(render(*copy, options));
    ASSERT_TRUE(copy->run.WordsDidNotFit);
    const WordListLayout& run = copy->run.wordList;
    ASSERT_EQ(run.rows, 3);

    const QStringList calls = redraw(*copy, options);
    // The same six words as the preview printed, no bitmap, white first.
    EXPECT_EQ(texts(calls), printed);
    EXPECT_EQ(texts(calls).size(), 6);
    EXPECT_TRUE(layoutHasBitmaps(copy->puzzle.PageLayout));
    EXPECT_TRUE(only(calls, QStringLiteral("image")).isEmpty());
    EXPECT_EQ(only(calls, QStringLiteral("fillRect")).value(0), QStringLiteral("0.0000,0.0000 8.5000,11.0000"));
    // FOUR is second in sorted order: first column, second row, its top
    // where the preview had its baseline, in whole units.
    const int x = cut(1 + run.indent);
    const int y = cut(1 + run.rowHeight + 0.8 * run.rowHeight);
    EXPECT_TRUE(printedAt(calls, QStringLiteral("FOUR"), x / 96.0, baselineBelow(y, 10)));
}

TEST_F(MetafilePageTest, EachTextBlockTakesItsOwnLinesFromTheRun)
{
    LayoutBuilder layout;
    LayoutObject& first = layout.add(ObjectKind::Text, 48, 48, 48 + 30, 48 + 96);
    first.setText("alpha\r\nbeta gamma");
    first.UseBorder = 0;
    LayoutObject& second = layout.add(ObjectKind::Text, 48, 200, 48 + 288, 200 + 96);
    second.setText("Name:\r\nDate:");
    second.TextAlign = 3;
    second.UseBorder = 0;
    PuzzleBuilder puzzle(5, 5);
    auto copy = copyOf(puzzle, layout.layout());
    render(*copy);
    ASSERT_EQ(copy->run.textLines[1].printedLines, 3);

    const QStringList calls = redraw(*copy);
    EXPECT_EQ(texts(calls), QStringList({"alpha", "beta", "gamma", "Name:", "Date:"}));
    const int h = units(QStringLiteral("ABCWjkl"), 10, true);
    EXPECT_TRUE(printedAt(calls, QStringLiteral("gamma"), 1, baselineBelow(96 + 2 * h, 10)));
    const int top = cut(200 / 48.0);
    const int right = 96 + 576; // 7 inches
    EXPECT_TRUE(printedAt(calls, QStringLiteral("Date:"), (right - units(QStringLiteral("Date:"), 10)) / 96.0,
                          baselineBelow(top + h, 10)));
}

TEST_F(MetafilePageTest, TitleAndGridLettersAreCentredByTheirTopLeftCorner)
{
    LayoutBuilder layout;
    LayoutObject& title = layout.add(ObjectKind::Title, 48, 48, 432, 96); // 1,1 .. 9,2 inches
    title.FontSize = 12;
    title.TextAlign = 2;
    title.MakeFit = 1;
    LayoutObject& grid = layout.add(ObjectKind::Puzzle, 48, 144, 48 + 100, 144 + 100);
    grid.FontSize = 72; // shrinks in the run; the metafile takes the run's size
    PuzzleBuilder puzzle(4, 4, "Farm Animals");
    puzzle.place("COWS", 1, 1, Right).place("PIGS", 4, 4, Left).fill();
    auto copy = copyOf(puzzle, layout.layout());
    PrintOptions options;
    options.AnswerKey = true;
    render(*copy, options);
    const int fitted = copy->puzzle.PageLayout.object(2).FittedFontSize;
    ASSERT_LT(fitted, 72);

    const QStringList calls = redraw(*copy, options);
    const QString text = QStringLiteral("Farm Animals");
    const int x = 96 + (768 - units(text, 12)) / 2;
    const int y = 96 + 96 / 2 - units(text, 12, true) / 2;
    EXPECT_TRUE(printedAt(calls, text, x / 96.0, baselineBelow(y, 12)));

    // Cell (1, 1) in whole units, its letter centred by width and height at
    // the fitted size; two outlines of two arcs each.
    const double size = 100 / 48.0 / 4;
    const int left = 96, top = cut(3), cell = cut(1 + size) - left;
    const int letterX = left + (cell - units(QStringLiteral("C"), fitted)) / 2;
    const int letterY = top + (cut(3 + size) - top - units(QStringLiteral("C"), fitted, true)) / 2;
    EXPECT_TRUE(printedAt(calls, QStringLiteral("C"), letterX / 96.0, baselineBelow(letterY, fitted)));
    EXPECT_EQ(only(calls, QStringLiteral("arc")).size(), 4);
}

TEST_F(MetafilePageTest, ScrambledWordsAreScrambledAnew)
{
    LayoutBuilder layout;
    layout.add(ObjectKind::WordList, 48, 48, 48 + 288, 48 + 96).UseBorder = 0;
    PuzzleBuilder puzzle(12, 12);
    puzzle.place("ELEPHANT", 1, 1, Right).place("GIRAFFE", 2, 1, Right);
    auto copy = copyOf(puzzle, layout.layout());
    PrintOptions options;
    options.WordStyle = ScrambledWords;
    setFixedRandomSeed(11);
    const QStringList printed = texts(render(*copy, options));
    setFixedRandomSeed(12);
    const QStringList redrawn = texts(redraw(*copy, options));
    clearFixedRandomSeed();
    ASSERT_EQ(redrawn.size(), 2);
    EXPECT_NE(redrawn, printed);
    // The same letters, lowered, in the puzzle's word order.
    for (int i = 0; i < 2; ++i) {
        QString a = redrawn[i], b = QString::fromLatin1(i == 0 ? "elephant" : "giraffe");
        std::sort(a.begin(), a.end());
        std::sort(b.begin(), b.end());
        EXPECT_EQ(a, b);
    }
}

TEST_F(MetafilePageTest, WrittenMetafilesOfThePageMatchAndNeedARun)
{
    LayoutBuilder layout;
    layout.add(ObjectKind::Title, 48, 48, 432, 96);
    LayoutObject& circle = layout.add(ObjectKind::Circle, 48, 144, 144, 240);
    circle.FillShape = 1;
    circle.UseBorder = 1;
    circle.BorderWidth = 2;
    PuzzleBuilder puzzle(5, 5, "Ocean Life");
    auto copy = copyOf(puzzle, layout.layout());
    EXPECT_TRUE(metafilePicture(MetafileFormat::Wmf, *copy, {}).isEmpty()); // never run
    render(*copy);
    const MetafileReading wmf = readWmf(metafilePicture(MetafileFormat::Wmf, *copy, {}));
    const MetafileReading emf = readEmf(metafilePicture(MetafileFormat::Emf, *copy, {}));
    ASSERT_TRUE(wmf.ok && emf.ok);
    EXPECT_EQ(wmf.width, 816);
    EXPECT_EQ(wmf.records, emf.records);
    EXPECT_EQ(wmf.records.filter(QStringLiteral("arc ")).size(), 4);
    EXPECT_EQ(wmf.records.filter(QStringLiteral("text ")).size(), 1);
    EXPECT_FALSE(layoutHasBitmaps(copy->puzzle.PageLayout));
}

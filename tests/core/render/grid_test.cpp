#include "core/render/renderfixture.h"

#include "render/gridprint.h"

using GridRenderTest = RenderTest;

namespace {

// A layout of one puzzle object at 1..6 inches square.
PageLayoutRecord squareGridLayout()
{
    LayoutBuilder layout;
    layout.add(ObjectKind::Puzzle, 48, 48, 288, 288);
    return layout.layout();
}

PrintOptions answerKey(bool on = true)
{
    PrintOptions options;
    options.AnswerKey = on;
    return options;
}

} // namespace

TEST_F(GridRenderTest, WideGridIsCentredVerticallyInASquareBox)
{
    PuzzleBuilder puzzle(15, 10);
    puzzle.fill();
    auto copy = copyOf(puzzle, squareGridLayout());
    const QStringList cells = only(render(*copy), QStringLiteral("fillRect"));
    ASSERT_EQ(cells.size(), 150);
    const double size = 5.0 / 15;
    const double top = 1 + (5 - 10 * size) / 2;
    const QString side = xy(size, size);
    EXPECT_EQ(cells.first(), xy(1, top) + u' ' + side);
    EXPECT_EQ(cells.last(), xy(1 + 14 * size, top + 9 * size) + u' ' + side);

    const GridGeometry tall = gridGeometry(PrintBox{1, 1, 6, 6}, 10, 20);
    EXPECT_DOUBLE_EQ(tall.size, 0.25);
    EXPECT_DOUBLE_EQ(tall.left, 1 + (5 - 2.5) / 2);
    EXPECT_DOUBLE_EQ(tall.top, 1);
}

TEST_F(GridRenderTest, LettersAreFittedToTheCellAndCentred)
{
    PuzzleBuilder puzzle(3, 1);
    puzzle.place("WIT", 1, 1, Right);
    LayoutBuilder layout;
    LayoutObject& grid = layout.add(ObjectKind::Puzzle, 48, 48, 48 + 24, 48 + 8); // cells of 1/6 inch
    grid.FontSize = 40;
    grid.FillShape = 1;
    auto copy = copyOf(puzzle, layout.layout());
    const QStringList calls = render(*copy);
    const int fitted = copy->puzzle.PageLayout.object(1).FittedFontSize;
    EXPECT_LT(fitted, 40);
    EXPECT_GE(measureWidth("W", fitted + 1), 1.0 / 6);
    EXPECT_LT(measureWidth("W", fitted), 1.0 / 6);
    // No background with FillShape 1, and no grid lines without UseGrid.
    EXPECT_TRUE(only(calls, QStringLiteral("fillRect")).isEmpty());
    EXPECT_TRUE(only(calls, QStringLiteral("line")).isEmpty());
    TReportFiler r;
    r.SetFontSize(fitted);
    const double cell = 1.0 / 6;
    const double x = 1 + cell + (cell - r.TextWidth("I")) / 2;
    const double y = 1 + cell - ((cell - r.TextHeight("I")) / 2 + r.FontDescent());
    EXPECT_TRUE(printedAt(calls, "I", x, y));
}

TEST_F(GridRenderTest, GridLinesOutlineEveryCellOfTheShapeAndWidenInward)
{
    PuzzleBuilder puzzle(2, 2);
    puzzle.hole(2, 2).fill();
    LayoutBuilder layout;
    LayoutObject& grid = layout.add(ObjectKind::Puzzle, 48, 48, 144, 144); // cells of one inch
    grid.GridLineWidth = 3;
    PrintOptions options;
    options.UseGrid = true;
    auto copy = copyOf(puzzle, layout.layout());
    const QStringList calls = render(*copy, options);
    const QStringList lines = only(calls, QStringLiteral("line"));
    ASSERT_EQ(lines.size(), 3 * 3 * 4); // three cells, three outlines each
    const double px = 1.0 / 600;
    EXPECT_EQ(lines[4], xy(1 + px, 1 + px) + u' ' + xy(2 - px, 1 + px));
    EXPECT_EQ(only(calls, QStringLiteral("fillRect")).size(), 3);
    EXPECT_EQ(texts(calls).size(), 3);
}

TEST_F(GridRenderTest, UpLeftAnswerKeyStrokes)
{
    PuzzleBuilder puzzle(10, 10); // cells of half an inch from (1, 1)
    puzzle.place("WORD", 5, 5, UpLeft).fill();
    auto copy = copyOf(puzzle, squareGridLayout());
    const QStringList calls = render(*copy, answerKey());
    const QStringList lines = only(calls, QStringLiteral("line"));
    const QStringList arcs = only(calls, QStringLiteral("arc"));
    ASSERT_EQ(lines.size(), 2);
    ASSERT_EQ(arcs.size(), 2);
    // From the bottom middle of cell (5,5) to the left middle of cell (2,2).
    EXPECT_EQ(lines[0], xy(3.25, 3.5) + u' ' + xy(1.5, 1.75));
    EXPECT_EQ(arcs[0], xy(3, 3) + u' ' + xy(0.5, 0.5) + " -90.0000 90.0000");
    EXPECT_EQ(lines[1], xy(3.5, 3.25) + u' ' + xy(1.75, 1.5));
    // The last stroke: the upper-left quarter of cell (2,2).
    EXPECT_EQ(arcs[1], xy(1.5, 1.5) + u' ' + xy(0.5, 0.5) + " 90.0000 90.0000");
}

TEST_F(GridRenderTest, EveryDirectionGetsItsCaps)
{
    struct Case {
        int direction;
        int row, column;
        double startCap, endCap; // start angles (0 right, 90 up, 180 left, -90 down)
        double span;
    };
    const Case cases[] = {
        {Up, 5, 3, 180, 0, 180},       {UpRight, 5, 3, 180, 0, 90}, {Right, 3, 3, 90, -90, 180},
        {DownRight, 3, 3, 90, -90, 90}, {Down, 3, 3, 0, 180, 180},  {DownLeft, 3, 5, 0, 180, 90},
        {Left, 3, 5, -90, 90, 180},    {UpLeft, 5, 5, -90, 90, 90},
    };
    for (const Case& c : cases) {
        PuzzleBuilder puzzle(10, 10);
        puzzle.place("ABC", c.row, c.column, c.direction).fill();
        auto copy = copyOf(puzzle, squareGridLayout());
        const QStringList arcs = only(render(*copy, answerKey()), QStringLiteral("arc"));
        ASSERT_EQ(arcs.size(), 2) << c.direction;
        auto angles = [](const QString& arc) { return arc.section(u' ', 2); };
        EXPECT_EQ(angles(arcs[0]), LoggingCanvas::num(c.startCap) + u' ' + LoggingCanvas::num(c.span)) << c.direction;
        EXPECT_EQ(angles(arcs[1]), LoggingCanvas::num(c.endCap) + u' ' + LoggingCanvas::num(c.span)) << c.direction;
        EXPECT_EQ(wordDirection(puzzle.record().wordStart(1), puzzle.record().wordEnd(1)), c.direction);
    }
}

TEST_F(GridRenderTest, OneLetterWordGetsAFullCircle)
{
    PuzzleBuilder puzzle(10, 10);
    puzzle.place("A", 3, 4, Right).fill();
    EXPECT_EQ(wordDirection(cell::index(3, 4), cell::index(3, 4)), Up);
    auto copy = copyOf(puzzle, squareGridLayout());
    const QStringList calls = render(*copy, answerKey());
    const QString cellBox = xy(2.5, 2) + u' ' + xy(0.5, 0.5);
    EXPECT_EQ(only(calls, QStringLiteral("arc")),
              QStringList({cellBox + " 180.0000 180.0000", cellBox + " 0.0000 180.0000"}));
}

TEST_F(GridRenderTest, WordInColumnFiftyIsOutlinedThere)
{
    PuzzleBuilder puzzle(50, 50);
    puzzle.place("EDGE", 1, 50, Down).place("RIM", 50, 48, Right).fill();
    EXPECT_EQ(puzzle.record().wordStart(1), 50);
    EXPECT_EQ(puzzle.record().wordEnd(2), 2500);
    auto copy = copyOf(puzzle, squareGridLayout()); // cells of 0.1 inch
    const QStringList lines = only(render(*copy, answerKey()), QStringLiteral("line"));
    ASSERT_EQ(lines.size(), 4);
    EXPECT_EQ(lines[0], xy(5.9, 1.05) + u' ' + xy(5.9, 1.35));
    EXPECT_EQ(lines[1], xy(6, 1.05) + u' ' + xy(6, 1.35));
    EXPECT_EQ(lines[3], xy(5.75, 6) + u' ' + xy(5.95, 6));
}

TEST_F(GridRenderTest, WordsWithCellsOutsideTheGridAreNotOutlined)
{
    PuzzleBuilder puzzle(10, 10);
    puzzle.place("ONE", 1, 1, Right).place("TWO", 2, 1, Right).place("SIX", 3, 1, Right).fill();
    PuzzleRecord& p = puzzle.record();
    p.wordStart(1) = 0;
    p.wordEnd(2) = 2501;
    p.wordEnd(3) = static_cast<std::int16_t>(cell::index(3, 12)); // beyond the 10 columns
    auto copy = copyOf(puzzle, squareGridLayout());
    EXPECT_TRUE(only(render(*copy, answerKey()), QStringLiteral("arc")).isEmpty());
}

TEST_F(GridRenderTest, HiddenPhraseCellsAreCircledOnlyWithTheAnswerKey)
{
    PuzzleBuilder puzzle(5, 5);
    puzzle.place("ABCDE", 1, 1, Right).hole(5, 5).hide("SECRETPHRASE");
    auto copy = copyOf(puzzle, squareGridLayout());
    const QStringList withKey = render(*copy, answerKey());
    EXPECT_EQ(only(withKey, QStringLiteral("ellipse")).size(), 19); // 25 cells, 5 letters, 1 hole
    EXPECT_TRUE(withKey.contains(QStringLiteral("brush #ffffffff clear")));
    const QStringList withoutKey = render(*copy, answerKey(false));
    EXPECT_TRUE(only(withoutKey, QStringLiteral("ellipse")).isEmpty());
    EXPECT_TRUE(only(withoutKey, QStringLiteral("arc")).isEmpty());

    // Random filler is not circled.
    puzzle.fill();
    copy = copyOf(puzzle, squareGridLayout());
    EXPECT_TRUE(only(render(*copy, answerKey()), QStringLiteral("ellipse")).isEmpty());
}

TEST_F(GridRenderTest, LowerCaseLowersLatinCapitalsOnly)
{
    PuzzleBuilder puzzle(4, 1);
    puzzle.place(QByteArray("\xC4\xD7Z\xDE"), 1, 1, Right);
    PrintOptions options;
    options.LowerCase = true;
    auto copy = copyOf(puzzle, squareGridLayout());
    EXPECT_EQ(texts(render(*copy, options)),
              QStringList({QString(QChar(228)), QString(QChar(215)), "z", QString(QChar(254))}));
    EXPECT_EQ(texts(render(*copy)), QStringList({QString(QChar(196)), QString(QChar(215)), "Z", QString(QChar(222))}));
}

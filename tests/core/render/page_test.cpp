#include "core/render/renderfixture.h"
#include "core/report/limitscanvas.h"

#include "base/random.h"
#include "render/shapeprint.h"
#include "render/textprint.h"

#include <QBuffer>
#include <QImage>
#include <QTemporaryDir>

#include <chrono>

using PageRenderTest = RenderTest;

TEST_F(PageRenderTest, TallDesignerPageTakesItsScaleFromTheHeight)
{
    LayoutBuilder layout;
    layout.layout().PageWidthPixels = 400;
    layout.layout().PageHeightPixels = 800;
    LayoutObject& rect = layout.add(ObjectKind::Rectangle, 0, 0, 400, 800);
    rect.FillShape = 1;
    rect.UseBorder = 0;
    PuzzleBuilder puzzle(5, 5);
    auto copy = copyOf(puzzle, layout.layout());
    const QStringList calls = render(*copy);
    EXPECT_DOUBLE_EQ(copy->run.PageScale, 11.0 / 800);
    EXPECT_EQ(calls.first(), QStringLiteral("beginPage 1 2159x2794"));
    // The layout fills the paper's height and leaves its right part empty.
    EXPECT_EQ(only(calls, QStringLiteral("fillRect")), QStringList{QStringLiteral("0.0000,0.0000 5.5000,11.0000")});
}

TEST_F(PageRenderTest, PaperFromTheLayoutsNameAndCustomSizesKeepTheirOrientation)
{
    EXPECT_EQ(paperCodeOf("B5"), 13);
    EXPECT_EQ(paperCodeOf("letter"), 0); // names compare exactly

    LayoutBuilder layout;
    PageLayoutRecord& l = layout.layout();
    l.PaperName.assign("Custom");
    l.UnitsInches = 0;
    l.PageWidth = 50.8; // cm, already turned for landscape
    l.PageHeight = 25.4;
    l.PageWidthPixels = 1524;
    l.PageHeightPixels = 762;
    l.Portrait = 0;
    PuzzleBuilder puzzle(5, 5);
    auto copy = copyOf(puzzle, l);
    const QStringList calls = render(*copy);
    EXPECT_EQ(calls.first(), QStringLiteral("beginPage 0 2540x5080 landscape"));
    EXPECT_NEAR(copy->run.pageWidthInches, 20, 1e-9);
    EXPECT_NEAR(copy->run.pageHeightInches, 10, 1e-9);
    EXPECT_NEAR(copy->run.PageScale, 20.0 / 1524, 1e-12);
}

TEST_F(PageRenderTest, TextBlockWrapsAndTwoLineBreaksPrintAnEmptyLine)
{
    LayoutBuilder layout;
    LayoutObject& text = layout.add(ObjectKind::Text, 48, 48, 48 + 288, 48 + 96); // 1,1 .. 7,3 inches
    text.setText("First paragraph\r\n\r\nSecond");
    PuzzleBuilder puzzle(5, 5);
    auto copy = copyOf(puzzle, layout.layout());
    const QStringList calls = render(*copy);
    const double h = lineHeight(10);
    EXPECT_EQ(texts(calls), QStringList({"First paragraph", "Second"}));
    EXPECT_TRUE(printedAt(calls, "First paragraph", 1, 1 + 0.8 * h));
    EXPECT_TRUE(printedAt(calls, "Second", 1, 1 + 2 * h + 0.8 * h));
    const TextLineTable& table = copy->run.textLines[1];
    EXPECT_EQ(table.objectNumber, 1);
    EXPECT_EQ(table.lineCount, 3);
    EXPECT_EQ(table.lineLengths[0], 15);
    EXPECT_EQ(table.lineBreak[1], true);
    EXPECT_EQ(table.lineBreak[2], true);
    EXPECT_FALSE(copy->run.anyTextDidNotFit());
    EXPECT_TRUE(messages.shown.isEmpty());

    // Narrow the box: the words wrap, right-aligned, one line per word.
    text.setRect(48, 48, 48 + 24, 48 + 96);
    text.TextAlign = 3;
    text.setText("alpha beta gamma");
    copy = copyOf(puzzle, layout.layout());
    const QStringList wrapped = render(*copy);
    EXPECT_EQ(texts(wrapped), QStringList({"alpha", "beta", "gamma"}));
    const double right = 1.5;
    EXPECT_TRUE(printedAt(wrapped, "beta", right - measureWidth("beta", 10), 1 + h + 0.8 * h));
}

TEST_F(PageRenderTest, BlanksBeforeALineBreakDoNotEndTheText)
{
    TReportFiler r;
    TextLineTable table;
    const QByteArray text = "   \r\nName:   \r\n  Date:  ";
    EXPECT_TRUE(wrapTextBlock(r, text, 3, 5, table));
    ASSERT_EQ(table.lineCount, 3);
    EXPECT_EQ(textBlockLine(text, table, 0), QByteArray());
    EXPECT_EQ(textBlockLine(text, table, 1), QByteArray("Name:"));
    EXPECT_EQ(textBlockLine(text, table, 2), QByteArray("  Date:")); // blanks after a break indent
    EXPECT_TRUE(wrapTextBlock(r, "      ", 3, 0, table));
    EXPECT_EQ(table.lineCount, 0);
    EXPECT_FALSE(wrapTextBlock(r, "Floccinaucinihilipilification", 0.5, 5, table)); // one word too wide
}

TEST_F(PageRenderTest, TextBlockThatDoesNotFitWarnsOnceAfterTheRun)
{
    LayoutBuilder layout;
    for (int i = 0; i < 2; ++i) {
        LayoutObject& text = layout.add(ObjectKind::Text, 48, 48 + 60 * i, 96, 60 + 60 * i); // one line high
        text.MakeFit = 0;
        text.setText("one two three four five six seven");
    }
    PuzzleBuilder puzzle(5, 5);
    auto copy = copyOf(puzzle, layout.layout());
    const QStringList calls = render(*copy);
    EXPECT_TRUE(copy->run.TextDidNotFit[1]);
    EXPECT_TRUE(copy->run.TextDidNotFit[2]);
    EXPECT_EQ(copy->run.TextObjectIndex, 2);
    ASSERT_EQ(messages.shown.size(), 1);
    EXPECT_EQ(messages.lastCaption(), QStringLiteral("Warning"));
    EXPECT_EQ(messages.lastText(), kTextDidNotFit);
    // The part that fits is printed: the first line of each block.
    EXPECT_EQ(copy->run.textLines[1].printedLines, 1);
    EXPECT_EQ(texts(calls).size(), 2);

    // With Make It Fit the text shrinks until it fits, and nothing warns.
    messages.clear();
    layout.layout().object(1).MakeFit = 1;
    layout.layout().object(1).setRect(48, 48, 148, 54);
    copy = copyOf(puzzle, layout.layout());
    render(*copy);
    EXPECT_FALSE(copy->run.TextDidNotFit[1]);
    EXPECT_LT(copy->puzzle.PageLayout.object(1).FittedFontSize, 10);
    EXPECT_GT(copy->puzzle.PageLayout.object(1).FittedFontSize, 3);
}

TEST_F(PageRenderTest, TitleShrinksToTwoPointsAtMostAndNeverWarns)
{
    LayoutBuilder layout;
    LayoutObject& title = layout.add(ObjectKind::Title, 48, 48, 50, 49);
    title.FontSize = 12;
    title.UseBorder = 0;
    PuzzleBuilder puzzle(5, 5, "A title far too long for its box");
    auto copy = copyOf(puzzle, layout.layout());
    const QStringList calls = render(*copy);
    EXPECT_EQ(copy->puzzle.PageLayout.object(1).FittedFontSize, 2);
    EXPECT_EQ(texts(calls), QStringList{"A title far too long for its box"});
    EXPECT_TRUE(messages.shown.isEmpty());
    EXPECT_FALSE(copy->run.anyTextDidNotFit());

    // A title that fits keeps its size and is centred on the box's middle.
    title.setRect(48, 48, 432, 96);
    copy = copyOf(puzzle, layout.layout());
    const QStringList fitted = render(*copy);
    EXPECT_EQ(copy->puzzle.PageLayout.object(1).FittedFontSize, 12);
    TReportFiler r;
    r.SetFontSize(12);
    const QString text = QStringLiteral("A title far too long for its box");
    const double x = 1 + (8 - r.TextWidth(text)) / 2;
    const double y = 2 - 0.5 + (r.FontAscent() - r.FontDescent()) / 2;
    EXPECT_TRUE(printedAt(fitted, text, x, y));
}

TEST_F(PageRenderTest, BonusObjectDrawsOnlyWithAQuestion)
{
    LayoutBuilder layout;
    LayoutObject& bonus = layout.add(ObjectKind::Bonus, 48, 48, 432, 72);
    bonus.UseBorder = 1;
    PuzzleBuilder puzzle(5, 5);
    auto copy = copyOf(puzzle, layout.layout());
    EXPECT_EQ(render(*copy), QStringList({"beginPage 1 2159x2794", "endPage"}));

    puzzle.record().BonusQuest.assign("Which word is hidden twice?");
    copy = copyOf(puzzle, layout.layout());
    const QStringList calls = render(*copy);
    EXPECT_EQ(texts(calls), QStringList{"Which word is hidden twice?"});
    EXPECT_EQ(only(calls, QStringLiteral("line")).size(), 4); // the border
    EXPECT_EQ(copy->puzzle.PageLayout.object(1).text(), QByteArray("Which word is hidden twice?"));

    // The part switch turns it off.
    PrintOptions options;
    options.PartBonus = false;
    copy = copyOf(puzzle, layout.layout());
    EXPECT_EQ(render(*copy, options).size(), 2);
}

TEST_F(PageRenderTest, BordersAreAdjacentPixelOutlinesGrowingOutward)
{
    LayoutBuilder layout;
    LayoutObject& rect = layout.add(ObjectKind::Rectangle, 48, 48, 96, 96);
    rect.BorderWidth = 3;
    rect.BorderColor = 0x0000FF;
    PuzzleBuilder puzzle(5, 5);
    auto copy = copyOf(puzzle, layout.layout());
    const QStringList lines = only(render(*copy), QStringLiteral("line"));
    ASSERT_EQ(lines.size(), 12);
    const double px = 1.0 / 600;
    EXPECT_EQ(lines[0], xy(1, 1) + u' ' + xy(2, 1));
    EXPECT_EQ(lines[4], xy(1 - px, 1 - px) + u' ' + xy(2 + px, 1 - px));
    EXPECT_EQ(lines[11], xy(1 - 2 * px, 2 + 2 * px) + u' ' + xy(1 - 2 * px, 1 - 2 * px));

    // A circle's border: two arcs per step making the whole ellipse.
    LayoutBuilder circles;
    LayoutObject& circle = circles.add(ObjectKind::Circle, 48, 48, 144, 96);
    circle.BorderWidth = 2;
    circle.FillShape = 1;
    copy = copyOf(puzzle, circles.layout());
    const QStringList calls = render(*copy);
    EXPECT_EQ(only(calls, QStringLiteral("ellipse")), QStringList{QStringLiteral("1.0000,1.0000 2.0000,1.0000")});
    EXPECT_EQ(only(calls, QStringLiteral("arc")),
              QStringList({"1.0000,1.0000 2.0000,1.0000 0.0000 180.0000", "1.0000,1.0000 2.0000,1.0000 180.0000 180.0000",
                           xy(1 - px, 1 - px) + u' ' + xy(2 + 2 * px, 1 + 2 * px) + " 0.0000 180.0000",
                           xy(1 - px, 1 - px) + u' ' + xy(2 + 2 * px, 1 + 2 * px) + " 180.0000 180.0000"}));
}

TEST_F(PageRenderTest, BitmapsStretchTileAndWarnWhenMissing)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("tile.png"));
    QImage picture(4, 4, QImage::Format_RGB32);
    picture.fill(Qt::red);
    ASSERT_TRUE(picture.save(path));

    LayoutBuilder layout;
    LayoutObject& tiled = layout.add(ObjectKind::Bitmap, 0, 0, 48, 48); // one inch square
    tiled.BitmapFile.setText(path);
    tiled.Transparent = 1;
    tiled.UseBorder = 1;
    LayoutObject& missing = layout.add(ObjectKind::Bitmap, 48, 48, 96, 96);
    missing.BitmapFile.assign("/no/such/folder/picture.bmp");
    missing.UseBorder = 1;
    PuzzleBuilder puzzle(5, 5);
    auto copy = copyOf(puzzle, layout.layout());
    const QStringList calls = render(*copy);

    ASSERT_EQ(messages.shown.size(), 1);
    EXPECT_EQ(messages.lastText(), kMissingBitmaps);
    EXPECT_EQ(messages.lastCaption(), QStringLiteral("Warning"));
    const QStringList images = only(calls, QStringLiteral("image"));
    ASSERT_EQ(images.size(), 9 * 11); // 8.5 inches take 9 tiles, 11 inches exactly 11
    EXPECT_EQ(images.first(), QStringLiteral("0.0000,0.0000 1.0000,1.0000 4x4 ffff0000"));
    EXPECT_EQ(images.last(), QStringLiteral("8.0000,10.0000 1.0000,1.0000 4x4 ffff0000"));
    // The missing picture draws its border only; tiles have none.
    EXPECT_EQ(only(calls, QStringLiteral("line")).size(), 4);

    EXPECT_EQ(tilesToCover(8.5, 1), 9);
    EXPECT_EQ(tilesToCover(11, 1), 11);
    EXPECT_EQ(tilesToCover(11, 0), 0);
    EXPECT_EQ(tilesToCover(11, -2), 0);
}

TEST_F(PageRenderTest, WarningsComeAfterTheRunInOrderAndNotWhenCancelled)
{
    PrintRun run;
    run.WordsDidNotFit = true;
    run.CluesDidNotFit = true;
    run.TextDidNotFit[7] = true;
    showOverflowWarnings(run);
    ASSERT_EQ(messages.shown.size(), 3);
    EXPECT_EQ(messages.shown[0].text, kCluesDidNotFit);
    EXPECT_EQ(messages.shown[1].text, kWordsDidNotFit);
    EXPECT_EQ(messages.shown[2].text, kTextDidNotFit);
    messages.clear();

    LayoutBuilder layout;
    LayoutObject& text = layout.add(ObjectKind::Text, 48, 48, 60, 52);
    text.MakeFit = 0;
    text.setText("overflowing text");
    PuzzleBuilder puzzle(5, 5);
    auto copy = copyOf(puzzle, layout.layout());
    TReportFiler filer;
    PageRenderer renderer(*copy, {});
    renderer.attachTo(filer);
    QString status;
    filer.setStatusLabel([&](const QString& text) { status = text; });
    filer.setIdleHandler([&] {
        if (copy->run.TextDidNotFit[1]) // the page is drawn and the overflow found
            filer.AbortReport();
    });
    bool finishedCancelled = false;
    EXPECT_TRUE(runPage(filer, copy->run, [&](bool cancelled) { finishedCancelled = cancelled; }));
    EXPECT_TRUE(finishedCancelled);
    EXPECT_TRUE(copy->run.TextDidNotFit[1]);
    EXPECT_TRUE(messages.shown.isEmpty());
    EXPECT_EQ(status, QStringLiteral("\nPuzzle Generation Canceled!"));

    filer.setIdleHandler({});
    EXPECT_FALSE(runPage(filer, copy->run));
    EXPECT_EQ(status, QStringLiteral("\nPuzzle Generated!"));
    EXPECT_EQ(messages.shown.size(), 1);
}

TEST_F(PageRenderTest, AFailingRunStillFinishesAndWarnsBeforeTheErrorIsPassedOn)
{
    LayoutBuilder layout;
    LayoutObject& text = layout.add(ObjectKind::Text, 48, 48, 60, 52);
    text.MakeFit = 0;
    text.setText("overflowing text");
    PuzzleBuilder puzzle(5, 5);
    auto copy = copyOf(puzzle, layout.layout());
    QBuffer readOnly;
    readOnly.open(QIODevice::ReadOnly);
    TReportFiler filer(&readOnly);
    PageRenderer renderer(*copy, {});
    renderer.attachTo(filer);
    bool finished = false;
    EXPECT_THROW(runPage(filer, copy->run, [&](bool) { finished = true; }), IoError);
    EXPECT_TRUE(finished);
    EXPECT_EQ(messages.shown.size(), 1);
}

TEST_F(PageRenderTest, DamagedLayoutsRenderSafelyAndQuickly)
{
    LayoutBuilder layout;
    PageLayoutRecord& l = layout.layout();
    l.PageWidthPixels = 0;
    l.PageHeightPixels = -5;
    l.PageWidth = std::nan("");
    LayoutObject& grid = layout.add(ObjectKind::Puzzle, 48, 48, 264, 264);
    grid.GridLineWidth = 2000000000;
    grid.FontSize = -7;
    LayoutObject& words = layout.add(ObjectKind::WordList, 48, 300, 300, 400);
    words.FontSize = 32767;
    LayoutObject& rect = layout.add(ObjectKind::Rectangle, 10, 10, 20, 20);
    rect.BorderWidth = 32767;
    LayoutObject& circle = layout.add(ObjectKind::Circle, 30, 30, 40, 40);
    circle.BorderWidth = 32767;
    LayoutObject& text = layout.add(ObjectKind::Text, 100, 100, 50, 50); // negative
    text.setText("text in a box turned inside out");
    text.FontSize = 0;
    LayoutObject& title = layout.add(ObjectKind::Title, 0, 0, 0, 0);
    title.UseBorder = 1;
    LayoutObject& far = layout.add(ObjectKind::Rectangle, -2000000000, -2000000000, 2000000000, 2000000000);
    far.FillShape = 1;
    LayoutObject& strange = layout.add(ObjectKind::Rectangle, 48, 48, 96, 96);
    strange.ObjKind = 99;
    LayoutObject& bitmap = layout.add(ObjectKind::Bitmap, 48, 48, 49, 49);
    bitmap.Transparent = 1;
    l.ObjectCount = 3000; // read as 20

    PuzzleBuilder puzzle(15, 15);
    puzzle.place("SAFE", 1, 1, Right).place("EDGE", 2, 2, Down).fill();
    PuzzleRecord& p = puzzle.record();
    p.wordStart(1) = 0;
    p.wordEnd(2) = 9999;
    p.WordCount = 400;
    for (int k = 3; k <= PuzzleRecord::MaxWords; ++k) {
        p.word(k).assign("WORD");
        p.wordPlaced(k) = 1;
        p.wordStart(k) = static_cast<std::int16_t>(-k);
    }
    auto copy = copyOf(puzzle, l);

    for (int style : {NormalWords, ClueList}) {
        PrintOptions options;
        options.UseGrid = true;
        options.AnswerKey = true;
        options.NumColumns = 0;
        options.WordStyle = style;
        options.FirstLets = -4;
        const auto started = std::chrono::steady_clock::now();
        const QStringList calls = render(*copy, options);
        const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
        EXPECT_LT(calls.size(), 500000);
        EXPECT_LT(seconds, 30.0);
        EXPECT_DOUBLE_EQ(copy->run.PageScale, 1.0 / 72);
        EXPECT_EQ(copy->run.PrintableWordCount, 330);
        // The grid letters fell back to a drawable size.
        EXPECT_EQ(copy->puzzle.PageLayout.object(1).FittedFontSize, 1);
    }
}

TEST_F(PageRenderTest, RecordsOfRandomBytesRenderWithinTheirLimits)
{
    // Whole records of arbitrary bytes, as a damaged collection file can
    // hold, in every word style with and without the answer key.
    RecordingMessages messages;
    setRandomState(20261207);
    for (int n = 0; n < 12; ++n) {
        auto copy = std::make_unique<PrintCopy>(zeroPuzzleRecord());
        auto* bytes = reinterpret_cast<std::uint8_t*>(&copy->puzzle);
        for (std::size_t i = 0; i < sizeof(PuzzleRecord); ++i)
            bytes[i] = static_cast<std::uint8_t>(Random(256));
        // A sane page with objects of every kind whose other fields stay
        // arbitrary, so that every drawing rule meets damaged values.
        PageLayoutRecord& layout = copy->puzzle.PageLayout;
        const PageLayoutRecord sane = builtInDefaultLayout();
        std::memcpy(&layout, &sane, offsetof(PageLayoutRecord, Objects));
        layout.ObjectCount = 8;
        const ObjectKind kinds[] = {ObjectKind::Title, ObjectKind::Puzzle, ObjectKind::WordList, ObjectKind::Bonus,
                                    ObjectKind::Text, ObjectKind::Bitmap, ObjectKind::Rectangle, ObjectKind::Circle};
        for (int k = 0; k < 8; ++k) {
            LayoutObject& object = layout.Objects[k];
            object.ObjKind = static_cast<std::int16_t>(kinds[k]);
            object.setRect(static_cast<int>(Random(400)), static_cast<int>(Random(500)), static_cast<int>(Random(420)),
                           static_cast<int>(Random(530)));
            object.BitmapFile.clear();
        }
        PrintOptions options;
        options.WordStyle = 1 + n % 4;
        options.UseGrid = n % 3 == 0;
        options.AnswerKey = n % 2 == 0;
        TReportFiler filer;
        PageRenderer renderer(*copy, options);
        renderer.attachTo(filer);
        runPage(filer, copy->run);

        // What the run leaves stays in range, and its page is a sound stream
        // whose every value lies within a reader's limits.
        const PrintRun& run = copy->run;
        EXPECT_TRUE(std::isfinite(run.PageScale) && run.PageScale > 0) << n;
        EXPECT_TRUE(run.PrintableWordCount >= 0 && run.PrintableWordCount <= PuzzleRecord::MaxWords) << n;
        EXPECT_LE(run.wordList.placed, run.PrintableWordCount) << n;
        EXPECT_LE(run.clueList.placed, PuzzleRecord::MaxWords) << n;
        for (const TextLineTable& table : run.textLines)
            EXPECT_TRUE(table.printedLines >= 0 && table.printedLines <= table.lineCount
                        && table.lineCount <= TextLineTable::MaxLines) << n;
        const ReportStream stream(filer.recordedData());
        EXPECT_EQ(stream.pageCount(), 1) << n;
        EXPECT_FALSE(stream.isDamaged()) << n << ": " << stream.errorString().toStdString();
        LimitsCanvas canvas;
        stream.replayAll(canvas);
        EXPECT_EQ(canvas.violations, 0) << n;
    }
}

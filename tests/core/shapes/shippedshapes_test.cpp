#include "shapetestdata.h"

#include "shapes/shapedrawing.h"
#include "shapes/shapelibrary.h"
#include "support/shippedsources.h"
#include "support/tempdir.h"

#include <QImage>
#include <QSet>

#include <algorithm>

namespace {

QStringList shapeSources() { return shippedSources("shapes"); }

QByteArray readAll(const QString& path) { return TestFolders::readFile(path); }

TEST(ShapeText, ReadsRowsOrASizeAndNamesTheFaultyLine)
{
    const auto drawn = parseShapeText("// a comment\nname: Kite\n..#..\n.###.\n#####\n.###.\n..#..\n", nullptr);
    ASSERT_TRUE(drawn);
    EXPECT_EQ(shapeEntryText(*drawn), "5x5 Kite");
    EXPECT_EQ(rowsOf(*drawn)[1], ".###.");
    EXPECT_FALSE(drawn->cellInShape(1, 6));

    const auto square = parseShapeText("name: Square\nsize: 15x12\n", nullptr);
    ASSERT_TRUE(square);
    EXPECT_EQ(shapeEntryText(*square), "15x12 Square");
    EXPECT_TRUE(square->cellInShape(12, 15));
    EXPECT_FALSE(square->cellInShape(13, 15));

    QString error;
    EXPECT_FALSE(parseShapeText("name: X\n#####\n####\n", &error));
    EXPECT_EQ(error, "line 3: row length differs from the first row");
    EXPECT_FALSE(parseShapeText("name: X\nsize: 31x10\n", &error));
    EXPECT_FALSE(parseShapeText("size: 10x10\n", &error));
    EXPECT_FALSE(parseShapeText("name: X\nsize: 10\n", &error));
    EXPECT_FALSE(parseShapeText("name: X\n#####\n#####\n#####\n#####\n", &error)); // 4 rows
}

// The shipped library: every source reads, the usual rectangles are there
// (portrait ones too), at least twelve figures between 15 and 30 cells and
// at least five small ones for short lists.
TEST(ShippedShapes, SourcesGiveTheRectanglesAndTwelveFigures)
{
    const QStringList sources = shapeSources();
    QSet<QString> texts;
    int figures = 0;
    int smallFigures = 0;
    for (const QString& path : sources) {
        QString error;
        const auto shape = parseShapeText(readAll(path), &error);
        ASSERT_TRUE(shape) << path.toStdString() << ": " << error.toStdString();
        const QString text = shapeEntryText(*shape);
        EXPECT_FALSE(texts.contains(text)) << text.toStdString();
        texts.insert(text);
        const int cells = static_cast<int>(std::count(shape->ShapeCells.begin(), shape->ShapeCells.end(), 1));
        if (cells == shape->width() * shape->height())
            continue;
        if (cells < 150) {
            // Small: at most 15 cells across, room for a short list.
            ++smallFigures;
            EXPECT_LE(std::max(shape->width(), shape->height()), 15) << text.toStdString();
            EXPECT_GE(cells, 60) << text.toStdString();
            continue;
        }
        ++figures;
        EXPECT_GE(std::max(shape->width(), shape->height()), 15) << text.toStdString();
    }
    for (const char* rectangle : {"10x10", "12x12", "15x15", "15x12", "20x15", "20x20", "25x25", "30x30", "12x15",
                                  "15x20", "20x25"}) {
        const bool found = std::any_of(texts.begin(), texts.end(),
                                       [&](const QString& text) { return text.startsWith(rectangle + QString(u' ')); });
        EXPECT_TRUE(found) << rectangle;
    }
    EXPECT_GE(figures, 12);
    EXPECT_GE(smallFigures, 5);
    // A new puzzle starts on record 1 ("Last Shape" is 1 by default).
    ASSERT_GE(sources.size(), 2);
    EXPECT_EQ(shapeEntryText(*parseShapeText(readAll(sources[1]), nullptr)), "15x15 Square");
}

TEST(ShippedShapes, BuiltLibraryHoldsOneRecordPerSource)
{
    const QByteArray library = readAll(QStringLiteral(QM_DATA_DIR "/QZFLAY.DAT"));
    const QStringList sources = shapeSources();
    ASSERT_EQ(library.size(), sources.size() * 2555);
    for (int k = 0; k < sources.size(); ++k)
        EXPECT_EQ(library.mid(k * 2555, 2555), bytesOf(*parseShapeText(readAll(sources[k]), nullptr)));
}

TEST(ShapeThumbnail, CellsAreFilledInsideTheirGridLines)
{
    ShapeRecord shape = shapeOf("T", {"#....", ".....", ".....", ".....", "....."});
    shape.ShapeWidth = 10;
    shape.ShapeHeight = 5;
    const QColor face(0xF0, 0xF0, 0xF0);
    const QImage image = shapeThumbnail(shape, QSize(148, 148), face); // cells of 14 pixels
    EXPECT_EQ(image.pixelColor(0, 0), QColor(Qt::black));    // grid line
    EXPECT_EQ(image.pixelColor(7, 7), thumbnailCellColour());  // filled cell
    EXPECT_EQ(image.pixelColor(21, 7), QColor(Qt::white));   // empty cell
    EXPECT_EQ(image.pixelColor(140, 7), QColor(Qt::black));  // right edge line
    EXPECT_EQ(image.pixelColor(100, 100), face);             // below the 10 x 5 grid
    EXPECT_EQ(image.pixelColor(147, 147), face);

    shape.ShapeWidth = 32767; // damaged: drawn as 50 columns of 2 pixels, 1 row
    shape.ShapeHeight = 0;
    const QImage clamped = shapeThumbnail(shape, QSize(148, 148), face);
    EXPECT_EQ(clamped.pixelColor(1, 1), thumbnailCellColour());
    EXPECT_EQ(clamped.pixelColor(3, 1), QColor(Qt::white));
    EXPECT_EQ(clamped.pixelColor(101, 1), face);
}

} // namespace

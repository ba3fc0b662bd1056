#include "pagelayout/layoutthumbnail.h"
#include "storage/pagelayoutrecord.h"

#include <QImage>

#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <set>

namespace {

const QColor kBackground(0xC0, 0xC0, 0xC0);

// A 100 x 100 pixel page drawn into 200 x 250: scale 2, the page's white
// square on top, background below.
class ThumbnailTest : public ::testing::Test {
protected:
    ThumbnailTest() : layout(std::make_unique<PageLayoutRecord>())
    {
        std::memset(layout.get(), 0, sizeof *layout);
        layout->PageWidthPixels = 100;
        layout->PageHeightPixels = 100;
    }

    LayoutObject& add(ObjectKind kind, int l, int t, int r, int b)
    {
        return addKind(static_cast<int>(kind), l, t, r, b);
    }
    LayoutObject& addKind(int kind, int l, int t, int r, int b)
    {
        const int n = layout->ObjectCount + 1;
        layout->ObjectCount = n;
        LayoutObject& object = layout->object(n);
        object = newLayoutObject(ObjectKind::Rectangle);
        object.ObjKind = kind;
        object.setRect(l, t, r, b);
        return object;
    }
    QImage draw() const { return layoutThumbnail(*layout, QSize(200, 250), kBackground); }

    std::unique_ptr<PageLayoutRecord> layout;
};

QColor at(const QImage& image, int x, int y) { return image.pixelColor(x, y); }

// The x positions between x0 and x1 whose column, over rows y0..y1, holds a
// black pixel.
std::set<int> blackColumns(const QImage& image, int x0, int x1, int y0, int y1)
{
    std::set<int> columns;
    for (int x = x0; x <= x1; ++x) {
        for (int y = y0; y <= y1; ++y) {
            if (at(image, x, y) == Qt::black)
                columns.insert(x);
        }
    }
    return columns;
}

// Whether a column alternates: some black pixels and some others.
bool dotted(const QImage& image, int x, int y0, int y1)
{
    int black = 0;
    for (int y = y0; y <= y1; ++y)
        black += at(image, x, y) == Qt::black ? 1 : 0;
    return black > 0 && black < y1 - y0 + 1;
}

} // namespace

TEST_F(ThumbnailTest, KindsInTheirColoursOnTheScaledPage)
{
    add(ObjectKind::Title, 5, 2, 95, 12);
    add(ObjectKind::Puzzle, 5, 15, 45, 45);
    add(ObjectKind::Bonus, 50, 15, 95, 25);
    add(ObjectKind::Text, 50, 30, 95, 45);
    add(ObjectKind::Rectangle, 62, 92, 68, 98);
    add(ObjectKind::Circle, 70, 75, 90, 95);
    addKind(99, 0, 0, 100, 100); // unknown: skipped
    const QImage image = draw();

    EXPECT_EQ(at(image, 100, 14), QColor(0xFF, 0xFF, 0x00)); // title yellow
    EXPECT_EQ(at(image, 50, 60), QColor(0x80, 0x00, 0x00));  // puzzle maroon
    EXPECT_EQ(at(image, 145, 40), QColor(0xFF, 0x00, 0xFF)); // bonus fuchsia
    EXPECT_EQ(at(image, 145, 75), QColor(0x80, 0x80, 0x80)); // text grey
    EXPECT_EQ(at(image, 130, 190), QColor(0x80, 0x80, 0x80)); // rectangle grey
    EXPECT_EQ(at(image, 160, 170), QColor(0x80, 0x80, 0x80)); // circle grey inside
    EXPECT_EQ(at(image, 141, 151), QColor(Qt::white));        // ... but not in its corner
    EXPECT_EQ(at(image, 5, 5), QColor(Qt::white));
    EXPECT_EQ(at(image, 100, 225), kBackground); // below the page

    // Outlines: left and top edge on the scaled coordinates, right and
    // bottom one pixel inside, as the rectangle's right and bottom lie
    // just outside the object.
    EXPECT_EQ(at(image, 10, 14), QColor(Qt::black));
    EXPECT_EQ(at(image, 189, 14), QColor(Qt::black));
    EXPECT_EQ(at(image, 190, 14), QColor(Qt::white));
    EXPECT_EQ(at(image, 100, 4), QColor(Qt::black));
    EXPECT_EQ(at(image, 100, 23), QColor(Qt::black));
    EXPECT_EQ(at(image, 100, 24), QColor(Qt::white));
}

TEST_F(ThumbnailTest, ThreeColumnListShowsTwoDottedDividers)
{
    LayoutObject& words = add(ObjectKind::WordList, 0, 50, 60, 90); // scaled 0,100 .. 120,180
    words.NumColumns = 3;
    const QImage image = draw();
    EXPECT_EQ(at(image, 20, 140), QColor(0x00, 0x80, 0x80));
    // Inside the outline only the dividers at 0 + k * (120 div 3) are black.
    EXPECT_EQ(blackColumns(image, 1, 118, 101, 178), (std::set<int>{40, 80}));
    EXPECT_TRUE(dotted(image, 40, 101, 178));
    EXPECT_TRUE(dotted(image, 80, 101, 178));

    words.NumColumns = 1;
    EXPECT_TRUE(blackColumns(draw(), 1, 118, 101, 178).empty());
}

TEST_F(ThumbnailTest, TiledBitmapIsOutlinedAroundTheWholePage)
{
    LayoutObject& bitmap = add(ObjectKind::Bitmap, 70, 50, 90, 70); // scaled 140,100 .. 180,140
    bitmap.Transparent = 1;
    QImage image = draw();
    EXPECT_EQ(at(image, 160, 120), QColor(Qt::white));
    EXPECT_EQ(at(image, 140, 120), QColor(Qt::white)); // no outline of its own
    EXPECT_TRUE(dotted(image, 0, 0, 199));
    EXPECT_TRUE(dotted(image, 199, 0, 199));
    EXPECT_EQ(at(image, 0, 220), kBackground);

    bitmap.Transparent = 0; // placed, not tiled: a dotted outline of its own
    image = draw();
    EXPECT_TRUE(dotted(image, 140, 100, 139));
    EXPECT_FALSE(dotted(image, 0, 0, 199));
}

TEST_F(ThumbnailTest, DamagedLayoutsDrawWithoutHarm)
{
    // Every slot filled with absurd values; the count says 200.
    for (int n = 1; n <= PageLayoutRecord::MaxObjects; ++n) {
        LayoutObject& object = layout->object(n);
        std::memset(&object, 0xA5, sizeof object);
        object.ObjKind = static_cast<std::int16_t>(n % 14);
        object.setRect(n % 2 ? -2000000000 : 2000000000, -7, 2147483647, n * 3);
        object.NumColumns = static_cast<std::int16_t>(n % 3 ? 32767 : -5);
    }
    layout->ObjectCount = 200;
    const QImage crowded = draw();
    EXPECT_EQ(at(crowded, 100, 225), kBackground);

    layout->ObjectCount = -4;
    EXPECT_EQ(at(draw(), 100, 100), QColor(Qt::white));

    for (int pixels : {0, -408}) {
        layout->PageWidthPixels = pixels;
        const QImage image = draw();
        EXPECT_EQ(at(image, 0, 0), kBackground);
        EXPECT_EQ(at(image, 199, 249), kBackground);
    }
}

#include "generate/candidatedrawing.h"
#include "generate/candidatereview.h"
#include "generate/candidateslots.h"
#include "support/guiapplication.h"

#include <QFont>
#include <QImage>

#include <gtest/gtest.h>

#include <memory>

namespace {

// A full cols x rows candidate with "CAT" across the top row.
std::unique_ptr<CandidateSlot> catCandidate(int cols, int rows)
{
    auto slot = std::make_unique<CandidateSlot>();
    PuzzleRecord& r = slot->record;
    r = zeroPuzzleRecord();
    r.GridCols = static_cast<std::int16_t>(cols);
    r.GridRows = static_cast<std::int16_t>(rows);
    for (int row = 1; row <= rows; ++row)
        for (int c = 1; c <= cols; ++c)
            r.AnswerGrid[cell::index(row, c) - 1] = ' ';
    for (int c = 1; c <= 3; ++c)
        r.AnswerGrid[cell::index(1, c) - 1] = static_cast<std::uint8_t>("CAT"[c - 1]);
    r.word(1).assign("CAT");
    r.WordCount = 1;
    slot->placed.fill(0);
    slot->placed[0] = 1;
    slot->score = 1;
    return slot;
}

bool hasColour(const QImage& image, const QRect& area, QRgb colour)
{
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (image.pixel(x, y) == colour)
                return true;
    return false;
}

// Some pixel of the area is dark: ink of a letter (its edges are smoothed).
bool hasInk(const QImage& image, const QRect& area)
{
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (qGray(image.pixel(x, y)) < 100)
                return true;
    return false;
}

const QColor kFace(212, 208, 200);

} // namespace

TEST(CandidateDrawing, CellSizeFollowsThePictureAndTheCandidatesOwnGrid)
{
    auto slot = catCandidate(15, 15);
    EXPECT_EQ(candidateCellSize(QSize(191, 191), slot->record), 11);
    EXPECT_EQ(candidateCellSize(QSize(411, 411), slot->record), 26);
    // A shrunk candidate of 6 columns and 4 rows: the columns decide.
    slot->record.GridCols = 6;
    slot->record.GridRows = 4;
    EXPECT_EQ(candidateCellSize(QSize(191, 191), slot->record), 30);
    // A damaged size is clamped, and the cell never shrinks below one pixel.
    slot->record.GridCols = 0;
    slot->record.GridRows = 500;
    EXPECT_EQ(candidateCellSize(QSize(191, 191), slot->record), 2);
    EXPECT_EQ(candidateCellSize(QSize(20, 20), slot->record), 1);
}

TEST(CandidateDrawing, LetterSizeIsTheLargestWhoseHeightStaysBelowTheCell)
{
    ensureGuiApplication();
    const int small = candidateFontSize(11);
    const int large = candidateFontSize(26);
    EXPECT_GE(small, 5);
    EXPECT_LT(small, large);
    EXPECT_LE(large, 20);
    EXPECT_EQ(candidateFontSize(200), 20);
    EXPECT_EQ(candidateFontSize(3), 4); // not even 5 points fit
}

TEST(CandidateDrawing, DrawsWhiteCellsTheLettersAndLeavesTheRestInTheBackground)
{
    ensureGuiApplication();
    auto slot = catCandidate(15, 15);
    slot->record.AnswerGrid[cell::index(15, 15) - 1] = 0; // outside the shape
    QImage picture(191, 191, QImage::Format_RGB32);
    DrawAPuzzle(picture, slot->record, kFace);

    const int s = 11;
    const auto cellArea = [s](int r, int c) { return QRect((c - 1) * s + 1, (r - 1) * s + 1, s - 1, s - 1); };
    const QRgb white = qRgb(255, 255, 255);
    EXPECT_EQ(picture.pixel(0, 0), kFace.rgb());                    // the lines between cells
    EXPECT_EQ(picture.pixel(cellArea(2, 2).topLeft()), white);      // a free cell
    EXPECT_FALSE(hasInk(picture, cellArea(2, 2)));                  // holds no letter yet
    EXPECT_TRUE(hasInk(picture, cellArea(1, 2)));                   // "A"
    EXPECT_FALSE(hasColour(picture, cellArea(15, 15), white));      // outside the shape
    EXPECT_EQ(picture.pixel(15 * s + 5, 5), kFace.rgb());           // right of the grid
    EXPECT_EQ(picture.pixel(190, 190), kFace.rgb());

    // An empty slot is only the background, whatever its buffer holds.
    slot->score = 0;
    drawCandidateSlot(picture, *slot, kFace);
    EXPECT_FALSE(hasColour(picture, picture.rect(), white));
}

TEST(CandidateReview, CaptionsCountWordsAndCells)
{
    EXPECT_EQ(slotCaption(1), "Best Fit");
    EXPECT_EQ(slotCaption(4), "Fourth Best Fit");
    EXPECT_EQ(includedWordsCaption(9), "9 Included Words");
    EXPECT_EQ(includedWordsCaption(1), "1 Included Word");
    EXPECT_EQ(includedWordsCaption(0), "0 Included Words");
    EXPECT_EQ(excludedWordsCaption(3), "3 Excluded Words");
    EXPECT_EQ(excludedWordsCaption(1), "1 Excluded Word");
    EXPECT_EQ(freeCellsCaption(255), "255 Chars");
}

TEST(CandidateReview, WordsOfTheEditorsListSplitByPlacementAndSortedWithoutCase)
{
    auto slot = catCandidate(15, 15);
    const char* words[] = {"zebra", "Apple", "mango", "Kiwi", "banana"};
    for (int k = 1; k <= 5; ++k)
        slot->record.word(k).assign(words[k - 1]);
    slot->record.word(6).assign("left over from an earlier run");
    slot->placed.fill(0);
    slot->placed[0] = slot->placed[1] = slot->placed[2] = 1;

    const CandidateWords split = candidateWords(*slot, 5);
    EXPECT_EQ(split.included, QStringList({"Apple", "mango", "zebra"}));
    EXPECT_EQ(split.excluded, QStringList({"banana", "Kiwi"}));
    EXPECT_TRUE(candidateWords(*slot, -3).included.isEmpty());
}

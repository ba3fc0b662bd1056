#include "storage/puzzlerecord.h"

#include <gtest/gtest.h>

TEST(CellIndex, RowAndColumnRoundTrip)
{
    EXPECT_EQ(cell::row(50), 1);
    EXPECT_EQ(cell::column(50), 50);
    EXPECT_EQ(cell::row(51), 2);
    EXPECT_EQ(cell::column(51), 1);
    EXPECT_EQ(cell::row(2500), 50);
    EXPECT_EQ(cell::column(2500), 50);
    for (int r = 1; r <= 50; ++r)
        for (int c = 1; c <= 50; ++c) {
            const int index = cell::index(r, c);
            ASSERT_EQ(cell::row(index), r);
            ASSERT_EQ(cell::column(index), c);
        }
}

#include "base/littleendian.h"
#include "pagelayout/layoutlibrary.h"
#include "storage/recordfile.h"
#include "support/puzzles.h"
#include "support/tempdir.h"

#include <cstring>

TEST(PuzzleRecordBytes, FieldsLandAtTheirOffsetsLittleEndian)
{
    auto record = makePuzzle("Cat", "Title");
    record->GridCols = 0x1234;
    record->word(2).assign("WORD");
    record->clue(330).assign("last clue");
    record->wordStart(1) = -2;
    record->wordPlaced(330) = 1;
    const auto* bytes = reinterpret_cast<const unsigned char*>(record.get());
    EXPECT_EQ(bytes[63], 0x34);
    EXPECT_EQ(bytes[64], 0x12);
    EXPECT_EQ(bytes[5038 + 31 * 2], 4);
    EXPECT_EQ(std::memcmp(bytes + 5038 + 31 * 2 + 1, "WORD", 4), 0);
    EXPECT_EQ(bytes[15148 + 151 * 330], 9);
    EXPECT_EQ(bytes[65127 + 2], 0xFE);
    EXPECT_EQ(bytes[65127 + 3], 0xFF);
    EXPECT_EQ(bytes[66448 + 330], 1);
    EXPECT_EQ(bytes[6], 3);
    EXPECT_EQ(bytes[27], 5);
}

TEST(PuzzleRecordBytes, DamagedCountsAreClampedByAccessors)
{
    auto record = makePuzzle("C", "T");
    record->GridCols = 0;
    record->GridRows = 32767;
    record->WordCount = -5;
    EXPECT_EQ(record->gridCols(), 1);
    EXPECT_EQ(record->gridRows(), 50);
    EXPECT_EQ(record->wordCount(), 0);
    record->WordCount = 1000;
    EXPECT_EQ(record->wordCount(), 330);
    record->PageLayout.ObjectCount = 200;
    EXPECT_EQ(record->PageLayout.objectCount(), 20);
    record->PageLayout.ObjectCount = -1;
    EXPECT_EQ(record->PageLayout.objectCount(), 0);
}

TEST(PuzzleRecordBytes, NewPuzzleKeepsGridsAndCopyRenames)
{
    auto record = makePuzzle("Cat", "Farm (2)");
    record->AnswerGrid[0] = 'Q';
    record->word(1).assign("COW");
    record->WordCount = 1;
    record->wordPlaced(1) = 1;
    makeCopyOfPuzzle(*record);
    EXPECT_EQ(record->Title.bytes(), QByteArray("Farm (3)"));
    EXPECT_FALSE(record->wordPlaced(1));

    resetToNewPuzzle(*record);
    EXPECT_TRUE(record->Title.isEmpty());
    EXPECT_EQ(record->wordCount(), 0);
    EXPECT_TRUE(record->word(1).isEmpty());
    EXPECT_EQ(record->gridCols(), 15);
    EXPECT_EQ(record->AnswerGrid[0], 'Q');
}

TEST(LayoutObjectText, StopsAtZeroOrAtTheFieldEnd)
{
    LayoutObject object = newLayoutObject(ObjectKind::Text);
    object.setText(QByteArray(2000, 'a'));
    EXPECT_EQ(object.text().size(), 999);
    std::memset(object.ObjText, 'b', sizeof object.ObjText); // no terminator
    EXPECT_EQ(object.text().size(), 1001);
}

TEST(NewPuzzleLayout, DefaultIndexRules)
{
    TestFolders folders;
    const QString library = folders.path("QZFPAGE.DAT");

    PageLayoutRecord builtIn = newPuzzleLayout(library, 0); // missing library
    EXPECT_EQ(builtIn.LayoutName.bytes(), QByteArray("New Page"));
    EXPECT_EQ(builtIn.objectCount(), 3);
    EXPECT_EQ(builtIn.object(2).right(), 312);
    EXPECT_EQ(builtIn.object(3).numColumns(), 1);
    EXPECT_EQ(static_cast<double>(builtIn.PageHeight), 11.0);

    TestFolders::writeFile(library, QByteArray());
    EXPECT_EQ(newPuzzleLayout(library, 0).LayoutName.bytes(), QByteArray("New Page"));

    RecordFile file(library, sizeof(PageLayoutRecord));
    ASSERT_TRUE(file.open(RecordFile::Mode::ReadWrite));
    for (const char* name : {"First", "Second", "Third"}) {
        PageLayoutRecord layout = builtInDefaultLayout();
        layout.LayoutName.assign(name);
        file.append(&layout);
    }
    file.close();
    EXPECT_EQ(newPuzzleLayout(library, 2).LayoutName.bytes(), QByteArray("Third"));
    EXPECT_EQ(newPuzzleLayout(library, 7).LayoutName.bytes(), QByteArray("First"));
    EXPECT_EQ(newPuzzleLayout(library, -3).LayoutName.bytes(), QByteArray("First"));
}

TEST(LittleEndianFields, DoubleRoundTrip)
{
    Float64 value{};
    value = 8.25;
    EXPECT_EQ(value.get(), 8.25);
    const std::uint8_t expected[8] = {0, 0, 0, 0, 0, 0x80, 0x20, 0x40};
    EXPECT_EQ(std::memcmp(value.bytes, expected, 8), 0);
}

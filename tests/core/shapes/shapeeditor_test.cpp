#include "shapetestdata.h"

#include "shapes/shapeeditor.h"
#include "shapes/shapelibrary.h"
#include "support/recordingmessages.h"
#include "support/tempdir.h"

#include <QFile>

namespace {

ShapeEditor editorOf(const QStringList& rows)
{
    return ShapeEditor(ShapeEditorMode::Modify, shapeOf("Test", rows), 0);
}

TEST(ShapeEditorFill, SweepVisitsEachRowOnceSoAUMayStayHalfFilled)
{
    ShapeEditor editor = editorOf({
        "#######",
        "#.###.#",
        "#.###.#",
        "#.###.#",
        "#.....#",
        "#######",
    });
    editor.floodFill(2, 6);
    // A flood fill would fill the whole U; the sweep runs down the right
    // arm and spreads only one cell leftwards along the bottom row.
    EXPECT_EQ(rowsOf(editor.shape()), QStringList({
                                          "#######",
                                          "#.#####",
                                          "#.#####",
                                          "#.#####",
                                          "#...###",
                                          "#######",
                                      }));
    EXPECT_TRUE(editor.canUndo());
}

TEST(ShapeEditorFill, ColumnOneOfAnotherRowIsReachedOnlyFromAboveOrBelow)
{
    // (2,1) touches the region only sideways: it stays.
    ShapeEditor sideways = editorOf({
        "#.###",
        "..###",
        "#####",
        "#####",
        "#####",
    });
    sideways.floodFill(1, 2);
    EXPECT_EQ(rowsOf(sideways.shape()).mid(0, 2), QStringList({"#####", ".####"}));

    // With (1,1) in the clicked row's run, (2,1) is reached from above.
    ShapeEditor fromAbove = editorOf({
        "..###",
        "..###",
        "#####",
        "#####",
        "#####",
    });
    fromAbove.floodFill(1, 2);
    EXPECT_EQ(rowsOf(fromAbove.shape()).mid(0, 2), QStringList({"#####", "#####"}));
}

TEST(ShapeEditorShift, CellsMovedOutAreLostAndOnlyUndoBringsThemBack)
{
    const QStringList start = {
        "#....",
        "#.#..",
        "#....",
        "#....",
        "#...#",
    };
    ShapeEditor editor = editorOf(start);
    editor.shift(ShiftDirection::Left);
    EXPECT_EQ(rowsOf(editor.shape()), QStringList({".....", ".#...", ".....", ".....", "...#."}));
    editor.undo();
    EXPECT_EQ(rowsOf(editor.shape()), start);
    EXPECT_FALSE(editor.canUndo());

    editor.shift(ShiftDirection::Left);
    editor.shift(ShiftDirection::Right);
    EXPECT_EQ(rowsOf(editor.shape()), QStringList({".....", "..#..", ".....", ".....", "....#"}));

    ShapeEditor vertical = editorOf(start);
    vertical.shift(ShiftDirection::Up);
    EXPECT_EQ(rowsOf(vertical.shape()), QStringList({"#.#..", "#....", "#....", "#...#", "....."}));
    vertical.shift(ShiftDirection::Down);
    EXPECT_EQ(rowsOf(vertical.shape()), QStringList({".....", "#.#..", "#....", "#....", "#...#"}));
}

TEST(ShapeEditorShift, CellsOutsideTheAreaDoNotMove)
{
    ShapeRecord shape = rectangleShape("T", 5, 5);
    shape.setCell(1, 7, true);
    shape.setCell(8, 1, true);
    ShapeEditor editor(ShapeEditorMode::Modify, shape, 0);
    editor.shift(ShiftDirection::Left);
    editor.shift(ShiftDirection::Down);
    EXPECT_TRUE(editor.shape().cellInShape(1, 7));
    EXPECT_TRUE(editor.shape().cellInShape(8, 1));
    EXPECT_FALSE(editor.shape().cellInShape(1, 6));
}

TEST(ShapeEditorUndo, OnlyFillAndShiftCanBeUndone)
{
    ShapeEditor editor = editorOf(QStringList(5, "#####"));
    EXPECT_FALSE(editor.canUndo());
    editor.toggle(1, 1);
    EXPECT_FALSE(editor.canUndo());
    editor.shift(ShiftDirection::Right);
    EXPECT_TRUE(editor.canUndo());
    editor.toggle(3, 3); // a toggle after a shift disables undo
    EXPECT_FALSE(editor.canUndo());
    editor.undo();
    EXPECT_FALSE(editor.shape().cellInShape(3, 3));

    editor.floodFill(2, 2);
    EXPECT_TRUE(editor.canUndo());
    editor.reverse();
    EXPECT_FALSE(editor.canUndo());
    // Reverse inverts every cell, also those outside the area.
    EXPECT_TRUE(editor.shape().cellInShape(50, 50));
}

TEST(ShapeEditorUndo, RestoresTheWholeShapeIncludingItsSize)
{
    ShapeEditor editor = editorOf(QStringList(10, QString(10, u'#')));
    editor.shift(ShiftDirection::Up);
    ASSERT_TRUE(editor.applyWidth("20"));
    editor.undo();
    EXPECT_EQ(editor.shape().width(), 10);
    EXPECT_EQ(rowsOf(editor.shape()), QStringList(10, QString(10, u'#')));
}

TEST(ShapeEditorSize, WidthAndHeightMustBeWholeNumbersFrom5To30)
{
    RecordingMessages messages;
    ShapeEditor editor(ShapeEditorMode::New, ShapeRecord{});
    for (const char* bad : {"4", "31", "0", "-5", "ab", "", "1 2", "5.", "\t7"}) {
        SCOPED_TRACE(bad);
        messages.clear();
        EXPECT_FALSE(editor.applyWidth(QString::fromLatin1(bad)));
        EXPECT_EQ(messages.lastText(), "Width must be between 5 and 30.  Please re-enter width.");
        EXPECT_EQ(messages.lastCaption(), "Error");
        EXPECT_FALSE(editor.applyHeight(QString::fromLatin1(bad)));
        EXPECT_EQ(messages.lastText(), "Height must be between 5 and 30.  Please re-enter height.");
    }
    EXPECT_EQ(editor.shape().width(), 30);
    EXPECT_TRUE(editor.applyWidth(" 5 "));
    EXPECT_TRUE(editor.applyHeight("+30"));
    EXPECT_EQ(editor.shape().width(), 5);
    EXPECT_EQ(editor.shape().height(), 30);
}

TEST(ShapeEditorSize, ShrinkingKeepsTheHiddenCells)
{
    ShapeRecord shape = rectangleShape("T", 30, 30);
    shape.setCell(5, 25, false);
    ShapeEditor editor(ShapeEditorMode::Modify, shape, 0);
    ASSERT_TRUE(editor.applyWidth("10"));
    ASSERT_TRUE(editor.applyWidth("30"));
    EXPECT_EQ(editor.shape().ShapeCells, shape.ShapeCells);
}

TEST(ShapeEditorImage, CellsFollowTheCellSizeUpToRow50)
{
    ShapeEditor editor(ShapeEditorMode::New, ShapeRecord{});
    EXPECT_EQ(editor.cellSize(), 12); // 401 div 30 - 1
    EXPECT_EQ(editor.cellAt({0, 0}), (GridCell{1, 1}));
    EXPECT_EQ(editor.cellAt({11, 12}), (GridCell{2, 1}));
    EXPECT_EQ(editor.cellAt({400, 400}), (GridCell{34, 34})); // hidden cell beyond the area
    EXPECT_FALSE(editor.cellAt({-1, 5}));

    ShapeRecord tiny = rectangleShape("T", 10, 10);
    tiny.ShapeWidth = 1; // as a damaged file may give
    tiny.ShapeHeight = 1;
    ShapeEditor large(ShapeEditorMode::Modify, tiny, 0);
    EXPECT_EQ(large.cellSize(), 400);
    ShapeRecord wide = tiny;
    wide.ShapeWidth = 50;
    wide.ShapeHeight = 50;
    ShapeEditor small(ShapeEditorMode::Modify, wide, 0);
    EXPECT_EQ(small.cellSize(), 7);
    EXPECT_FALSE(small.cellAt({7 * 50, 0}));
    EXPECT_EQ(small.cellAt({7 * 50 - 1, 0}), (GridCell{1, 50}));
}

class ShapeEditorSave : public ::testing::Test {
protected:
    TestFolders folders;
    RecordingMessages messages;
};

TEST_F(ShapeEditorSave, NewShapeAtOnceAppendsAFull30By30Square)
{
    ShapeEditor editor(ShapeEditorMode::New, rectangleShape("Ignored", 5, 5));
    EXPECT_EQ(editor.shape().ShapeName.text(), "New Layout");
    ASSERT_EQ(editor.save("New Layout", "30", "30", shapeLibraryPath()), ShapeEditor::SaveResult::Saved);
    EXPECT_TRUE(editor.saved());
    const ShapeRecord saved = readShape(shapeLibraryPath(), 0);
    EXPECT_EQ(shapeEntryText(saved), "30x30 New Layout");
    EXPECT_TRUE(std::all_of(saved.ShapeCells.begin(), saved.ShapeCells.end(), [](auto c) { return c == 1; }));
}

TEST_F(ShapeEditorSave, HeightIsCheckedBeforeWidthAndNothingIsWritten)
{
    ShapeEditor editor(ShapeEditorMode::New, ShapeRecord{});
    EXPECT_EQ(editor.save("X", "4", "31", shapeLibraryPath()), ShapeEditor::SaveResult::BadHeight);
    EXPECT_EQ(messages.shown.size(), 1);
    EXPECT_EQ(messages.lastText(), "Height must be between 5 and 30.  Please re-enter height.");
    EXPECT_EQ(editor.save("X", "4", "12", shapeLibraryPath()), ShapeEditor::SaveResult::BadWidth);
    EXPECT_EQ(messages.lastText(), "Width must be between 5 and 30.  Please re-enter width.");
    EXPECT_FALSE(QFile::exists(shapeLibraryPath()));
    EXPECT_FALSE(editor.saved());
}

TEST_F(ShapeEditorSave, ModifyOverwritesCopyAppendsAndTheTitleIsTrimmed)
{
    TestFolders::writeFile(shapeLibraryPath(), libraryOf({rectangleShape("A", 10, 10), rectangleShape("B", 10, 10)}));
    ShapeEditor modify(ShapeEditorMode::Modify, readShape(shapeLibraryPath(), 1), 1);
    modify.toggle(1, 1);
    ASSERT_EQ(modify.save("  Kite  ", "12", "10", shapeLibraryPath()), ShapeEditor::SaveResult::Saved);
    EXPECT_EQ(modify.savedIndex(), 1);
    const ShapeRecord kite = readShape(shapeLibraryPath(), 1);
    EXPECT_EQ(shapeEntryText(kite), "12x10 Kite");
    EXPECT_FALSE(kite.cellInShape(1, 1));

    ShapeEditor copy(ShapeEditorMode::Copy, kite, -1);
    ASSERT_EQ(copy.save("Kite (2)", "12", "10", shapeLibraryPath()), ShapeEditor::SaveResult::Saved);
    EXPECT_EQ(copy.savedIndex(), 2);
    EXPECT_EQ(TestFolders::readFile(shapeLibraryPath()).size(), 3 * 2555);
}

TEST_F(ShapeEditorSave, ALibraryThatCannotBeCreatedKeepsTheEditorOpen)
{
    ShapeEditor editor(ShapeEditorMode::New, ShapeRecord{});
    const QString path = folders.path("no such folder/QZFLAY.DAT");
    EXPECT_EQ(editor.save("X", "10", "10", path), ShapeEditor::SaveResult::CannotWrite);
    EXPECT_EQ(messages.lastCaption(), "Disk Error");
    EXPECT_EQ(messages.lastText(), "Unable to add shape.");
    EXPECT_FALSE(editor.saved());
}

} // namespace

#include "shapetestdata.h"

#include "shapes/shapefile.h"
#include "shapes/shapelibrary.h"
#include "shapes/shapelist.h"
#include "storage/puzzlerecord.h"
#include "support/recordingmessages.h"
#include "support/tempdir.h"

#include <QFile>

#include <cstring>

namespace {

class ShapeListTest : public ::testing::Test {
protected:
    void writeLibrary(std::initializer_list<ShapeRecord> shapes)
    {
        TestFolders::writeFile(shapeLibraryPath(), libraryOf(shapes));
    }
    QByteArray library() const { return TestFolders::readFile(shapeLibraryPath()); }
    static QStringList texts(const ShapeList& list)
    {
        QStringList result;
        for (const ShapeListEntry& entry : list.entries())
            result.append(entry.text);
        return result;
    }
    QString currentName() const { return currentShape.ShapeName.text(); }
    ShapeListContext context() { return {currentShape, lastShape, currentPuzzle.get()}; }

    TestFolders folders;
    RecordingMessages messages;
    // What the main window would hand the list.
    ShapeRecord currentShape{};
    int lastShape = 1;
    std::unique_ptr<PuzzleRecord> currentPuzzle = std::make_unique<PuzzleRecord>(zeroPuzzleRecord());
};

TEST_F(ShapeListTest, EntriesShowSizeAndNameSortedCaseInsensitively)
{
    writeLibrary({rectangleShape("C", 5, 5), rectangleShape("banana", 10, 10), rectangleShape("B", 15, 15),
                  rectangleShape("Apple", 10, 10)});
    ShapeList list(ShapeListMode::StandAlone, context());
    list.load();
    EXPECT_EQ(texts(list), QStringList({"10x10 Apple", "10x10 banana", "15x15 B", "5x5 C"}));
    EXPECT_EQ(list.entries()[0].recordIndex, 3);
    EXPECT_EQ(list.entries()[3].recordIndex, 0);
    // The stand-alone dialog starts on the first entry.
    EXPECT_EQ(list.selected(), 0);
    EXPECT_EQ(currentName(), "Apple");
    EXPECT_TRUE(messages.shown.isEmpty());
    // Browsing here does not change "Last Shape".
    list.select(3);
    EXPECT_EQ(currentName(), "C");
    EXPECT_EQ(lastShape, 1);
}

TEST_F(ShapeListTest, MissingLibraryWarnsOnceAndImportCreatesIt)
{
    ShapeList list(ShapeListMode::StandAlone, context());
    list.load();
    ASSERT_EQ(messages.shown.size(), 1);
    EXPECT_EQ(messages.lastCaption(), "Warning");
    EXPECT_EQ(messages.lastText(), "No saved shape information could be found.");
    EXPECT_EQ(list.selected(), -1);

    const QString lay = folders.path("heart.lay");
    ASSERT_TRUE(exportShapeFile(lay, rectangleShape("Heart", 15, 15)));
    list.importFrom(lay);
    EXPECT_EQ(library().size(), 2555);
    EXPECT_EQ(texts(list), QStringList({"15x15 Heart"}));
    EXPECT_EQ(list.selected(), 0);
    EXPECT_EQ(messages.shown.size(), 1);
}

TEST_F(ShapeListTest, WordListEditorStartsOnLastShapeAndRemembersChoice)
{
    writeLibrary({rectangleShape("Zebra", 10, 10), rectangleShape("Kite", 20, 20), rectangleShape("Bell", 12, 12)});
    lastShape = 2;
    ShapeList list(ShapeListMode::EditorNew, context());
    list.load();
    EXPECT_EQ(list.selectedEntry()->recordIndex, 2);
    EXPECT_EQ(currentName(), "Bell");

    list.select(0); // "10x10 Zebra"
    EXPECT_EQ(lastShape, 0);

    lastShape = 7; // no such record: first position
    list.load();
    EXPECT_EQ(list.selected(), 0);
}

TEST_F(ShapeListTest, ModifiedPuzzleOffersItsOwnShapeFirst)
{
    writeLibrary({rectangleShape("Heart", 15, 15)});
    PuzzleRecord& puzzle = *currentPuzzle;
    puzzle.GridCols = 15;
    puzzle.GridRows = 12;
    puzzle.AnswerGrid[0] = 'A';
    puzzle.AnswerGrid[cell::index(12, 15) - 1] = ' ';

    ShapeList list(ShapeListMode::EditorModify, context());
    list.load();
    EXPECT_EQ(texts(list), QStringList({"15x12 <Current Puzzle>", "15x15 Heart"}));
    EXPECT_EQ(list.selected(), 0);
    EXPECT_EQ(list.selectedEntry()->recordIndex, ShapeList::CurrentPuzzleIndex);
    EXPECT_FALSE(list.canModifySelected());
    const ShapeRecord& shape = currentShape;
    EXPECT_EQ(currentName(), "<Current Puzzle>");
    EXPECT_TRUE(shape.cellInShape(1, 1));
    EXPECT_TRUE(shape.cellInShape(12, 15));
    EXPECT_FALSE(shape.cellInShape(1, 2));

    // Re-selecting the entry restores the snapshot, not a library record.
    list.select(1);
    EXPECT_TRUE(list.canModifySelected());
    list.select(0);
    EXPECT_EQ(currentName(), "<Current Puzzle>");
    EXPECT_EQ(lastShape, 0);

    // Export writes the puzzle's shape; importing it adds a library shape of
    // that name, whose entry carries the appended record's index.
    const QString lay = folders.path("current.lay");
    list.exportTo(lay);
    EXPECT_EQ(messages.lastCaption(), "OK");
    EXPECT_EQ(messages.lastText(), "Puzzle Shape Exported!");
    list.importFrom(lay);
    EXPECT_EQ(texts(list), QStringList({"15x12 <Current Puzzle>", "15x12 <Current Puzzle>", "15x15 Heart"}));
    ASSERT_EQ(list.selected(), 1);
    EXPECT_EQ(list.selectedEntry()->recordIndex, 1);
    EXPECT_TRUE(list.canModifySelected());
    EXPECT_EQ(readShape(shapeLibraryPath(), 1).ShapeName.text(), "<Current Puzzle>");
}

TEST_F(ShapeListTest, DeleteMovesLaterRecordsForwardAndTruncates)
{
    writeLibrary({rectangleShape("A", 10, 10), rectangleShape("B", 11, 11), rectangleShape("C", 12, 12)});
    ShapeList list(ShapeListMode::StandAlone, context());
    list.load();

    messages.answers = {MessageAnswer::No};
    list.deleteSelected();
    EXPECT_EQ(library().size(), 3 * 2555);

    list.deleteSelected(); // "10x10 A", record 0
    EXPECT_EQ(messages.shown.last().caption, "Delete?");
    EXPECT_EQ(messages.shown.last().text, "Are you sure you want to delete \"10x10 A\"?");
    EXPECT_EQ(messages.shown.last().buttons, MessageButtons::YesNo);
    EXPECT_EQ(library(), libraryOf({rectangleShape("B", 11, 11), rectangleShape("C", 12, 12)}));
    EXPECT_EQ(list.entries()[1].recordIndex, 1); // C moved from 2 to 1
    EXPECT_EQ(list.selected(), 0);
    EXPECT_EQ(currentName(), "B");

    list.select(1);
    list.deleteSelected(); // the last entry: the new last entry is selected
    EXPECT_EQ(list.selected(), 0);
    EXPECT_EQ(currentName(), "B");

    messages.clear();
    list.deleteSelected(); // record 0 of a one-record file
    EXPECT_TRUE(QFile::exists(shapeLibraryPath()));
    EXPECT_EQ(library().size(), 0);
    EXPECT_EQ(list.selected(), -1);
    EXPECT_EQ(messages.lastText(), "No saved shape information could be found.");
}

TEST_F(ShapeListTest, DeleteReportsALibraryThatCannotBeOpened)
{
    writeLibrary({rectangleShape("A", 10, 10)});
    ShapeList list(ShapeListMode::StandAlone, context());
    list.load();
    QFile::remove(shapeLibraryPath());
    list.deleteSelected();
    EXPECT_EQ(messages.lastCaption(), "Disk Error");
    EXPECT_EQ(messages.lastText(), "Unable to delete puzzle shape.");
    EXPECT_FALSE(QFile::exists(shapeLibraryPath()));
}

TEST_F(ShapeListTest, ImportAcceptsOnlyTheSignatureAndAWholeRecord)
{
    writeLibrary({rectangleShape("A", 10, 10)});
    ShapeList list(ShapeListMode::StandAlone, context());
    list.load();
    currentShape = rectangleShape("Kept", 12, 12);
    const QByteArray record = bytesOf(rectangleShape("Fish", 20, 15));
    const struct {
        const char* label;
        QByteArray bytes;
    } corrupt[] = {
        {"lower-case signature", "lay1.0" + record},
        {"2,560 bytes", QByteArray("LAY1.0" + record).chopped(1)},
        {"signature only", "LAY"},
        {"short version", "LAY1."},
        {"empty", ""},
        {"other signature", "PAG1.0" + record},
    };
    for (const auto& file : corrupt) {
        SCOPED_TRACE(file.label);
        const QString path = folders.path("bad.lay");
        TestFolders::writeFile(path, file.bytes);
        messages.clear();
        list.importFrom(path);
        EXPECT_EQ(messages.lastCaption(), "Error");
        EXPECT_EQ(messages.lastText(), "Puzzle shape file is corrupt or incompatible.  Import aborted.");
        EXPECT_EQ(library().size(), 2555);
        EXPECT_EQ(currentName(), "Kept");
    }

    list.importFrom(folders.path("missing.lay"));
    EXPECT_EQ(messages.lastText(), "Puzzle shape could not be imported.");

    // The version is not examined and bytes after the record are ignored.
    TestFolders::writeFile(folders.path("good.lay"), "LAY9.9" + record + "trailing");
    list.importFrom(folders.path("good.lay"));
    EXPECT_EQ(library(), libraryOf({rectangleShape("A", 10, 10), rectangleShape("Fish", 20, 15)}));
    EXPECT_EQ(list.selectedEntry()->text, "20x15 Fish");
}

TEST_F(ShapeListTest, ImportIntoALibraryThatCannotBeCreatedKeepsTheShapeInMemory)
{
    ShapeList list(ShapeListMode::StandAlone, context());
    list.load();
    const QString lay = folders.path("fish.lay");
    ASSERT_TRUE(exportShapeFile(lay, rectangleShape("Fish", 20, 15)));
    setProgramDirectory(folders.path("no such folder"));
    list.importFrom(lay);
    EXPECT_EQ(messages.lastCaption(), "Disk Error");
    EXPECT_EQ(messages.lastText(), "Unable to add shape.");
    EXPECT_EQ(currentName(), "Fish");
    EXPECT_TRUE(list.entries().isEmpty());
}

TEST_F(ShapeListTest, ExportWritesSignatureAndRecord)
{
    ShapeList list(ShapeListMode::StandAlone, context());
    list.load();
    messages.clear();
    EXPECT_FALSE(list.checkExportSelection());
    EXPECT_EQ(messages.lastText(), "No shape selected.");
    EXPECT_EQ(messages.lastCaption(), "Error");

    const ShapeRecord star = rectangleShape("Star", 25, 24);
    writeLibrary({star});
    list.load();
    currentShape = rectangleShape("Other", 5, 5); // export reloads the entry
    const QString lay = folders.path("star.lay");
    list.exportTo(lay);
    const QByteArray written = TestFolders::readFile(lay);
    EXPECT_EQ(written.size(), 2561);
    EXPECT_EQ(written, "LAY1.0" + bytesOf(star));

    list.exportTo(folders.path("no such folder/star.lay"));
    EXPECT_EQ(messages.lastText(), "Shape could not be exported.");
}

TEST_F(ShapeListTest, CopyProposesTheCopyNameAndLeavesTheLibraryAlone)
{
    const struct {
        QByteArray name;
        QByteArray copy;
    } cases[] = {
        {"Heart", "Heart (2)"},
        {"Heart (9)", "Heart (10)"},
        {"Heart (0)", "Heart (0) (2)"},
        {"<Current Puzzle>", "<Current Puzzle> (2)"},
        {QByteArray(50, 'x'), QByteArray(50, 'x')},
        {QByteArray(46, 'y') + " (9)", QByteArray(46, 'y') + " (10"},
    };
    ShapeList list(ShapeListMode::StandAlone, context());
    for (const auto& c : cases) {
        ShapeRecord shape = rectangleShape("X", 10, 10);
        shape.ShapeName.assign(c.name);
        currentShape = shape;
        EXPECT_EQ(list.editorStart(ShapeEditorMode::Copy).ShapeName.bytes(), c.copy);
        EXPECT_EQ(list.editorStart(ShapeEditorMode::Modify).ShapeName.bytes(), c.name);
        EXPECT_EQ(currentShape.ShapeName.bytes(), c.name);
    }
}

TEST_F(ShapeListTest, AfterTheEditorSavedTheEditedOrAppendedRecordIsSelected)
{
    writeLibrary({rectangleShape("B", 10, 10), rectangleShape("A", 10, 10), rectangleShape("C", 10, 10)});
    ShapeList list(ShapeListMode::StandAlone, context());
    list.load();

    ASSERT_TRUE(writeShape(shapeLibraryPath(), 0, rectangleShape("Z", 12, 12)));
    list.editorSaved(ShapeEditorMode::Modify, 0);
    EXPECT_EQ(list.selectedEntry()->text, "12x12 Z");
    EXPECT_EQ(currentName(), "Z");

    ASSERT_TRUE(appendShape(shapeLibraryPath(), rectangleShape("0 first", 10, 10)));
    list.editorSaved(ShapeEditorMode::New, -1);
    EXPECT_EQ(list.selectedEntry()->recordIndex, 3);
    EXPECT_EQ(list.selected(), 0);
}

// Damaged libraries and .LAY files: absurd sizes and name lengths are
// clamped when read, so listing, drawing and editing stay within 50 x 50.
TEST_F(ShapeListTest, DamagedRecordsAreClampedWhenRead)
{
    ShapeRecord zero = rectangleShape("Zero", 10, 10);
    zero.ShapeWidth = 0;
    zero.ShapeHeight = -7;
    ShapeRecord huge = rectangleShape("Huge", 10, 10);
    huge.ShapeWidth = 32767;
    huge.ShapeHeight = 32767;
    huge.ShapeName.length = 255;
    std::memset(huge.ShapeName.chars, 'n', sizeof huge.ShapeName.chars);
    huge.ShapeCells[0] = 7;
    QByteArray bytes = libraryOf({zero, huge});
    bytes += QByteArray(100, '\xff'); // part of a record: ignored
    TestFolders::writeFile(shapeLibraryPath(), bytes);

    ShapeList list(ShapeListMode::EditorNew, context());
    list.load();
    EXPECT_EQ(texts(list), QStringList({"1x1 Zero", "50x50 " + QString(50, u'n')}));
    for (int k = 0; k < 2; ++k) {
        list.select(k);
        const ShapeRecord& shape = currentShape;
        EXPECT_GE(shape.ShapeWidth, 1);
        EXPECT_LE(shape.ShapeWidth, 50);
        EXPECT_GE(shape.ShapeHeight, 1);
        EXPECT_LE(shape.ShapeHeight, 50);
        EXPECT_LE(shape.ShapeName.length, 50);
    }
    EXPECT_EQ(currentShape.ShapeCells[0], 1);

    ShapeRecord wide = rectangleShape("Wide", 10, 10);
    wide.ShapeWidth = -32768;
    TestFolders::writeFile(folders.path("wide.lay"), "LAY1.0" + bytesOf(wide));
    list.importFrom(folders.path("wide.lay"));
    EXPECT_EQ(currentShape.ShapeWidth, 1);
    EXPECT_EQ(list.selectedEntry()->text, "1x10 Wide");
}

} // namespace

#include "base/messageservice.h"
#include "storage/collectionbrowser.h"
#include "storage/collectionfile.h"
#include "support/puzzles.h"
#include "support/tempdir.h"

#include <QFile>

#include <gtest/gtest.h>

namespace {

QList<QByteArray> texts(const QList<CollectionBrowser::Item>& items)
{
    QList<QByteArray> result;
    for (const auto& item : items)
        result << item.text;
    return result;
}

QByteArray titleOf(const QString& path, qint64 n)
{
    auto record = std::make_unique<PuzzleRecord>(zeroPuzzleRecord());
    EXPECT_TRUE(readPuzzle(path, n, *record));
    return record->Title.bytes();
}

} // namespace

TEST(CollectionFile, WriteReadAppendAndOverwriteInPlace)
{
    TestFolders folders;
    const QString path = folders.path("a.QZ3");
    EXPECT_EQ(writePuzzle(path, *makePuzzle("Animals", "Cats"), -1), 0); // created when missing
    EXPECT_EQ(writePuzzle(path, *makePuzzle("Animals", "Dogs"), -1), 1);
    EXPECT_EQ(writePuzzle(path, *makePuzzle("Animals", "Birds"), 0), 0);
    EXPECT_EQ(puzzleCount(path), 2);
    EXPECT_EQ(titleOf(path, 0), QByteArray("Birds"));
    EXPECT_EQ(QFile(path).size(), 2 * 95830);

    auto record = std::make_unique<PuzzleRecord>(zeroPuzzleRecord());
    EXPECT_FALSE(readPuzzle(folders.path("missing.QZ3"), 0, *record));
    EXPECT_THROW(readPuzzle(path, 5, *record), IoError);
    EXPECT_EQ(writePuzzle(folders.path("no/such/dir/x.QZ3"), *record, -1), -1);
}

TEST(CollectionFile, DeleteMovesLaterRecordsAndTruncates)
{
    TestFolders folders;
    const QString path = folders.path("a.QZ3");
    writeCollection(path, {{"A", "one"}, {"A", "two"}, {"A", "three"}});
    ASSERT_TRUE(deletePuzzleRecord(path, 2));
    EXPECT_EQ(QFile(path).size(), 2 * 95830);
    writePuzzle(path, *makePuzzle("A", "three"), -1);
    ASSERT_TRUE(deletePuzzleRecord(path, 0));
    EXPECT_EQ(puzzleCount(path), 2);
    EXPECT_EQ(titleOf(path, 0), QByteArray("two"));
    EXPECT_EQ(titleOf(path, 1), QByteArray("three"));
    EXPECT_FALSE(deletePuzzleRecord(folders.path("missing.QZ3"), 0));
}

TEST(CollectionFile, TrailingBytesAreIgnoredAndNewCollectionIsEmpty)
{
    TestFolders folders;
    const QString path = folders.path("a.QZ3");
    writeCollection(path, {{"A", "one"}, {"B", "two"}, {"A", "three"}});
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::Append));
        file.write(QByteArray(100, 'x'));
    }
    EXPECT_EQ(loadCollectionIndex(path).entries.size(), 3);
    ASSERT_TRUE(createEmptyCollection(path));
    EXPECT_EQ(QFile(path).size(), 0);
    EXPECT_TRUE(loadCollectionIndex(path).entries.isEmpty());
}

TEST(CollectionIndex, CategoriesInFileOrderComparedByteForByte)
{
    TestFolders folders;
    const QString path = folders.path("a.QZ3");
    writeCollection(path, {{"Zoo", "z1"}, {"animals", "a1"}, {"Animals", "A1"}, {"Zoo", "z2"}});
    const CollectionIndex index = loadCollectionIndex(path);
    EXPECT_EQ(index.categories, (QList<QByteArray>{"Zoo", "animals", "Animals"}));
    ASSERT_EQ(index.entries.size(), 4);
    EXPECT_EQ(index.entries[3].categoryPos, 0);
    EXPECT_EQ(index.entries[3].recordIndex, 3);
}

TEST(CollectionIndex, DamagedLengthBytesAreClamped)
{
    TestFolders folders;
    const QString path = folders.path("bad.QZ3");
    QByteArray bytes(95830, '\xff');
    TestFolders::writeFile(path, bytes);
    const CollectionIndex index = loadCollectionIndex(path);
    ASSERT_EQ(index.entries.size(), 1);
    EXPECT_EQ(index.categories[0].size(), 20);
    EXPECT_EQ(index.entries[0].title.size(), 35);
}

TEST(CollectionBrowser, SortsCaseInsensitivelyAndFillsTheChosenCategory)
{
    TestFolders folders;
    const QString path = folders.path("a.QZ3");
    writeCollection(path, {{"Zoo", "zebra"}, {"animals", "Cat"}, {"Animals", "ant"}, {"animals", "bee"},
                           {"animals", "Bee"}});
    CollectionBrowser browser;
    browser.LoadInPuzzles(path);
    EXPECT_EQ(texts(browser.categoryItems()), (QList<QByteArray>{"animals", "Animals", "Zoo"}));
    EXPECT_EQ(browser.selectedCategoryRow(), 0);
    EXPECT_EQ(texts(browser.puzzleItems()), (QList<QByteArray>{"bee", "Bee", "Cat"}));
    EXPECT_FALSE(browser.hasSelectedPuzzle());
    browser.SetCategory(2);
    EXPECT_EQ(texts(browser.puzzleItems()), (QList<QByteArray>{"zebra"}));
    EXPECT_EQ(browser.puzzleItems()[0].tag, 0);
}

TEST(CollectionBrowser, PendingSelectionPicksTheSavedPuzzle)
{
    TestFolders folders;
    const QString path = folders.path("a.QZ3");
    writeCollection(path, {{"Animals", "Cat"}, {"Birds", "Owl"}, {"Birds", "Robin"}});
    CollectionBrowser browser;
    browser.setPendingSelection("BIRDS", "robin");
    browser.LoadInPuzzles(path);
    EXPECT_EQ(browser.selectedCategory(), QByteArray("Birds"));
    EXPECT_EQ(browser.selectedTitle(), QByteArray("Robin"));
    EXPECT_EQ(browser.selectedRecordIndex(), 2);
    EXPECT_FALSE(browser.hasPendingSelection());

    // A pending category that no longer exists leaves the requested one.
    browser.setPendingSelection("Fish", "Cod");
    browser.LoadInPuzzles(path);
    EXPECT_EQ(browser.selectedCategory(), QByteArray("Animals"));
    EXPECT_FALSE(browser.hasSelectedPuzzle());
}

TEST(CollectionBrowser, DeletionSelectsTheTitleAboveOrNone)
{
    TestFolders folders;
    const QString path = folders.path("a.QZ3");
    writeCollection(path, {{"A", "alpha"}, {"A", "beta"}, {"A", "gamma"}, {"B", "only"}});
    CollectionBrowser browser;
    browser.LoadInPuzzles(path);

    browser.selectPuzzleRow(2); // gamma
    browser.setPendingSelectionForDeletion();
    deletePuzzleRecord(path, browser.selectedRecordIndex());
    browser.LoadInPuzzles(path);
    EXPECT_EQ(browser.selectedTitle(), QByteArray("beta"));

    browser.SetCategory(1);
    browser.selectPuzzleRow(0); // "only": its category disappears
    browser.setPendingSelectionForDeletion();
    deletePuzzleRecord(path, browser.selectedRecordIndex());
    browser.LoadInPuzzles(path);
    EXPECT_EQ(texts(browser.categoryItems()), (QList<QByteArray>{"A"}));
    EXPECT_FALSE(browser.hasSelectedPuzzle());
}

TEST(CollectionIndex, FullWidthIndexesBeyondSixteenBits)
{
    // The index keeps record indexes at full width: a record past 65535 is
    // its own puzzle, not record (n mod 65536).
    TestFolders folders;
    const QString path = folders.path("big.QZ3");
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    const qint64 count = 65538;
    ASSERT_TRUE(file.resize(count * 95830)); // sparse: all-zero records
    auto record = makePuzzle("Last", "far away");
    ASSERT_TRUE(file.seek((count - 1) * 95830));
    file.write(reinterpret_cast<const char*>(record.get()), sizeof(PuzzleRecord));
    file.close();

    CollectionBrowser browser;
    browser.setPendingSelection("Last", "far away");
    browser.LoadInPuzzles(path);
    EXPECT_EQ(browser.selectedRecordIndex(), count - 1);
}

TEST(RecentFiles, CurrentLeavesTheListAndPreviousGoesOnTop)
{
    std::array<QString, 5> recent = {"B", "C", "D", "E", "F"};
    updateRecentFiles(recent, "A", "B");
    EXPECT_EQ(recent, (std::array<QString, 5>{"A", "C", "D", "E", "F"}));
    updateRecentFiles(recent, "G", "X");
    EXPECT_EQ(recent, (std::array<QString, 5>{"G", "A", "C", "D", "E"}));
    updateRecentFiles(recent, "", "Y");
    EXPECT_EQ(recent[0], QString());
}

TEST(CaptionName, DropsDirectoryAndExtension)
{
    EXPECT_EQ(collectionCaptionName("/home/t/SAMPLE.QZ3"), QStringLiteral("SAMPLE"));
    EXPECT_EQ(collectionCaptionName("x"), QString());
}

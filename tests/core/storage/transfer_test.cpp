// Puzzles between collection files, and the data of the earlier version.
#include "storage/collectionbrowser.h"
#include "storage/earlierdata.h"
#include "storage/legacypuzzle.h"
#include "storage/puzzletransfer.h"
#include "storage/shaperecord.h"
#include "support/puzzles.h"
#include "support/recordingmessages.h"
#include "support/tempdir.h"

#include <QFile>

#include <cstring>
#include <unistd.h>

#include <gtest/gtest.h>

namespace {

// A record with every byte set from a seed, title and category readable.
std::unique_ptr<PuzzleRecord> noisyPuzzle(const QByteArray& title, unsigned seed)
{
    auto record = makePuzzle("Mixed", title);
    auto* bytes = reinterpret_cast<unsigned char*>(record.get());
    for (std::size_t i = offsetof(PuzzleRecord, GridCols); i < sizeof(PuzzleRecord); ++i)
        bytes[i] = static_cast<unsigned char>(seed * 31 + i * 7);
    return record;
}

QByteArray recordBytes(const PuzzleRecord& record)
{
    return QByteArray(reinterpret_cast<const char*>(&record), sizeof record);
}

std::unique_ptr<LegacyPuzzleRecord> legacyPuzzle(int words)
{
    auto legacy = std::make_unique<LegacyPuzzleRecord>();
    std::memset(legacy.get(), 0, sizeof *legacy);
    legacy->Title.assign("An old puzzle from the sixteen-bit days");
    legacy->GridSize = 12;
    legacy->Grid.fill('X');
    legacy->WordCount = static_cast<std::int16_t>(words);
    for (int k = 1; k <= words; ++k) {
        legacy->Words[k - 1].assign("WORD" + QByteArray::number(k));
        legacy->WordStart[k - 1] = static_cast<std::int16_t>(k);
        legacy->WordEnd[k - 1] = static_cast<std::int16_t>(k + 3);
    }
    legacy->Words[words].assign("LEFTOVER");
    return legacy;
}

QByteArray qzkFile(const LegacyPuzzleRecord& legacy)
{
    return "QZK\x05notes" + QByteArray(reinterpret_cast<const char*>(&legacy), sizeof legacy);
}

} // namespace

TEST(PuzzleTransfer, SameFileIgnoresCaseLinksAndOtherSpellings)
{
    TestFolders folders;
    const QString file = folders.path("Current.QZ3");
    writeCollection(file, {{"A", "a"}});
    ASSERT_TRUE(QFile::link(file, folders.path("link.qz3")));
    ASSERT_EQ(::link(QFile::encodeName(file).constData(), QFile::encodeName(folders.path("hard.QZ3")).constData()), 0);
    for (const QString& same : {folders.path("CURRENT.qz3"), folders.path("link.qz3"), folders.path("hard.QZ3"),
                                folders.startDir() + "/../Current.QZ3"})
        EXPECT_TRUE(isSameFile(same, file)) << qPrintable(same);
    writeCollection(folders.path("other.QZ3"), {{"A", "a"}});
    EXPECT_FALSE(isSameFile(folders.path("other.QZ3"), file));

    EXPECT_EQ(classifyImportPath(folders.path("current.qz3"), file), ImportChoice::SameAsCurrent);
    EXPECT_EQ(classifyImportPath(folders.path("other.Qz3"), file), ImportChoice::Collection);
    EXPECT_EQ(classifyImportPath(folders.path("old.qzk"), file), ImportChoice::SinglePuzzleFile);
    EXPECT_EQ(classifyImportPath(folders.path("words.txt"), file), ImportChoice::NotQuillmaze);
}

TEST(PuzzleTransfer, ImportAppendsInListOrderWithEveryByte)
{
    TestFolders folders;
    const QString source = folders.path("source.QZ3");
    const QString target = folders.path("target.QZ3");
    writeCollection(target, {{"Kept", "first"}});
    std::vector<std::unique_ptr<PuzzleRecord>> records;
    for (const char* title : {"C", "A", "B"}) {
        records.push_back(noisyPuzzle(title, static_cast<unsigned>(records.size())));
        writePuzzle(source, *records.back(), -1);
    }
    QList<qint64> picked;
    for (const auto& item : sortedPuzzleTitles(source))
        picked.append(item.tag);
    EXPECT_EQ(picked, (QList<qint64>{1, 2, 0}));
    ASSERT_EQ(appendPuzzles(source, target, picked), TransferResult::Done);

    const QByteArray file = TestFolders::readFile(target);
    ASSERT_EQ(file.size(), 4 * 95830);
    for (int n = 1; n <= 3; ++n)
        EXPECT_EQ(file.mid(n * 95830, 95830), recordBytes(*records[picked[n - 1]])) << n;
    EXPECT_EQ(appendPuzzles(folders.path("missing.QZ3"), target, {0}), TransferResult::SourceUnreadable);
    EXPECT_EQ(appendPuzzles(source, folders.path("no/dir/x.QZ3"), {0}), TransferResult::TargetUnwritable);
}

TEST(PuzzleTransfer, ExportReplacesAnotherFileAndRefusesTheCurrentOne)
{
    TestFolders folders;
    const QString current = folders.path("current.QZ3");
    const QString other = folders.path("other.QZ3");
    writeCollection(current, {{"A", "one"}, {"A", "two"}, {"A", "three"}});
    writeCollection(other, {{"B", "x"}, {"B", "y"}, {"B", "z"}, {"B", "w"}});
    const QByteArray before = TestFolders::readFile(current);

    ASSERT_EQ(exportPuzzles(current, other, {2, 0}), TransferResult::Done);
    EXPECT_EQ(TestFolders::readFile(other), before.mid(2 * 95830, 95830) + before.left(95830));

    EXPECT_EQ(exportPuzzles(current, folders.path("CURRENT.qz3"), {0}), TransferResult::SameFile);
    EXPECT_EQ(TestFolders::readFile(current), before);
    // A record that vanished from the source leaves the target as it was.
    EXPECT_THROW(exportPuzzles(current, other, {0, 7}), IoError);
    EXPECT_EQ(QFile(other).size(), 2 * 95830);
}

TEST(LegacyPuzzle, ConversionOfATwelveWordPuzzle)
{
    const auto legacy = legacyPuzzle(12);
    auto record = noisyPuzzle("Current", 9);
    const auto fill = record->FillGrid;
    convertLegacyPuzzle(*legacy, builtInDefaultLayout(), *record);

    EXPECT_EQ(record->Version.bytes(), "3.0c");
    EXPECT_EQ(record->Title.bytes(), QByteArray("An old puzzle from the sixteen-bit days").left(35));
    EXPECT_EQ(record->Category.bytes(), "Version 2.0 Puzzles");
    EXPECT_TRUE(record->BonusQuest.isEmpty());
    EXPECT_EQ(record->GridCols, 12);
    EXPECT_EQ(record->GridRows, 12);
    EXPECT_EQ(record->wordCount(), 12);
    EXPECT_TRUE(record->isGenerated());
    EXPECT_EQ(record->AnswerGrid, legacy->Grid);
    EXPECT_EQ(record->FillGrid, fill);
    for (int k = 1; k <= 330; ++k) {
        EXPECT_EQ(record->wordPlaced(k), k <= 12) << k;
        EXPECT_TRUE(record->clue(k).isEmpty()) << k;
        if (k > 12) {
            EXPECT_TRUE(record->word(k).isEmpty()) << k;
        }
    }
    EXPECT_EQ(record->word(12).bytes(), "WORD12");
    EXPECT_EQ(record->wordEnd(12), 15);

    legacy->GridSize = 900;
    legacy->WordCount = -4;
    convertLegacyPuzzle(*legacy, builtInDefaultLayout(), *record);
    EXPECT_EQ(record->GridCols, 50);
    EXPECT_EQ(record->WordCount, 0);
}

TEST(LegacyPuzzle, QzkFileIsReadOnlyWhenSignedAndComplete)
{
    TestFolders folders;
    const auto legacy = legacyPuzzle(3);
    const QByteArray good = qzkFile(*legacy);
    const struct {
        const char* name;
        QByteArray bytes;
        QzkReadResult result;
    } cases[] = {
        {"complete", good, QzkReadResult::Read},
        {"wrong signature", "QZX" + good.mid(3), QzkReadResult::Corrupt},
        {"lower-case signature", "qzk" + good.mid(3), QzkReadResult::Corrupt},
        {"short record", good.left(good.size() - 1), QzkReadResult::Corrupt},
        {"only a signature", "QZ", QzkReadResult::Corrupt},
    };
    for (const auto& c : cases) {
        const QString path = folders.path("p.qzk");
        TestFolders::writeFile(path, c.bytes);
        auto read = std::make_unique<LegacyPuzzleRecord>();
        std::memset(read.get(), 0xAB, sizeof *read);
        EXPECT_EQ(readQzkFile(path, *read), c.result) << c.name;
        if (c.result == QzkReadResult::Read)
            EXPECT_EQ(std::memcmp(read.get(), legacy.get(), sizeof *read), 0);
        else
            EXPECT_EQ(read->Title.length, 0xAB) << c.name;
    }
    LegacyPuzzleRecord unused{};
    EXPECT_EQ(readQzkFile(folders.path("missing.qzk"), unused), QzkReadResult::CannotOpen);
}

TEST(EarlierData, PuzzlesAndShapesAreTakenOverOnlyAfterYes)
{
    TestFolders folders;
    RecordingMessages messages;
    const EarlierDataPlaces places =
        earlierDataPlaces(folders.startDir(), folders.programDir(), [] { return builtInDefaultLayout(); });
    TestFolders::writeFile(places.legacyPuzzles, qzkFile(*legacyPuzzle(12)).mid(9).repeated(2));
    ShapeRecord shape{};
    shape.ShapeName.assign("Old");
    const QByteArray shapes = QByteArray(reinterpret_cast<const char*>(&shape), sizeof shape).repeated(3);
    TestFolders::writeFile(places.legacyShapes, shapes);
    TestFolders::writeFile(places.shapeLibrary, QByteArray(2555, 'L'));
    auto record = makePuzzle("", "");

    messages.answers = {MessageAnswer::No, MessageAnswer::No};
    lookForEarlierData(places, *record);
    EXPECT_EQ(messages.shown.size(), 2);
    EXPECT_FALSE(QFile::exists(places.oldPuzzles));
    EXPECT_EQ(QFile(places.shapeLibrary).size(), 2555);

    messages.clear();
    lookForEarlierData(places, *record); // Yes to both
    ASSERT_EQ(messages.shown.size(), 4);
    EXPECT_EQ(messages.shown[1].caption, QStringLiteral("Ok"));
    EXPECT_EQ(messages.shown[1].text, QStringLiteral("A new puzzle group named \"OLDPUZZ.QZ3\" has been created."));
    EXPECT_EQ(messages.shown[3].text, QStringLiteral("Puzzle shapes have been added."));
    EXPECT_EQ(puzzleCount(places.oldPuzzles), 2);
    EXPECT_EQ(sortedPuzzleTitles(places.oldPuzzles).first().text, legacyPuzzle(1)->Title.bytes().left(35));
    EXPECT_EQ(TestFolders::readFile(places.shapeLibrary), QByteArray(2555, 'L') + shapes);
    EXPECT_FALSE(QFile::exists(places.legacyPuzzles));
    EXPECT_FALSE(QFile::exists(places.legacyShapes));

    messages.clear();
    lookForEarlierData(places, *record); // nothing left to ask about
    EXPECT_TRUE(messages.shown.isEmpty());
}

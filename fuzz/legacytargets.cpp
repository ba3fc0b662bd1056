// Data of the earlier version from someone else: a single-puzzle file
// (.QZK) imported into the collection, and the puzzle and shape files that
// the start-up search converts.
#include "fuzzsupport.h"
#include "fuzztargets.h"

#include "storage/collectionfile.h"
#include "storage/earlierdata.h"
#include "storage/legacypuzzle.h"
#include "storage/pagelayoutrecord.h"
#include "storage/puzzlerecord.h"

#include <memory>

namespace fuzzing {

namespace {

const QString kCollection = QStringLiteral("CURRENT.QZ3");
// Converted puzzles of one input that go through everything a puzzle
// reaches: every one takes the same path.
constexpr qint64 kMaxUsed = 1;

// The puzzles of a collection in the scratch folder through their consumers.
void useCollection(const QString& path)
{
    browseCollection(path);
    auto record = std::make_unique<PuzzleRecord>(zeroPuzzleRecord());
    const qint64 count = std::min(puzzleCount(path), kMaxUsed);
    for (qint64 n = 0; n < count; ++n) {
        readPuzzle(path, n, *record);
        usePuzzle(*record);
    }
}

} // namespace

void qzkFile(QByteArrayView bytes)
{
    ensureApplication();
    ScratchProgramDirectory programDirectory;
    const QString path = putFile(QStringLiteral("OLD.QZK"), bytes);
    auto legacy = std::make_unique<LegacyPuzzleRecord>();
    if (readQzkFile(path, *legacy) != QzkReadResult::Read)
        return;
    // The import converts into the current puzzle and appends it.
    auto record = std::make_unique<PuzzleRecord>(zeroPuzzleRecord());
    convertLegacyPuzzle(*legacy, builtInDefaultLayout(), *record);
    const QString collection = putFile(kCollection, {});
    writePuzzle(collection, *record, -1);
    useCollection(collection);
}

void earlierData(QByteArrayView bytes)
{
    ensureApplication();
    ScratchProgramDirectory programDirectory;
    // The same bytes as the earlier version's puzzle file and shape file;
    // the questions are answered Yes, so both are taken over.
    putFile(QString::fromLatin1(kLegacyPuzzleFile), bytes);
    putFile(QString::fromLatin1(kLegacyShapeFile), bytes);
    const EarlierDataPlaces places =
        earlierDataPlaces(scratchFolder(), scratchFolder(), [] { return builtInDefaultLayout(); });
    auto current = std::make_unique<PuzzleRecord>(zeroPuzzleRecord());
    lookForEarlierData(places, *current);
    useCollection(places.oldPuzzles);
    browseShapeLibrary();
}

} // namespace fuzzing

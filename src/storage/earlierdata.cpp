#include "storage/earlierdata.h"

#include "base/messageservice.h"
#include "base/paths.h"
#include "storage/legacypuzzle.h"
#include "storage/puzzlerecord.h"
#include "storage/recordfile.h"
#include "storage/shaperecord.h"

#include <QFile>
#include <QFileInfo>

#include <memory>

namespace {

const QString kNotice = QStringLiteral("Notice");
const QString kDone = QStringLiteral("Ok");
const QString kCannotRead = QStringLiteral("Puzzles could not be imported.");

void deleteTakenOver(const QString& path)
{
    if (!QFile::remove(path))
        throw IoError(QStringLiteral("I/O error deleting %1").arg(path));
}

// Steps 1 to 5: false when the whole search ends here.
bool convertLegacyPuzzles(const EarlierDataPlaces& places, PuzzleRecord& record)
{
    if (!QFileInfo::exists(places.legacyPuzzles))
        return true;
    if (!askYesNo(kNotice, QStringLiteral("User generated puzzles from a previous version of Quillmaze have been "
                                          "detected.  Would you like to convert them to a puzzle group?")))
        return true;
    RecordFile legacy(places.legacyPuzzles, sizeof(LegacyPuzzleRecord));
    if (!legacy.open(RecordFile::Mode::ReadOnly)) {
        showError(kCannotRead);
        return false;
    }
    RecordFile collection(places.oldPuzzles, sizeof(PuzzleRecord));
    if (!collection.open(RecordFile::Mode::ReadWriteCreate)) {
        showError(QStringLiteral("Unable to save puzzles."));
        return false;
    }
    const PageLayoutRecord layout = places.convertedLayout ? places.convertedLayout() : builtInDefaultLayout();
    // Each puzzle is converted into a record of its own; the last one stored
    // becomes the current puzzle only when every one of them was stored.
    const auto old = std::make_unique<LegacyPuzzleRecord>();
    const auto converted = std::make_unique<PuzzleRecord>();
    for (qint64 n = 0; n < legacy.count(); ++n) {
        legacy.read(n, old.get());
        convertLegacyPuzzle(*old, layout, *converted);
        collection.append(converted.get());
    }
    if (legacy.count() > 0)
        record = *converted;
    collection.close();
    legacy.close();
    deleteTakenOver(places.legacyPuzzles);
    showMessage(kDone, QStringLiteral("A new puzzle group named \"%1\" has been created.")
                           .arg(QLatin1String(kOldPuzzleCollection)));
    return true;
}

// Steps 6 to 8.
void mergeLegacyShapes(const EarlierDataPlaces& places)
{
    if (!QFileInfo::exists(places.legacyShapes))
        return;
    if (!askYesNo(kNotice, QStringLiteral("User generated shapes from a previous version of Quillmaze have been "
                                          "detected.  Would you like to add them to the current list of puzzle "
                                          "shapes?")))
        return;
    RecordFile legacy(places.legacyShapes, sizeof(ShapeRecord));
    if (!legacy.open(RecordFile::Mode::ReadOnly)) {
        showError(kCannotRead);
        return;
    }
    RecordFile library(places.shapeLibrary, sizeof(ShapeRecord));
    if (!library.open(RecordFile::Mode::ReadWriteCreate)) {
        showError(QStringLiteral("Unable to add shapes."));
        return;
    }
    ShapeRecord shape{};
    for (qint64 n = 0; n < legacy.count(); ++n) {
        legacy.read(n, &shape);
        library.append(&shape);
    }
    library.close();
    legacy.close();
    deleteTakenOver(places.legacyShapes);
    showMessage(kDone, QStringLiteral("Puzzle shapes have been added."));
}

} // namespace

EarlierDataPlaces earlierDataPlaces(const QString& startDir, const QString& programDir,
                                    std::function<PageLayoutRecord()> convertedLayout)
{
    const auto in = [](const QString& dir, const char* name) { return dir + u'/' + QLatin1String(name); };
    return {in(startDir, kLegacyPuzzleFile), in(startDir, kLegacyShapeFile), in(programDir, kOldPuzzleCollection),
            in(programDir, kShapeLibraryFile), std::move(convertedLayout)};
}

void lookForEarlierData(const EarlierDataPlaces& places, PuzzleRecord& record)
{
    if (convertLegacyPuzzles(places, record))
        mergeLegacyShapes(places);
}

#include "app/puzzletransfercommands.h"

#include "app/exportpuzzlesdialog.h"
#include "app/importpuzzlesdialog.h"
#include "base/messageservice.h"
#include "base/paths.h"
#include "pagelayout/layoutlibrary.h"
#include "storage/collectionfile.h"
#include "storage/legacypuzzle.h"
#include "storage/puzzletransfer.h"
#include "storage/settings.h"
#include "widgets/dialoghelper.h"
#include "widgets/filechooser.h"

#include <memory>

namespace {

// Reads the .QZK file, converts its puzzle and appends it. The conversion
// goes into a record of its own, which becomes the current puzzle only once
// it is stored, so a failed import leaves the current puzzle as it was.
PuzzleImportOutcome convertSinglePuzzleFile(const QString& path, const Settings& settings, PuzzleRecord& current)
{
    const auto legacy = std::make_unique<LegacyPuzzleRecord>();
    QzkReadResult read = QzkReadResult::Corrupt;
    if (!runReportingIoErrors([&] { read = readQzkFile(path, *legacy); }))
        return {};
    if (read == QzkReadResult::CannotOpen) {
        showError(QStringLiteral("Puzzle could not be imported."));
        return {};
    }
    if (read == QzkReadResult::Corrupt) {
        showError(QStringLiteral("Puzzle file is corrupt or incompatible.  Import aborted."));
        return {};
    }
    const auto converted = std::make_unique<PuzzleRecord>();
    qint64 written = -1;
    const bool ok = runReportingIoErrors([&] {
        convertLegacyPuzzle(*legacy, newPuzzleLayout(layoutLibraryPath(), settings.pageLayout.defaultPage),
                            *converted);
        written = writePuzzle(settings.misc.lastGroup, *converted, -1);
    });
    if (!ok)
        return {};
    if (written < 0) {
        showError(QStringLiteral("Unable to save puzzle."));
        return {};
    }
    current = *converted;
    return {PuzzleImportOutcome::Kind::Converted, current.Category.bytes(), current.Title.bytes()};
}

} // namespace

PuzzleImportOutcome importPuzzles(QWidget* parent, const DialogContext& context, PuzzleRecord& current)
{
    Settings& settings = context.settings;
    const QString path = chooseFileToOpen(parent, QStringLiteral("Import Puzzles"), QStringLiteral("QZ3"),
                                          QStringLiteral("QMAZE Files (*.QZ3)|*.QZ3|16 bit QMAZE Files (*.QZK)|*.QZK"),
                                          settings.misc.lastImportPuzzleFile, startDirectory());
    if (path.isEmpty())
        return {};
    switch (classifyImportPath(path, settings.misc.lastGroup)) {
    case ImportChoice::SinglePuzzleFile:
        return convertSinglePuzzleFile(path, settings, current);
    case ImportChoice::NotQuillmaze:
        showError(kNotQuillmazeFile);
        return {};
    case ImportChoice::SameAsCurrent:
        showError(kImportSameFile);
        return {};
    case ImportChoice::Collection:
        break;
    }
    TImportPuzzles dialog(path, settings.misc.lastGroup, parent);
    showDialog(dialog, context);
    return {dialog.collectionChanged() ? PuzzleImportOutcome::Kind::Appended : PuzzleImportOutcome::Kind::Nothing,
            {}, {}};
}

void exportPuzzlesFromCollection(QWidget* parent, const DialogContext& context)
{
    MiscSettings& misc = context.settings.misc;
    TExportPuzzles dialog(misc.lastGroup, misc.lastExportPuzzleFile, parent);
    showDialog(dialog, context);
}

#include "app/exportpuzzlesdialog.h"

#include "base/messageservice.h"
#include "base/paths.h"
#include "storage/puzzletransfer.h"
#include "widgets/dialoghelper.h"
#include "widgets/filechooser.h"
#include "widgets/picklist.h"

#include <QPushButton>

TExportPuzzles::TExportPuzzles(const QString& currentCollection, QString& lastExportFile, QWidget* parent)
    : PuzzlePickDialog(QStringLiteral("Export Word Search Puzzles"), currentCollection, parent),
      m_source(currentCollection), m_lastExportFile(lastExportFile)
{
    setObjectName(QStringLiteral("ExportPuzzles"));
    auto* saveFile = makeButton(QStringLiteral("Save &File"), QStringLiteral("SaveFile"), this);
    addButtons(saveFile, makeButton(QStringLiteral("&Exit"), QStringLiteral("ExitButton"), this));
    connect(saveFile, &QPushButton::clicked, this, &TExportPuzzles::SaveFileClick);
}

void TExportPuzzles::SaveFileClick()
{
    const QList<qint64> records = pickedRecords();
    if (records.isEmpty()) {
        showError(kNoPuzzlesForExport);
        return;
    }
    const QString target = chooseFileToSave(this, QStringLiteral("Save Word Search Puzzles"), QStringLiteral("QZ3"),
                                            QStringLiteral("QMAZE Files (*.QZ3)|*.QZ3"), m_lastExportFile,
                                            startDirectory());
    if (target.isEmpty()) {
        reject();
        return;
    }
    TransferResult result = TransferResult::Done;
    if (runReportingIoErrors([&] { result = exportPuzzles(m_source, target, records); })) {
        // Exporting onto the current file would destroy it; the user may
        // choose another file with the same puzzles picked.
        if (result == TransferResult::SameFile) {
            showError(kExportSameFile);
            return;
        }
        if (result != TransferResult::Done)
            showError(kUnableToExport);
    }
    accept();
}

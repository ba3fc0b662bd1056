#include "app/importpuzzlesdialog.h"

#include "base/messageservice.h"
#include "storage/puzzletransfer.h"
#include "widgets/dialoghelper.h"
#include "widgets/picklist.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

TImportPuzzles::TImportPuzzles(const QString& source, const QString& currentCollection, QWidget* parent)
    : PuzzlePickDialog(QStringLiteral("Import Word Search Puzzles"), source, parent), m_source(source),
      m_target(currentCollection)
{
    setObjectName(QStringLiteral("ImportPuzzles"));
    auto* fileName = new QLabel(QStringLiteral("File Name: %1").arg(source), this);
    fileName->setObjectName(QStringLiteral("FileNameLabel"));
    m_layout->insertWidget(0, fileName);
    auto* ok = makeButton(QStringLiteral("&Ok"), QStringLiteral("OkButton"), this);
    addButtons(ok, makeButton(QStringLiteral("&Cancel"), QStringLiteral("CancelButton"), this));
    connect(ok, &QPushButton::clicked, this, &TImportPuzzles::OkClick);
}

void TImportPuzzles::OkClick()
{
    const QList<qint64> records = pickedRecords();
    if (records.isEmpty()) {
        showError(kNoPuzzlesForImport);
        return;
    }
    m_changed = true;
    TransferResult result = TransferResult::Done;
    if (runReportingIoErrors([&] { result = appendPuzzles(m_source, m_target, records); })
        && result != TransferResult::Done)
        showError(kUnableToImport);
    accept();
}

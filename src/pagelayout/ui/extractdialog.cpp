#include "pagelayout/ui/extractdialog.h"

#include "base/ansi.h"
#include "base/messageservice.h"

#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

TExtractAPuzzle::TExtractAPuzzle(PageLayoutList& list, const QString& collectionPath, QWidget* parent)
    : QDialog(parent), m_list(list), m_collectionPath(collectionPath)
{
    setObjectName(QStringLiteral("ExtractAPuzzle"));
    setWindowTitle(QStringLiteral("Extract Page Layout From Puzzle"));

    m_puzzleList = new QListWidget(this);
    m_puzzleList->setObjectName(QStringLiteral("PuzzleList"));
    m_puzzleList->setSelectionMode(QAbstractItemView::SingleSelection);
    m_puzzleList->setMinimumSize(260, 240);
    m_extract = new QPushButton(QStringLiteral("&Extract"), this);
    m_extract->setObjectName(QStringLiteral("ExtractButton"));
    m_extract->setDefault(true);
    auto* cancel = new QPushButton(QStringLiteral("&Cancel"), this);
    cancel->setObjectName(QStringLiteral("CancelButton"));

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_extract);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_puzzleList);
    layout->addLayout(buttons);

    m_entries = puzzleTitleEntries(m_collectionPath);
    for (const LayoutListEntry& entry : m_entries)
        m_puzzleList->addItem(ansiToUnicode(entry.text));
    if (!m_entries.isEmpty())
        m_puzzleList->setCurrentRow(0);
    PuzzleListClick();

    connect(m_puzzleList, &QListWidget::itemSelectionChanged, this, &TExtractAPuzzle::PuzzleListClick);
    connect(m_extract, &QPushButton::clicked, this, &TExtractAPuzzle::ExtractClick);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

void TExtractAPuzzle::PuzzleListClick()
{
    m_extract->setEnabled(!m_puzzleList->selectedItems().isEmpty());
}

void TExtractAPuzzle::ExtractClick()
{
    const QList<QListWidgetItem*> selected = m_puzzleList->selectedItems();
    if (selected.isEmpty()) {
        showError(QStringLiteral("No puzzles have been selected for export."));
        return;
    }
    const qint64 puzzleIndex = m_entries[m_puzzleList->row(selected.first())].tag;
    bool added = false;
    runReportingIoErrors([&] { added = m_list.extractFromPuzzle(m_collectionPath, puzzleIndex); });
    if (added)
        accept();
}

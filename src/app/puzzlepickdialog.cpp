#include "app/puzzlepickdialog.h"

#include "base/messageservice.h"
#include "widgets/dialoghelper.h"
#include "widgets/picklist.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

PuzzlePickDialog::PuzzlePickDialog(const QString& caption, const QString& collection, QWidget* parent)
    : QDialog(parent)
{
    runReportingIoErrors([&] { m_items = sortedPuzzleTitles(collection); });
    setWindowTitle(caption);
    m_layout = new QVBoxLayout(this);
    m_list = new PickList(QStringLiteral("PuzzleBox"), this);
    m_list->setMinimumSize(300, 240);
    QList<QByteArray> titles;
    for (const auto& item : m_items)
        titles.append(item.text);
    m_list->setEntries(titles);
    m_layout->addWidget(m_list, 1);
    m_selectAll = makeButton(QStringLiteral("&Select All"), QStringLiteral("SelectAll"), this);
    m_clear = makeButton(QStringLiteral("C&lear All"), QStringLiteral("ClearAll"), this);
}

void PuzzlePickDialog::addButtons(QPushButton* action, QPushButton* close)
{
    auto* row = new QHBoxLayout;
    for (QPushButton* button : {m_selectAll, m_clear})
        row->addWidget(button);
    row->addStretch();
    row->addWidget(action);
    row->addWidget(close);
    m_layout->addLayout(row);
    m_list->bindButtons(m_selectAll, m_clear, {action});
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
}

QList<qint64> PuzzlePickDialog::pickedRecords() const
{
    QList<qint64> records;
    for (int row : m_list->selectedRows())
        records.append(m_items[row].tag);
    return records;
}

#include "widgets/picklist.h"

#include "base/ansi.h"

#include <QPushButton>

PickList::PickList(const QString& objectName, QWidget* parent) : QListWidget(parent)
{
    setObjectName(objectName);
    setSelectionMode(QAbstractItemView::MultiSelection);
}

void PickList::setEntries(const QList<QByteArray>& texts)
{
    clear();
    for (const QByteArray& text : texts)
        addItem(ansiToUnicode(text));
}

void PickList::bindButtons(QPushButton* selectAll, QPushButton* clear, const QList<QPushButton*>& actions)
{
    const auto enableActions = [actions](bool on) {
        for (QPushButton* action : actions)
            action->setEnabled(on);
    };
    enableActions(hasSelection());
    connect(this, &PickList::itemSelectionChanged, this, [this, enableActions] { enableActions(hasSelection()); });
    connect(selectAll, &QPushButton::clicked, this, [this, enableActions] {
        this->selectAll();
        enableActions(true);
    });
    connect(clear, &QPushButton::clicked, this, [this, enableActions] {
        clearSelection();
        enableActions(false);
    });
}

QList<int> PickList::selectedRows() const
{
    QList<int> rows;
    for (int row = 0; row < count(); ++row)
        if (item(row)->isSelected())
            rows.append(row);
    return rows;
}


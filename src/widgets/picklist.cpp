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

void PickList::bindButtons(QPushButton* selectAll, QPushButton* clear, QPushButton* action)
{
    connect(this, &PickList::itemSelectionChanged, action, [this, action] { action->setEnabled(hasSelection()); });
    connect(selectAll, &QPushButton::clicked, action, [this, action] {
        this->selectAll();
        action->setEnabled(true);
    });
    connect(clear, &QPushButton::clicked, action, [this, action] {
        clearSelection();
        action->setEnabled(false);
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

QPushButton* makePickButton(const QString& caption, const QString& name, QWidget* parent)
{
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setAutoDefault(false);
    return button;
}

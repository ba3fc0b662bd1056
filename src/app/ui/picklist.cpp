#include "app/ui/picklist.h"

#include "app/ansi.h"

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

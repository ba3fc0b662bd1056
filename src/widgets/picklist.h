#pragma once

#include <QByteArray>
#include <QList>
#include <QListWidget>

class QPushButton;

// A list box from which the user picks several entries: a click toggles an
// item. Entries are shown in the order given (callers sort them as the
// program's sorted list boxes do) and are Windows-1252 texts.
class PickList : public QListWidget {
    Q_OBJECT
public:
    explicit PickList(const QString& objectName, QWidget* parent = nullptr);

    void setEntries(const QList<QByteArray>& texts);
    // Rows of the selected items, in list order.
    QList<int> selectedRows() const;
    bool hasSelection() const { return !selectedItems().isEmpty(); }

    // The usual buttons of a pick list: `selectAll` picks every item and
    // enables the actions, `clear` picks none and disables them, and a click
    // in the list enables them exactly while something is picked (as they
    // are from the start).
    void bindButtons(QPushButton* selectAll, QPushButton* clear, const QList<QPushButton*>& actions);
};

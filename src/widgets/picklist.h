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
    // enables `action`, `clear` picks none and disables it, and a click in
    // the list enables it exactly while something is picked.
    void bindButtons(QPushButton* selectAll, QPushButton* clear, QPushButton* action);
};

// A button of a pick list dialog: named, and not taking Enter as default.
QPushButton* makePickButton(const QString& caption, const QString& name, QWidget* parent);

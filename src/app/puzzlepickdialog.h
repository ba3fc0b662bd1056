#pragma once

#include "storage/collectionbrowser.h"

#include <QDialog>

class QPushButton;
class QVBoxLayout;
class PickList;

// The common part of the puzzle import and export dialogs: the titles of a
// collection's puzzles in a sorted list (PuzzleBox) from which several are
// picked, "&Select All" and "C&lear All", and the action button, enabled
// exactly while a puzzle is picked.
class PuzzlePickDialog : public QDialog {
    Q_OBJECT
public:
    PickList* PuzzleBox() const { return m_list; }

protected:
    // Lists the puzzles of `collection` (none when it cannot be opened; a
    // read error is reported and leaves the list empty).
    PuzzlePickDialog(const QString& caption, const QString& collection, QWidget* parent);

    // Adds the action button and the closing button below the list.
    void addButtons(QPushButton* action, QPushButton* close);
    // Record indices of the picked puzzles, in list order.
    QList<qint64> pickedRecords() const;

    QVBoxLayout* m_layout;

private:
    QList<CollectionBrowser::Item> m_items;
    PickList* m_list;
    QPushButton* m_selectAll;
    QPushButton* m_clear;
};

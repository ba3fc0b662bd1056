#pragma once

#include "storage/collectionfile.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <optional>

// What the main window's two lists show of the current collection: the
// categories sorted by text, and the titles of the chosen category sorted by
// text, each item carrying the category position or the record index it
// stands for. Holds the pending selection that a save or delete leaves for
// the next rebuild.
class CollectionBrowser {
public:
    struct Item {
        QByteArray text;
        qint64 tag = 0; // category position, or record index for puzzles
    };

    // Rebuilds the index from the file, selects category item 0 and fills
    // the puzzles of the chosen category (LoadInPuzzles).
    void LoadInPuzzles(const QString& path);

    // Fills the puzzle items for category item `row`, honouring the pending
    // selection (SetCategory). Does nothing without categories.
    void SetCategory(int row);

    void setPendingSelection(const QByteArray& category, const QByteArray& title);
    bool hasPendingSelection() const { return m_pending.has_value(); }

    // The pending selection a deletion of the selected puzzle leaves: the
    // selected category, and the title above the deleted one (the deleted
    // title itself when it was first; empty when it was the only one).
    void setPendingSelectionForDeletion();

    // The pending selection an import leaves: the selected category and the
    // selected puzzle (the first item of a list without a selection, empty
    // for an empty list), so the rebuild keeps the view.
    void setPendingSelectionForCurrentView();

    void clear();

    const CollectionIndex& index() const { return m_index; }
    const QList<Item>& categoryItems() const { return m_categoryItems; }
    const QList<Item>& puzzleItems() const { return m_puzzleItems; }

    int selectedCategoryRow() const { return m_selectedCategory; }
    int currentCategoryRow() const { return m_currentCategory; }
    int selectedPuzzleRow() const { return m_selectedPuzzle; }
    void selectPuzzleRow(int row);
    bool hasSelectedPuzzle() const { return m_selectedPuzzle >= 0; }
    // Record index of the selected puzzle, -1 without one.
    qint64 selectedRecordIndex() const;
    QByteArray selectedTitle() const;
    QByteArray selectedCategory() const;

private:
    struct Pending {
        QByteArray category;
        QByteArray title;
    };

    CollectionIndex m_index;
    QList<Item> m_categoryItems;
    QList<Item> m_puzzleItems;
    int m_selectedCategory = -1;
    int m_currentCategory = -1;
    int m_selectedPuzzle = -1;
    std::optional<Pending> m_pending;
};

// Sorts list items by text, case-insensitively, as the program's sorted list
// boxes do; equal texts keep their order.
void sortListItems(QList<CollectionBrowser::Item>& items);
// The titles of every record of a collection, sorted, each carrying its
// record index. Empty when the file cannot be opened.
QList<CollectionBrowser::Item> sortedPuzzleTitles(const QString& path);
// Case-insensitive equality, as a list box string search compares.
bool sameListText(const QByteArray& a, const QByteArray& b);

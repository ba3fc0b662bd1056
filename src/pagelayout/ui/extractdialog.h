#pragma once

#include "pagelayout/layoutlist.h"

#include <QDialog>

class QListWidget;
class QPushButton;

// "Extract Page Layout From Puzzle": lists the puzzles of a collection (the
// current one) by title and appends the chosen puzzle's page layout to the
// layout library through the layout list, which then selects it.
class TExtractAPuzzle : public QDialog {
    Q_OBJECT
public:
    TExtractAPuzzle(PageLayoutList& list, const QString& collectionPath, QWidget* parent = nullptr);

    QListWidget* PuzzleList() const { return m_puzzleList; }
    QPushButton* ExtractButton() const { return m_extract; }

    void PuzzleListClick();
    void ExtractClick();

private:
    PageLayoutList& m_list;
    QString m_collectionPath;
    QList<LayoutListEntry> m_entries;
    QListWidget* m_puzzleList;
    QPushButton* m_extract;
};

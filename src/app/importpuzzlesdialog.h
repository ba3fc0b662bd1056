#pragma once

#include "app/puzzlepickdialog.h"

// "Import Word Search Puzzles": lists the puzzles of the chosen collection
// file and appends the picked ones, in list order and byte for byte, to the
// current collection file.
class TImportPuzzles : public PuzzlePickDialog {
    Q_OBJECT
public:
    TImportPuzzles(const QString& source, const QString& currentCollection, QWidget* parent = nullptr);

    // True once records may have been appended to the current file.
    bool collectionChanged() const { return m_changed; }

    void OkClick();

private:
    QString m_source;
    QString m_target;
    bool m_changed = false;
};

#pragma once

#include "app/puzzlepickdialog.h"

// "Export Word Search Puzzles": lists the puzzles of the current collection
// file and writes the picked ones, in list order, as the whole content of a
// collection file the user chooses; the current file itself is refused.
// The chosen path is remembered in `lastExportFile`.
class TExportPuzzles : public PuzzlePickDialog {
    Q_OBJECT
public:
    TExportPuzzles(const QString& currentCollection, QString& lastExportFile, QWidget* parent = nullptr);

    void SaveFileClick();

private:
    QString m_source;
    QString& m_lastExportFile;
};

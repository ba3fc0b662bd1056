#pragma once

#include "wordlist/wordexchange.h"

#include <QDialog>

class QPushButton;
class PickList;
class WordTextModeBox;
struct Settings;

// "Export": lists the words, clues or word and clue lines of the word list
// editor's rows, lets the user pick entries and writes them to a text file.
// Changes "Sep Char", "Export Option" and "Last Export Word File" in the
// settings.
class TMyExport : public QDialog {
    Q_OBJECT
public:
    TMyExport(Settings& settings, const WordEntries& rows, QWidget* parent = nullptr);

    void SelectUsedClick();
    void SaveFileClick();

private:
    void rebuildList();

    Settings& m_settings;
    const WordEntries& m_rows;
    QList<ExportItem> m_items; // in list order
    WordTextModeBox* m_modes;
    PickList* m_list;
    QPushButton* m_saveFile;
};

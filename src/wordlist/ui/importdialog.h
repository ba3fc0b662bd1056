#pragma once

#include "wordlist/wordentries.h"

#include <QDialog>

class QPushButton;
class PickList;
class WordTextModeBox;
struct Settings;

// "Import": reads a text file, lets the user pick lines and puts them into
// empty rows of the word list editor's rows, as words, as clues, or as word
// and clue pairs. Works on the rows given; the editor shows them again when
// the dialog is accepted. Changes "Sep Char", "Import Option" and "Last
// Import Word File" in the settings.
class TImport : public QDialog {
    Q_OBJECT
public:
    TImport(Settings& settings, WordEntries& rows, QWidget* parent = nullptr);

    void OpenFileClick();
    void OkClick();

private:
    void chooseFileEntries();

    Settings& m_settings;
    WordEntries& m_rows;
    QList<QByteArray> m_entries; // in list order
    WordTextModeBox* m_modes;
    PickList* m_list;
    QPushButton* m_selectAll;
    QPushButton* m_clear;
    QPushButton* m_ok;
};

#pragma once

#include <QList>
#include <QString>

class QDialog;
class QListWidget;
class QPushButton;
class QWidget;
class WordTextModeBox;

// Parts shared by the word/clue import and export dialogs.

// The mode choice at the left, the list in the middle, the buttons in a
// column at the right.
void layOutWordTextDialog(QDialog* dialog, WordTextModeBox* modes, QListWidget* list,
                          const QList<QPushButton*>& buttons);

// Puts the "Sep Char" setting into the separator box.
void showSeparatorSetting(WordTextModeBox* modes, char separator);

// Stores the box's character in the setting whenever the box holds one.
void connectSeparatorSetting(WordTextModeBox* modes, char& setting);

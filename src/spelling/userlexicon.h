#pragma once

#include <QString>
#include <QStringList>

// A user lexicon: a plain text file in the program directory holding one
// word a line in UTF-8 ("IncEngl.tlx" accepts its words, "ExcEngl.tlx"
// rejects them, and likewise for the other languages).

// The non-empty words of the file in file order, blanks trimmed; nothing when
// the file is missing or cannot be read.
QStringList readUserLexicon(const QString& path);

// Writes the file anew with the given words (an empty list gives an empty
// file). The old file stays untouched when writing fails; returns false then.
bool writeUserLexicon(const QString& path, const QStringList& words);

// Adds one word to the file, creating it when it does not exist; a word
// already listed is not added twice. Returns false when writing fails.
bool addToUserLexicon(const QString& path, const QString& word);

// The error shown when a user lexicon file cannot be written.
QString userLexiconNotSavedMessage(const QString& path);

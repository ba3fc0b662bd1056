#pragma once

#include "spelling/languages.h"

#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

// The spell check run over the word list editor's rows: the words of a new
// puzzle, then every clue, against one language's dictionary and the user's
// include and exclude lexicons.

// The rows that a run checks and changes, numbered from 1: a word and a clue
// each, in Windows-1252.
class SpellCheckRows {
public:
    virtual ~SpellCheckRows() = default;
    virtual int rowCount() const = 0;
    virtual QByteArray rowText(int row, bool clue) const = 0;
    virtual void setRowText(int row, bool clue, const QByteArray& text) = 0;
};

// The characters that split a clue into words; each forms a piece of its own.
inline constexpr char kClueSeparators[] = "\"()+,-./:;<=>?\\{}";

// The pieces of a text in order: a blank ends a piece; with atSeparators,
// each separator character also ends the piece before it and is a piece of
// its own. Empty pieces are left out.
QStringList splitIntoPieces(const QString& text, bool atSeparators);

// The pieces in order, one blank between two.
QString joinPieces(const QStringList& pieces);

// The word of a piece that is checked: from its first to its last letter or
// digit ("mud!" gives "mud", "farmer's" stays whole); empty (length 0) when
// the piece holds no letter at all.
struct PieceWord {
    qsizetype start = 0;
    qsizetype length = 0;
};
PieceWord wordInPiece(const QString& piece);

// Asked for every rejected word that has suggestions.
class SpellingAdvisor {
public:
    enum class Answer { Replace, Ignore, Abort, Add };
    struct Choice {
        Answer answer = Answer::Ignore;
        QString replacement; // for Replace
    };
    virtual ~SpellingAdvisor() = default;
    virtual Choice askAbout(const QString& word, const QStringList& suggestions) = 0;
};

struct SpellCheckSetup {
    std::optional<DictionaryFiles> dictionary; // the language's; none fails the run
    QString includeLexicon;                    // file paths; empty for none
    QString excludeLexicon;
    bool checkWords = true; // only a new puzzle's words can still be changed
};

enum class SpellCheckOutcome { MissingDictionary, AllWordsKnown, Complete, Aborted };

// Called after every replacement, so that a window can show the change
// before the next word is asked about.
using RowsChanged = std::function<void()>;

// Checks the rows' words (1..330, when checkWords) and then their clues,
// reporting through the message service as it goes and at the end. A
// replaced word changes its word cell; a replaced clue word rebuilds the
// clue from its pieces. Add puts the word into the include lexicon and
// accepts it for the rest of the run.
SpellCheckOutcome runSpellCheck(SpellCheckRows& rows, const SpellCheckSetup& setup, SpellingAdvisor& advisor,
                                const RowsChanged& changed = {});

inline const QString kMissingDictionary = QStringLiteral("Could not find one of the dictionary files.");

#include "spelling/spellcheckrun.h"

#include "base/ansi.h"
#include "base/latin1.h"
#include "base/messageservice.h"
#include "spelling/dictionarytext.h"
#include "spelling/spellsession.h"
#include "spelling/userlexicon.h"

#include <algorithm>
#include <cstring>

namespace {

bool isSeparator(QChar ch) { return ch.unicode() < 0x80 && ch != u'\0' && std::strchr(kClueSeparators, ch.toLatin1()); }

class SpellRun {
public:
    SpellRun(SpellSession& session, const SpellCheckSetup& setup, SpellingAdvisor& advisor)
        : m_session(session), m_setup(setup), m_advisor(advisor)
    {
    }

    // Checks every word of the text; the rebuilt text when a word was replaced.
    std::optional<QString> checkText(const QString& text, bool atSeparators)
    {
        QStringList pieces = splitIntoPieces(trimBlanks(text), atSeparators);
        bool replaced = false;
        for (QString& piece : pieces) {
            const PieceWord word = wordInPiece(piece);
            if (word.length == 0)
                continue;
            if (const auto replacement = checkWord(piece.mid(word.start, word.length))) {
                piece.replace(word.start, word.length, *replacement);
                replaced = true;
            }
            if (m_aborted)
                break;
        }
        if (!replaced)
            return std::nullopt;
        return joinPieces(pieces);
    }

    bool aborted() const { return m_aborted; }
    bool metRejectedWord() const { return m_rejected; }

private:
    std::optional<QString> checkWord(const QString& word)
    {
        if (m_session.check(word))
            return std::nullopt;
        m_rejected = true;
        const QStringList suggestions = m_session.suggest(word);
        if (suggestions.isEmpty()) {
            showNotice(word + QStringLiteral(" was not found in the dictionary.  ")
                       + QStringLiteral("No suggestions could be found."));
            return std::nullopt;
        }
        const SpellingAdvisor::Choice choice = m_advisor.askAbout(word, suggestions);
        switch (choice.answer) {
        case SpellingAdvisor::Answer::Replace:
            if (!choice.replacement.isEmpty())
                return choice.replacement;
            break;
        case SpellingAdvisor::Answer::Abort:
            m_aborted = true;
            break;
        case SpellingAdvisor::Answer::Add:
            addToIncludeLexicon(word);
            break;
        case SpellingAdvisor::Answer::Ignore:
            break;
        }
        return std::nullopt;
    }

    void addToIncludeLexicon(const QString& word)
    {
        m_session.includeWords({word});
        if (!m_setup.includeLexicon.isEmpty() && !addToUserLexicon(m_setup.includeLexicon, word))
            showError(userLexiconNotSavedMessage(m_setup.includeLexicon));
    }

    SpellSession& m_session;
    const SpellCheckSetup& m_setup;
    SpellingAdvisor& m_advisor;
    bool m_aborted = false;
    bool m_rejected = false;
};

void openUserLexicons(SpellSession& session, const SpellCheckSetup& setup)
{
    if (!setup.excludeLexicon.isEmpty())
        session.excludeWords(readUserLexicon(setup.excludeLexicon));
    if (!setup.includeLexicon.isEmpty())
        session.includeWords(readUserLexicon(setup.includeLexicon));
}

// Checks the words (or the clues) of the rows; a word cell is split at
// blanks only, a clue at the separators as well.
void checkColumn(SpellCheckRows& rows, SpellRun& run, bool clues, const RowsChanged& changed)
{
    for (int k = 1; k <= rows.rowCount() && !run.aborted(); ++k) {
        const QByteArray text = rows.rowText(k, clues);
        if (Trim(text).isEmpty())
            continue;
        const auto replaced = run.checkText(ansiToUnicode(text), clues);
        if (!replaced)
            continue;
        rows.setRowText(k, clues, unicodeToAnsi(*replaced));
        if (changed)
            changed();
    }
}

void reportOutcome(const SpellRun& run)
{
    if (!run.metRejectedWord())
        showMessage(QStringLiteral("Spelling Ok"), QStringLiteral("All words were found in the dictionary."));
    else if (run.aborted())
        showMessage(QStringLiteral("Spelling Status"), QStringLiteral("Spell checking aborted."));
    else
        showMessage(QStringLiteral("Spelling Status"), QStringLiteral("Spell checking complete."));
}

} // namespace

QStringList splitIntoPieces(const QString& text, bool atSeparators)
{
    QStringList pieces;
    QString current;
    const auto endPiece = [&] {
        if (!current.isEmpty())
            pieces.append(current);
        current.clear();
    };
    for (QChar ch : text) {
        if (ch == u' ') {
            endPiece();
        } else if (atSeparators && isSeparator(ch)) {
            endPiece();
            pieces.append(QString(ch));
        } else {
            current.append(ch);
        }
    }
    endPiece();
    return pieces;
}

QString joinPieces(const QStringList& pieces) { return pieces.join(u' '); }

PieceWord wordInPiece(const QString& piece)
{
    const auto isWordChar = [](QChar ch) { return ch.isLetterOrNumber(); };
    if (std::none_of(piece.begin(), piece.end(), [](QChar ch) { return ch.isLetter(); }))
        return {};
    qsizetype first = 0;
    while (!isWordChar(piece[first]))
        ++first;
    qsizetype last = piece.size() - 1;
    while (!isWordChar(piece[last]))
        --last;
    return {first, last - first + 1};
}

SpellCheckOutcome runSpellCheck(SpellCheckRows& rows, const SpellCheckSetup& setup, SpellingAdvisor& advisor,
                                const RowsChanged& changed)
{
    SpellSession session;
    openUserLexicons(session, setup);
    if (!setup.dictionary || !session.openMainLexicon(*setup.dictionary)) {
        showError(kMissingDictionary);
        return SpellCheckOutcome::MissingDictionary;
    }
    SpellRun run(session, setup, advisor);
    if (setup.checkWords)
        checkColumn(rows, run, false, changed);
    if (!run.aborted())
        checkColumn(rows, run, true, changed);
    reportOutcome(run);
    if (!run.metRejectedWord())
        return SpellCheckOutcome::AllWordsKnown;
    return run.aborted() ? SpellCheckOutcome::Aborted : SpellCheckOutcome::Complete;
}

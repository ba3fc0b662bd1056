#pragma once

#include "spelling/languages.h"

#include <QSet>
#include <QString>
#include <QStringList>

#include <memory>
#include <optional>
#include <string>
#include <vector>

class Hunspell;
class DictionaryEncoding;

// One spell checking session: the main lexicon of a language (its Hunspell
// dictionary) and the words of the user's include and exclude lexicons.
// An excluded word is rejected even when the dictionary knows it (in any
// letter case); an included word is accepted as Hunspell accepts a word of
// its own (a word in lower case also in capitals).
class SpellSession {
public:
    SpellSession();
    ~SpellSession();
    SpellSession(const SpellSession&) = delete;
    SpellSession& operator=(const SpellSession&) = delete;

    // Opens the main lexicon; false when one of its files is missing or
    // cannot be read. User lexicon words may come before or after it.
    bool openMainLexicon(const DictionaryFiles& files);
    bool hasMainLexicon() const { return m_hunspell != nullptr; }

    void includeWords(const QStringList& words);
    void excludeWords(const QStringList& words);

    // True when the word is accepted. Without a main lexicon only included
    // words are accepted.
    bool check(const QString& word) const;

    // Spellings like the word's, best first, without excluded words, words a
    // record cannot hold (characters outside Windows-1252) and repeats.
    QStringList suggest(const QString& word) const;

    // Base forms of the word (the dictionary's stems), for thesaurus lookups.
    QStringList stems(const QString& word) const;

private:
    bool isExcluded(const QString& word) const;
    // The word in the dictionary's bytes; nothing without a main lexicon or
    // when the dictionary cannot hold one of its characters.
    std::optional<std::string> encoded(const QString& word) const;
    // Words from the dictionary as text, empty ones and repeats left out.
    QStringList decoded(const std::vector<std::string>& words) const;
    void addToDictionary(const QString& word);

    std::unique_ptr<Hunspell> m_hunspell;
    std::unique_ptr<DictionaryEncoding> m_encoding;
    QStringList m_included;
    QSet<QString> m_excluded; // case-folded
};

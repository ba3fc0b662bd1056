#pragma once

#include "spelling/languages.h"

#include <QString>
#include <QStringList>

#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

class DictionaryEncoding;
class MyThes;
class SpellSession;

// Part-of-speech codes of category names: the tag's letters packed from the
// highest byte down ("n" gives 0x6E000000).
inline constexpr std::uint32_t kNounCode = 0x6E000000;
inline constexpr std::uint32_t kVerbCode = 0x76000000;
inline constexpr std::uint32_t kAdjectiveCode = 0x61646A00;
inline constexpr std::uint32_t kAdverbCode = 0x61647600;

// A category name split into its word and the code of its tag: "good.adj"
// gives "good" and kAdjectiveCode. A name without a dot has code 0.
struct SplitCategory {
    QString word;
    std::uint32_t code = 0;
};
SplitCategory splitCategoryName(const QString& category);

// The thesaurus of one language: a MyThes thesaurus, and the Hunspell
// dictionary of the same language for spelling suggestions.
//
// A meaning of a word is a category named by the word, a dot and a tag:
// MyThes's "(noun)", "(verb)", "(adj)" and "(adv)" give "n", "v", "adj" and
// "adv"; the meanings of a word that share a part of speech form one
// category ("good.adj"). Its synonyms are the meanings' terms; a term marked
// "(antonym)" names an antonym category of the same part of speech.
class Thesaurus {
public:
    ~Thesaurus();
    Thesaurus(const Thesaurus&) = delete;
    Thesaurus& operator=(const Thesaurus&) = delete;

    // Nothing when a file of the thesaurus is missing or unusable. Without a
    // dictionary the thesaurus has no suggestions.
    static std::unique_ptr<Thesaurus> open(const ThesaurusFiles& files, const std::optional<DictionaryFiles>& spelling);

    // The word's categories in the order of its meanings; empty when the
    // thesaurus does not know the word.
    QStringList categories(const QString& word) const;
    // The antonym categories of a category, each once.
    QStringList antonymCategories(const QString& category) const;
    // The synonyms of a category in thesaurus order, each once, without the
    // category's own word and without the thesaurus's term markers.
    QStringList synonyms(const QString& category) const;
    // Words the thesaurus knows that are spelled like the given one (its base
    // forms first, then the dictionary's suggestions).
    QStringList suggestions(const QString& word) const;

private:
    Thesaurus();

    struct Meaning {
        QString tag;
        QStringList synonyms;
        QStringList antonyms;
    };
    // The word's meanings, looked up as given and then in lower case; key
    // receives the index entry that matched.
    std::vector<Meaning> meanings(const QString& word, QString* key = nullptr) const;
    std::vector<Meaning> lookUp(const QString& key) const;
    // The meanings that form a category: its word's meanings with its tag.
    std::vector<Meaning> categoryMeanings(const QString& category) const;

    std::unique_ptr<MyThes> m_thes;
    std::unique_ptr<DictionaryEncoding> m_encoding;
    std::unique_ptr<SpellSession> m_spelling;
};

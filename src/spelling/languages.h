#pragma once

#include <QString>
#include <QStringList>

#include <array>
#include <optional>

// The spelling and thesaurus languages, their files, and the start-up rules
// that correct the configured languages to ones whose files exist.
//
// Spelling languages are numbered as the "Dictionary" setting: 0 none,
// 1..8 below, 9 choose at spell check time. Thesaurus languages as the
// "Thesaurus" setting: 0 none, 1 American, 2 British, 3 choose at use time.

inline constexpr int kSpellingLanguageCount = 8;
inline constexpr int kSpellingChooseAtCheckTime = 9;
inline constexpr int kThesaurusLanguageCount = 2;
inline constexpr int kThesaurusChooseAtUseTime = 3;

struct SpellingLanguage {
    const char* shownName;      // "American", "British", ...
    const char* dictionaryName; // Hunspell dictionary: NAME.dic and NAME.aff
    const char* includeLexicon; // user lexicons in the program directory
    const char* excludeLexicon;
    int languageId;             // Windows primary language identifier
};

// Language 1..8; nullptr for any other number.
const SpellingLanguage* spellingLanguage(int language);

// A Hunspell dictionary: the word list and its affix file.
struct DictionaryFiles {
    QString dic;
    QString aff;
};

// A MyThes thesaurus: the data file and its index.
struct ThesaurusFiles {
    QString dat;
    QString idx;
};

// The folders searched for dictionaries and thesauri, best first: the
// program directory, then the system's folders.
QStringList languageFolders(const QString& programDir);

// The first folder holding both files of the language's dictionary, or
// nothing (also for numbers outside 1..8).
std::optional<DictionaryFiles> findSpellingDictionary(int language, const QStringList& folders);

// The first folder holding both files of the language's thesaurus (1
// American "th_en_US_v2"; 2 British "th_en_GB", "th_en_GB_v2" or, failing
// those, the Australian "th_en_AU_v2"), or nothing.
std::optional<ThesaurusFiles> findThesaurus(int language, const QStringList& folders);

// What was found at start-up, indexed by language number (index 0 unused).
struct LanguageFiles {
    std::array<std::optional<DictionaryFiles>, kSpellingLanguageCount + 1> spelling;
    std::array<std::optional<ThesaurusFiles>, kThesaurusLanguageCount + 1> thesaurus;

    bool spellingPresent(int language) const;
    bool thesaurusPresent(int language) const;
    bool anySpellingPresent() const;
    bool anyThesaurusPresent() const;
};

LanguageFiles findLanguageFiles(const QStringList& folders);

// The spelling language in force after start-up: a language 2..8 whose
// dictionary is missing becomes 1, then 1 without the American dictionary
// becomes 0; 0 and 9 stay. A number outside 0..9 is treated as the
// default 1 first, so that later lookups never index past the table.
int resolveSpellingLanguage(int configured, const LanguageFiles& present);

// The thesaurus language in force after start-up: 2 without the British
// thesaurus becomes 1, then 1 without the American one becomes 0; 0 and 3
// stay. A number outside 0..3 is treated as the default 1 first.
int resolveThesaurusLanguage(int configured, const LanguageFiles& present);

// The include and exclude user lexicon names, fixed at start-up from the
// spelling language then in force: 1 and 9 give the American names, 2..8
// their own; 0 (or any other number) gives empty names.
struct UserLexiconNames {
    QString include;
    QString exclude;
};
UserLexiconNames userLexiconNames(int language);

#pragma once

#include "spelling/languagetools.h"
#include "spelling/ui/myeditbox.h"

#include <optional>

class QWidget;
class WordEntries;
struct MiscSettings;

// The spelling and thesaurus commands as the word list editor and the main
// window start them. misc holds the language settings ("Dictionary", "User
// Dictionary", "Thesaurus", "User Thesaurus"); the choice dialogs update the
// remembered languages in it.

// "&Spell Check": asks for the language when the setting is "choose at
// spell check time" (Cancel ends the command), then runs the check over the
// entries (words too when wordsCanChange); changed is told of every
// replacement.
void spellCheckEntries(QWidget* parent, WordEntries& entries, bool wordsCanChange, MiscSettings& misc,
                       const LanguageTools& tools, const EntriesChanged& changed);

// "&Thesaurus": asks for the language when the setting is "choose at use
// time", then looks the word up; gives the synonym the user accepted.
std::optional<QString> lookUpSynonym(QWidget* parent, const QString& word, MiscSettings& misc,
                                     const LanguageTools& tools);

// "&Add to Dictionary" and "&Exclude From Dictionary": the maintenance of
// the include or exclude user lexicon, named after the current language.
void maintainUserDictionary(QWidget* parent, UserDictionaryMode mode, const MiscSettings& misc,
                            const LanguageTools& tools);

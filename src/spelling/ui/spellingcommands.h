#pragma once

#include "spelling/languagetools.h"
#include "spelling/ui/myeditbox.h"

#include <optional>

class QWidget;
struct DialogContext;

// The spelling and thesaurus commands as the word list editor and the main
// window start them. The context's misc settings hold the language settings
// ("Dictionary", "User Dictionary", "Thesaurus", "User Thesaurus"); the
// choice dialogs update the remembered languages in them.

// "&Spell Check": asks for the language when the setting is "choose at
// spell check time" (Cancel ends the command), then runs the check over the
// rows (words too when wordsCanChange); changed is told of every
// replacement.
void spellCheckRows(QWidget* parent, SpellCheckRows& rows, bool wordsCanChange, const DialogContext& context,
                    const LanguageTools& tools, const RowsChanged& changed);

// "&Thesaurus": asks for the language when the setting is "choose at use
// time", then looks the word up; gives the synonym the user accepted.
std::optional<QString> lookUpSynonym(QWidget* parent, const QString& word, const DialogContext& context,
                                     const LanguageTools& tools);

// "&Add to Dictionary" and "&Exclude From Dictionary": the maintenance of
// the include or exclude user lexicon, named after the current language.
void maintainUserDictionary(QWidget* parent, UserDictionaryMode mode, const DialogContext& context,
                            const LanguageTools& tools);

#pragma once

#include "spelling/languages.h"
#include "spelling/spellcheckrun.h"

#include <QString>

// What the spelling and thesaurus commands take from program start-up: the
// dictionaries and thesauri found then, the user lexicon names fixed then,
// and the folder that holds the user lexicons (the program directory).
struct LanguageTools {
    LanguageFiles files;
    UserLexiconNames userLexicons;
    QString userLexiconFolder;

    // Paths of the user lexicons; empty when start-up fixed no names.
    QString includeLexiconPath() const;
    QString excludeLexiconPath() const;

    // Whether "&Spell Check" and "&Thesaurus" can work with the language
    // setting: it is not 0 and some dictionary (thesaurus) is present.
    bool spellingAvailable(int setting) const;
    bool thesaurusAvailable(int setting) const;

    // A spell check run in a language (1..8; any other number has no
    // dictionary, so the run reports the missing files).
    SpellCheckSetup spellCheckSetup(int language, bool checkWords) const;
};

// The name shown for a spelling language setting: 1 and 9 give "American".
QString spellingLanguageName(int setting);

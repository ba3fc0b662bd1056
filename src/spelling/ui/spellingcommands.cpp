#include "spelling/ui/spellingcommands.h"

#include "app/ui/dialoghelper.h"
#include "spelling/ui/choosespellcheck.h"
#include "spelling/ui/choosethescheck.h"
#include "spelling/ui/spellsuggestions.h"
#include "spelling/ui/thessuggestions.h"
#include "storage/settings.h"

namespace {

// Shows a language choice; the remembered language follows the user's clicks
// even when the dialog is cancelled. Nothing when cancelled, 0 when no
// language was checked.
std::optional<int> chooseLanguage(LanguageChoiceDialog& choose, int& lastChosen)
{
    const bool ok = showDialog(choose) == QDialog::Accepted;
    lastChosen = choose.lastChosen();
    if (!ok)
        return std::nullopt;
    return choose.language();
}

} // namespace

void spellCheckEntries(QWidget* parent, WordEntries& entries, bool wordsCanChange, MiscSettings& misc,
                       const LanguageTools& tools, const EntriesChanged& changed)
{
    int language = misc.dictionary;
    if (language == kSpellingChooseAtCheckTime) {
        TChooseSpellCheck choose(tools.files, misc.userDictionary, parent);
        const auto chosen = chooseLanguage(choose, misc.userDictionary);
        if (!chosen)
            return;
        // With no language checked the run has no dictionary and says so.
        language = *chosen != 0 ? *chosen : kSpellingChooseAtCheckTime;
    }
    TSpellSuggestions suggestions(spellingLanguageName(language), parent);
    runSpellCheck(entries, tools.spellCheckSetup(language, wordsCanChange), suggestions, changed);
}

std::optional<QString> lookUpSynonym(QWidget* parent, const QString& word, MiscSettings& misc,
                                     const LanguageTools& tools)
{
    int language = misc.thesaurus;
    if (language == kThesaurusChooseAtUseTime) {
        TChooseThesCheck choose(tools.files, misc.userThesaurus, parent);
        const auto chosen = chooseLanguage(choose, misc.userThesaurus);
        if (!chosen)
            return std::nullopt;
        language = *chosen;
    }
    const auto thesaurus = tools.files.thesaurusPresent(language) ? tools.files.thesaurus[language] : std::nullopt;
    // Similar spellings come from the dictionary of the same language
    // (thesaurus languages 1 and 2 are spelling languages 1 and 2).
    const auto spelling = tools.files.spellingPresent(language) ? tools.files.spelling[language] : std::nullopt;
    TThesSuggestions lookup(word, thesaurus, spelling, parent);
    showDialog(lookup);
    return lookup.result();
}

void maintainUserDictionary(QWidget* parent, UserDictionaryMode mode, const MiscSettings& misc,
                            const LanguageTools& tools)
{
    const QString path =
        mode == UserDictionaryMode::Adding ? tools.includeLexiconPath() : tools.excludeLexiconPath();
    if (path.isEmpty())
        return;
    TMyEditBox box(mode, spellingLanguageName(misc.dictionary), path, parent);
    showDialog(box);
}

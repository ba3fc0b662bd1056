#include "spelling/ui/spellingcommands.h"

#include "spelling/ui/choosespellcheck.h"
#include "spelling/ui/choosethescheck.h"
#include "spelling/ui/spellsuggestions.h"
#include "spelling/ui/thessuggestions.h"
#include "storage/settings.h"
#include "widgets/dialoghelper.h"

namespace {

// Shows a language choice; the remembered language follows the user's clicks
// even when the dialog is cancelled. Nothing when cancelled, 0 when no
// language was checked.
std::optional<int> chooseLanguage(LanguageChoiceDialog& choose, int& lastChosen, const DialogContext& context)
{
    const bool ok = showDialog(choose, context) == QDialog::Accepted;
    lastChosen = choose.lastChosen();
    if (!ok)
        return std::nullopt;
    return choose.language();
}

} // namespace

void spellCheckRows(QWidget* parent, SpellCheckRows& rows, bool wordsCanChange, const DialogContext& context,
                    const LanguageTools& tools, const RowsChanged& changed)
{
    MiscSettings& misc = context.settings.misc;
    int language = misc.dictionary;
    if (language == kSpellingChooseAtCheckTime) {
        TChooseSpellCheck choose(tools.files, misc.userDictionary, parent);
        const auto chosen = chooseLanguage(choose, misc.userDictionary, context);
        if (!chosen)
            return;
        // With no language checked the run has no dictionary and says so.
        language = *chosen != 0 ? *chosen : kSpellingChooseAtCheckTime;
    }
    TSpellSuggestions suggestions(spellingLanguageName(language), context, parent);
    runSpellCheck(rows, tools.spellCheckSetup(language, wordsCanChange), suggestions, changed);
}

std::optional<QString> lookUpSynonym(QWidget* parent, const QString& word, const DialogContext& context,
                                     const LanguageTools& tools)
{
    MiscSettings& misc = context.settings.misc;
    int language = misc.thesaurus;
    if (language == kThesaurusChooseAtUseTime) {
        TChooseThesCheck choose(tools.files, misc.userThesaurus, parent);
        const auto chosen = chooseLanguage(choose, misc.userThesaurus, context);
        if (!chosen)
            return std::nullopt;
        language = *chosen;
    }
    const auto thesaurus = tools.files.thesaurusPresent(language) ? tools.files.thesaurus[language] : std::nullopt;
    // Similar spellings come from the dictionary of the same language
    // (thesaurus languages 1 and 2 are spelling languages 1 and 2).
    const auto spelling = tools.files.spellingPresent(language) ? tools.files.spelling[language] : std::nullopt;
    TThesSuggestions lookup(word, thesaurus, spelling, context, parent);
    showDialog(lookup, context);
    return lookup.acceptedSynonym();
}

void maintainUserDictionary(QWidget* parent, UserDictionaryMode mode, const DialogContext& context,
                            const LanguageTools& tools)
{
    const QString path =
        mode == UserDictionaryMode::Adding ? tools.includeLexiconPath() : tools.excludeLexiconPath();
    if (path.isEmpty())
        return;
    TMyEditBox box(mode, spellingLanguageName(context.settings.misc.dictionary), path, parent);
    showDialog(box, context);
}

#include "spelling/languagetools.h"

namespace {

QString pathIn(const QString& folder, const QString& name)
{
    return name.isEmpty() ? QString() : folder + u'/' + name;
}

} // namespace

QString LanguageTools::includeLexiconPath() const { return pathIn(userLexiconFolder, userLexicons.include); }

QString LanguageTools::excludeLexiconPath() const { return pathIn(userLexiconFolder, userLexicons.exclude); }

bool LanguageTools::spellingAvailable(int setting) const { return setting != 0 && files.anySpellingPresent(); }

bool LanguageTools::thesaurusAvailable(int setting) const { return setting != 0 && files.anyThesaurusPresent(); }

SpellCheckSetup LanguageTools::spellCheckSetup(int language, bool checkWords) const
{
    SpellCheckSetup setup;
    if (files.spellingPresent(language))
        setup.dictionary = files.spelling[language];
    setup.includeLexicon = includeLexiconPath();
    setup.excludeLexicon = excludeLexiconPath();
    setup.checkWords = checkWords;
    return setup;
}

QString spellingLanguageName(int setting)
{
    const SpellingLanguage* language = spellingLanguage(setting == kSpellingChooseAtCheckTime ? 1 : setting);
    return language ? QString::fromLatin1(language->shownName) : QString();
}

#include "spelling/languages.h"

#include <QFileInfo>

namespace {

constexpr SpellingLanguage kSpellingLanguages[kSpellingLanguageCount] = {
    {"American", "en_US", "IncEngl.tlx", "ExcEngl.tlx", 1033},
    {"British", "en_GB", "IncBrit.tlx", "ExcBrit.tlx", 2057},
    {"Spanish", "es_ES", "IncSpan.tlx", "ExcSpan.tlx", 1034},
    {"Italian", "it_IT", "IncItal.tlx", "ExcItal.tlx", 1040},
    {"French", "fr_FR", "IncFrnch.tlx", "ExcFrnch.tlx", 1036},
    {"German", "de_DE", "IncGerm.tlx", "ExcGerm.tlx", 1031},
    {"Dutch", "nl_NL", "IncDutch.tlx", "ExcDutch.tlx", 1043},
    {"Swedish", "sv_SE", "IncSwed.tlx", "ExcSwed.tlx", 1053},
};

// Thesaurus names by language, in order of preference.
QStringList thesaurusNames(int language)
{
    switch (language) {
    case 1:
        return {QStringLiteral("th_en_US_v2")};
    case 2:
        return {QStringLiteral("th_en_GB"), QStringLiteral("th_en_GB_v2"), QStringLiteral("th_en_AU_v2")};
    default:
        return {};
    }
}

// The two files folder/name.first and folder/name.second of the first folder
// that holds both (plain files or links to them).
std::optional<std::pair<QString, QString>> findPair(const QStringList& names, const char* first,
                                                    const char* second, const QStringList& folders)
{
    for (const QString& folder : folders) {
        for (const QString& name : names) {
            const QString base = folder + u'/' + name + u'.';
            const QString a = base + QLatin1StringView(first);
            const QString b = base + QLatin1StringView(second);
            if (QFileInfo(a).isFile() && QFileInfo(b).isFile())
                return std::pair{a, b};
        }
    }
    return std::nullopt;
}

} // namespace

const SpellingLanguage* spellingLanguage(int language)
{
    if (language < 1 || language > kSpellingLanguageCount)
        return nullptr;
    return &kSpellingLanguages[language - 1];
}

QStringList languageFolders(const QString& programDir)
{
    return {programDir, QStringLiteral("/usr/share/hunspell"), QStringLiteral("/usr/share/myspell/dicts"),
            QStringLiteral("/usr/share/mythes")};
}

std::optional<DictionaryFiles> findSpellingDictionary(int language, const QStringList& folders)
{
    const SpellingLanguage* entry = spellingLanguage(language);
    if (!entry)
        return std::nullopt;
    const auto pair = findPair({QString::fromLatin1(entry->dictionaryName)}, "dic", "aff", folders);
    if (!pair)
        return std::nullopt;
    return DictionaryFiles{pair->first, pair->second};
}

std::optional<ThesaurusFiles> findThesaurus(int language, const QStringList& folders)
{
    const auto pair = findPair(thesaurusNames(language), "dat", "idx", folders);
    if (!pair)
        return std::nullopt;
    return ThesaurusFiles{pair->first, pair->second};
}

bool LanguageFiles::spellingPresent(int language) const
{
    return language >= 1 && language <= kSpellingLanguageCount && spelling[language].has_value();
}

bool LanguageFiles::thesaurusPresent(int language) const
{
    return language >= 1 && language <= kThesaurusLanguageCount && thesaurus[language].has_value();
}

bool LanguageFiles::anySpellingPresent() const
{
    for (int language = 1; language <= kSpellingLanguageCount; ++language)
        if (spellingPresent(language))
            return true;
    return false;
}

bool LanguageFiles::anyThesaurusPresent() const
{
    return thesaurusPresent(1) || thesaurusPresent(2);
}

LanguageFiles findLanguageFiles(const QStringList& folders)
{
    LanguageFiles files;
    for (int language = 1; language <= kSpellingLanguageCount; ++language)
        files.spelling[language] = findSpellingDictionary(language, folders);
    for (int language = 1; language <= kThesaurusLanguageCount; ++language)
        files.thesaurus[language] = findThesaurus(language, folders);
    return files;
}

int resolveSpellingLanguage(int configured, const LanguageFiles& present)
{
    int language = configured;
    if (language < 0 || language > kSpellingChooseAtCheckTime)
        language = 1;
    if (language >= 2 && language <= kSpellingLanguageCount && !present.spellingPresent(language))
        language = 1;
    if (language == 1 && !present.spellingPresent(1))
        language = 0;
    return language;
}

int resolveThesaurusLanguage(int configured, const LanguageFiles& present)
{
    int language = configured;
    if (language < 0 || language > kThesaurusChooseAtUseTime)
        language = 1;
    if (language == 2 && !present.thesaurusPresent(2))
        language = 1;
    if (language == 1 && !present.thesaurusPresent(1))
        language = 0;
    return language;
}

UserLexiconNames userLexiconNames(int language)
{
    const SpellingLanguage* entry = spellingLanguage(language == kSpellingChooseAtCheckTime ? 1 : language);
    if (!entry)
        return {};
    return {QString::fromLatin1(entry->includeLexicon), QString::fromLatin1(entry->excludeLexicon)};
}

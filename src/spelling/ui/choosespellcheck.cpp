#include "spelling/ui/choosespellcheck.h"

namespace {

QList<bool> presentDictionaries(const LanguageFiles& files)
{
    QList<bool> present;
    for (int language = 1; language <= kSpellingLanguageCount; ++language)
        present.append(files.spellingPresent(language));
    return present;
}

} // namespace

TChooseSpellCheck::TChooseSpellCheck(const LanguageFiles& files, int lastChosen, QWidget* parent)
    : LanguageChoiceDialog(QStringLiteral("Spell Check"),
                           {QStringLiteral("&American"), QStringLiteral("&British"), QStringLiteral("&Spanish"),
                            QStringLiteral("&Italian"), QStringLiteral("&French"), QStringLiteral("&German"),
                            QStringLiteral("&Dutch"), QStringLiteral("S&wedish")},
                           presentDictionaries(files), lastChosen, parent)
{
    setObjectName(QStringLiteral("ChooseSpellCheck"));
}

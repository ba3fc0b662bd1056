#include "spelling/ui/choosethescheck.h"

TChooseThesCheck::TChooseThesCheck(const LanguageFiles& files, int lastChosen, QWidget* parent)
    : LanguageChoiceDialog(QStringLiteral("Thesaurus"), {QStringLiteral("&American"), QStringLiteral("&British")},
                           {files.thesaurusPresent(1), files.thesaurusPresent(2)}, lastChosen, parent)
{
    setObjectName(QStringLiteral("ChooseThesCheck"));
}

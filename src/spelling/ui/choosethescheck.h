#pragma once

#include "spelling/languages.h"
#include "spelling/ui/languagechoicedialog.h"

// "Thesaurus": the language of a thesaurus lookup when the "Thesaurus"
// setting is "choose at use time".
class TChooseThesCheck : public LanguageChoiceDialog {
    Q_OBJECT
public:
    TChooseThesCheck(const LanguageFiles& files, int lastChosen, QWidget* parent = nullptr);
};

#pragma once

#include "spelling/languages.h"
#include "spelling/ui/languagechoicedialog.h"

// "Spell Check": the language of a spell check run when the "Dictionary"
// setting is "choose at spell check time".
class TChooseSpellCheck : public LanguageChoiceDialog {
    Q_OBJECT
public:
    TChooseSpellCheck(const LanguageFiles& files, int lastChosen, QWidget* parent = nullptr);
};

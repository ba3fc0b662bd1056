#pragma once

#include "spelling/spellcheckrun.h"
#include "widgets/dialoghelper.h"

#include <QDialog>

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

// Replace (here) and Accept (thesaurus lookup) without a selected word.
inline const QString kNoReplacementSelected =
    QStringLiteral("No replacement word has been selected.  Please choose a replacement first.");

// "Spelling Suggestions": shown for each rejected word of a spell check run
// that has suggestions. One dialog serves the whole run; it takes the user
// fonts, scale and centring on its first showing only.
class TSpellSuggestions : public QDialog, public SpellingAdvisor {
    Q_OBJECT
public:
    // languageName: the run's language as shown ("American", ...).
    TSpellSuggestions(const QString& languageName, const DialogContext& context, QWidget* parent = nullptr);

    // Shows the word and its suggestions (the first selected) and waits for
    // Replace, Ignore, Abort or Add. Closing the window aborts the run.
    Choice askAbout(const QString& word, const QStringList& suggestions) override;

    void ReplaceClick();
    void IgnoreClick();
    void AbortClick();
    void AddClick();

    QLabel* NoticeLabel() const { return m_notice; }
    QLineEdit* TheWord() const { return m_word; }
    QListWidget* SugList() const { return m_suggestions; }

protected:
    void reject() override;

private:
    void finish(Answer answer);

    DialogContext m_context;

    QLabel* m_notice;
    QLineEdit* m_word;
    QListWidget* m_suggestions;
    Choice m_choice;
    bool m_prepared = false;
};

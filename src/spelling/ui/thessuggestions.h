#pragma once

#include "spelling/languages.h"
#include "widgets/dialoghelper.h"

#include <QDialog>

#include <memory>
#include <optional>

class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QPushButton;
class Thesaurus;

// "Thesaurus Lookup": the meanings (categories), antonym categories and
// synonyms of a word; other words can be looked up and similar spellings
// asked for. Accept gives the selected synonym as the result.
class TThesSuggestions : public QDialog {
    Q_OBJECT
public:
    // thesaurus: the files of the language in use (none: the window reports
    // the missing file and stays empty); spelling: that language's
    // dictionary, for similar spellings.
    TThesSuggestions(const QString& word, const std::optional<ThesaurusFiles>& thesaurus,
                     const std::optional<DictionaryFiles>& spelling, const DialogContext& context,
                     QWidget* parent = nullptr);
    ~TThesSuggestions() override;

    // The synonym that Accept took; none before.
    std::optional<QString> acceptedSynonym() const { return m_result; }

    void LookUpClick();
    void SuggestClick();
    void AcceptClick();

    QLineEdit* TheWord() const { return m_word; }
    QListWidget* CatBox() const { return m_categories; }
    QListWidget* AntBox() const { return m_antonyms; }
    QListWidget* DefBox() const { return m_synonyms; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    void FormShow();
    void lookUp();
    void loadSynonyms(const QString& shownCategory);
    // A click in one category list loads its synonyms and clears the
    // selection of the other.
    void categoryClicked(QListWidget* clicked, QListWidget* other);
    void DefBoxDblClick(QListWidgetItem* item);

    DialogContext m_context;
    std::optional<ThesaurusFiles> m_files;
    std::optional<DictionaryFiles> m_spelling;
    std::unique_ptr<Thesaurus> m_thesaurus;
    std::optional<QString> m_result;
    bool m_shown = false;

    QLineEdit* m_word;
    QListWidget* m_categories;
    QListWidget* m_antonyms;
    QListWidget* m_synonyms;
    QPushButton* m_accept;
};

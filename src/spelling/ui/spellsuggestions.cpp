#include "spelling/ui/spellsuggestions.h"

#include "base/messageservice.h"
#include "widgets/dialoghelper.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

TSpellSuggestions::TSpellSuggestions(const QString& languageName, const DialogContext& context, QWidget* parent)
    : QDialog(parent), m_context(context)
{
    setObjectName(QStringLiteral("SpellSuggestions"));
    setWindowTitle(QStringLiteral("Spelling Suggestions"));
    auto* layout = new QGridLayout(this);
    m_notice = new QLabel(QStringLiteral("The following word was not found in the ") + languageName
                              + QStringLiteral(" dictionary.  Suggestions are listed below."),
                          this);
    m_notice->setObjectName(QStringLiteral("NoticeLabel"));
    m_notice->setWordWrap(true);
    layout->addWidget(m_notice, 0, 0, 1, 2);
    m_word = new QLineEdit(this);
    m_word->setObjectName(QStringLiteral("TheWord"));
    m_word->setReadOnly(true);
    layout->addWidget(m_word, 1, 0);
    m_suggestions = new QListWidget(this);
    m_suggestions->setObjectName(QStringLiteral("SugList"));
    layout->addWidget(m_suggestions, 2, 0);

    auto* buttons = new QVBoxLayout;
    QPushButton* replace = makeButton(QStringLiteral("&Replace"), QStringLiteral("ReplaceButton"), this);
    replace->setDefault(true);
    QPushButton* ignore = makeButton(QStringLiteral("&Ignore"), QStringLiteral("IgnoreButton"), this);
    QPushButton* abort = makeButton(QStringLiteral("A&bort"), QStringLiteral("AbortButton"), this);
    QPushButton* add = makeButton(QStringLiteral("&Add"), QStringLiteral("AddButton"), this);
    for (QPushButton* button : {replace, ignore, abort, add})
        buttons->addWidget(button);
    buttons->addStretch();
    layout->addLayout(buttons, 1, 1, 2, 1);

    connect(replace, &QPushButton::clicked, this, &TSpellSuggestions::ReplaceClick);
    connect(ignore, &QPushButton::clicked, this, &TSpellSuggestions::IgnoreClick);
    connect(abort, &QPushButton::clicked, this, &TSpellSuggestions::AbortClick);
    connect(add, &QPushButton::clicked, this, &TSpellSuggestions::AddClick);
    connect(m_suggestions, &QListWidget::itemDoubleClicked, this, &TSpellSuggestions::ReplaceClick);
}

SpellingAdvisor::Choice TSpellSuggestions::askAbout(const QString& word, const QStringList& suggestions)
{
    m_word->setText(word);
    m_suggestions->clear();
    m_suggestions->addItems(suggestions);
    m_suggestions->setCurrentRow(0);
    m_suggestions->setFocus();
    m_choice = {};
    if (!m_prepared) {
        m_prepared = true;
        prepareDialog(*this, m_context);
    }
    exec();
    return m_choice;
}

void TSpellSuggestions::finish(Answer answer)
{
    m_choice.answer = answer;
    QDialog::accept();
}

void TSpellSuggestions::ReplaceClick()
{
    const QList<QListWidgetItem*> selected = m_suggestions->selectedItems();
    if (selected.isEmpty()) {
        showError(kNoReplacementSelected);
        return;
    }
    m_choice.replacement = selected.first()->text();
    finish(Answer::Replace);
}

void TSpellSuggestions::IgnoreClick() { finish(Answer::Ignore); }
void TSpellSuggestions::AbortClick() { finish(Answer::Abort); }
void TSpellSuggestions::AddClick() { finish(Answer::Add); }

void TSpellSuggestions::reject() { finish(Answer::Abort); }

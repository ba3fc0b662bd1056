#include "spelling/ui/thessuggestions.h"

#include "base/messageservice.h"
#include "spelling/dictionarytext.h"
#include "spelling/thesaurus.h"
#include "spelling/thesauruslookup.h"
#include "spelling/ui/spellsuggestions.h"
#include "spelling/ui/thes2sugs.h"
#include "widgets/dialoghelper.h"

#include <QApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>

namespace {

const QString kNoThesaurus = QStringLiteral("Could not find the Thesaurus file.");


QListWidget* makeList(const QString& name, QWidget* parent)
{
    auto* list = new QListWidget(parent);
    list->setObjectName(name);
    return list;
}

} // namespace

TThesSuggestions::TThesSuggestions(const QString& word, const std::optional<ThesaurusFiles>& thesaurus,
                                   const std::optional<DictionaryFiles>& spelling, const DialogContext& context,
                                   QWidget* parent)
    : QDialog(parent), m_context(context), m_files(thesaurus), m_spelling(spelling)
{
    setObjectName(QStringLiteral("ThesSuggestions"));
    setWindowTitle(QStringLiteral("Thesaurus Lookup"));
    auto* layout = new QGridLayout(this);

    auto* top = new QHBoxLayout;
    m_word = new QLineEdit(word, this);
    m_word->setObjectName(QStringLiteral("TheWord"));
    top->addWidget(m_word, 1);
    QPushButton* lookUpButton = makeButton(QStringLiteral("&Look Up"), QStringLiteral("LookUpButton"), this);
    // Enter looks the typed word up.
    lookUpButton->setDefault(true);
    QPushButton* suggest = makeButton(QStringLiteral("&Suggest"), QStringLiteral("SuggestButton"), this);
    top->addWidget(lookUpButton);
    top->addWidget(suggest);
    layout->addLayout(top, 0, 0, 1, 2);

    m_categories = makeList(QStringLiteral("CatBox"), this);
    m_antonyms = makeList(QStringLiteral("AntBox"), this);
    m_synonyms = makeList(QStringLiteral("DefBox"), this);
    layout->addWidget(new QLabel(QStringLiteral("Categories"), this), 1, 0);
    layout->addWidget(m_categories, 2, 0);
    layout->addWidget(new QLabel(QStringLiteral("Antonyms"), this), 3, 0);
    layout->addWidget(m_antonyms, 4, 0);
    layout->addWidget(new QLabel(QStringLiteral("Synonyms"), this), 1, 1);
    layout->addWidget(m_synonyms, 2, 1, 3, 1);

    auto* bottom = new QHBoxLayout;
    bottom->addStretch();
    m_accept = makeButton(QStringLiteral("&Accept"), QStringLiteral("AcceptButton"), this);
    QPushButton* abort = makeButton(QStringLiteral("A&bort"), QStringLiteral("AbortButton"), this);
    bottom->addWidget(m_accept);
    bottom->addWidget(abort);
    layout->addLayout(bottom, 5, 0, 1, 2);

    connect(lookUpButton, &QPushButton::clicked, this, &TThesSuggestions::LookUpClick);
    connect(suggest, &QPushButton::clicked, this, &TThesSuggestions::SuggestClick);
    connect(m_accept, &QPushButton::clicked, this, &TThesSuggestions::AcceptClick);
    connect(abort, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_categories, &QListWidget::itemSelectionChanged, this,
            [this] { categoryClicked(m_categories, m_antonyms); });
    connect(m_antonyms, &QListWidget::itemSelectionChanged, this,
            [this] { categoryClicked(m_antonyms, m_categories); });
    connect(m_synonyms, &QListWidget::itemDoubleClicked, this, &TThesSuggestions::DefBoxDblClick);
    m_accept->setEnabled(false);
}

TThesSuggestions::~TThesSuggestions() = default;

void TThesSuggestions::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (!m_shown) {
        m_shown = true;
        // Looked up once the window is on the screen, so that a message
        // about the word appears above it.
        QTimer::singleShot(0, this, &TThesSuggestions::FormShow);
    }
}

void TThesSuggestions::FormShow()
{
    if (m_files)
        m_thesaurus = Thesaurus::open(*m_files, m_spelling);
    if (!m_thesaurus) {
        showError(kNoThesaurus);
        return;
    }
    lookUp();
}

void TThesSuggestions::LookUpClick()
{
    if (!m_thesaurus) {
        showError(kNoThesaurus);
        return;
    }
    lookUp();
}

void TThesSuggestions::lookUp()
{
    const QSignalBlocker categories(m_categories);
    const QSignalBlocker antonyms(m_antonyms);
    m_categories->clear();
    m_antonyms->clear();
    m_synonyms->clear();
    m_accept->setEnabled(false);
    const ThesaurusLookup found = lookUpWord(*m_thesaurus, m_word->text());
    if (!found.found) {
        showWarning(QStringLiteral("Word not found in Thesaurus.  Click on \"suggest\" for possible substitute words."));
        return;
    }
    m_categories->addItems(found.categories);
    m_antonyms->addItems(found.antonyms);
    m_categories->setCurrentRow(0);
    loadSynonyms(m_categories->item(0)->text());
}

void TThesSuggestions::loadSynonyms(const QString& shownCategory)
{
    m_synonyms->clear();
    m_synonyms->addItems(synonymsOfShown(*m_thesaurus, shownCategory));
    m_synonyms->setCurrentRow(m_synonyms->count() > 0 ? 0 : -1);
    m_accept->setEnabled(m_synonyms->count() > 0);
}

void TThesSuggestions::categoryClicked(QListWidget* clicked, QListWidget* other)
{
    const QList<QListWidgetItem*> selected = clicked->selectedItems();
    if (selected.isEmpty() || !m_thesaurus)
        return;
    {
        const QSignalBlocker blocker(other);
        other->clearSelection();
    }
    loadSynonyms(selected.first()->text());
}

void TThesSuggestions::DefBoxDblClick(QListWidgetItem* item)
{
    m_word->setText(item->text());
    LookUpClick();
}

void TThesSuggestions::SuggestClick()
{
    if (!m_thesaurus) {
        showError(kNoThesaurus);
        return;
    }
    const QString word = trimBlanks(m_word->text());
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const QStringList suggestions = m_thesaurus->suggestions(word);
    QApplication::restoreOverrideCursor();
    if (suggestions.isEmpty()) {
        showError(QStringLiteral("No suggestions found for the word ") + word + u'.');
        return;
    }
    TThes2Sugs dialog(word, suggestions, this);
    showDialog(dialog, m_context);
    if (const auto chosen = dialog.chosen()) {
        m_word->setText(*chosen);
        lookUp();
    }
}

void TThesSuggestions::AcceptClick()
{
    const QList<QListWidgetItem*> selected = m_synonyms->selectedItems();
    if (selected.isEmpty()) {
        showError(kNoReplacementSelected);
        return;
    }
    m_result = selected.first()->text();
    accept();
}

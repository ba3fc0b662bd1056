#include "spelling/ui/myeditbox.h"

#include "base/messageservice.h"
#include "spelling/dictionarytext.h"
#include "spelling/userlexicon.h"
#include "widgets/dialoghelper.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

namespace {

QString headline(UserDictionaryMode mode, const QString& languageName)
{
    if (mode == UserDictionaryMode::Adding)
        return QStringLiteral("These words will be added to the ") + languageName
               + QStringLiteral(" dictionary and counted as valid.");
    return QStringLiteral("These words will be excluded from the ") + languageName
           + QStringLiteral(" dictionary and will be invalid.");
}

} // namespace

TMyEditBox::TMyEditBox(UserDictionaryMode mode, const QString& languageName, const QString& lexiconPath,
                       QWidget* parent)
    : QDialog(parent), m_path(lexiconPath)
{
    setObjectName(QStringLiteral("MyEditBox"));
    setWindowTitle(QStringLiteral("Dictionary Maintenance"));
    auto* layout = new QGridLayout(this);
    m_head = new QLabel(headline(mode, languageName), this);
    m_head->setObjectName(QStringLiteral("HeadLabel"));
    m_head->setWordWrap(true);
    layout->addWidget(m_head, 0, 0, 1, 2);
    m_addInfo = new QLineEdit(this);
    m_addInfo->setObjectName(QStringLiteral("AddInfo"));
    layout->addWidget(m_addInfo, 1, 0);
    auto* add = new QPushButton(QStringLiteral("&Add"), this);
    add->setObjectName(QStringLiteral("AddButton"));
    layout->addWidget(add, 1, 1);
    m_list = new QListWidget(this);
    m_list->setObjectName(QStringLiteral("TheList"));
    layout->addWidget(m_list, 2, 0);
    auto* remove = new QPushButton(QStringLiteral("&Delete"), this);
    remove->setObjectName(QStringLiteral("DeleteButton"));
    remove->setAutoDefault(false);
    layout->addWidget(remove, 2, 1, Qt::AlignTop);
    QPushButton* ok = nullptr;
    layout->addLayout(okCancelRow(this, &ok), 3, 0, 1, 2);
    ok->setAutoDefault(false);
    // Enter adds the typed word, so a list is typed word by word.
    add->setDefault(true);

    connect(add, &QPushButton::clicked, this, &TMyEditBox::AddClick);
    connect(remove, &QPushButton::clicked, this, &TMyEditBox::DeleteClick);
    connect(ok, &QPushButton::clicked, this, &TMyEditBox::OkClick);

    m_list->addItems(readUserLexicon(m_path));
    m_list->setCurrentRow(m_list->count() > 0 ? 0 : -1);
    m_addInfo->setFocus();
}

void TMyEditBox::AddClick()
{
    const QString word = trimBlanks(m_addInfo->text());
    if (!word.isEmpty())
        m_list->addItem(word);
    m_addInfo->clear();
    m_addInfo->setFocus();
}

void TMyEditBox::DeleteClick()
{
    const int row = m_list->currentRow();
    if (row < 0 || !m_list->currentItem()->isSelected())
        return;
    delete m_list->takeItem(row);
    m_list->setCurrentRow(std::min(row, m_list->count() - 1));
}

void TMyEditBox::OkClick()
{
    QStringList words;
    for (int i = 0; i < m_list->count(); ++i)
        words.append(m_list->item(i)->text());
    if (!writeUserLexicon(m_path, words)) {
        showError(userLexiconNotSavedMessage(m_path));
        return;
    }
    accept();
}

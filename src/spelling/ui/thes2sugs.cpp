#include "spelling/ui/thes2sugs.h"

#include "widgets/dialoghelper.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

TThes2Sugs::TThes2Sugs(const QString& word, const QStringList& suggestions, QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("Thes2Sugs"));
    setWindowTitle(QStringLiteral("Word Suggestions"));
    auto* layout = new QVBoxLayout(this);
    m_wordLabel = new QLabel(word, this);
    m_wordLabel->setObjectName(QStringLiteral("WordLabel"));
    layout->addWidget(m_wordLabel);
    m_suggestions = new QListWidget(this);
    m_suggestions->setObjectName(QStringLiteral("SugBox"));
    m_suggestions->addItems(suggestions);
    m_suggestions->setCurrentRow(0);
    layout->addWidget(m_suggestions);
    QPushButton* ok = nullptr;
    layout->addLayout(okCancelRow(this, &ok));
    connect(ok, &QPushButton::clicked, this, &TThes2Sugs::OkClick);
    connect(m_suggestions, &QListWidget::itemDoubleClicked, this, &TThes2Sugs::OkClick);
    m_suggestions->setFocus();
}

void TThes2Sugs::OkClick()
{
    const QList<QListWidgetItem*> selected = m_suggestions->selectedItems();
    if (!selected.isEmpty())
        m_chosen = selected.first()->text();
    accept();
}

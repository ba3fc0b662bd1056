#include "render/ui/bonusdialog.h"

#include "render/reportoptions.h"

#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

TBonusQuestion::TBonusQuestion(const QString& question, QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("BonusQuestion"));
    setWindowTitle(QStringLiteral("Bonus Question"));
    m_edit = new QLineEdit(this);
    m_edit->setObjectName(QStringLiteral("BonusText"));
    m_edit->setMaxLength(kBonusEditLength);
    m_edit->setText(question);
    m_edit->setMinimumWidth(420);

    auto* ok = new QPushButton(QStringLiteral("&Ok"), this);
    ok->setObjectName(QStringLiteral("OkButton"));
    ok->setDefault(true);
    auto* cancel = new QPushButton(QStringLiteral("&Cancel"), this);
    cancel->setObjectName(QStringLiteral("CancelButton"));
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_edit);
    layout->addLayout(buttons);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

QString TBonusQuestion::question() const
{
    return m_edit->text();
}

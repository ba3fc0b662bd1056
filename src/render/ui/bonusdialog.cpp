#include "render/ui/bonusdialog.h"

#include "render/reportoptions.h"

#include "widgets/dialoghelper.h"

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

    QPushButton* ok = nullptr;
    QHBoxLayout* buttons = okCancelRow(this, &ok);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_edit);
    layout->addLayout(buttons);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}

QString TBonusQuestion::question() const
{
    return m_edit->text();
}

#include "render/ui/numcopiesdialog.h"

#include "base/messageservice.h"
#include "render/previewrules.h"

#include "widgets/dialoghelper.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

TNumCopies::TNumCopies(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("NumCopies"));
    setWindowTitle(QStringLiteral("Multi-Copies"));
    auto* row = new QHBoxLayout;
    row->addWidget(new QLabel(QStringLiteral("Copies To Print"), this));
    m_edit = new QLineEdit(QStringLiteral("1"), this);
    m_edit->setObjectName(QStringLiteral("Copies"));
    m_edit->setMaxLength(3);
    m_edit->setMaximumWidth(60);
    row->addWidget(m_edit);

    QPushButton* ok = nullptr;
    QHBoxLayout* buttons = okCancelRow(this, &ok);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(row);
    layout->addLayout(buttons);
    connect(ok, &QPushButton::clicked, this, &TNumCopies::OkClick);
}

void TNumCopies::OkClick()
{
    const auto copies = parseCopies(m_edit->text());
    if (!copies) {
        showError(kInvalidCopies);
        m_edit->setFocus();
        return;
    }
    m_copies = *copies;
    accept();
}

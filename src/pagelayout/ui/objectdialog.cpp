#include "pagelayout/ui/objectdialog.h"

#include "base/messageservice.h"
#include "widgets/dialoghelper.h"

#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

ObjectDialog::ObjectDialog(const LayoutObject& object, const QString& name, const QString& title, QWidget* parent)
    : QDialog(parent), m_object(object)
{
    setObjectName(name);
    setWindowTitle(title);
}

void ObjectDialog::setContent(QLayout* content)
{
    QPushButton* ok = nullptr;
    QHBoxLayout* buttons = okCancelRow(this, &ok);
    connect(ok, &QPushButton::clicked, this, [this] { OkClick(); });
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(content);
    layout->addSpacing(6);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void ObjectDialog::refuse(QLineEdit* edit, const QString& message)
{
    showError(message);
    edit->setFocus();
    edit->selectAll();
}

QLineEdit* ObjectDialog::addEdit(const QString& name, int maxLength, const QString& text)
{
    auto* edit = new QLineEdit(this);
    edit->setObjectName(name);
    edit->setMaxLength(maxLength);
    edit->setText(text);
    return edit;
}

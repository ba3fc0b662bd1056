#include "pagelayout/ui/objectbordersdialog.h"

#include "pagelayout/objectedits.h"
#include "pagelayout/ui/colorchoice.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>

TObjectBorders::TObjectBorders(const LayoutObject& object, QWidget* parent)
    : ObjectDialog(object, QStringLiteral("ObjectBorders"), objectDialogTitle(kBorderTitle, object), parent)
{
    m_useBorder = new QCheckBox(QStringLiteral("&Use Border"), this);
    m_useBorder->setObjectName(QStringLiteral("UseBorder"));
    m_useBorder->setChecked(object.UseBorder != 0);
    m_width = addEdit(QStringLiteral("Width"), 1, QString::number(object.BorderWidth));
    m_color = new ColorChoice(QStringLiteral("BorderColor"), QStringLiteral("Border Color"),
                              QStringLiteral("C&hange Color"), object.BorderColor, this);
    connect(m_useBorder, &QCheckBox::toggled, this, &TObjectBorders::UseBorderClick);

    auto* form = new QFormLayout;
    form->addRow(m_useBorder);
    form->addRow(QStringLiteral("Width"), m_width);
    form->addRow(m_color);
    setContent(form);
    UseBorderClick();
}

void TObjectBorders::UseBorderClick()
{
    m_width->setEnabled(m_useBorder->isChecked());
    m_color->button()->setEnabled(m_useBorder->isChecked());
}

void TObjectBorders::OkClick()
{
    const std::optional<int> width = readPositiveWhole(m_width->text());
    if (!width) {
        refuse(m_width, kInvalidWidth);
        return;
    }
    m_object.UseBorder = m_useBorder->isChecked() ? 1 : 0;
    m_object.BorderColor = static_cast<std::int32_t>(m_color->color());
    m_object.BorderWidth = static_cast<std::int16_t>(*width);
    accept();
}

#include "pagelayout/ui/objectfilldialog.h"

#include "pagelayout/objectedits.h"
#include "pagelayout/ui/colorchoice.h"

#include <QCheckBox>
#include <QPushButton>
#include <QVBoxLayout>

TObjectFill::TObjectFill(const LayoutObject& object, QWidget* parent)
    : ObjectDialog(object, QStringLiteral("ObjectFill"), objectDialogTitle(kFillTitle, object), parent)
{
    m_fillShape = new QCheckBox(QStringLiteral("&Fill In Shape"), this);
    m_fillShape->setObjectName(QStringLiteral("FillShape"));
    m_fillShape->setChecked(object.FillShape != 0);
    m_color = new ColorChoice(QStringLiteral("FillColor"), QStringLiteral("Fill Color"),
                              QStringLiteral("C&hange Color"), object.FillColor, this);
    connect(m_fillShape, &QCheckBox::toggled, m_color->button(), &QPushButton::setEnabled);
    m_color->button()->setEnabled(m_fillShape->isChecked());

    auto* column = new QVBoxLayout;
    column->addWidget(m_fillShape);
    column->addWidget(m_color);
    setContent(column);
}

void TObjectFill::OkClick()
{
    m_object.FillShape = m_fillShape->isChecked() ? 1 : 0;
    m_object.FillColor = static_cast<std::int32_t>(m_color->color());
    accept();
}

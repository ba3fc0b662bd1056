#include "pagelayout/ui/objectprop2dialog.h"

#include "pagelayout/objectedits.h"
#include "pagelayout/ui/colorchoice.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>

namespace {

QCheckBox* flagBox(const QString& caption, const QString& name, bool checked, QWidget* parent)
{
    auto* box = new QCheckBox(caption, parent);
    box->setObjectName(name);
    box->setChecked(checked);
    return box;
}

} // namespace

TObjectProp2::TObjectProp2(const LayoutObject& object, QWidget* parent)
    : ObjectDialog(object, QStringLiteral("ObjectProp2"), objectDialogTitle(kPropertiesTitle, object), parent)
{
    m_useGrid = flagBox(QStringLiteral("&Use Grid"), QStringLiteral("UseGrid"), object.Transparent != 0, this);
    m_lowerCase = flagBox(QStringLiteral("&Lower Case Letters"), QStringLiteral("LowerCase"),
                          object.LowerCaseLetters != 0, this);
    m_transparent = flagBox(QStringLiteral("&Transparent Background"), QStringLiteral("TransparentBack"),
                            object.FillShape != 0, this);
    m_cellColor = new ColorChoice(QStringLiteral("CellColor"), QStringLiteral("Background Color"),
                                  QStringLiteral("Ch&ange Color"), object.CellColor, this);
    m_lineColor = new ColorChoice(QStringLiteral("GridLineColor"), QStringLiteral("Grid Line Color"),
                                  QStringLiteral("Ch&ange Color"), object.GridLineColor, this);
    m_lineWidth = addEdit(QStringLiteral("LineWidth"), 1, QString::number(object.GridLineWidth));
    connect(m_useGrid, &QCheckBox::toggled, this, &TObjectProp2::enableControls);
    connect(m_transparent, &QCheckBox::toggled, this, &TObjectProp2::enableControls);

    auto* form = new QFormLayout;
    form->addRow(m_useGrid);
    form->addRow(m_lowerCase);
    form->addRow(m_transparent);
    form->addRow(m_cellColor);
    form->addRow(m_lineColor);
    form->addRow(QStringLiteral("Puzzle Line Width"), m_lineWidth);
    setContent(form);
    enableControls();
}

void TObjectProp2::enableControls()
{
    m_lineColor->button()->setEnabled(m_useGrid->isChecked());
    m_lineWidth->setEnabled(m_useGrid->isChecked());
    m_cellColor->button()->setEnabled(!m_transparent->isChecked());
}

void TObjectProp2::OkClick()
{
    const std::optional<int> width = readPositiveWhole(m_lineWidth->text());
    if (!width) {
        refuse(m_lineWidth, kInvalidWidth);
        return;
    }
    m_object.Transparent = m_useGrid->isChecked() ? 1 : 0;
    m_object.LowerCaseLetters = m_lowerCase->isChecked() ? 1 : 0;
    m_object.FillShape = m_transparent->isChecked() ? 1 : 0;
    m_object.CellColor = static_cast<std::int32_t>(m_cellColor->color());
    m_object.GridLineColor = static_cast<std::int32_t>(m_lineColor->color());
    m_object.GridLineWidth = *width;
    accept();
}

#include "pagelayout/ui/objectpropdialog.h"

#include "pagelayout/objectedits.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>

TObjectProp::TObjectProp(const LayoutObject& object, QWidget* parent)
    : ObjectDialog(object, QStringLiteral("ObjectProp"), objectDialogTitle(kPropertiesTitle, object), parent)
{
    const bool bitmap = object.ObjKind == static_cast<int>(ObjectKind::Bitmap);
    m_transparent = new QCheckBox(bitmap ? QStringLiteral("&Tile Bitmap") : QStringLiteral("&Transparent Background"),
                                  this);
    m_transparent->setObjectName(QStringLiteral("Transparent"));
    m_transparent->setChecked(object.Transparent != 0);
    m_makeFit = new QCheckBox(QStringLiteral("&Make It Fit (Auto-Shrink Font)"), this);
    m_makeFit->setObjectName(QStringLiteral("MakeFit"));
    m_makeFit->setChecked(object.MakeFit != 0);
    m_columns = addEdit(QStringLiteral("NumColumns"), 1, QString::number(object.NumColumns));
    m_columnsLabel = new QLabel(QStringLiteral("Number of Columns"), this);
    m_columnsLabel->setObjectName(QStringLiteral("NumColumnsLabel"));
    m_columnsLabel->setBuddy(m_columns);
    m_columns->setVisible(isWordList());
    m_columnsLabel->setVisible(isWordList());

    auto* grid = new QGridLayout;
    grid->addWidget(m_transparent, 0, 0, 1, 2);
    grid->addWidget(m_makeFit, 1, 0, 1, 2);
    grid->addWidget(m_columnsLabel, 2, 0);
    grid->addWidget(m_columns, 2, 1);
    setContent(grid);
}

bool TObjectProp::isWordList() const { return m_object.ObjKind == static_cast<int>(ObjectKind::WordList); }

void TObjectProp::OkClick()
{
    if (isWordList()) {
        const std::optional<int> columns = readPositiveWhole(m_columns->text());
        if (!columns) {
            refuse(m_columns, kInvalidColumnCount);
            return;
        }
        m_object.NumColumns = static_cast<std::int16_t>(*columns);
    }
    m_object.Transparent = m_transparent->isChecked() ? 1 : 0;
    m_object.MakeFit = m_makeFit->isChecked() ? 1 : 0;
    accept();
}

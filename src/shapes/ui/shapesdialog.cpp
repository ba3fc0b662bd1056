#include "shapes/ui/shapesdialog.h"

#include "shapes/ui/shapelistbox.h"
#include "widgets/dialoghelper.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
constexpr int kThumbnailSize = 240;
}

TSelectShapes::TSelectShapes(ShapeListContext shapes, const DialogContext& context, QWidget* parent)
    : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Shapes"));
    m_shapes = new ShapeListBox(ShapeListMode::StandAlone, shapes, context, kThumbnailSize, this);
    auto* exitButton = new QPushButton(QStringLiteral("E&xit"), this);
    exitButton->setObjectName(QStringLiteral("ExitButton"));
    exitButton->setAutoDefault(false);
    connect(exitButton, &QPushButton::clicked, this, &QDialog::accept);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(exitButton);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_shapes);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void TSelectShapes::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (!m_loaded) {
        m_loaded = true;
        m_shapes->load();
    }
}

void showShapesDialog(QWidget* parent, const DialogContext& context, ShapeListContext shapes)
{
    TSelectShapes dialog(shapes, context, parent);
    showDialog(dialog, context);
}

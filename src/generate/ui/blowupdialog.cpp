#include "generate/ui/blowupdialog.h"

#include "generate/candidatedrawing.h"
#include "generate/ui/candidatepicture.h"
#include "widgets/dialoghelper.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
constexpr int kPictureSide = 411;
}

TBlowItUp::TBlowItUp(const PuzzleRecord& candidate, const QString& caption, const DialogContext& context,
                     QWidget* parent)
    : QDialog(parent), m_candidate(std::make_unique<PuzzleRecord>(candidate))
{
    setObjectName(QStringLiteral("BlowItUp"));
    setWindowTitle(caption);
    m_picture = new CandidatePicture(context.scaled(kPictureSide), this);
    m_picture->setObjectName(QStringLiteral("PuzzImage1"));
    DrawAPuzzle(m_picture->image(), *m_candidate, palette().color(QPalette::Button));

    // Escape closes the dialog by itself (QDialog::reject), as "E&xit" does.
    auto* exit = new QPushButton(QStringLiteral("E&xit"), this);
    exit->setObjectName(QStringLiteral("Cancel"));
    connect(exit, &QPushButton::clicked, this, &QDialog::reject);

    auto* buttons = new QVBoxLayout;
    buttons->addStretch();
    buttons->addWidget(exit);
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(m_picture, 0, Qt::AlignTop);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

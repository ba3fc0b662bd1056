#include "render/ui/jpegfactordialog.h"

#include "base/messageservice.h"
#include "render/jpegfactor.h"
#include "storage/settings.h"
#include "widgets/dialoghelper.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

TTheJPegFactor::TTheJPegFactor(int quality, QWidget* parent) : QDialog(parent), m_quality(quality)
{
    setObjectName(QStringLiteral("TheJPegFactor"));
    setWindowTitle(QStringLiteral("JPEG Factor"));
    auto* layout = new QVBoxLayout(this);
    auto* heading = new QLabel(QStringLiteral("JPEG Compression/Quality Factor (Range: 1 - 100)"), this);
    layout->addWidget(heading);
    m_edit = new QLineEdit(QString::number(quality), this);
    m_edit->setObjectName(QStringLiteral("JPegNum"));
    m_edit->setMaximumWidth(80);
    layout->addWidget(m_edit);
    auto* explanation = new QLabel(
        QStringLiteral("When the Factor is high, the image will be sharper, but the file size will be larger.  "
                       "If the factor is lower, then the file size will be smaller, but the image will not be "
                       "as sharp."),
        this);
    explanation->setWordWrap(true);
    explanation->setMinimumWidth(320);
    layout->addWidget(explanation);
    QPushButton* ok = nullptr;
    QHBoxLayout* buttons = okCancelRow(this, &ok);
    layout->addLayout(buttons);
    connect(ok, &QPushButton::clicked, this, &TTheJPegFactor::OkClick);
}

void TTheJPegFactor::OkClick()
{
    const auto value = parseJpegFactor(m_edit->text());
    if (!value) {
        showError(kInvalidJpegFactor);
        m_edit->setFocus();
        return;
    }
    m_quality = *value;
    accept();
}

void showJpegFactorDialog(QWidget* parent, const DialogContext& context)
{
    int& quality = context.settings.reports.jpegQuality;
    TTheJPegFactor dialog(quality, parent);
    if (showDialog(dialog, context) == QDialog::Accepted)
        quality = dialog.quality();
}

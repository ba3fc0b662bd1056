#include "render/ui/metafiledialog.h"

#include "base/messageservice.h"
#include "render/metafilepage.h"

#include <QCoreApplication>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

TDoMeta::TDoMeta(MetafileFormat format, const QString& path, const PrintCopy& copy, const PrintOptions& options,
                 QWidget* parent)
    : QDialog(parent)
    , m_format(format)
    , m_path(path)
    , m_copy(copy)
    , m_options(options)
{
    setObjectName(QStringLiteral("DoMeta"));
    setWindowTitle(Caption);
    auto* layout = new QVBoxLayout(this);
    m_label = new QLabel(this);
    m_label->setObjectName(QStringLiteral("StatusLabel"));
    m_label->setAlignment(Qt::AlignCenter);
    m_label->setMinimumSize(260, 60);
    layout->addWidget(m_label);
    m_ok = new QPushButton(QStringLiteral("&Ok"), this);
    m_ok->setObjectName(QStringLiteral("okButton"));
    layout->addWidget(m_ok, 0, Qt::AlignHCenter);
    connect(m_ok, &QPushButton::clicked, this, &QDialog::accept);
}

void TDoMeta::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (!m_started) {
        m_started = true;
        m_label->setText(Working);
        m_ok->hide();
        m_ok->setEnabled(false);
        QTimer::singleShot(0, this, &TDoMeta::FormActivate);
    }
}

void TDoMeta::FormActivate()
{
    m_label->setText(Working);
    m_ok->hide();
    m_ok->setEnabled(false);
    QCoreApplication::processEvents(); // let the label show before the work
    m_written = runReportingIoErrors([this] { writeMetafileFile(m_path, m_format, m_copy, m_options); });
    // A failed export has been reported; the label does not claim otherwise.
    m_label->setText(m_written ? Done : NotDone);
    m_ok->show();
    m_ok->setEnabled(true);
    m_ok->setFocus();
}

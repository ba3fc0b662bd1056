#include "render/ui/reportform.h"

#include "base/messageservice.h"
#include "render/pagerenderer.h"
#include "render/pagerun.h"
#include "report/reportfiler.h"
#include "report/ui/reportprinter.h"

#include <QCoreApplication>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

namespace {

const QString kCancel = QStringLiteral("Cancel");
const QString kOk = QStringLiteral("OK");

} // namespace

TReportForm::TReportForm(QWidget* parent)
    : QDialog(parent)
    , m_filer(std::make_unique<TReportFiler>())
{
    setObjectName(QStringLiteral("ReportForm"));
    setWindowTitle(QStringLiteral("Report Status Screen"));
    auto* layout = new QVBoxLayout(this);
    m_label = new QLabel(this);
    m_label->setObjectName(QStringLiteral("StatusLabel"));
    m_label->setAlignment(Qt::AlignCenter);
    m_label->setMinimumSize(260, 70);
    layout->addWidget(m_label);
    m_button = new QPushButton(kCancel, this);
    m_button->setObjectName(QStringLiteral("Button"));
    layout->addWidget(m_button, 0, Qt::AlignHCenter);
    connect(m_button, &QPushButton::clicked, this, &TReportForm::ButtonClick);
}

TReportForm::~TReportForm() = default;

TReportPrinter& TReportForm::MyReportPrinter()
{
    if (!m_printer)
        m_printer = std::make_unique<TReportPrinter>();
    return *m_printer;
}

TReportFiler& TReportForm::MyReportFiler()
{
    return *m_filer;
}

void TReportForm::prepare(int destination, PageRenderer& renderer, QIODevice* stream)
{
    if (destination == ToPrinter) {
        m_report = &MyReportPrinter();
    } else {
        m_filer->setStream(stream);
        m_report = m_filer.get();
    }
    m_renderer = &renderer;
    renderer.attachTo(*m_report);
}

void TReportForm::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    // The user's label font may not be bold; the status always is.
    QFont font = m_label->font();
    font.setBold(true);
    m_label->setFont(font);
    if (!m_started) {
        m_started = true;
        QTimer::singleShot(0, this, &TReportForm::FormActivate);
    }
}

void TReportForm::FormActivate()
{
    if (!m_report || !m_renderer || m_running)
        return;
    m_running = true;
    m_button->setText(kCancel);
    m_report->setStatusLabel([this](const QString& text) { m_label->setText(text); });
    m_report->setIdleHandler([] { QCoreApplication::processEvents(); });
    auto finished = [this](bool cancelled) {
        m_running = false;
        m_aborted = cancelled;
        m_button->setText(kOk);
    };
    try {
        runPage(*m_report, m_renderer->run(), finished);
    } catch (const IoError& error) {
        reportIoError(error);
    } catch (const std::exception& error) {
        showError(QString::fromLocal8Bit(error.what()));
    }
    m_report->setIdleHandler({});
    m_report->setStatusLabel({});
}

void TReportForm::ButtonClick()
{
    if (m_running)
        m_report->AbortReport();
    else
        accept();
}

void TReportForm::reject()
{
    if (m_running)
        m_report->AbortReport();
    else
        QDialog::reject();
}

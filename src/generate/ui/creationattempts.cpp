#include "generate/ui/creationattempts.h"

#include <QApplication>
#include <QPainter>
#include <QPushButton>
#include <QTimer>

namespace {

const QString kAbort = QStringLiteral("&Abort");
const QString kOk = QStringLiteral("&Ok");

} // namespace

TCreationAttempts::TCreationAttempts(GenerationContext& context, const DialogContext& dialogContext, QWidget* parent)
    : QDialog(parent), m_context(context), m_dialogContext(dialogContext)
{
    setObjectName(QStringLiteral("CreationAttempts"));
    setWindowTitle(QStringLiteral("Building Puzzles"));
    resize(323, 106);
    QFont font(QStringLiteral("Arial"));
    font.setPointSize(10);
    setFont(font);
    m_button = new QPushButton(kAbort, this);
    m_button->setObjectName(QStringLiteral("Cancel"));
    m_button->setGeometry((323 - 80) / 2, 74, 80, 21);
    connect(m_button, &QPushButton::clicked, this, &TCreationAttempts::CancelClick);
}

bool TCreationAttempts::isBuilding() const { return m_button->text() == kAbort; }

void TCreationAttempts::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (!m_started) {
        m_started = true;
        // The run starts once the form is on screen and painted.
        QTimer::singleShot(0, this, &TCreationAttempts::FormActivate);
    }
}

void TCreationAttempts::FormActivate()
{
    m_abort = false;
    m_result = GeneratePuzzles(m_context, *this);
    m_button->setText(kOk);
}

void TCreationAttempts::CancelClick()
{
    if (isBuilding())
        m_abort = true;
    else
        accept();
}

void TCreationAttempts::reject()
{
    // Escape or the window's close button act like the button: abort first.
    CancelClick();
}

void TCreationAttempts::attemptStarted(int attempt)
{
    m_lines[0] = creationAttemptLine(attempt);
    repaint();
}

void TCreationAttempts::processEvents() { QApplication::processEvents(); }

void TCreationAttempts::progressLine(int line, const QString& text)
{
    if (line >= 1 && line <= 2)
        m_lines[line - 1] = text;
    repaint();
}

void TCreationAttempts::completed() { QApplication::beep(); }

void TCreationAttempts::paintEvent(QPaintEvent* event)
{
    QDialog::paintEvent(event);
    QPainter painter(this);
    painter.setFont(font());
    painter.setPen(Qt::black);
    painter.setBackground(palette().button());
    painter.setBackgroundMode(Qt::OpaqueMode);
    const int x1 = m_lines[0].contains(QLatin1String("Aborted")) ? 25 : 75;
    const QFontMetrics metrics(font());
    painter.drawText(m_dialogContext.scaled(x1), m_dialogContext.scaled(20) + metrics.ascent(), m_lines[0]);
    painter.drawText(m_dialogContext.scaled(115), m_dialogContext.scaled(45) + metrics.ascent(), m_lines[1]);
}

// Prints through the program's own printing path onto a real CUPS queue. Run
// by run_cups_test.sh, which starts a private cupsd whose default queue writes
// every job as a PDF into QM_CUPS_OUT.

#include "render/ui/myreport.h"
#include "render/ui/previewwindow.h"
#include "report/ui/programprinter.h"
#include "support/pdftext.h"
#include "support/puzzlebuilder.h"
#include "support/offscreen.h"
#include "support/testpage.h"
#include "support/ui/modaldriver.h"
#include "support/ui/uifixture.h"

#include <QAction>
#include <QApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QLineEdit>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QTest>

namespace {

QString outFolder() { return qEnvironmentVariable("QM_CUPS_OUT"); }

QStringList arrivedPdfs()
{
    return QDir(outFolder()).entryList({QStringLiteral("*.pdf")}, QDir::Files, QDir::Time | QDir::Reversed);
}

bool queueEmpty()
{
    QProcess lpstat;
    lpstat.start(QStringLiteral("lpstat"), {QStringLiteral("-o")});
    return lpstat.waitForFinished(10000) && lpstat.exitCode() == 0 && lpstat.readAllStandardOutput().trimmed().isEmpty();
}

// Waits until the queue has finished every job and at least `count` files
// are there; returns the files (all of them, oldest first).
QStringList waitForPdfs(int count)
{
    const QDeadlineTimer deadline(90'000);
    while (!deadline.hasExpired()) {
        if (arrivedPdfs().size() >= count && queueEmpty()) {
            QTest::qWait(500); // let a late file land before counting
            return arrivedPdfs();
        }
        QTest::qWait(250);
    }
    return arrivedPdfs();
}

void clearOutFolder()
{
    for (const QString& name : arrivedPdfs())
        QFile::remove(QDir(outFolder()).filePath(name));
}

} // namespace

class CupsPrintTest : public QObject {
    Q_OBJECT

    UiFixture m_ui;

private slots:
    void initTestCase()
    {
        QVERIFY2(!outFolder().isEmpty(), "QM_CUPS_OUT is not set: run this through run_cups_test.sh");
        // The program's printer is the system's default queue.
        QCOMPARE(programPrinter().printerName(), qEnvironmentVariable("QM_CUPS_QUEUE"));
        QCOMPARE(programPrinter().outputFormat(), QPrinter::NativeFormat);
    }
    void init() { clearOutFolder(); }

    void previewPrintsThePageOnTheQueue()
    {
        TMyPreview preview(m_ui.context());
        preview.setStream(recordTestPage(QStringLiteral("Cups Farm Title")));
        preview.show();
        preview.action(QStringLiteral("PrintPage"))->trigger();
        const QStringList files = waitForPdfs(1);
        QCOMPARE(files.size(), 1);
        QCOMPARE(pdfText(QDir(outFolder()).filePath(files.first())), QStringLiteral("Cups Farm Title"));
        QVERIFY(m_ui.messages.shown.isEmpty());
    }

    // The whole road of a print: options, the rendered page, its preview
    // and Print Page.
    void puzzlePrintedFromThePrintOptionsArrives()
    {
        PuzzleBuilder puzzle(10, 10, "Printed Farm");
        puzzle.place("COW", 1, 1, Right, "Says moo").place("HORSE", 3, 2, Down, "Pulls a cart").fill();
        TMyReport form(puzzle.record(), m_ui.context());
        ModalDriver script({
            {"ReportForm", [](QWidget* status) { status->findChild<QPushButton*>("Button")->click(); },
             [](QWidget* status) { return status->findChild<QPushButton*>("Button")->text() == "OK"; }},
            {"MyPreview",
             [](QWidget* window) {
                 auto* preview = static_cast<TMyPreview*>(window);
                 preview->action("PrintPage")->trigger();
                 preview->action("Exit")->trigger();
             }},
        });
        form.show();
        form.DoIt(2);
        QVERIFY2(script.finished(), qPrintable("stopped waiting for " + script.waitingFor()));
        const QStringList files = waitForPdfs(1);
        QCOMPARE(files.size(), 1);
        const QString text = pdfText(QDir(outFolder()).filePath(files.first()));
        QVERIFY2(text.startsWith(QStringLiteral("Printed Farm")), qPrintable(text));
        QVERIFY2(text.contains(QStringLiteral("COW")), qPrintable(text));
    }

    void multipleCopiesGoAsOneJob()
    {
        TMyPreview preview(m_ui.context());
        preview.setStream(recordTestPage(QStringLiteral("Three Copies")));
        preview.show();
        QVERIFY(preview.MyFilePrinter().largestCopyCount() > 3);
        ModalDriver copies({{"NumCopies", [](QWidget* dialog) {
                                 dialog->findChild<QLineEdit*>(QStringLiteral("Copies"))->setText(QStringLiteral("3"));
                                 dialog->findChild<QPushButton*>(QStringLiteral("OkButton"))->click();
                             }}});
        preview.action(QStringLiteral("PrintMultiple"))->trigger();
        QVERIFY(copies.finished());
        const QStringList files = waitForPdfs(1);
        // cups-pdf writes one file per job.
        QCOMPARE(files.size(), 1);
        QVERIFY(pdfText(QDir(outFolder()).filePath(files.first())).contains(QStringLiteral("Three Copies")));
    }
};

int main(int argc, char** argv)
{
    chooseOffscreenPlatform();
    QApplication app(argc, argv);
    CupsPrintTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "cups_print_test.moc"

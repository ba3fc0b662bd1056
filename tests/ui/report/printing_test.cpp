#include "ui/uitestmain.h"

#include "base/messageservice.h"
#include "report/reportfiler.h"
#include "report/ui/fileprinter.h"
#include "report/ui/reportprinter.h"

#include <QFile>
#include <QPrinter>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

namespace {

int pdfPageCount(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return -1;
    const QString text = QString::fromLatin1(file.readAll());
    return static_cast<int>(text.count(QRegularExpression(QStringLiteral("/Type\\s*/Page[^s]"))));
}

void drawPage(TBaseReport& report)
{
    report.SetFontSize(14);
    report.PrintXY(1, 1, QStringLiteral("Word Search"));
    report.MoveTo(1, 1.2);
    report.LineTo(4, 1.2);
}

} // namespace

class ReportPrintingTest : public QObject {
    Q_OBJECT

private slots:
    void printerReportWritesOneJob()
    {
        QTemporaryDir dir;
        QPrinter printer;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(dir.filePath(QStringLiteral("direct.pdf")));
        TReportPrinter report(&printer);
        report.SetPaperSize(9);
        report.setEvents({{}, drawPage, {}, {}});
        report.ExecuteReport();
        QCOMPARE(pdfPageCount(printer.outputFileName()), 1);
        QCOMPARE(printer.docName(), QStringLiteral("Test Report"));
    }

    void printerThatCannotStartIsAnError()
    {
        QPrinter printer;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(QStringLiteral("/nonexistent-folder/out.pdf"));
        TReportPrinter report(&printer);
        report.setEvents({{}, drawPage, {}, {}});
        bool failed = false;
        try {
            report.ExecuteReport();
        } catch (const IoError&) {
            failed = true;
        }
        QVERIFY(failed);
        QVERIFY(!report.running());
    }

    void filePrinterSendsPagesAndCopies()
    {
        TReportFiler filer;
        filer.setEvents({{}, drawPage, {}, {}});
        filer.ExecuteReport();

        QTemporaryDir dir;
        QPrinter printer;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(dir.filePath(QStringLiteral("replay.pdf")));
        TFilePrinter filePrinter(&printer);
        filePrinter.setStream(filer.recordedData());
        QVERIFY(filePrinter.printAll());
        QCOMPARE(pdfPageCount(printer.outputFileName()), 1);
        QVERIFY(!filePrinter.busy());

        // Copies the driver does not make are sent as repeated pages.
        QVERIFY(filePrinter.printPages(1, 1, 3));
        const int expected = filePrinter.largestCopyCount() >= 3 ? 1 : 3;
        QCOMPARE(pdfPageCount(printer.outputFileName()), expected);
        QCOMPARE(printer.copyCount(), 1);

        QVERIFY(!filePrinter.printPages(2, 5));
    }
};

QM_UI_TEST(ReportPrintingTest)

#include "printing_test.moc"

#include "ui/uitestmain.h"

#include "app/globals.h"
#include "render/previewrules.h"
#include "render/ui/previewwindow.h"
#include "support/pdftext.h"
#include "support/recordingmessages.h"
#include "support/tempdir.h"
#include "support/testpage.h"
#include "widgets/filechooser.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPrinter>
#include <QPushButton>
#include <QScrollArea>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include <memory>

namespace {

// Runs steps on the modal dialog that trigger opens; closes it if the steps
// leave it open.
bool onModal(const std::function<void()>& trigger, const std::function<void(QWidget*)>& steps)
{
    bool ran = false;
    QTimer::singleShot(0, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal) {
            steps(modal);
            ran = true;
        }
        if (modal && QApplication::activeModalWidget() == modal)
            modal->close();
    });
    trigger();
    return ran;
}

quint16 bitsPerPixel(const QByteArray& bmp)
{
    return bmp.size() < 30 ? 0 : quint16(quint8(bmp[28]) | quint8(bmp[29]) << 8);
}

} // namespace

class PreviewWindowTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<TestFolders> m_folders;
    std::unique_ptr<RecordingMessages> m_messages;
    std::unique_ptr<QPrinter> m_printer;
    QStringList m_requests;

    std::unique_ptr<TMyPreview> openPreview()
    {
        auto preview = std::make_unique<TMyPreview>(nullptr, m_printer.get());
        preview->setStream(recordTestPage(QStringLiteral("Farm Animals")), QStringLiteral("Farm"));
        preview->show();
        return preview;
    }

    // Answers every save dialog with the given file (empty: Cancel).
    void answerFilesWith(const QString& path)
    {
        setFileChooser([this, path](QWidget*, const FileDialogRequest& request) {
            m_requests << request.title + u'|' + request.defaultExtension + u'|' + request.filter + u'|'
                              + request.initialPath;
            return path;
        });
    }

private slots:
    void init()
    {
        m_folders = std::make_unique<TestFolders>();
        m_messages = std::make_unique<RecordingMessages>();
        m_printer = std::make_unique<QPrinter>();
        m_printer->setOutputFormat(QPrinter::PdfFormat);
        m_printer->setOutputFileName(m_folders->path(QStringLiteral("printed.pdf")));
        globals().settings = Settings();
        m_requests.clear();
    }
    void cleanup()
    {
        setFileChooser({});
        m_printer.reset();
        m_messages.reset();
        m_folders.reset();
    }

    void opensOnRememberedBoundsAndStoresThemOnClose()
    {
        ReportSettings& r = globals().settings.reports;
        r.viewerLeft = 30;
        r.viewerTop = 40;
        r.viewerWidth = 700;
        r.viewerHeight = 500;
        auto preview = openPreview();
        QCOMPARE(preview->windowTitle(), QStringLiteral("Puzzle Preview"));
        QCOMPARE(preview->size(), QSize(700, 500));
        QCOMPARE(preview->pos(), QPoint(30, 40));
        QCOMPARE(preview->ZoomEdit()->text(), QStringLiteral("100.0"));
        QCOMPARE(preview->MyFilePreview().currentPage(), 1);

        preview->move(60, 70);
        preview->resize(800, 560);
        preview->action(QStringLiteral("Exit"))->trigger();
        QVERIFY(!preview->isVisible());
        QCOMPARE((QList<int>{r.viewerLeft, r.viewerTop, r.viewerWidth, r.viewerHeight}),
                 (QList<int>{60, 70, 800, 560}));

        // A damaged size from the settings file still gives a usable window.
        r.viewerWidth = -5;
        r.viewerHeight = 1'000'000;
        auto again = openPreview();
        QVERIFY(again->width() >= 320 && again->height() <= 16000);
    }

    void zoomControlsClampAndShowOneDecimal()
    {
        auto preview = openPreview();
        QLineEdit* edit = preview->ZoomEdit();
        preview->setZoom(195);
        QTest::mouseClick(preview->speedButton(QStringLiteral("SBZoomIn")), Qt::LeftButton);
        QCOMPARE(edit->text(), QStringLiteral("200.0"));
        QTest::mouseClick(preview->speedButton(QStringLiteral("SBZoomIn")), Qt::LeftButton);
        QCOMPARE(preview->MyFilePreview().zoomFactor(), 200.0);
        preview->setZoom(15);
        QTest::mouseClick(preview->speedButton(QStringLiteral("SBZoomOut")), Qt::LeftButton);
        QCOMPARE(edit->text(), QStringLiteral("10.0"));

        // Typed factors apply on Enter, clamped; a word changes nothing.
        edit->setFocus();
        edit->selectAll();
        QTest::keyClicks(edit, QStringLiteral("5"));
        QTest::keyClick(edit, Qt::Key_Return);
        QCOMPARE(preview->MyFilePreview().zoomFactor(), 10.0);
        QCOMPARE(edit->text(), QStringLiteral("10.0"));
        preview->setZoom(80);
        edit->selectAll();
        QTest::keyClicks(edit, QStringLiteral("large"));
        QTest::keyClick(edit, Qt::Key_Return);
        QCOMPARE(preview->MyFilePreview().zoomFactor(), 80.0);
        QCOMPARE(edit->text(), QStringLiteral("80.0"));

        preview->action(QStringLiteral("ZoomOut33"))->trigger();
        QCOMPARE(edit->text(), QStringLiteral("33.3"));
        preview->action(QStringLiteral("Zoom200"))->trigger();
        QCOMPARE(preview->MyFilePreview().zoomFactor(), 200.0);
        // The page image shown follows the factor.
        const QLabel* page = preview->findChild<QLabel*>(QStringLiteral("PageImage"));
        QCOMPARE(page->pixmap().size(), QSize(1632, 2112));
    }

    void wholePageAndPageWidthFitTheScrollBox()
    {
        auto preview = openPreview();
        QScrollArea* box = preview->scrollBox();
        QTest::mouseClick(preview->speedButton(QStringLiteral("SBZoomPage")), Qt::LeftButton);
        const QSize client = box->maximumViewportSize();
        QWidget* holder = box->widget();
        QVERIFY(holder->width() <= client.width() && holder->height() <= client.height());
        QVERIFY(holder->width() >= client.width() - 10 || holder->height() >= client.height() - 10);

        preview->action(QStringLiteral("ZoomPageWidth"))->trigger();
        QVERIFY(holder->width() <= client.width());
        QVERIFY(holder->width() >= client.width() - 30);
    }

    void bitmapExportWritesThePageAsShownAndRemembersTheName()
    {
        auto preview = openPreview();
        const QString file = m_folders->path(QStringLiteral("page.BMP"));
        globals().settings.misc.lastExportBitmapFile = QStringLiteral("/old/last.BMP");
        answerFilesWith(QString());
        preview->speedButton(QStringLiteral("SpeedBitmap"))->click();
        QVERIFY(!QFile::exists(file));
        QCOMPARE(globals().settings.misc.lastExportBitmapFile, QStringLiteral("/old/last.BMP"));

        answerFilesWith(file);
        preview->setZoom(50);
        preview->action(QStringLiteral("ExportBitmap"))->trigger();
        QCOMPARE(m_requests.last(),
                 QStringLiteral("Save Puzzle As Bitmap|BMP|Bitmap (*.BMP)|*.BMP|/old/last.BMP"));
        QCOMPARE(globals().settings.misc.lastExportBitmapFile, file);
        const QImage image(file);
        QCOMPARE(image.size(), QSize(408, 528));
        QCOMPARE(bitsPerPixel(TestFolders::readFile(file)), quint16(24));
        QVERIFY(m_messages->shown.isEmpty());
    }

    void pixelFormatTwoExportsAn8BitBitmap()
    {
        globals().settings.reports.pixelFormat = 2;
        auto preview = openPreview();
        const QString file = m_folders->path(QStringLiteral("page256.BMP"));
        answerFilesWith(file);
        preview->action(QStringLiteral("ExportBitmap"))->trigger();
        QCOMPARE(bitsPerPixel(TestFolders::readFile(file)), quint16(8));
    }

    void jpegAndPdfExportsAtTheirSettings()
    {
        auto preview = openPreview();
        const QString jpeg = m_folders->path(QStringLiteral("page.JPG"));
        answerFilesWith(jpeg);
        preview->speedButton(QStringLiteral("SpeedJPEG"))->click();
        QCOMPARE(m_requests.last().section(u'|', 0, 3), QStringLiteral("Save Puzzle As JPeg|JPG|JPeg (*.JPG)|*.JPG"));
        QCOMPARE(globals().settings.misc.lastExportJpegFile, jpeg);
        QCOMPARE(QImage(jpeg).size(), QSize(816, 1056));

        const QString pdf = m_folders->path(QStringLiteral("page.PDF"));
        answerFilesWith(pdf);
        preview->action(QStringLiteral("ExportPdf"))->trigger();
        QCOMPARE(globals().settings.misc.lastExportPdfFile, pdf);
        QCOMPARE(pdfText(pdf), QStringLiteral("Farm Animals"));

        // A file that cannot be written is reported, not passed over.
        answerFilesWith(m_folders->path(QStringLiteral("missing/page.PDF")));
        preview->action(QStringLiteral("ExportPdf"))->trigger();
        QCOMPARE(m_messages->lastCaption(), QStringLiteral("Error"));
    }

    void printsThePageAndAsksForCopies()
    {
        auto preview = openPreview();
        preview->action(QStringLiteral("PrintPage"))->trigger();
        QCOMPARE(pdfText(m_printer->outputFileName()), QStringLiteral("Farm Animals"));
        QVERIFY(!preview->MyFilePrinter().busy());

        QFile::remove(m_printer->outputFileName());
        const bool ran = onModal([&] { preview->action(QStringLiteral("PrintMultiple"))->trigger(); },
                                 [&](QWidget* dialog) {
                                     QCOMPARE(dialog->windowTitle(), QStringLiteral("Multi-Copies"));
                                     auto* copies = dialog->findChild<QLineEdit*>(QStringLiteral("Copies"));
                                     auto* ok = dialog->findChild<QPushButton*>(QStringLiteral("OkButton"));
                                     QCOMPARE(copies->text(), QStringLiteral("1"));
                                     QCOMPARE(copies->maxLength(), 3);
                                     copies->setText(QStringLiteral("0"));
                                     ok->click();
                                     QVERIFY(dialog->isVisible());
                                     QCOMPARE(m_messages->lastText(), kInvalidCopies);
                                     copies->setText(QStringLiteral(" 2 "));
                                     ok->click();
                                 });
        QVERIFY(ran);
        QVERIFY(pdfText(m_printer->outputFileName()).startsWith(QStringLiteral("Farm Animals")));

        // Cancelling the copies dialog prints nothing.
        QFile::remove(m_printer->outputFileName());
        onModal([&] { preview->action(QStringLiteral("PrintMultiple"))->trigger(); },
                [](QWidget* dialog) { dialog->findChild<QPushButton*>(QStringLiteral("CancelButton"))->click(); });
        QVERIFY(!QFile::exists(m_printer->outputFileName()));

        // A printer that cannot start its job is reported.
        m_printer->setOutputFileName(m_folders->path(QStringLiteral("missing/printed.pdf")));
        m_messages->clear();
        preview->speedButton(QStringLiteral("SBPrint"))->click();
        QCOMPARE(m_messages->lastCaption(), QStringLiteral("Error"));
    }
};

QM_UI_TEST(PreviewWindowTest)

#include "preview_test.moc"

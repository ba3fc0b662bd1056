#include "ui/uitestmain.h"

#include "render/previewrules.h"
#include "render/ui/previewwindow.h"
#include "support/pdftext.h"
#include "support/testpage.h"
#include "support/ui/keyboard.h"
#include "support/ui/modaldriver.h"
#include "support/ui/uifixture.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QPrinter>
#include <QPushButton>
#include <QScrollArea>
#include <QTest>
#include <QToolButton>

#include <memory>

namespace {

quint16 bitsPerPixel(const QByteArray& bmp)
{
    return bmp.size() < 30 ? 0 : quint16(quint8(bmp[28]) | quint8(bmp[29]) << 8);
}

} // namespace

class PreviewWindowTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<UiFixture> m_ui;
    std::unique_ptr<QPrinter> m_printer;

    std::unique_ptr<TMyPreview> openPreview()
    {
        auto preview = std::make_unique<TMyPreview>(m_ui->context(), nullptr, m_printer.get());
        preview->setStream(recordTestPage(QStringLiteral("Farm Animals")), QStringLiteral("Farm"));
        preview->show();
        return preview;
    }

private slots:
    void init()
    {
        m_ui = std::make_unique<UiFixture>();
        m_printer = std::make_unique<QPrinter>();
        m_printer->setOutputFormat(QPrinter::PdfFormat);
        m_printer->setOutputFileName(m_ui->folders.path(QStringLiteral("printed.pdf")));
    }
    void cleanup()
    {
        m_printer.reset();
        m_ui.reset();
    }

    void opensOnRememberedBoundsAndStoresThemOnClose()
    {
        ReportSettings& r = m_ui->state.settings.reports;
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

    void menuKeysWorkAfterTypingAZoom()
    {
        auto preview = openPreview();
        QVERIFY(showActive(*preview));
        QTest::mouseClick(preview->ZoomEdit(), Qt::LeftButton);
        preview->ZoomEdit()->selectAll();
        typeText(QStringLiteral("150"));
        pressKey(Qt::Key_Return);
        QCOMPARE(preview->MyFilePreview().zoomFactor(), 150.0);
        // Ctrl+Z fits the page width instead of undoing the typing.
        pressKey(Qt::Key_Z, Qt::ControlModifier);
        QVERIFY(preview->MyFilePreview().zoomFactor() != 150.0);
        pressKey(Qt::Key_X, Qt::ControlModifier);
        QVERIFY(!preview->isVisible());
    }

    void wholePageAndPageWidthFitTheScrollBox()
    {
        auto preview = openPreview();
        QScrollArea* box = preview->ScrollBox();
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
        const QString file = m_ui->folders.path(QStringLiteral("page.BMP"));
        m_ui->state.settings.misc.lastExportBitmapFile = QStringLiteral("/old/last.BMP");
        m_ui->answerFilesWith(QString());
        preview->speedButton(QStringLiteral("SpeedBitmap"))->click();
        QVERIFY(!QFile::exists(file));
        QCOMPARE(m_ui->state.settings.misc.lastExportBitmapFile, QStringLiteral("/old/last.BMP"));

        m_ui->answerFilesWith(file);
        preview->setZoom(50);
        preview->action(QStringLiteral("ExportBitmap"))->trigger();
        QCOMPARE(m_ui->fileRequests.last(),
                 QStringLiteral("Save Puzzle As Bitmap|BMP|Bitmap (*.BMP)|*.BMP|/old/last.BMP"));
        QCOMPARE(m_ui->state.settings.misc.lastExportBitmapFile, file);
        const QImage image(file);
        QCOMPARE(image.size(), QSize(408, 528));
        QCOMPARE(bitsPerPixel(TestFolders::readFile(file)), quint16(24));
        QVERIFY(m_ui->messages.shown.isEmpty());
    }

    void pixelFormatTwoExportsAn8BitBitmap()
    {
        m_ui->state.settings.reports.pixelFormat = 2;
        auto preview = openPreview();
        const QString file = m_ui->folders.path(QStringLiteral("page256.BMP"));
        m_ui->answerFilesWith(file);
        preview->action(QStringLiteral("ExportBitmap"))->trigger();
        QCOMPARE(bitsPerPixel(TestFolders::readFile(file)), quint16(8));
    }

    void jpegAndPdfExportsAtTheirSettings()
    {
        auto preview = openPreview();
        const QString jpeg = m_ui->folders.path(QStringLiteral("page.JPG"));
        m_ui->answerFilesWith(jpeg);
        preview->speedButton(QStringLiteral("SpeedJPEG"))->click();
        QCOMPARE(m_ui->fileRequests.last().section(u'|', 0, 3), QStringLiteral("Save Puzzle As JPeg|JPG|JPeg (*.JPG)|*.JPG"));
        QCOMPARE(m_ui->state.settings.misc.lastExportJpegFile, jpeg);
        QCOMPARE(QImage(jpeg).size(), QSize(816, 1056));

        const QString pdf = m_ui->folders.path(QStringLiteral("page.PDF"));
        m_ui->answerFilesWith(pdf);
        preview->action(QStringLiteral("ExportPdf"))->trigger();
        QCOMPARE(m_ui->state.settings.misc.lastExportPdfFile, pdf);
        QCOMPARE(pdfText(pdf), QStringLiteral("Farm Animals"));

        // A file that cannot be written is reported, not passed over.
        m_ui->answerFilesWith(m_ui->folders.path(QStringLiteral("missing/page.PDF")));
        preview->action(QStringLiteral("ExportPdf"))->trigger();
        QCOMPARE(m_ui->messages.lastCaption(), QStringLiteral("Error"));
    }

    void printsThePageAndAsksForCopies()
    {
        auto preview = openPreview();
        preview->action(QStringLiteral("PrintPage"))->trigger();
        QCOMPARE(pdfText(m_printer->outputFileName()), QStringLiteral("Farm Animals"));
        QVERIFY(!preview->MyFilePrinter().busy());

        QFile::remove(m_printer->outputFileName());
        ModalDriver copies2({{"NumCopies", [&](QWidget* dialog) {
                                  QCOMPARE(dialog->windowTitle(), QStringLiteral("Multi-Copies"));
                                  auto* copies = dialog->findChild<QLineEdit*>(QStringLiteral("Copies"));
                                  auto* ok = dialog->findChild<QPushButton*>(QStringLiteral("OkButton"));
                                  QCOMPARE(copies->text(), QStringLiteral("1"));
                                  QCOMPARE(copies->maxLength(), 3);
                                  copies->setText(QStringLiteral("0"));
                                  ok->click();
                                  QVERIFY(dialog->isVisible());
                                  QCOMPARE(m_ui->messages.lastText(), kInvalidCopies);
                                  copies->setText(QStringLiteral(" 2 "));
                                  ok->click();
                              }}});
        preview->action(QStringLiteral("PrintMultiple"))->trigger();
        QVERIFY(copies2.finished());
        QVERIFY(pdfText(m_printer->outputFileName()).startsWith(QStringLiteral("Farm Animals")));

        // Cancelling the copies dialog prints nothing.
        QFile::remove(m_printer->outputFileName());
        ModalDriver cancel({{"NumCopies", [](QWidget* dialog) {
                                 dialog->findChild<QPushButton*>(QStringLiteral("CancelButton"))->click();
                             }}});
        preview->action(QStringLiteral("PrintMultiple"))->trigger();
        QVERIFY(!QFile::exists(m_printer->outputFileName()));

        // A printer that cannot start its job is reported.
        m_printer->setOutputFileName(m_ui->folders.path(QStringLiteral("missing/printed.pdf")));
        m_ui->messages.clear();
        preview->speedButton(QStringLiteral("SBPrint"))->click();
        QCOMPARE(m_ui->messages.lastCaption(), QStringLiteral("Error"));
    }
};

QM_UI_TEST(PreviewWindowTest)

#include "preview_test.moc"

#include "ui/uitestmain.h"

#include "app/mainwindow.h"
#include "render/metafilepage.h"
#include "render/pagerenderer.h"
#include "render/pagerun.h"
#include "render/printrun.h"
#include "render/ui/metafiledialog.h"
#include "render/ui/previewwindow.h"
#include "report/reportfiler.h"
#include "support/faultinjection.h"
#include "support/metafilereader.h"
#include "support/pdftext.h"
#include "support/puzzlebuilder.h"
#include "support/ui/modaldriver.h"
#include "support/ui/uifixture.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

#include <memory>

// The preview's metafile and web page exports and the main window's
// booklet, driven as a user drives them.
class ExportsTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<UiFixture> m_ui;
    std::unique_ptr<PrintCopy> m_copy;

    // A rendered page with a title and a grid, and a bitmap object when asked.
    std::unique_ptr<TMyPreview> openPreview(bool withBitmap)
    {
        LayoutBuilder layout;
        layout.add(ObjectKind::Title, 48, 48, 432, 96);
        layout.add(ObjectKind::Puzzle, 48, 120, 240, 312);
        if (withBitmap)
            layout.add(ObjectKind::Bitmap, 300, 300, 340, 340);
        PuzzleBuilder puzzle(5, 5, "Farm Animals");
        puzzle.place("COW", 1, 1, Right).fill();
        puzzle.layout(layout.layout());
        m_copy = std::make_unique<PrintCopy>(puzzle.record());
        TReportFiler filer;
        PageRenderer renderer(*m_copy, PrintOptions());
        renderer.attachTo(filer);
        runPage(filer, m_copy->run);
        auto preview = std::make_unique<TMyPreview>(m_ui->context());
        preview->setStream(filer.recordedData(), QStringLiteral("Farm"));
        preview->setPrintCopy(m_copy.get(), PrintOptions());
        preview->show();
        return preview;
    }

    // Waits for "Metafile Creation" to finish and closes it with Enter on Ok.
    static ModalDriver::Step closeWhenCreated(QString* label)
    {
        const auto okButton = [](QWidget* window) { return window->findChild<QPushButton*>(QStringLiteral("okButton")); };
        return {QStringLiteral("DoMeta"),
                [label, okButton](QWidget* window) {
                    *label = window->findChild<QLabel*>(QStringLiteral("StatusLabel"))->text();
                    QTest::keyClick(okButton(window), Qt::Key_Space);
                },
                [okButton](QWidget* window) { return okButton(window)->isVisible(); }};
    }

private slots:
    void init() { m_ui = std::make_unique<UiFixture>(); }
    void cleanup() { m_ui.reset(); }

    void metafileExportWarnsOfBitmapsWritesTheFileAndRemembersItsName()
    {
        auto preview = openPreview(true);
        const QString wmf = m_ui->folders.path(QStringLiteral("page.WMF"));
        m_ui->state.settings.misc.lastExportWmfFile = QStringLiteral("/old/last.WMF");
        m_ui->answerFilesWith(wmf);
        QString label;
        ModalDriver script({closeWhenCreated(&label)});
        preview->speedButton(QStringLiteral("SpeedMeta"))->click();
        QVERIFY(script.finished());
        QCOMPARE(m_ui->fileRequests.last(), QStringLiteral("Save Puzzle As MetaFile|WMF|Metafile (*.WMF)|*.WMF|/old/last.WMF"));
        QCOMPARE(m_ui->state.settings.misc.lastExportWmfFile, wmf);
        QCOMPARE(m_ui->messages.shown.size(), 1);
        QCOMPARE(m_ui->messages.lastCaption(), QStringLiteral("Warning"));
        QCOMPARE(m_ui->messages.lastText(), QStringLiteral("Bitmaps in this puzzle will not be saved in the metafile."));
        QCOMPARE(label, QStringLiteral("Metafile Created"));
        const MetafileReading reading = readWmf(TestFolders::readFile(wmf));
        QVERIFY2(reading.ok, qPrintable(reading.error));
        QVERIFY(reading.records.filter(QStringLiteral("Farm Animals")).size() == 1);

        // The enhanced metafile by its shortcut, for a page without bitmaps:
        // no warning.
        m_ui->messages.clear();
        preview = openPreview(false);
        const QString emf = m_ui->folders.path(QStringLiteral("page.EMF"));
        m_ui->answerFilesWith(emf);
        ModalDriver again({closeWhenCreated(&label)});
        preview->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(preview.get()));
        QTest::keyClick(preview.get(), Qt::Key_E, Qt::ControlModifier);
        QVERIFY(again.finished());
        QCOMPARE(m_ui->fileRequests.last().section(u'|', 0, 0), QStringLiteral("Save Puzzle As Enhanced MetaFile"));
        QVERIFY(m_ui->messages.shown.isEmpty());
        QVERIFY(readEmf(TestFolders::readFile(emf)).ok);

        // A file that cannot be written is reported, and the window says so.
        m_ui->answerFilesWith(m_ui->folders.path(QStringLiteral("missing/page.EMF")));
        ModalDriver failing({closeWhenCreated(&label)});
        preview->action(QStringLiteral("ExportEmf"))->trigger();
        QCOMPARE(m_ui->messages.lastCaption(), QStringLiteral("Error"));
        QCOMPARE(label, QStringLiteral("Metafile Not Created"));
    }

    void pictureExportOnADiskThatFillsUpIsReportedAndKeepsTheOlderFile()
    {
        auto preview = openPreview(false);
        const QString bitmap = m_ui->folders.path(QStringLiteral("page.BMP"));
        TestFolders::writeFile(bitmap, "an older picture");
        m_ui->answerFilesWith(bitmap);
        {
            FileSizeLimit diskFull(4000);
            preview->speedButton(QStringLiteral("SpeedBitmap"))->click();
        }
        QCOMPARE(m_ui->messages.lastCaption(), QStringLiteral("Error"));
        QVERIFY(m_ui->messages.lastText().contains(bitmap));
        QCOMPARE(TestFolders::readFile(bitmap), QByteArray("an older picture"));
        QCOMPARE(QDir(m_ui->folders.path(QString())).entryList(QDir::Files), QStringList{"page.BMP"});
    }

    void metafileExportsNeedTheRunsPrintCopy()
    {
        TMyPreview preview(m_ui->context());
        QVERIFY(!preview.action(QStringLiteral("ExportWmf"))->isEnabled());
        QVERIFY(!preview.speedButton(QStringLiteral("SpeedMeta"))->isEnabled());
        QVERIFY(preview.action(QStringLiteral("HtmlExport"))->isEnabled());
    }

    void webPageTakesTheTypedBlocksAndWritesPageAndPictureSideBySide()
    {
        auto preview = openPreview(false);
        const QString page = m_ui->folders.path(QStringLiteral("PAGE.htm"));
        m_ui->answerFilesWith(page);
        HtmlSettings& html = m_ui->state.settings.html;
        ModalDriver script({{QStringLiteral("MyHtml"), [](QWidget* window) {
                                 auto* memo = window->findChild<QPlainTextEdit*>(QStringLiteral("Head1"));
                                 memo->setFocus();
                                 memo->selectAll();
                                 QTest::keyClicks(memo, QStringLiteral("Fish & <Chips>"));
                                 QTest::keyClick(memo, Qt::Key_Return);
                                 QTest::keyClicks(memo, QStringLiteral("Line two"));
                                 auto* size = window->findChild<QComboBox*>(QStringLiteral("Head1Font"));
                                 size->setFocus();
                                 QTest::keyClick(size, Qt::Key_End); // "36 pt"
                                 auto* rule = window->findChild<QCheckBox*>(QStringLiteral("HorzUpper"));
                                 QTest::keyClick(rule, Qt::Key_Space);
                                 auto* title = window->findChild<QLineEdit*>(QStringLiteral("WebTitle"));
                                 title->setFocus();
                                 title->selectAll();
                                 QTest::keyClicks(title, QStringLiteral("  Week 3  "));
                                 QTest::keyClick(window->findChild<QPushButton*>(QStringLiteral("SaveButton")),
                                                 Qt::Key_Space);
                             }}});
        preview->speedButton(QStringLiteral("SpeedHTML"))->click();
        QVERIFY(script.finished());
        QCOMPARE(m_ui->fileRequests.last(), QStringLiteral("Save HTML Document|htm|html (*.htm)|*.htm|"));
        QCOMPARE(m_ui->state.settings.misc.lastExportHtmlFile, page);
        QCOMPARE(html.firstHeader.text, QStringLiteral("Fish & <Chips>\r\nLine two"));
        QCOMPARE(html.firstHeader.fontSize, 7);
        QVERIFY(html.horizontalUpper);
        QCOMPARE(html.webTitle, QStringLiteral("Week 3"));
        const QByteArray written = TestFolders::readFile(page);
        QVERIFY(written.contains("  <TITLE>Week 3</TITLE>\r\n"));
        QVERIFY(written.contains("  <CENTER><B><FONT SIZE=7>Fish & <Chips>\r\nLine two</FONT></B></CENTER><P>\r\n"
                                 "  <HR><P>\r\n  <CENTER><IMG SRC=\"PAGE.JPG\""));
        QCOMPARE(QImage(m_ui->folders.path(QStringLiteral("PAGE.JPG"))).size(), preview->MyFilePreview().pageImage().size());
        QVERIFY(m_ui->messages.shown.isEmpty());
    }

    void webPageCancelKeepsTheBoxesAndAFolderThatIsMissingKeepsTheWindowOpen()
    {
        auto preview = openPreview(false);
        HtmlSettings& html = m_ui->state.settings.html;
        m_ui->answerFilesWith(m_ui->folders.path(QStringLiteral("missing/PAGE.htm")));
        bool stayedOpen = false;
        ModalDriver script({{QStringLiteral("MyHtml"), [&](QWidget* window) {
                                 QTest::keyClick(window->findChild<QCheckBox*>(QStringLiteral("Head2Bold")),
                                                 Qt::Key_Space);
                                 QTest::keyClick(window->findChild<QPushButton*>(QStringLiteral("SaveButton")),
                                                 Qt::Key_Space);
                                 stayedOpen = window->isVisible();
                                 QTest::keyClick(window->findChild<QPushButton*>(QStringLiteral("CancelButton")),
                                                 Qt::Key_Space);
                             }}});
        preview->action(QStringLiteral("HtmlExport"))->trigger();
        QVERIFY(script.finished());
        QVERIFY(stayedOpen);
        QCOMPARE(m_ui->messages.lastText(), QStringLiteral("Unable to create html file."));
        QCOMPARE(m_ui->messages.lastCaption(), QStringLiteral("Error"));
        QVERIFY(html.secondHeader.bold);
        QVERIFY(!QFile::exists(m_ui->folders.path(QStringLiteral("missing/PAGE.JPG"))));
    }

    void bookletOfTheSelectedCategoryFromTheMainWindow()
    {
        TestFolders::writeFile(m_ui->folders.startDir() + "/QMAZE3.INI", "[Misc]\r\nShow Tips=No\r\n");
        const QString sample = m_ui->folders.startDir() + "/SAMPLE.QZ3";
        QVERIFY(QFile::copy(QStringLiteral(QM_DATA_DIR "/SAMPLE.QZ3"), sample));
        const QString pdf = m_ui->folders.path(QStringLiteral("booklet.pdf"));
        m_ui->answerFilesWith(pdf);
        TMainWin::setAssumedScreenSize(QSize(1280, 1024));
        TMainWin window;
        window.show();
        const auto holidays = window.categoryBox()->findItems(QStringLiteral("Holidays"), Qt::MatchExactly);
        QCOMPARE(holidays.size(), 1);
        window.categoryBox()->setCurrentItem(holidays.first());

        int selected = 0;
        ModalDriver script({{QStringLiteral("PrintBooklet"), [&](QWidget* dialog) {
                                 selected = int(dialog->findChild<QListWidget*>(QStringLiteral("PuzzleBox"))
                                                    ->selectedItems()
                                                    .size());
                                 QTest::keyClick(dialog->findChild<QPushButton*>(QStringLiteral("PdfButton")),
                                                 Qt::Key_Space);
                             }}});
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QTest::keyClick(&window, Qt::Key_B, Qt::ControlModifier);
        QVERIFY(script.finished());
        QCOMPARE(selected, 3);
        QCOMPARE(m_ui->fileRequests.last().section(u'|', 0, 0), QStringLiteral("Save Booklet As PDF"));
        const QString text = pdfText(pdf);
        const qsizetype halloween = text.indexOf(QStringLiteral("Answer Key: Halloween Night"));
        const qsizetype thanksgiving = text.indexOf(QStringLiteral("Answer Key: Thanksgiving Feast"));
        const qsizetype winter = text.indexOf(QStringLiteral("Answer Key: Winter Holidays"));
        QVERIFY2(halloween > 0 && halloween < thanksgiving && thanksgiving < winter, qPrintable(text.left(300)));
        QCOMPARE(window.state().settings.misc.lastExportPdfFile, pdf);
    }
};

QM_UI_TEST(ExportsTest)

#include "exports_test.moc"

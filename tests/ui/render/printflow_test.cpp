#include "ui/uitestmain.h"

#include "app/mainwindow.h"
#include "render/ui/previewwindow.h"
#include "support/pdftext.h"
#include "support/ui/modaldriver.h"
#include "support/ui/uifixture.h"

#include <QAbstractButton>
#include <QAction>
#include <QFile>
#include <QImage>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

namespace {

// Pixels that are clearly not white: text, grid and outlines.
int inkPixels(const QImage& image)
{
    int ink = 0;
    for (int y = 0; y < image.height(); y += 2)
        for (int x = 0; x < image.width(); x += 2)
            ink += qGray(image.pixel(x, y)) < 128;
    return ink;
}

} // namespace

class PrintFlowTest : public QObject {
    Q_OBJECT

private slots:
    // A user selects a puzzle, prints it with clues and the answer key,
    // views the page whole and saves it as a bitmap, a JPEG and a PDF.
    void printAPuzzleFromTheMainWindowAndExportIt()
    {
        UiFixture ui;
        TestFolders& folders = ui.folders;
        RecordingMessages& messages = ui.messages;
        TestFolders::writeFile(folders.startDir() + "/QMAZE3.INI", "[Misc]\r\nShow Tips=No\r\n");
        // The sample collection shipped with the program.
        const QString sample = folders.startDir() + "/SAMPLE.QZ3";
        QVERIFY(QFile::copy(QStringLiteral(QM_DATA_DIR "/SAMPLE.QZ3"), sample));
        const QByteArray storedBefore = TestFolders::readFile(sample);

        const QString bmp = folders.path("farm.bmp"), jpg = folders.path("farm.jpg"), pdf = folders.path("farm.pdf");
        setFileChooser([&](QWidget*, const FileDialogRequest& request) {
            if (request.title == "Save Puzzle As Bitmap")
                return bmp;
            if (request.title == "Save Puzzle As JPeg")
                return jpg;
            return request.title == "Save Puzzle As PDF" ? pdf : QString();
        });

        TMainWin::setAssumedScreenSize(QSize(1280, 1024));
        TMainWin window;
        window.show();
        const auto titles = window.puzzleBox()->findItems("Farm Animals", Qt::MatchExactly);
        QCOMPARE(titles.size(), 1);
        window.puzzleBox()->setCurrentItem(titles.first());

        QSize shownSize;
        ModalDriver script({
            {"MyReport",
             [](QWidget* form) {
                 form->findChild<QAbstractButton*>("Clues")->click();
                 auto* key = form->findChild<QAbstractButton*>("AnswerKey");
                 if (!key->isChecked())
                     key->click();
                 form->findChild<QPushButton*>("ViewButton")->click();
             }},
            {"ReportForm", [](QWidget* status) { status->findChild<QPushButton*>("Button")->click(); },
             [](QWidget* status) { return status->findChild<QPushButton*>("Button")->text() == "OK"; }},
            {"MyPreview",
             [&shownSize](QWidget* window) {
                 auto* preview = static_cast<TMyPreview*>(window);
                 preview->action("ZoomWholePage")->trigger();
                 shownSize = preview->MyFilePreview().pageImage().size();
                 preview->speedButton("SpeedBitmap")->click();
                 preview->speedButton("SpeedJPEG")->click();
                 preview->speedButton("SpeedPDF")->click();
                 preview->action("Exit")->trigger();
             }},
            {"MyReport", [](QWidget* form) { form->findChild<QPushButton*>("ExitButton")->click(); }},
        });
        window.PrintPuzzleClick();
        QTRY_VERIFY_WITH_TIMEOUT(script.finished() || script.timedOut(), 60000);
        QVERIFY2(script.finished(), qPrintable("stopped waiting for " + script.waitingFor()));
        for (const auto& message : messages.shown)
            qInfo() << message.caption << message.text;
        QVERIFY(messages.shown.isEmpty());

        // The options chosen are the program's from now on.
        QCOMPARE(window.state().settings.reports.wordOption, 2);
        QVERIFY(window.state().settings.reports.answerKey);

        // The page as shown, whole, in both pictures.
        QVERIFY(shownSize.height() < 1056);
        const QImage bitmap(bmp);
        QCOMPARE(bitmap.size(), shownSize);
        QVERIFY(inkPixels(bitmap) > 150);
        const QImage jpeg(jpg);
        QCOMPARE(jpeg.size(), shownSize);
        QVERIFY(inkPixels(jpeg) > 150);

        // The PDF holds the title and, through the answer key, the words in
        // front of their clues.
        const QString text = pdfText(pdf);
        QVERIFY2(text.contains("Farm Animals"), qPrintable(text));
        QVERIFY2(text.contains("(COW)") && text.contains("(HORSE)"), qPrintable(text));

        // Printing never writes the collection.
        QCOMPARE(TestFolders::readFile(sample), storedBefore);
    }
};

QM_UI_TEST(PrintFlowTest)

#include "printflow_test.moc"

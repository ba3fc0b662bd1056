#include "ui/uitestmain.h"

#include "support/puzzlebuilder.h"
#include "support/recordingmessages.h"

#include "render/pagerenderer.h"
#include "render/pagerun.h"
#include "render/printrun.h"
#include "render/ui/reportform.h"
#include "report/reportstream.h"

#include <QBuffer>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <memory>

namespace {

// A puzzle whose only object is a text block that does not fit.
std::unique_ptr<PrintCopy> overflowingPage()
{
    LayoutBuilder layout;
    LayoutObject& text = layout.add(ObjectKind::Text, 48, 48, 60, 52);
    text.MakeFit = 0;
    text.setText("far too much text for so small a box");
    PuzzleBuilder puzzle(5, 5);
    puzzle.layout(layout.layout());
    return std::make_unique<PrintCopy>(puzzle.record());
}

} // namespace

class ReportFormTest : public QObject {
    Q_OBJECT

private slots:
    void previewRunRecordsThePageAndThenOffersOk()
    {
        RecordingMessages messages;
        auto copy = overflowingPage();
        PageRenderer renderer(*copy, {});
        QBuffer stream;
        stream.open(QIODevice::ReadWrite);
        TReportForm form;
        QCOMPARE(form.windowTitle(), QStringLiteral("Report Status Screen"));
        form.prepare(TReportForm::ToPreview, renderer, &stream);
        form.show();
        QTRY_VERIFY(!form.running() && form.Button()->text() == QStringLiteral("OK"));
        QVERIFY(!form.aborted());
        QCOMPARE(form.StatusLabel()->text(), QStringLiteral("\nPuzzle Generated!"));
        QVERIFY(form.StatusLabel()->font().bold());
        QCOMPARE(ReportStream(stream.data()).pageCount(), 1);
        QCOMPARE(messages.shown.size(), 1);
        QCOMPARE(messages.lastText(), kTextDidNotFit);

        form.Button()->click();
        QVERIFY(!form.isVisible());
        QCOMPARE(form.result(), int(QDialog::Accepted));
    }

    void cancelStopsTheRunWithoutWarnings()
    {
        RecordingMessages messages;
        auto copy = overflowingPage();
        PageRenderer renderer(*copy, {});
        QBuffer stream;
        stream.open(QIODevice::ReadWrite);
        TReportForm form;
        form.prepare(TReportForm::ToPreview, renderer, &stream);
        form.show();
        // Queued behind the start of the run: the click arrives while the
        // run lets the window handle its events.
        QTimer::singleShot(0, form.Button(), &QPushButton::click);
        QTRY_VERIFY(!form.running() && form.Button()->text() == QStringLiteral("OK"));
        QVERIFY(form.aborted());
        QCOMPARE(form.StatusLabel()->text(), QStringLiteral("\nPuzzle Generation Canceled!"));
        QVERIFY(messages.shown.isEmpty());
        QVERIFY(form.isVisible()); // the click cancelled; it did not close
    }

    void aFailedRecordingIsReportedAfterTheWindowFinished()
    {
        RecordingMessages messages;
        auto copy = overflowingPage();
        PageRenderer renderer(*copy, {});
        QBuffer readOnly;
        readOnly.open(QIODevice::ReadOnly);
        TReportForm form;
        form.prepare(TReportForm::ToPreview, renderer, &readOnly);
        form.show();
        QTRY_VERIFY(!form.running() && form.Button()->text() == QStringLiteral("OK"));
        QCOMPARE(messages.shown.size(), 2);
        QCOMPARE(messages.shown[0].text, kTextDidNotFit);
        QCOMPARE(messages.shown[1].caption, QStringLiteral("Error"));
    }
};

QM_UI_TEST(ReportFormTest)
#include "reportform_test.moc"

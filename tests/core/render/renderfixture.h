#pragma once

#include "core/report/loggingcanvas.h"
#include "support/guiapplication.h"
#include "support/puzzlebuilder.h"
#include "support/recordingmessages.h"

#include "render/pagerenderer.h"
#include "render/pagerun.h"
#include "render/printoptions.h"
#include "render/printrun.h"
#include "report/reportfiler.h"
#include "report/reportstream.h"

#include <QRegularExpression>

#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <ostream>

inline void PrintTo(const QString& text, std::ostream* os)
{
    *os << '"' << text.toStdString() << '"';
}

// Renders pages the way the status window does (a report filer recording
// the page, with the overflow warnings afterwards) and reads the recorded
// stream back as one line per drawing call (see LoggingCanvas).
class RenderTest : public ::testing::Test {
protected:
    void SetUp() override { ensureGuiApplication(); }

    // Renders copy with options; returns the calls of the recorded page.
    QStringList render(PrintCopy& copy, const PrintOptions& options = {})
    {
        TReportFiler filer;
        PageRenderer renderer(copy, options);
        renderer.attachTo(filer);
        runPage(filer, copy.run);
        const ReportStream stream(filer.recordedData());
        LoggingCanvas canvas;
        stream.replayAll(canvas);
        return canvas.calls;
    }

    // A copy of the builder's puzzle printed through layout.
    static std::unique_ptr<PrintCopy> copyOf(PuzzleBuilder& puzzle, const PageLayoutRecord& layout)
    {
        puzzle.layout(layout);
        return std::make_unique<PrintCopy>(puzzle.record());
    }

    // The calls of one kind ("text", "line", "arc"...), without the kind.
    static QStringList only(const QStringList& calls, const QString& kind)
    {
        QStringList result;
        for (const QString& call : calls)
            if (call.startsWith(kind + u' '))
                result << call.mid(kind.size() + 1);
        return result;
    }

    // The texts printed, in order.
    static QStringList texts(const QStringList& calls)
    {
        QStringList result;
        for (const QString& call : only(calls, QStringLiteral("text")))
            result << call.section(u' ', 1);
        return result;
    }

    // Whether text was printed at (x, y), to 1/10000 inch.
    static ::testing::AssertionResult printedAt(const QStringList& calls, const QString& text, double x, double y)
    {
        for (const QString& call : only(calls, QStringLiteral("text"))) {
            if (call.section(u' ', 1) != text)
                continue;
            const QStringList at = call.section(u' ', 0, 0).split(u',');
            if (std::abs(at[0].toDouble() - x) <= 1.5e-4 && std::abs(at[1].toDouble() - y) <= 1.5e-4)
                return ::testing::AssertionSuccess();
            return ::testing::AssertionFailure() << text.toStdString() << " at " << call.toStdString()
                                                 << ", expected " << xy(x, y).toStdString();
        }
        return ::testing::AssertionFailure() << text.toStdString() << " not printed";
    }

    static QString xy(double x, double y) { return LoggingCanvas::num(x) + u',' + LoggingCanvas::num(y); }

    // A report that measures like the renderer: Arial at the given size.
    static double measureWidth(const QString& text, int points)
    {
        TReportFiler r;
        r.SetFontSize(points);
        return r.TextWidth(text);
    }
    static double lineHeight(int points)
    {
        TReportFiler r;
        r.SetFontSize(points);
        return r.TextHeight(QStringLiteral("ABCWjkl"));
    }

    RecordingMessages messages;
};

#include "core/report/loggingcanvas.h"
#include "support/guiapplication.h"

#include "base/messageservice.h"
#include "report/canvasfont.h"
#include "report/canvasreport.h"
#include "report/paintercanvas.h"
#include "report/reportfiler.h"
#include "report/reportstream.h"

#include <QBuffer>
#include <QFontInfo>
#include <QPainter>

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <stdexcept>

namespace {

constexpr double px = 1.0 / 600; // one reference pixel in inches

// A report drawing onto a logging canvas, run with the given page handler.
struct LoggedReport {
    LoggingCanvas canvas;
    TCanvasReport report{canvas};

    QStringList run(std::function<void(TBaseReport&)> page)
    {
        report.setEvents({{}, std::move(page), {}, {}});
        report.ExecuteReport();
        return canvas.calls;
    }
};

// Columns of image that hold any pixel darker than white.
std::pair<int, int> inkColumns(const QImage& image)
{
    int first = -1;
    int last = -1;
    for (int x = 0; x < image.width(); ++x)
        for (int y = 0; y < image.height(); ++y)
            if (qGray(image.pixel(x, y)) < 160) {
                if (first < 0)
                    first = x;
                last = x;
                break;
            }
    return {first, last};
}

} // namespace

class ReportEngineTest : public ::testing::Test {
protected:
    void SetUp() override { ensureGuiApplication(); }
};

TEST_F(ReportEngineTest, PaperCodesAndCustomSizes)
{
    struct Case {
        int code;
        double width, height;  // requested (custom only)
        double inchesW, inchesH; // expected
    };
    const Case cases[] = {
        {1, 0, 0, 8.5, 11},           {5, 0, 0, 8.5, 14},         {7, 0, 0, 1842 / 254.0, 2667 / 254.0},
        {9, 0, 0, 2100 / 254.0, 2970 / 254.0}, {11, 0, 0, 1480 / 254.0, 2100 / 254.0},
        {13, 0, 0, 1820 / 254.0, 2570 / 254.0}, {0, 6.3, 9.1, 1600 / 254.0, 2311 / 254.0},
        {42, 0, 0, 8.5, 11}, // a code the program does not know: Letter
        {0, 0, -3, 10 / 254.0, 10 / 254.0}, {0, 1e9, std::nan(""), 10000 / 254.0, 10 / 254.0},
    };
    for (const Case& c : cases) {
        LoggedReport r;
        r.report.SetPaperSize(c.code, c.width, c.height);
        EXPECT_NEAR(r.report.PageWidthInches(), c.inchesW, 1e-9) << c.code << ' ' << c.width;
        EXPECT_NEAR(r.report.PageHeightInches(), c.inchesH, 1e-9) << c.code << ' ' << c.width;
        r.report.SetOrientation(ReportOrientation::Landscape);
        EXPECT_NEAR(r.report.PageWidthInches(), c.inchesH, 1e-9);
        EXPECT_NEAR(r.report.PageHeightInches(), c.inchesW, 1e-9);
    }
}

TEST_F(ReportEngineTest, InchesToDevicePixelsAndBack)
{
    EXPECT_EQ(TBaseReport::XToDevice(1.0), 600);
    EXPECT_EQ(TBaseReport::XToDevice(0.5), 300);
    EXPECT_EQ(TBaseReport::XToDevice(-0.25), -150);
    EXPECT_EQ(TBaseReport::XToDevice(1.0 / 1200 + 1e-9), 1);
    EXPECT_EQ(TBaseReport::XToDevice(1.0 / 1200 - 1e-9), 0);
    EXPECT_EQ(TBaseReport::XToDevice(std::numeric_limits<double>::quiet_NaN()), 0);
    EXPECT_EQ(TBaseReport::XToDevice(1e20), 100000000);
    EXPECT_EQ(TBaseReport::XToDevice(-1e20), -100000000);
    for (int pixels : {-601, -1, 0, 1, 599, 5100, 6600})
        EXPECT_EQ(TBaseReport::XToDevice(TBaseReport::XFromDevice(pixels)), pixels);
    // A border step: a box edge moved one pixel outward and back to inches.
    const double edge = 1.2345;
    EXPECT_NEAR(TBaseReport::XFromDevice(TBaseReport::XToDevice(edge) - 1), 740.0 / 600, 1e-12);
}

TEST_F(ReportEngineTest, FontCellHeightIsTheRoundedPointSizeInDevicePixels)
{
    LoggedReport r;
    r.report.SetFontName(QStringLiteral("Arial"));
    for (const auto& [points, cell] : {std::pair{10.0, 83}, {12.0, 100}, {7.0, 58}, {1.0, 8}, {72.0, 600}, {9.5, 79}}) {
        r.report.SetFontSize(points);
        r.report.UpdateFontMetrics();
        EXPECT_NEAR(r.report.TextHeight(QStringLiteral("ABCWjkl")), cell * px, 1e-12) << points;
        EXPECT_NEAR(r.report.FontAscent() + r.report.FontDescent(), cell * px, 1e-12) << points;
        EXPECT_GT(r.report.FontAscent(), 2 * r.report.FontDescent()) << points;
    }
    // Absurd sizes are clamped, never zero or endless.
    for (double points : {0.0, -4.0, std::nan(""), 1e9}) {
        r.report.SetFontSize(points);
        const double height = r.report.TextHeight(QStringLiteral("x"));
        EXPECT_GE(height, px);
        EXPECT_LE(height, 1000.0 / 72 + px);
    }
}

TEST_F(ReportEngineTest, ArialIsLiberationSansWithArialWidths)
{
    CanvasFont arial;
    arial.family = QStringLiteral("Arial");
    EXPECT_EQ(QFontInfo(layoutFont(arial, 96)).family(), QStringLiteral("Liberation Sans"));

    LoggedReport r;
    r.report.SetFontSize(10);
    // Arial's digits are 1139/2048 em wide and its cell is 2288/2048 em, so
    // ten digits in a cell of 83 pixels take about 413 pixels (advances are
    // whole pixels of the reference device, as on a printer); a font with
    // other metrics, such as DejaVu Sans at 453, is far off.
    EXPECT_NEAR(r.report.TextWidth(QStringLiteral("0123456789")), 413 * px, 4 * px);
    EXPECT_NEAR(r.report.TextWidth(QString()), px, 1e-12);

    const double regular = r.report.TextWidth(QStringLiteral("Word Search"));
    r.report.SetFontBold(true);
    EXPECT_GT(r.report.TextWidth(QStringLiteral("Word Search")), regular);
    r.report.SetFontBold(false);
    r.report.SetFontColor(0x0000FF);
    EXPECT_EQ(r.report.TextWidth(QStringLiteral("Word Search")), regular);
    r.report.SetFontSize(20);
    EXPECT_NEAR(r.report.TextWidth(QStringLiteral("Word Search")), 2 * regular, 0.02 * regular);
}

TEST_F(ReportEngineTest, PrintedTextIsAsLongAsMeasuredOnEveryDevice)
{
    const QString text = QStringLiteral("WWWWWWWWWWWWWWWWWWWW");
    double measured = 0;
    std::pair<int, int> ink[2];
    const int dpis[2] = {100, 400};
    for (int i = 0; i < 2; ++i) {
        QImage image(int(6.5 * dpis[i]), dpis[i], QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        PainterCanvas canvas(&painter, dpis[i], dpis[i]);
        TCanvasReport report(canvas);
        report.setEvents({{}, [&](TBaseReport& rep) {
                              rep.SetFontSize(14);
                              measured = rep.TextWidth(text);
                              rep.PrintXY(0.25, 0.7, text);
                          }, {}, {}});
        report.ExecuteReport();
        painter.end();
        ink[i] = inkColumns(image);
        ASSERT_GE(ink[i].first, 0);
    }
    // "W" has almost no side bearing, so the ink spans the advance.
    for (int i = 0; i < 2; ++i) {
        const double inkWidth = double(ink[i].second - ink[i].first + 1) / dpis[i];
        EXPECT_NEAR(inkWidth, measured, 0.02 * measured + 2.0 / dpis[i]) << dpis[i];
        EXPECT_NEAR(double(ink[i].first) / dpis[i], 0.25, 2.0 / dpis[i]);
    }
}

TEST_F(ReportEngineTest, EventsRunInOrderAndAfterPrintFollowsAnAbort)
{
    LoggingCanvas canvas;
    TCanvasReport report(canvas);
    QStringList order;
    auto note = [&](const char* name) { return [&order, name](TBaseReport&) { order << QLatin1String(name); }; };
    report.setEvents({note("before"), note("page"), note("footer"), note("after")});
    report.ExecuteReport();
    EXPECT_EQ(order, QStringList({"before", "page", "footer", "after"}));
    EXPECT_FALSE(report.aborted());
    EXPECT_EQ(canvas.calls, QStringList({"beginPage 1 2159x2794", "endPage"}));

    order.clear();
    canvas.calls.clear();
    report.setEvents({[&](TBaseReport& r) { order << "before"; r.AbortReport(); }, note("page"), note("footer"),
                      note("after")});
    report.ExecuteReport();
    EXPECT_EQ(order, QStringList({"before", "after"}));
    EXPECT_TRUE(report.aborted());
    EXPECT_TRUE(canvas.calls.isEmpty());
}

TEST_F(ReportEngineTest, DrawingStopsAtAbortAndAFailingHandlerEndsTheRun)
{
    LoggedReport r;
    bool footer = false;
    r.report.setEvents({{}, [](TBaseReport& rep) {
                            rep.MoveTo(0, 0);
                            rep.LineTo(1, 1);
                            rep.AbortReport();
                            rep.LineTo(2, 2);
                            rep.PrintXY(1, 1, QStringLiteral("late"));
                        },
                        [&](TBaseReport&) { footer = true; }, {}});
    r.report.ExecuteReport();
    EXPECT_FALSE(footer);
    EXPECT_EQ(r.canvas.calls.filter(QStringLiteral("line")).size(), 1);
    EXPECT_TRUE(r.canvas.calls.filter(QStringLiteral("text")).isEmpty());
    EXPECT_EQ(r.canvas.calls.last(), QStringLiteral("endPage"));

    r.report.setEvents({{}, [](TBaseReport&) { throw std::runtime_error("bad"); }, {}, {}});
    EXPECT_THROW(r.report.ExecuteReport(), std::runtime_error);
    EXPECT_FALSE(r.report.running());
    EXPECT_FALSE(r.canvas.inPage());
    // A later run starts afresh.
    r.canvas.calls.clear();
    r.run([](TBaseReport& rep) { rep.LineTo(1, 0); });
    EXPECT_FALSE(r.report.aborted());
    EXPECT_EQ(r.canvas.calls.filter(QStringLiteral("line")).size(), 1);
}

TEST_F(ReportEngineTest, StatusTextFillsTheTemplate)
{
    const QStringList lines{QStringLiteral("first"), QStringLiteral("second")};
    const struct {
        const char* format;
        const char* shown;
    } cases[] = {
        {"Printing Page %p\r%0\r%1", "Printing Page 3\nfirst\nsecond"},
        {"\rPuzzle Generated!", "\nPuzzle Generated!"},
        {"%1/%0 %2 100%% %q %", "second/first  100% %q %"},
        {"a\r\nb", "a\nb"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(TBaseReport::formatStatus(QString::fromLatin1(c.format), 3, lines), QString::fromLatin1(c.shown));

    TReportFiler filer;
    QString label;
    filer.setStatusLabel([&](const QString& text) { label = text; });
    filer.StatusText() << QString() << QStringLiteral("x");
    filer.setEvents({[](TBaseReport& r) { r.UpdateStatus(); }, {}, {}, {}});
    filer.ExecuteReport();
    EXPECT_EQ(label, QStringLiteral("Printing page 1"));
    filer.SetStatusFormat(QStringLiteral("%0|%1"));
    filer.UpdateStatus();
    EXPECT_EQ(label, QStringLiteral("|x"));
}

TEST_F(ReportEngineTest, ArcRunsCounterClockwiseBetweenTheRays)
{
    const struct {
        double x1, y1, x2, y2, x3, y3, x4, y4;
        const char* arc;
    } cases[] = {
        {0, 0, 2, 2, 2, 1, 1, 0, "0.0000 90.0000"},      // right to top
        {0, 0, 2, 2, 1, 0, 2, 1, "90.0000 270.0000"},    // top round to right
        {0, 0, 2, 2, 0, 1, 0, 1, "180.0000 360.0000"},   // equal rays: the whole ellipse
        {0, 0, 4, 2, 4, 0, 2, 2, "45.0000 225.0000"},    // corner ray of a wide box meets at 45 degrees
        {2, 2, 0, 0, 1, 2, 2, 1, "-90.0000 90.0000"},    // box given the other way round
    };
    for (const auto& c : cases) {
        LoggedReport r;
        r.run([&](TBaseReport& rep) { rep.Arc(c.x1, c.y1, c.x2, c.y2, c.x3, c.y3, c.x4, c.y4); });
        const QStringList arcs = r.canvas.calls.filter(QStringLiteral("arc "));
        ASSERT_EQ(arcs.size(), 1);
        EXPECT_TRUE(arcs[0].endsWith(QLatin1String(c.arc))) << arcs[0].toStdString();
    }
}

TEST_F(ReportEngineTest, CanvasStateFollowsOnlyWhatIsDrawn)
{
    LoggedReport r;
    const QStringList calls = r.run([](TBaseReport& rep) {
        for (int size = 30; size > 5; --size) {
            rep.SetFontSize(size); // measuring only
            rep.TextWidth(QStringLiteral("fit"));
        }
        rep.SetFontColor(0x0000FF);
        rep.SetTextBKMode(1);
        rep.PrintXY(1, 2, QStringLiteral("a"));
        rep.PrintText(QStringLiteral("b"));
        rep.setBrushColor(0xFF0000);
        rep.setPenColor(0x00FF00);
        rep.FillRect(1, 1, 2, 2);
        rep.Ellipse(3, 1, 2, 2);
    });
    EXPECT_EQ(calls.filter(QStringLiteral("font ")).size(), 1);
    EXPECT_TRUE(calls.filter(QStringLiteral("font ")).first().endsWith(QStringLiteral("#ffff0000")));
    EXPECT_EQ(calls.filter(QStringLiteral("textBackground")), QStringList({"textBackground #ffffffff"}));
    const QStringList texts = calls.filter(QStringLiteral("text "));
    ASSERT_EQ(texts.size(), 2);
    EXPECT_EQ(texts[0], QStringLiteral("text 1.0000,2.0000 a"));
    LoggedReport measure;
    measure.report.SetFontSize(6);
    EXPECT_EQ(texts[1], QStringLiteral("text %1,2.0000 b").arg(LoggingCanvas::num(1 + measure.report.TextWidth("a"))));
    EXPECT_TRUE(calls.contains(QStringLiteral("brush #ff0000ff solid")));
    EXPECT_TRUE(calls.contains(QStringLiteral("pen #ff00ff00 0.0000 1")));
    EXPECT_TRUE(calls.contains(QStringLiteral("fillRect 1.0000,1.0000 1.0000,1.0000")));
    EXPECT_TRUE(calls.contains(QStringLiteral("ellipse 2.0000,1.0000 1.0000,1.0000")));
}

TEST_F(ReportEngineTest, FilerWritesTheRecordedPageIntoTheStream)
{
    QBuffer buffer;
    buffer.open(QIODevice::ReadWrite);
    TReportFiler filer(&buffer);
    filer.SetPaperSize(9);
    filer.SetOrientation(ReportOrientation::Landscape);
    filer.setEvents({{}, [](TBaseReport& r) { r.PrintXY(1, 1, QStringLiteral("Hello")); }, {}, {}});
    filer.ExecuteReport();
    const ReportStream stream(buffer.data());
    ASSERT_EQ(stream.pageCount(), 1);
    EXPECT_EQ(stream.pageSetup(1).paperCode, 9);
    EXPECT_TRUE(stream.pageSetup(1).landscape);
    LoggingCanvas log;
    stream.replayAll(log);
    EXPECT_TRUE(log.calls.contains(QStringLiteral("text 1.0000,1.0000 Hello")));

    QBuffer readOnly;
    readOnly.open(QIODevice::ReadOnly);
    filer.setStream(&readOnly);
    EXPECT_THROW(filer.ExecuteReport(), IoError);
    EXPECT_FALSE(filer.running());
}

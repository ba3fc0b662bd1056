#include "core/report/limitscanvas.h"
#include "core/report/loggingcanvas.h"
#include "support/guiapplication.h"

#include "report/paintercanvas.h"
#include "report/recordingcanvas.h"
#include "report/reportformat.h"
#include "report/reportstream.h"

#include <QPainter>

#include <gtest/gtest.h>

#include <limits>

namespace {

QImage samplePicture()
{
    QImage image(4, 3, QImage::Format_RGB32);
    image.fill(QColor(10, 200, 30));
    image.setPixel(1, 1, qRgb(250, 0, 0));
    return image;
}

// Two pages using every call of the canvas.
void drawSampleReport(Canvas& c)
{
    const QImage picture = samplePicture();
    c.beginPage(PageSetup::fromPaperCode(9));
    c.setPen(CanvasPen{QColor(255, 0, 0), 0, Qt::SolidLine});
    c.drawLine({0.5, 0.5}, {8, 0.5});
    c.setBrush(CanvasBrush{QColor(0, 0, 255), true});
    c.drawRect({1, 1, 2, 1});
    c.fillRect({1, 2.5, 2, 0.5});
    c.setPen(CanvasPen{QColor(0, 128, 0), 0.02, Qt::DashLine});
    c.drawEllipse({4, 1, 2, 1});
    c.drawArc({4, 3, 2, 2}, 30, 120);
    c.drawPolygon(QPolygonF({QPointF(1, 6), QPointF(2, 6.5), QPointF(1.5, 7)}));
    c.drawPolyline(QPolygonF({QPointF(3, 6), QPointF(4, 6.5), QPointF(5, 6)}));
    CanvasFont font;
    font.family = QStringLiteral("Arial");
    font.emSize = 0.15;
    font.bold = true;
    font.underline = true;
    font.color = Qt::darkGreen;
    c.setFont(font);
    c.setTextBackground(Qt::yellow);
    c.drawText({1, 8}, QStringLiteral("H\u00e9llo w\u00f6rld \u2713"));
    c.setTextBackground(Qt::transparent);
    c.drawText({1, 8.5}, QString());
    c.setClip({0, 0, 4, 4});
    c.drawImage({3, 3, 1, 1}, picture);
    c.drawImage({5, 5, 0.5, 0.5}, picture);
    c.resetClip();
    c.endPage();
    PageSetup second = PageSetup::fromPaperCode(0, 5, 7);
    second.landscape = true;
    c.beginPage(second);
    c.drawText({1, 1}, QStringLiteral("page two"));
    c.endPage();
}

QByteArray sampleStream()
{
    RecordingCanvas recorder;
    drawSampleReport(recorder);
    return recorder.recordedData();
}

QStringList replayed(const QByteArray& data, bool* damaged = nullptr)
{
    LoggingCanvas log;
    const ReportStream stream(data);
    stream.replayAll(log);
    if (damaged)
        *damaged = stream.isDamaged();
    return log.calls;
}

QStringList withoutPageEnds(QStringList calls)
{
    calls.removeAll(QStringLiteral("endPage"));
    return calls;
}

// Paints every page of data into a small image, as the preview would.
void paintAll(const QByteArray& data)
{
    QImage image(90, 120, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    PainterCanvas canvas(&painter, 10, 10);
    ReportStream(data).replayAll(canvas);
}

// A stream made of a header and the given records.
struct StreamBuilder {
    QByteArray data = QByteArray(reportformat::Magic, 4) + QByteArray("\x01\x00\x00\x00", 4);
    void record(std::uint8_t op, const QByteArray& payload)
    {
        reportformat::Writer w(data);
        w.u8(op);
        w.varint(static_cast<std::uint32_t>(payload.size()));
        data.append(payload);
    }
    void page()
    {
        QByteArray p;
        reportformat::Writer w(p);
        w.u8(1);
        w.u16(2159);
        w.u16(2794);
        w.u8(0);
        record(reportformat::BeginPage, p);
    }
    void line(double x1, double y1, double x2, double y2)
    {
        QByteArray p;
        reportformat::Writer w(p);
        for (double v : {x1, y1, x2, y2})
            w.f32(v);
        record(reportformat::Line, p);
    }
};

} // namespace

class ReportStreamTest : public ::testing::Test {
protected:
    void SetUp() override { ensureGuiApplication(); }
};

TEST_F(ReportStreamTest, ReplayGivesTheRecordedCallsAndRecordsTheSameBytes)
{
    LoggingCanvas direct;
    drawSampleReport(direct);
    const QByteArray data = sampleStream();

    const ReportStream stream(data);
    ASSERT_TRUE(stream.isValid());
    EXPECT_FALSE(stream.isDamaged()) << stream.errorString().toStdString();
    EXPECT_EQ(stream.pageCount(), 2);
    EXPECT_EQ(stream.pageSetup(1), PageSetup::fromPaperCode(9));
    EXPECT_TRUE(stream.pageSetup(2).landscape);
    EXPECT_EQ(replayed(data), direct.calls);

    RecordingCanvas second;
    stream.replayAll(second);
    EXPECT_EQ(second.recordedData(), data);
}

TEST_F(ReportStreamTest, PagesReplayOnTheirOwnWithFreshState)
{
    const ReportStream stream(sampleStream());
    LoggingCanvas log;
    ASSERT_TRUE(stream.replayPage(2, log));
    EXPECT_EQ(log.calls, QStringList({QStringLiteral("beginPage 0 1270x1778 landscape"),
                                      QStringLiteral("text 1.0000,1.0000 page two"), QStringLiteral("endPage")}));
    EXPECT_FALSE(stream.replayPage(0, log));
    EXPECT_FALSE(stream.replayPage(3, log));
    EXPECT_EQ(log.calls.size(), 3);
}

TEST_F(ReportStreamTest, AnImageDrawnTwiceIsStoredOnce)
{
    const QByteArray data = sampleStream();
    EXPECT_EQ(data.count(QByteArray("\x89PNG")), 1);
    const QStringList calls = replayed(data);
    const QStringList images = calls.filter(QStringLiteral("image "));
    ASSERT_EQ(images.size(), 2);
    EXPECT_TRUE(images[0].endsWith(QStringLiteral("4x3 ff0ac81e")));
    EXPECT_TRUE(images[1].endsWith(QStringLiteral("4x3 ff0ac81e")));
}

TEST_F(ReportStreamTest, APictureWithDamagedBytesIsLeftOut)
{
    QByteArray data = sampleStream();
    const qsizetype png = data.indexOf(QByteArray("\x89PNG"));
    ASSERT_GT(png, 0);
    data[png + 20] = static_cast<char>(data[png + 20] ^ 0x40);
    QStringList expected = replayed(sampleStream());
    expected.removeIf([](const QString& call) { return call.startsWith(QStringLiteral("image ")); });
    EXPECT_EQ(replayed(data), expected);
}

TEST_F(ReportStreamTest, EveryTruncationReplaysAPrefixOfTheCalls)
{
    const QByteArray data = sampleStream();
    const QStringList full = withoutPageEnds(replayed(data));
    for (qsizetype n = 0; n < data.size(); ++n) {
        bool damaged = false;
        const QByteArray cut = data.left(n);
        const QStringList calls = withoutPageEnds(replayed(cut, &damaged));
        ASSERT_LE(calls.size(), full.size()) << n;
        ASSERT_EQ(calls, full.mid(0, calls.size())) << "cut at " << n;
        if (n % 11 == 0)
            paintAll(cut);
    }
    EXPECT_FALSE(ReportStream(data.left(5)).isValid());
    EXPECT_TRUE(ReportStream(data.left(data.size() - 1)).isDamaged());
}

TEST_F(ReportStreamTest, DamagedBytesReplayOnlyValuesWithinTheLimits)
{
    const QByteArray data = sampleStream();
    std::uint32_t state = 12345;
    for (int round = 0; round < 600; ++round) {
        QByteArray damaged = data;
        for (int flips = 0; flips < 1 + round % 5; ++flips) {
            state = state * 1664525u + 1013904223u;
            const qsizetype at = reportformat::HeaderSize + (state >> 8) % (damaged.size() - reportformat::HeaderSize);
            damaged[at] = static_cast<char>(state >> 24);
        }
        const ReportStream stream(damaged);
        ASSERT_TRUE(stream.isValid()) << "round " << round; // the header is whole
        LimitsCanvas canvas;
        stream.replayAll(canvas);
        ASSERT_EQ(canvas.violations, 0) << "round " << round;
        // Every page a damaged byte can start holds at least its own mark.
        EXPECT_LE(stream.pageCount(), damaged.size() / 2);
        if (round % 3 == 0)
            paintAll(damaged);
    }
}

TEST_F(ReportStreamTest, RejectsForeignAndNewerStreams)
{
    EXPECT_FALSE(ReportStream(QByteArray("GIF89a whatever")).isValid());
    EXPECT_FALSE(ReportStream(QByteArray()).isValid());
    StreamBuilder newer;
    newer.data[4] = 2;
    newer.page();
    const ReportStream stream(newer.data);
    EXPECT_FALSE(stream.isValid());
    EXPECT_EQ(stream.pageCount(), 0);
    EXPECT_TRUE(stream.errorString().contains(QStringLiteral("version 2")));
}

TEST_F(ReportStreamTest, AbsurdRecordsAreDroppedOrClamped)
{
    constexpr double nan = std::numeric_limits<double>::quiet_NaN();
    StreamBuilder b;
    b.page();
    b.line(nan, 0, 1, 1);            // dropped
    b.line(1e30, -1e30, 2, 2);       // clamped
    b.record(200, QByteArray("future record"));
    QByteArray hugeCount;
    reportformat::Writer(hugeCount).varint(1'000'000'000);
    b.record(reportformat::Polygon, hugeCount);
    QByteArray font;
    reportformat::Writer fw(font);
    fw.u32(0xFF000000);
    fw.f32(1e9);
    fw.u8(0);
    fw.string("Arial");
    b.record(reportformat::Font, font);
    QByteArray image;
    reportformat::Writer iw(image);
    iw.varint(7); // never defined
    for (int i = 0; i < 4; ++i)
        iw.f32(1);
    b.record(reportformat::Image, image);
    b.record(reportformat::Rect, QByteArray("\x01\x02")); // too short
    b.line(3, 3, 4, 4);
    b.data.append(char(reportformat::Line));
    b.data.append(QByteArray("\xFF\xFF\xFF\xFF\x0F")); // length far past the end

    const ReportStream stream(b.data);
    EXPECT_TRUE(stream.isDamaged());
    LoggingCanvas log;
    stream.replayAll(log);
    EXPECT_EQ(log.calls, QStringList({QStringLiteral("beginPage 1 2159x2794"),
                                      QStringLiteral("line 1000.0000,-1000.0000 2.0000,2.0000"),
                                      QStringLiteral("font Arial 15.0000 0000 #ff000000"),
                                      QStringLiteral("line 3.0000,3.0000 4.0000,4.0000"), QStringLiteral("endPage")}));
    paintAll(b.data);
}

TEST_F(ReportStreamTest, FallbacksTurnRareCallsIntoSimpleOnes)
{
    LoggingCanvas log(false);
    log.beginPage(PageSetup{});
    log.setPen(CanvasPen{Qt::red});
    log.calls.clear();

    log.fillRect({1, 1, 2, 1});
    ASSERT_EQ(log.calls.size(), 3);
    EXPECT_EQ(log.calls[0], QStringLiteral("pen #ffff0000 0.0000 0"));
    EXPECT_EQ(log.calls[1], QStringLiteral("polygon 1.0000,1.0000 3.0000,1.0000 3.0000,2.0000 1.0000,2.0000"));
    EXPECT_EQ(log.calls[2], QStringLiteral("pen #ffff0000 0.0000 1"));

    log.calls.clear();
    log.drawArc({0, 0, 2, 2}, 0, 90);
    EXPECT_EQ(log.calls.size(), 90);
    EXPECT_TRUE(log.calls.first().startsWith(QStringLiteral("line 2.0000,1.0000 "))) << log.calls.first().toStdString();
    EXPECT_TRUE(log.calls.last().endsWith(QStringLiteral("1.0000,0.0000")));

    log.calls.clear();
    log.drawEllipse({0, 0, 4, 2});
    ASSERT_EQ(log.calls.size(), 1);
    EXPECT_EQ(log.calls[0].count(u','), 360);
}

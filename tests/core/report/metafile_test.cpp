#include "support/guiapplication.h"
#include "support/metafilereader.h"
#include "support/tempdir.h"
#include "support/testpage.h"

#include "report/canvasreport.h"
#include "report/metafilecanvas.h"
#include "report/reportstream.h"

#include <QBuffer>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>

#include <functional>

#include <gtest/gtest.h>

namespace {

// A page that uses every kind of record: a text title, shapes, arcs, lines
// and polygons, opaque text, a clip, and a picture that must be left out.
void drawEveryKind(TBaseReport& r)
{
    r.SetFontName(QStringLiteral("Liberation Sans"));
    r.SetFontSize(24);
    r.SetFontBold(true);
    r.PrintXY(1, 1, QStringLiteral("Farm Animals"));
    r.SetFontBold(false);
    r.SetFontItalic(true);
    r.SetFontSize(10);
    r.setTextBackgroundColor(0x00FFFF);
    r.SetTextBKMode(1);
    r.PrintXY(1, 1.5, QStringLiteral("Caf\u00e9 & <co>"));
    r.setBrushColor(0x0000FF);
    r.FillRect(1, 2, 3, 3);
    r.setPenColor(0x00FF00);
    r.MoveTo(1, 4);
    r.LineTo(2, 4);
    r.LineTo(2, 5);
    r.Arc(3, 4, 4, 5, 4, 4.5, 3, 4.5);
    r.setBrushSolid(false);
    r.Ellipse(5, 4, 6, 5);
    r.StretchDraw(1, 6, 2, 7, QImage(4, 4, QImage::Format_RGB32));
}

QByteArray pictureOf(MetafileFormat format, const std::function<void(TBaseReport&)>& draw)
{
    MetafileCanvas canvas(format);
    TCanvasReport report(canvas);
    // The page starts after BeforePrint has set the paper.
    report.setEvents({[&](TBaseReport& r) { r.SetPaperSize(1); }, draw, {}, {}});
    report.ExecuteReport();
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    EXPECT_TRUE(canvas.writeTo(buffer));
    return buffer.data();
}

// Converts a picture with an independent reader; returns the SVG it made.
QString convertToSvg(const QString& tool, const QStringList& arguments, const QString& svgPath)
{
    QProcess process;
    process.start(tool, arguments);
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0) {
        ADD_FAILURE() << tool.toStdString() << " failed: " << process.readAllStandardError().toStdString();
        return {};
    }
    return QString::fromUtf8(TestFolders::readFile(svgPath));
}

} // namespace

class MetafileTest : public ::testing::Test {
protected:
    void SetUp() override { ensureGuiApplication(); }
};

TEST_F(MetafileTest, LetterPageIs816By1056UnitsAnd259By335Millimetres)
{
    for (const MetafileFormat format : {MetafileFormat::Wmf, MetafileFormat::Emf}) {
        const QByteArray bytes = pictureOf(format, drawEveryKind);
        const MetafileReading reading = format == MetafileFormat::Wmf ? readWmf(bytes) : readEmf(bytes);
        ASSERT_TRUE(reading.ok) << reading.error.toStdString();
        EXPECT_EQ(reading.width, 816);
        EXPECT_EQ(reading.height, 1056);
        EXPECT_NEAR(reading.widthMm, 259.08, 1e-9);
        EXPECT_NEAR(reading.heightMm, 335.28, 1e-9);
        // Pen, brush and font each hold a slot, and one more for a
        // replacement made before the old object goes.
        EXPECT_GE(reading.objectSlots, 3);
        EXPECT_LE(reading.objectSlots, 6);
    }
    EXPECT_EQ(readEmf(pictureOf(MetafileFormat::Emf, drawEveryKind)).description,
              QStringLiteral("Quillmaze 98|Word Search Puzzle||"));

    // A4 is cut to whole units and hundredths of a millimetre.
    const MetafileGeometry a4 = MetafileGeometry::forPage(2100 / 254.0, 2970 / 254.0);
    EXPECT_EQ(a4.widthUnits, 793);
    EXPECT_EQ(a4.heightUnits, 1122);
    EXPECT_EQ(a4.widthHundredthsMm, 25200);
    EXPECT_EQ(a4.heightHundredthsMm, 35640);
}

TEST_F(MetafileTest, WindowsAndEnhancedMetafilesHoldTheSameDrawing)
{
    const MetafileReading wmf = readWmf(pictureOf(MetafileFormat::Wmf, drawEveryKind));
    const MetafileReading emf = readEmf(pictureOf(MetafileFormat::Emf, drawEveryKind));
    ASSERT_TRUE(wmf.ok) << wmf.error.toStdString();
    ASSERT_TRUE(emf.ok) << emf.error.toStdString();
    EXPECT_EQ(wmf.records, emf.records);

    // The drawing in units of 96 to the inch: the title on its baseline in a
    // bold 24-point font, the red box filled to its edges without outline,
    // the green lines, the arc from its right end to its left end, the
    // clear ellipse, and opaque text on its yellow background. The picture
    // is not written.
    const QStringList& r = wmf.records;
    EXPECT_TRUE(r.contains(QStringLiteral("textalign 24")));
    EXPECT_TRUE(r.filter(QRegularExpression(QStringLiteral("^select font Liberation Sans -\\d+ 700 000$"))).size() == 1);
    EXPECT_TRUE(r.filter(QRegularExpression(QStringLiteral("^text 96,96 Farm Animals$"))).size() == 1);
    EXPECT_TRUE(r.contains(QStringLiteral("text 96,144 Caf\u00e9 & <co>")));
    EXPECT_LT(r.indexOf(QStringLiteral("bkmode 2")), r.indexOf(QStringLiteral("text 96,144 Caf\u00e9 & <co>")));
    EXPECT_TRUE(r.contains(QStringLiteral("bkcolor ffff")));
    EXPECT_TRUE(r.contains(QStringLiteral("rectangle 96,192,289,289")));
    EXPECT_TRUE(r.contains(QStringLiteral("select pen 5 0 0")));
    EXPECT_TRUE(r.contains(QStringLiteral("select brush 0 ff")));
    const QStringList lines = {QStringLiteral("select pen 0 0 ff00"), QStringLiteral("moveto 96,384"),
                               QStringLiteral("lineto 192,384"), QStringLiteral("lineto 192,480")};
    const qsizetype pen = r.indexOf(lines[0]);
    ASSERT_GE(pen, 0);
    EXPECT_EQ(r.mid(pen, 4), lines);
    const QStringList arcs = r.filter(QStringLiteral("arc "));
    ASSERT_EQ(arcs.size(), 1);
    EXPECT_TRUE(arcs[0].startsWith(QStringLiteral("arc 288,384,384,480 ")));
    const QStringList ends = arcs[0].split(u' ');
    EXPECT_GT(ends[2].section(u',', 0, 0).toInt(), 336); // starts right of the centre
    EXPECT_EQ(ends[2].section(u',', 1), QStringLiteral("432"));
    EXPECT_LT(ends[3].section(u',', 0, 0).toInt(), 336); // ends left of it
    EXPECT_TRUE(r.contains(QStringLiteral("select brush 1 ff")));
    EXPECT_TRUE(r.contains(QStringLiteral("ellipse 480,384,576,480")));
    EXPECT_EQ(r.last(), QStringLiteral("ellipse 480,384,576,480"));
}

TEST_F(MetafileTest, EnhancedMetafileLetterAdvancesFollowEachFontChange)
{
    const auto twice = [](TBaseReport& r) {
        r.SetFontSize(10);
        r.PrintXY(1, 1, QStringLiteral("Wit"));
        r.SetFontSize(20);
        r.PrintXY(1, 2, QStringLiteral("Wit"));
        r.SetFontSize(10);
        r.PrintXY(1, 3, QStringLiteral("Wit"));
    };
    const MetafileReading reading = readEmf(pictureOf(MetafileFormat::Emf, twice));
    ASSERT_TRUE(reading.ok) << reading.error.toStdString();
    ASSERT_EQ(reading.textAdvances.size(), 3);
    const QList<int>& small = reading.textAdvances[0];
    const QList<int>& large = reading.textAdvances[1];
    ASSERT_EQ(small.size(), 3);
    ASSERT_EQ(large.size(), 3);
    EXPECT_GT(small[0], small[1]); // a W is wider than an i
    for (int i = 0; i < 3; ++i)
        EXPECT_NEAR(large[i], 2 * small[i], 1) << i;
    EXPECT_EQ(reading.textAdvances[2], small);
}

TEST_F(MetafileTest, ClipLivesInASavedStateAndObjectsSurviveIt)
{
    const auto draw = [](MetafileCanvas& canvas) {
        canvas.beginPage(PageSetup::fromPaperCode(1));
        canvas.setPen(CanvasPen{Qt::red});
        canvas.setClip(QRectF(1, 1, 2, 2));
        canvas.drawLine({0, 0}, {4, 4});
        canvas.setPen(CanvasPen{Qt::blue}); // replaces the red pen inside the clip
        canvas.drawLine({0, 4}, {4, 0});
        canvas.resetClip();
        canvas.drawLine({0, 0}, {1, 0});
        canvas.endPage();
    };
    MetafileCanvas wmfCanvas(MetafileFormat::Wmf), emfCanvas(MetafileFormat::Emf);
    draw(wmfCanvas);
    draw(emfCanvas);
    const MetafileReading wmf = readWmf(wmfCanvas.picture());
    ASSERT_TRUE(wmf.ok) << wmf.error.toStdString();
    EXPECT_EQ(wmf.records, readEmf(emfCanvas.picture()).records);
    // After the state is restored the blue pen is selected again before the
    // next line, and the red one, which the saved state held, is deleted
    // only then.
    const QStringList expected = {QStringLiteral("savedc"), QStringLiteral("clip 96,96,288,288"),
                                  QStringLiteral("select pen 0 0 ff"), QStringLiteral("moveto 0,0"),
                                  QStringLiteral("lineto 384,384"), QStringLiteral("select pen 0 0 ff0000"),
                                  QStringLiteral("moveto 0,384"), QStringLiteral("lineto 384,0"),
                                  QStringLiteral("restoredc"), QStringLiteral("select pen 0 0 ff0000"),
                                  QStringLiteral("moveto 0,0"), QStringLiteral("lineto 96,0")};
    EXPECT_EQ(wmf.records.mid(1), expected);
}

TEST_F(MetafileTest, IndependentReadersConvertBothFormatsAndKeepTheTitleText)
{
    TestFolders folders;
    const QString wmf = folders.path(QStringLiteral("page.wmf")), emf = folders.path(QStringLiteral("page.emf"));
    TestFolders::writeFile(wmf, pictureOf(MetafileFormat::Wmf, drawEveryKind));
    TestFolders::writeFile(emf, pictureOf(MetafileFormat::Emf, drawEveryKind));
    const QString fromWmf = folders.path(QStringLiteral("wmf.svg")), fromEmf = folders.path(QStringLiteral("emf.svg"));
    const QString wmfSvg =
        convertToSvg(QStringLiteral("wmf2svg"), {QStringLiteral("-o"), fromWmf, wmf}, fromWmf);
    const QString emfSvg = convertToSvg(QStringLiteral("emf2svg-conv"),
                                        {QStringLiteral("-i"), emf, QStringLiteral("-o"), fromEmf}, fromEmf);
    EXPECT_TRUE(wmfSvg.contains(QStringLiteral("Farm Animals"))) << wmfSvg.left(2000).toStdString();
    EXPECT_TRUE(emfSvg.contains(QStringLiteral("Farm Animals"))) << emfSvg.left(2000).toStdString();
}

TEST_F(MetafileTest, RecordedPageReplaysOntoAMetafile)
{
    MetafileCanvas canvas(MetafileFormat::Emf);
    ASSERT_TRUE(ReportStream(recordTestPage(QStringLiteral("Farm Animals"), 9)).replayPage(1, canvas));
    const MetafileReading emf = readEmf(canvas.picture());
    ASSERT_TRUE(emf.ok) << emf.error.toStdString();
    EXPECT_EQ(emf.width, 793); // A4
    EXPECT_TRUE(emf.records.contains(QStringLiteral("text 96,96 Farm Animals")));
}

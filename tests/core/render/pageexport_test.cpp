#include "support/guiapplication.h"
#include "support/pdftext.h"
#include "support/tempdir.h"
#include "support/testpage.h"

#include "base/messageservice.h"
#include "render/pageexport.h"
#include "report/filepreview.h"

#include <QImage>
#include <QRegularExpression>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

#include <cstring>

namespace {

quint32 u32(const QByteArray& bytes, int offset)
{
    quint32 value = 0;
    for (int i = 3; i >= 0; --i)
        value = (value << 8) | quint8(bytes[offset + i]);
    return value;
}

quint16 u16(const QByteArray& bytes, int offset)
{
    return quint16(quint8(bytes[offset]) | quint8(bytes[offset + 1]) << 8);
}

struct BitmapHeader {
    quint32 fileSize, dataOffset, headerSize, width, height, bitsPerPixel, compression, coloursUsed;
};

BitmapHeader readHeader(const QByteArray& bytes)
{
    return {u32(bytes, 2), u32(bytes, 10), u32(bytes, 14), u32(bytes, 18),
            u32(bytes, 22), u16(bytes, 28), u32(bytes, 30), u32(bytes, 46)};
}

// The red box of the test page, from (1, 2) to (3, 3) inches, is red in the
// middle and the page is white beside it.
void expectTestPagePixels(const QImage& image, double dpi, int tolerance = 0)
{
    const auto near = [tolerance](QRgb a, QRgb b) {
        return std::abs(qRed(a) - qRed(b)) <= tolerance && std::abs(qGreen(a) - qGreen(b)) <= tolerance
               && std::abs(qBlue(a) - qBlue(b)) <= tolerance;
    };
    EXPECT_TRUE(near(image.pixel(int(2 * dpi), int(2.5 * dpi)), qRgb(255, 0, 0)));
    EXPECT_TRUE(near(image.pixel(int(4 * dpi), int(2.5 * dpi)), qRgb(255, 255, 255)));
}

} // namespace

class PageExportTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ensureGuiApplication();
        preview.setStream(recordTestPage(QStringLiteral("Farm Animals")));
    }

    QImage pageAt(double zoom, int pixelFormat = 1)
    {
        preview.setPixelFormat(pixelFormat);
        preview.start();
        preview.setZoomFactor(zoom);
        return preview.pageImage();
    }

    TFilePreview preview;
    TestFolders folders;
};

TEST_F(PageExportTest, TrueColourBitmapIsTheImageAsShown)
{
    for (const double zoom : {100.0, 50.0}) {
        const QByteArray bytes = encodeBitmap(pageAt(zoom), 24);
        ASSERT_TRUE(bytes.startsWith("BM"));
        const BitmapHeader h = readHeader(bytes);
        // Letter at 96 pixels per inch, and half as large each way at zoom 50.
        EXPECT_EQ(h.width, zoom == 100 ? 816u : 408u);
        EXPECT_EQ(h.height, zoom == 100 ? 1056u : 528u);
        EXPECT_EQ(h.bitsPerPixel, 24u);
        EXPECT_EQ(h.compression, 0u);
        EXPECT_EQ(h.dataOffset, 54u);
        EXPECT_EQ(h.fileSize, quint32(bytes.size()));
        EXPECT_EQ(h.fileSize, 54 + (h.width * 3 + 3) / 4 * 4 * h.height);

        const QImage decoded = QImage::fromData(bytes, "BMP");
        ASSERT_EQ(decoded.size(), QSize(int(h.width), int(h.height)));
        expectTestPagePixels(decoded, 96 * zoom / 100);
    }
}

TEST_F(PageExportTest, PixelFormatTwoGivesAnEightBitBitmapWithFullPalette)
{
    // The page holds only a few colours, which Qt itself would write as a
    // 4-bit bitmap; the export must still be 8 bits with 256 palette entries.
    const QImage image = pageAt(100, 2);
    ASSERT_EQ(image.format(), QImage::Format_Indexed8);
    ASSERT_LE(image.colorCount(), 256);
    const QByteArray bytes = encodeBitmap(image, 8);
    const BitmapHeader h = readHeader(bytes);
    EXPECT_EQ(h.headerSize, 40u);
    EXPECT_EQ(h.bitsPerPixel, 8u);
    EXPECT_EQ(h.coloursUsed, 256u);
    EXPECT_EQ(h.dataOffset, 54u + 256 * 4);
    EXPECT_EQ(h.fileSize, h.dataOffset + (h.width + 3) / 4 * 4 * h.height);
    EXPECT_EQ(h.fileSize, quint32(bytes.size()));

    const QImage decoded = QImage::fromData(bytes, "BMP");
    ASSERT_EQ(decoded.size(), QSize(816, 1056));
    expectTestPagePixels(decoded, 96);

    // A true-colour image asked for in 8 bits is reduced to a palette too.
    EXPECT_EQ(readHeader(encodeBitmap(pageAt(50, 1), 8)).bitsPerPixel, 8u);
}

TEST_F(PageExportTest, JpegDecodesAndFollowsTheQuality)
{
    const QImage image = pageAt(50);
    const QByteArray sharp = encodeJpeg(image, 95);
    const QByteArray small = encodeJpeg(image, 5);
    ASSERT_TRUE(sharp.startsWith("\xFF\xD8\xFF"));
    EXPECT_TRUE(sharp.endsWith("\xFF\xD9"));
    EXPECT_LT(small.size(), sharp.size());
    // Out-of-range qualities are clamped, never refused.
    EXPECT_FALSE(encodeJpeg(image, 0).isEmpty());
    EXPECT_FALSE(encodeJpeg(image, 1000).isEmpty());

    const QImage decoded = QImage::fromData(sharp, "JPG");
    ASSERT_EQ(decoded.size(), QSize(408, 528));
    expectTestPagePixels(decoded, 48, 24);
    // A 256-colour page image is compressed in colour as well.
    EXPECT_FALSE(QImage::fromData(encodeJpeg(pageAt(50, 2), 50), "JPG").isGrayscale());
}

TEST_F(PageExportTest, PdfIsOneVectorPageOnThePaperWithEmbeddedFonts)
{
    preview.setStream(recordTestPage(QStringLiteral("Farm Animals"), 9));
    const QString path = folders.path(QStringLiteral("page.pdf"));
    writePdfFile(path, preview.stream(), 1, QStringLiteral("Farm"));
    const QByteArray bytes = TestFolders::readFile(path);
    ASSERT_TRUE(bytes.startsWith("%PDF-"));
    EXPECT_TRUE(bytes.trimmed().endsWith("%%EOF"));
    const QString text = QString::fromLatin1(bytes);
    EXPECT_EQ(text.count(QRegularExpression(QStringLiteral("/Type\\s*/Page[^s]"))), 1);
    EXPECT_TRUE(bytes.contains("/FontFile2"));
    // A4 is 595.3 x 841.9 points.
    const auto match = QRegularExpression(QStringLiteral("/MediaBox\\s*\\[\\s*0 0 ([\\d.]+) ([\\d.]+)")).match(text);
    ASSERT_TRUE(match.hasMatch());
    EXPECT_NEAR(match.captured(1).toDouble(), 595.3, 1);
    EXPECT_NEAR(match.captured(2).toDouble(), 841.9, 1);
    EXPECT_EQ(pdfText(path), QStringLiteral("Farm Animals"));
}

TEST_F(PageExportTest, FailuresThrowAndLeaveNoFile)
{
    const QString missingFolder = folders.path(QStringLiteral("no/such/folder/page.bmp"));
    EXPECT_THROW(writeBitmapFile(missingFolder, pageAt(20), 24), IoError);
    EXPECT_THROW(writeJpegFile(missingFolder, pageAt(20), 50), IoError);
    EXPECT_THROW(writePdfFile(missingFolder, preview.stream(), 1, {}), IoError);
    // No page to write: nothing is created.
    const QString pdf = folders.path(QStringLiteral("empty.pdf"));
    EXPECT_THROW(writePdfFile(pdf, preview.stream(), 2, {}), IoError);
    EXPECT_FALSE(QFile::exists(pdf));
    EXPECT_THROW(writeBitmapFile(folders.path(QStringLiteral("null.bmp")), QImage(), 24), IoError);
    EXPECT_TRUE(encodeJpeg(QImage(), 50).isEmpty());
}

TEST_F(PageExportTest, SvgKeepsTextAsTextAndShapesAsVectors)
{
    const QString path = folders.path(QStringLiteral("page.svg"));
    writeSvgFile(path, preview.stream(), 1);
    QXmlStreamReader xml(TestFolders::readFile(path));
    QStringList texts;
    QStringList fills;
    QString width;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == QLatin1String("svg"))
            width = xml.attributes().value(QLatin1String("width")).toString();
        else if (xml.name() == QLatin1String("rect"))
            fills << xml.attributes().value(QLatin1String("fill")).toString();
        else if (xml.name() == QLatin1String("text"))
            texts << xml.readElementText();
    }
    ASSERT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    EXPECT_EQ(width, QStringLiteral("8.5000in"));
    EXPECT_EQ(texts, QStringList{QStringLiteral("Farm Animals")});
    EXPECT_TRUE(fills.contains(QStringLiteral("#ff0000"))); // the red box, filled without outline
    EXPECT_THROW(writeSvgFile(path, preview.stream(), 2), IoError);
}

// A page exported at zoom z declares screen dpi x z / 100, so that it prints
// at its real size: a Letter page is 8.5 x 11 inches at any zoom.
TEST_F(PageExportTest, PicturesDeclareTheResolutionTheyWereDrawnAt)
{
    const QByteArray bitmap = encodeBitmap(pageAt(200), 24);
    const quint32 width = u32(bitmap, 18);
    const quint32 pixelsPerMetreX = u32(bitmap, 38);
    EXPECT_EQ(pixelsPerMetreX, 7559u); // 192 pixels per inch
    EXPECT_EQ(u32(bitmap, 42), 7559u);
    EXPECT_NEAR(width / (pixelsPerMetreX * 0.0254), 8.5, 0.01);
    EXPECT_EQ(u32(encodeBitmap(pageAt(50, 2), 8), 38), 1890u); // 48 pixels per inch

    // JFIF density, in dots per inch (unit 1), of a page at zoom 150.
    const QByteArray jpeg = encodeJpeg(pageAt(150), 50);
    const qsizetype jfif = jpeg.indexOf(QByteArray("JFIF\0", 5));
    ASSERT_GT(jfif, 0);
    EXPECT_EQ(int(jpeg[jfif + 7]), 1);
    const auto density = [&](int at) { return quint8(jpeg[at]) << 8 | quint8(jpeg[at + 1]); };
    EXPECT_EQ(density(jfif + 8), 144);
    EXPECT_EQ(density(jfif + 10), 144);
}

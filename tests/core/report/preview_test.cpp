#include "support/guiapplication.h"

#include "report/filepreview.h"
#include "report/reportfiler.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

// A Letter page with a red rectangle from (1, 1) to (2, 1.5) inches.
QByteArray rectanglePage()
{
    TReportFiler filer;
    filer.setEvents({{}, [](TBaseReport& r) {
                         r.setBrushColor(0x0000FF);
                         r.FillRect(1, 1, 2, 1.5);
                     }, {}, {}});
    filer.ExecuteReport();
    return filer.recordedData();
}

bool isRed(const QImage& image, int x, int y)
{
    return image.pixel(x, y) == qRgb(255, 0, 0);
}

} // namespace

class ReportPreviewTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ensureGuiApplication();
        preview.setStream(rectanglePage());
        preview.setZoomChanged([this](double zoom) { reported << zoom; });
    }
    TFilePreview preview;
    QList<double> reported;
};

TEST_F(ReportPreviewTest, ZoomIsClampedAndStepsByTen)
{
    const struct {
        double from;
        int action; // 0 set to value, 1 zoom in, -1 zoom out
        double value;
        double expected;
    } cases[] = {
        {100, 0, 5, 10},   {100, 0, 250, 200}, {100, 0, 33.3, 33.3}, {195, 1, 0, 200}, {200, 1, 0, 200},
        {15, -1, 0, 10},   {10, -1, 0, 10},    {100, 1, 0, 110},     {100, -1, 0, 90},
    };
    for (const auto& c : cases) {
        preview.setZoomFactor(c.from);
        reported.clear();
        if (c.action == 0)
            preview.setZoomFactor(c.value);
        else if (c.action > 0)
            preview.zoomIn();
        else
            preview.zoomOut();
        EXPECT_DOUBLE_EQ(preview.zoomFactor(), c.expected) << c.from << ' ' << c.action << ' ' << c.value;
        EXPECT_EQ(reported, QList<double>{c.expected});
    }
    reported.clear();
    preview.setZoomFactor(std::nan(""));
    EXPECT_DOUBLE_EQ(preview.zoomFactor(), 90);
    EXPECT_TRUE(reported.isEmpty());
}

TEST_F(ReportPreviewTest, StartShowsPageOneAtFullSize)
{
    preview.setZoomFactor(60);
    EXPECT_TRUE(preview.pageImage().isNull());
    preview.start();
    EXPECT_EQ(preview.currentPage(), 1);
    EXPECT_DOUBLE_EQ(preview.zoomFactor(), 100);
    EXPECT_EQ(preview.pageImage().size(), QSize(816, 1056));
    EXPECT_EQ(preview.pageImage().format(), QImage::Format_RGB888);
    EXPECT_EQ(preview.pageMargin(), 20);
    preview.setZoomFactor(50);
    EXPECT_EQ(preview.pageImage().size(), QSize(408, 528));
    preview.finish();
    EXPECT_TRUE(preview.pageImage().isNull());
}

TEST_F(ReportPreviewTest, FilledRectangleLandsOnItsPixels)
{
    preview.start();
    for (const double zoom : {100.0, 50.0, 200.0}) {
        preview.setZoomFactor(zoom);
        const QImage& image = preview.pageImage();
        const double dpi = 96 * zoom / 100;
        const int left = int(std::lround(dpi)), right = int(std::lround(2 * dpi)) - 1;
        const int top = int(std::lround(dpi)), bottom = int(std::lround(1.5 * dpi)) - 1;
        EXPECT_TRUE(isRed(image, left, top)) << zoom;
        EXPECT_TRUE(isRed(image, right, bottom)) << zoom;
        EXPECT_FALSE(isRed(image, left - 1, top)) << zoom;
        EXPECT_FALSE(isRed(image, left, top - 1)) << zoom;
        EXPECT_FALSE(isRed(image, right + 1, bottom)) << zoom;
        EXPECT_FALSE(isRed(image, right, bottom + 1)) << zoom;
        EXPECT_EQ(image.pixel(5, 5), qRgb(255, 255, 255));
    }
}

TEST_F(ReportPreviewTest, PageWidthAndWholePageFactors)
{
    // Letter at 96 pixels per inch: 816 x 1056, margins 2.5 % of 816 on each side.
    const double wide = 816 * 1.05;
    const double tall = 1056 + 816 * 0.05;
    // A box tall enough for the page: no room for a scroll bar is needed.
    EXPECT_NEAR(preview.pageWidthFactor(900, 2000, 17), 900 / wide * 100, 1e-9);
    // A lower box: the page is then taller, and the scroll bar takes room.
    EXPECT_NEAR(preview.pageWidthFactor(900, 600, 17), (900 - 17) / wide * 100, 1e-9);
    EXPECT_NEAR(preview.wholePageFactor(900, 600), (600 - 4) / tall * 100, 1e-9);
    EXPECT_NEAR(preview.wholePageFactor(300, 2000), (300 - 4) / wide * 100, 1e-9);
    // Applying a factor outside the limits clamps it.
    preview.setZoomFactor(preview.wholePageFactor(60, 60));
    EXPECT_DOUBLE_EQ(preview.zoomFactor(), 10);
}

TEST_F(ReportPreviewTest, EightBitPixelFormatHasAPalette)
{
    preview.setPixelFormat(2);
    preview.start();
    EXPECT_EQ(preview.pageImage().format(), QImage::Format_Indexed8);
    EXPECT_LE(preview.pageImage().colorCount(), 256);
    EXPECT_EQ(preview.pageImage().pixel(100, 100), qRgb(255, 0, 0));
}

TEST_F(ReportPreviewTest, AStreamWithoutPagesShowsNothing)
{
    preview.setStream(QByteArray("not a report"));
    preview.start();
    EXPECT_EQ(preview.pageCount(), 0);
    EXPECT_EQ(preview.currentPage(), 0);
    EXPECT_TRUE(preview.pageImage().isNull());
    preview.zoomIn();
    preview.setCurrentPage(4);
    EXPECT_TRUE(preview.pageImage().isNull());
}
